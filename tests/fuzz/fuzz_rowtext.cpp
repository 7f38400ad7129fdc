// Pasted text and the filter bar on any input. The first byte chooses the section and the
// separator, the second the filter's column; the rest is the clipboard's text, then after a
// zero byte the filter's text. A decode either fails with a message and no rows, or gives
// rows that convert, that decode the same straight into records, and that copy and paste back
// to the same texts. The filter then finds in those rows exactly what searching every shown
// text finds.

#include "document.h"
#include "fuzzscratch.h"
#include "namehash.h"
#include "rowclipboard.h"
#include "rowfilter.h"
#include "rowrecord.h"

#include <cstring>
#include <numeric>

namespace varn::fuzz {
namespace {

std::shared_ptr<const NameLookup> names() {
    static const auto lookup = [] {
        HashDictionary dictionary;
        dictionary.baseEntries = {{"Big_Tree", nameHash(u"Big_Tree")}, {"cut_name", 4242}};
        return dictionary.snapshot();
    }();
    return lookup;
}

QStringList textsOf(const RowWrites& row) {
    QStringList texts;
    for (const CellWrite& write : row)
        texts << write.text;
    return texts;
}

QStringList rowTexts(const SectionTable& table, int row) {
    QStringList texts;
    for (int cell = 0; cell < table.layout().cellCount(); ++cell)
        texts << table.cellText(row, cell);
    return texts;
}

void checkDecode(SectionTable& table, const QString& text) {
    const SectionLayout& layout = table.layout();
    std::vector<RowWrites> rows;
    DecodedRecords records;
    QString error;
    QString recordsError;
    const bool decoded = decodeRows(text, layout, table.context(), rows, error);
    const bool decodedRecords = decodeRecords(text, layout, table.context(), records, recordsError);
    VARN_FUZZ_CHECK(decoded == decodedRecords && error == recordsError, error + recordsError);
    if (!decoded) {
        VARN_FUZZ_CHECK(rows.empty() && records.rowCount() == 0 && !error.isEmpty(), error);
        table.clear();
        return;
    }
    VARN_FUZZ_CHECK(records.rowCount() == static_cast<int>(rows.size()), text);
    char* stored = table.resetRecords(static_cast<int>(rows.size()));
    std::memcpy(stored, records.records.data(), records.records.size());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        VARN_FUZZ_CHECK(static_cast<int>(rows[row].size()) == layout.cellCount(), text);
        for (int cell = 0; cell < layout.cellCount(); ++cell)
            VARN_FUZZ_CHECK(rows[row][cell].cell == cell, text);
        std::vector<char> record(static_cast<std::size_t>(layout.recordSize), '\0');
        RowWrites edits;
        int failedCell = -1;
        VARN_FUZZ_CHECK(recordFromWrites(layout, table.context(), rows[row], record.data(), edits,
                                         failedCell, error),
                        error);
        VARN_FUZZ_CHECK(
            std::memcmp(record.data(), stored + row * layout.recordSize, record.size()) == 0, text);
        table.applyWrites(static_cast<int>(row), records.edits[row]);
        VARN_FUZZ_CHECK(rowTexts(table, static_cast<int>(row)) == textsOf(rows[row]), text);
    }
    // Copied and pasted again, the rows give the same texts.
    std::vector<int> all(rows.size());
    std::iota(all.begin(), all.end(), 0);
    std::vector<RowWrites> again;
    const QString copied = encodeRows(table, all, {true, {}});
    VARN_FUZZ_CHECK(decodeRows(copied, layout, table.context(), again, error), error + copied);
    VARN_FUZZ_CHECK(again.size() == rows.size(), copied);
    for (std::size_t row = 0; row < rows.size(); ++row)
        VARN_FUZZ_CHECK(textsOf(again[row]) == textsOf(rows[row]), copied);
}

void checkFilter(const SectionTable& table, const QString& query, int column) {
    const ParsedFilter parsed =
        parseFilter(table.layout(), {query, column}, table.context().separator);
    if (parsed.kind != ParsedFilter::Kind::Text) return;
    std::vector<int> expected;
    for (int row = 0; row < table.rowCount(); ++row) {
        bool found = false;
        for (int c = kRowNumberColumn; c < table.layout().visibleCount && !found; ++c) {
            if (column != kAllColumns && c != column) continue;
            const QString shown =
                c == kRowNumberColumn ? QString::number(row) : table.cellText(row, c);
            found = shown.contains(query, Qt::CaseInsensitive);
        }
        if (found) expected.push_back(row);
    }
    VARN_FUZZ_CHECK(filterRows(table, {query, column})->rows == expected, query);
}

}  // namespace
}  // namespace varn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varn;
    if (size < 2) return 0;
    const int section = sectionsInFileOrder()[data[0] % kKnownSectionCount].number;
    const char separator = data[0] & 0x80 ? ',' : '.';
    const auto* text = reinterpret_cast<const char*>(data + 2);
    const std::size_t textSize = size - 2;
    const void* zero = std::memchr(text, 0, textSize);
    const std::size_t pasted = zero ? static_cast<const char*>(zero) - text : textSize;
    static Document dots('.', fuzz::names());
    static Document commas(',', fuzz::names());
    SectionTable& table = (separator == '.' ? dots : commas).table(section);
    fuzz::checkDecode(table, QString::fromUtf8(text, static_cast<qsizetype>(pasted)));
    if (!zero) return 0;
    const int columns = table.layout().visibleCount + 2;
    const int column = data[1] % columns - 2;  // all columns, the row number or a visible cell
    fuzz::checkFilter(
        table, QString::fromUtf8(text + pasted + 1, static_cast<qsizetype>(textSize - pasted - 1)),
        column);
    return 0;
}
