// The placement loader and writer on any file. The first byte chooses the byte order, the table
// options and the separator; the rest is the file. Whether the file loads, every cell's text,
// the dictionary, the bytes a save writes (as it is, or after value-keeping edits of every
// number cell) and what the saved file shows when loaded again are held against the tests' own
// model of the file.

#include "fuzzscratch.h"
#include "modeldocument.h"
#include "namehash.h"
#include "placementfile.h"

#include <vector>

namespace varn::fuzz {
namespace {

using testmodel::Kind;
using testmodel::ModelDocument;
using testmodel::NameEntry;

struct Choices {
    bool bigEndian;
    bool readTable;
    char separator;
    bool writeTable;
    bool editNumbers;
};

Choices choicesOf(std::uint8_t byte) {
    return {(byte & 1) != 0, (byte & 2) != 0, (byte & 4) != 0 ? ',' : '.', (byte & 8) != 0,
            (byte & 16) != 0};
}

NameEntry entry(const char* name, std::uint32_t hash) {
    return {QByteArray(name), hash};
}

NameEntry named(const char* name) {
    return entry(name, nameHash(QString::fromLatin1(name)));
}

// Names from hashes.dat, with the awkward cases among them: an empty name, two names for one
// hash, a name that reads as a hash text.
const std::vector<NameEntry> kBaseNames = {
    named("tree_oak_01"),        named("tree_oak_02"), named("bush_round_01"),
    named("rock_flat_01"),       entry("", 0),         entry("twin_first", 12345),
    entry("twin_second", 12345), entry("[hash:7]", 8), entry("caf\xE9", 99)};
// Names of an earlier file's table: one of them empty, which leaves its hash to the base names.
const std::vector<NameEntry> kEarlierFileNames = {entry("earlier_file_only", 4242),
                                                  entry("", nameHash(u"tree_oak_01")),
                                                  named("sample_only_statue")};

QList<HashTableEntry> programEntries(const std::vector<NameEntry>& entries) {
    QList<HashTableEntry> list;
    for (const NameEntry& e : entries)
        list.append({e.name, e.hash});
    return list;
}

// Holds a load or save to the progress contract: one begin, steps within the maximum, one end.
class ProgressCheck : public ProgressSink {
public:
    void begin(std::int64_t maximum) override {
        VARN_FUZZ_CHECK(begins_++ == 0 && maximum >= 1, QString::number(maximum));
        maximum_ = maximum;
    }
    void advance(std::int64_t steps) override {
        done_ += steps;
        VARN_FUZZ_CHECK(steps > 0 && done_ <= maximum_ && ends_ == 0, QString::number(done_));
    }
    void end() override { VARN_FUZZ_CHECK(ends_++ == 0 && begins_ == 1, QString()); }
    void verifyFinished() const { VARN_FUZZ_CHECK(begins_ == ends_, QString::number(begins_)); }

private:
    int begins_ = 0;
    int ends_ = 0;
    std::int64_t maximum_ = 0;
    std::int64_t done_ = 0;
};

// Every cell of the document shows the model's text, and its UTF-8 form says the same.
void checkDocument(const ModelDocument& model, const Document& document) {
    VARN_FUZZ_CHECK(document.version == model.version(), QString::number(document.version));
    VARN_FUZZ_CHECK(document.headerCounts == model.headerCounts(), QString());
    for (const SectionTable& table : document.tables()) {
        const std::vector<testmodel::ModelRow>& rows = model.rows(table.number());
        VARN_FUZZ_CHECK(static_cast<std::size_t>(table.rowCount()) == rows.size() &&
                            static_cast<std::size_t>(table.layout().cellCount()) ==
                                testmodel::sectionShape(table.number()).cells.size(),
                        QString::number(table.number()));
        std::string utf8;
        for (int row = 0; row < table.rowCount(); ++row)
            for (int cell = 0; cell < table.layout().cellCount(); ++cell) {
                const QString text = table.cellText(row, cell);
                const QString& expected = rows[row][cell].text;
                VARN_FUZZ_CHECK(text == expected,
                                QStringLiteral("section %1 row %2 cell %3: %4 / %5")
                                    .arg(table.number())
                                    .arg(row)
                                    .arg(cell)
                                    .arg(text, expected));
                utf8.clear();
                table.appendCellUtf8(row, cell, utf8);
                VARN_FUZZ_CHECK(utf8 == text.toStdString(), text);
            }
    }
}

// The same value in other words: a leading zero for integers and hashes, a trailing blank for
// floats. Saving must convert each back to the field it came from.
void editNumberCells(Document& document) {
    for (SectionTable& table : document.tables()) {
        const testmodel::SectionShape& shape = testmodel::sectionShape(table.number());
        for (int row = 0; row < table.rowCount(); ++row)
            for (int cell = 0; cell < table.layout().cellCount(); ++cell) {
                const Kind kind = shape.cells[cell].kind;
                const QString text = table.cellText(row, cell);
                if (testmodel::isFloatKind(kind)) {
                    if (text != u"INF" && text != u"-INF" && text != u"NAN")
                        table.setCellText(row, cell, text + QLatin1Char(' '));
                } else if (testmodel::isNumericKind(kind)) {
                    table.setCellText(row, cell,
                                      text.startsWith(u'-') ? QStringLiteral("-0") + text.mid(1)
                                                            : QLatin1Char('0') + text);
                }
            }
    }
}

// Zeroes every float field of a saved file with the given counts: an edited float cell may
// take the nearest float of its text.
void blankFloatFields(QByteArray& file, const std::array<std::int32_t, kSectionCount>& counts) {
    qint64 record = testmodel::kHeaderBytes;
    for (const testmodel::SectionShape& shape : testmodel::sectionShapes())
        for (int row = 0; row < counts[shape.number]; ++row, record += shape.recordSize)
            for (const testmodel::CellShape& cell : shape.cells)
                if (testmodel::isFloatKind(cell.kind))
                    file.replace(record + cell.offset, 4, QByteArray(4, '\0'));
}

void checkSavedFile(QByteArray saved, QByteArray expected, const ModelDocument& model,
                    bool edited) {
    VARN_FUZZ_CHECK(saved.size() == expected.size(),
                    QStringLiteral("%1 bytes, not %2").arg(saved.size()).arg(expected.size()));
    if (edited) {
        blankFloatFields(saved, model.headerCounts());
        blankFloatFields(expected, model.headerCounts());
    }
    qsizetype at = 0;
    while (at < saved.size() && saved[at] == expected[at])
        ++at;
    VARN_FUZZ_CHECK(at == saved.size(), QStringLiteral("the saved file differs at %1").arg(at));
}

}  // namespace
}  // namespace varn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varn;
    using namespace varn::fuzz;
    if (size == 0) return 0;
    const Choices choices = choicesOf(data[0]);
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    const QString input = writeScratchFile(
        choices.bigEndian ? QStringLiteral("input.xpl") : QStringLiteral("input.wpl"), bytes);
    ModelDocument model(choices.separator, kBaseNames, kEarlierFileNames);
    const bool loadable = model.load(bytes, choices.bigEndian, choices.readTable);

    static const HashDictionary start{programEntries(kBaseNames),
                                      programEntries(kEarlierFileNames)};
    HashDictionary dictionary = start;
    Document document(choices.separator);
    QString error;
    ProgressCheck loading;
    const bool loaded = loadPlacementFile(input, {.readHashTable = choices.readTable}, dictionary,
                                          document, error, &loading);
    loading.verifyFinished();
    VARN_FUZZ_CHECK(loaded == loadable, error);
    if (!loaded) {
        VARN_FUZZ_CHECK(!error.isEmpty() && document.totalRows() == 0, error);
        VARN_FUZZ_CHECK(dictionary.fileEntries == start.fileEntries, error);
        return 0;
    }
    VARN_FUZZ_CHECK(dictionary.fileEntries == programEntries(model.fileNames()), QString());
    VARN_FUZZ_CHECK(dictionary.baseEntries == start.baseEntries, QString());
    checkDocument(model, document);
    if (choices.editNumbers) editNumberCells(document);

    const QByteArray expected = model.save(choices.writeTable);
    const QString output = scratchPath(QStringLiteral("output.wpl"));
    ProgressCheck saving;
    VARN_FUZZ_CHECK(savePlacementFile(output, {.writeHashTable = choices.writeTable}, document,
                                      dictionary, error, &saving),
                    error);
    saving.verifyFinished();
    VARN_FUZZ_CHECK(dictionary.fileEntries == programEntries(model.fileNames()), QString());
    checkSavedFile(readWholeFile(output), expected, model, choices.editNumbers);
    VARN_FUZZ_CHECK(document.headerCounts == model.headerCounts(), QString());

    // Loaded again, the file shows what the model's saved bytes show: the names through the
    // table just written, the floats edited as texts as they were.
    Document reloaded(choices.separator);
    VARN_FUZZ_CHECK(loadPlacementFile(output, {.readHashTable = choices.writeTable}, dictionary,
                                      reloaded, error),
                    error);
    VARN_FUZZ_CHECK(model.load(expected, false, choices.writeTable), QString());
    checkDocument(model, reloaded);
    return 0;
}
