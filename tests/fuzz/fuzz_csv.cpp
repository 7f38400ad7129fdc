// The section CSV reader on any text, for every section in turn, with or without the editors'
// name tests (the input's length chooses). A refused text leaves the rows and says where, in
// one printable line; taken
// rows must write out again as CSV that reads back to the same records and texts, and write out
// the same again.

#include "document.h"
#include "fuzzscratch.h"
#include "namehash.h"
#include "sectioncsv.h"

#include <QBuffer>

#include <cstring>

namespace varn::fuzz {
namespace {

QByteArray written(const SectionTable& table) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    VARN_FUZZ_CHECK(writeSectionCsv(table, buffer, error), error);
    return buffer.data();
}

bool sameRows(const SectionTable& a, const SectionTable& b) {
    if (a.rowCount() != b.rowCount()) return false;
    const auto bytes = static_cast<std::size_t>(a.rowCount()) * a.layout().recordSize;
    if (bytes > 0 && std::memcmp(a.record(0), b.record(0), bytes) != 0) return false;
    for (int row = 0; row < a.rowCount(); ++row)
        for (int cell = 0; cell < a.layout().cellCount(); ++cell)
            if (a.cellText(row, cell) != b.cellText(row, cell)) return false;
    return true;
}

}  // namespace
}  // namespace varn::fuzz

namespace varn::fuzz {
namespace {

void checkSection(QByteArrayView text, const SectionLayout& layout, const CsvReadOptions& options) {
    HashDictionary dictionary;
    dictionary.baseEntries = {{"tree_oak_01", nameHash(u"tree_oak_01")}, {"", 0}};
    Document document('.', dictionary.snapshot());
    SectionTable& table = document.table(layout.number);
    RowBlock rows;
    rows.count = -1;
    QString error;
    if (!readSectionCsv(text, QStringLiteral("fuzz.csv"), table, options, rows, error)) {
        VARN_FUZZ_CHECK(error.startsWith(QStringLiteral("Cannot read file \"fuzz.csv\": line ")) &&
                            error.contains(QStringLiteral(", column ")) && isOneLine(error) &&
                            rows.count == -1,
                        error);
        return;
    }
    VARN_FUZZ_CHECK(
        rows.records.size() == static_cast<std::size_t>(rows.count) * layout.recordSize &&
            (rows.edits.empty() || rows.edits.size() == std::size_t(rows.count)),
        QString::number(rows.count));
    replaceTableRows(table, std::move(rows));
    const QByteArray first = written(table);
    Document again('.', dictionary.snapshot());
    SectionTable& back = again.table(layout.number);
    RowBlock backRows;
    VARN_FUZZ_CHECK(
        readSectionCsv(first, QStringLiteral("again.csv"), back, options, backRows, error), error);
    replaceTableRows(back, std::move(backRows));
    VARN_FUZZ_CHECK(sameRows(table, back), QString::fromUtf8(first.left(200)));
    VARN_FUZZ_CHECK(written(back) == first, QString::fromUtf8(first.left(200)));
}

}  // namespace
}  // namespace varn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varn;
    const QByteArrayView text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const CsvReadOptions options{.fieldTests = size % 2 == 1};
    for (const SectionLayout& layout : sectionsInFileOrder())
        fuzz::checkSection(text, layout, options);
    return 0;
}
