// The placement loader and writer on any file. The first byte chooses the byte order, the table
// options and the separator; the rest is the file. A file that loads is held against a plain
// reading of the format, saved (as it is or after value-keeping edits of every number cell),
// loaded again, and must show the same texts, except model names that a save's table cannot
// carry: a name already given to an earlier hash, or a name that reads as a hash text.

#include "codepage.h"
#include "fuzzscratch.h"
#include "namehash.h"
#include "placementfile.h"
#include "placementmodel.h"

#include <QHash>

#include <vector>

namespace varn::fuzz {
namespace {

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

HashTableEntry entry(const char* name, std::uint32_t hash) {
    return {QByteArray(name), hash};
}

// Names from hashes.dat and from an earlier file, with the awkward cases among them: an empty
// name, two names for one hash, a name that reads as a hash text.
HashDictionary startingDictionary() {
    HashDictionary d;
    for (const char* name : {"tree_oak_01", "tree_oak_02", "bush_round_01", "rock_flat_01"})
        d.baseEntries.append(entry(name, nameHash(QString::fromLatin1(name))));
    d.baseEntries.append({entry("", 0), entry("twin_first", 12345), entry("twin_second", 12345),
                          entry("[hash:7]", 8), entry("caf\xE9", 99)});
    d.fileEntries.append({entry("earlier_file_only", 4242), entry("", nameHash(u"tree_oak_01")),
                          entry("sample_only_statue", nameHash(u"sample_only_statue"))});
    return d;
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

using Texts = std::vector<QString>;  // every cell of every row, table by table in file order

Texts allTexts(const Document& document) {
    Texts texts;
    for (const SectionTable& table : document.tables())
        for (int row = 0; row < table.rowCount(); ++row)
            for (int cell = 0; cell < table.layout().cellCount(); ++cell) {
                texts.push_back(table.cellText(row, cell));
                std::string utf8;
                table.appendCellUtf8(row, cell, utf8);
                VARN_FUZZ_CHECK(utf8 == texts.back().toStdString(), texts.back());
            }
    return texts;
}

// The same value in other words: a leading zero for integers and hashes, a trailing blank for
// floats. Saving must convert each back to the field it came from.
void editNumberCells(Document& document) {
    for (SectionTable& table : document.tables())
        for (int row = 0; row < table.rowCount(); ++row)
            for (int cell = 0; cell < table.layout().cellCount(); ++cell) {
                const SaveKind kind = table.layout().cells[cell].save;
                const QString text = table.cellText(row, cell);
                if (kind == SaveKind::Float && text != u"INF" && text != u"-INF" && text != u"NAN")
                    table.setCellText(row, cell, text + QLatin1Char(' '));
                else if (kind == SaveKind::I32 || kind == SaveKind::U32 || kind == SaveKind::Hash)
                    table.setCellText(row, cell,
                                      text.startsWith(u'-') ? QStringLiteral("-0") + text.mid(1)
                                                            : QLatin1Char('0') + text);
            }
}

constexpr int kModelNameCell = 7;
constexpr int kModelHashCell = 12;

// The entries a save's table holds: per hash its first row, when that row's name is a name
// (not a hash text) that no earlier hash took and that fits the field.
QList<HashTableEntry> expectedTable(const SectionTable& instances) {
    QList<HashTableEntry> entries;
    QHash<std::uint32_t, bool> seenHashes;
    QHash<QString, bool> seenNames;
    for (int row = 0; row < instances.rowCount(); ++row) {
        const std::uint32_t hash = instances.cellText(row, kModelHashCell).toUInt();
        if (seenHashes.contains(hash)) continue;
        seenHashes.insert(hash, true);
        const QString name = instances.cellText(row, kModelNameCell);
        const QByteArray bytes = encodeWindows1252(name);
        if (isHashText(name) || seenNames.contains(name)) continue;
        seenNames.insert(name, true);
        if (bytes.size() <= kEntryNameSize) entries.append({bytes, hash});
    }
    return entries;
}

void checkFirstLoad(const PlacementModel& model, const Document& document,
                    const HashDictionary& dictionary, char separator) {
    VARN_FUZZ_CHECK(document.version == model.version(), QString::number(document.version));
    VARN_FUZZ_CHECK(document.headerCounts == model.counts(), QString());
    for (const SectionTable& table : document.tables()) {
        VARN_FUZZ_CHECK(table.rowCount() == model.count(table.number()),
                        QString::number(table.number()));
        VARN_FUZZ_CHECK((table.rowCount() > 0) == (table.state() == TableState::InSync),
                        QString::number(table.number()));
        for (int row = 0; row < table.rowCount(); ++row)
            for (int cell = 0; cell < table.layout().cellCount(); ++cell) {
                const QString expected =
                    model.cellText(table.layout(), row, cell, dictionary, separator);
                VARN_FUZZ_CHECK(table.cellText(row, cell) == expected,
                                QStringLiteral("section %1 row %2 cell %3: %4 / %5")
                                    .arg(table.number())
                                    .arg(row)
                                    .arg(cell)
                                    .arg(table.cellText(row, cell), expected));
            }
    }
}

void blankFloatFields(QByteArray& records, const PlacementModel& model, const Document& document) {
    for (const SectionTable& t : document.tables())
        for (int row = 0; row < t.rowCount(); ++row)
            for (const CellLayout& c : t.layout().cells)
                if (c.isFloat() && c.offset >= 0)
                    records.replace(model.recordOffset(t.layout(), row) - kHeaderSize + c.offset, 4,
                                    QByteArray(4, '\0'));
}

void checkSavedFile(const QByteArray& saved, const PlacementModel& input, const Document& document,
                    const QList<HashTableEntry>& table, bool edited) {
    const PlacementModel output(saved, false);
    VARN_FUZZ_CHECK(output.loadable() && output.version() == input.version(), QString());
    for (int k = 0; k < kSectionCount; ++k)
        VARN_FUZZ_CHECK(output.count(k) == input.count(k), QString::number(k));
    QByteArray records = saved.mid(kHeaderSize, output.recordsEnd() - kHeaderSize);
    QByteArray expected = input.savedRecords();
    if (edited) {  // a float cell may take the nearest float of its text: compare the rest
        blankFloatFields(records, output, document);
        blankFloatFields(expected, input, document);
    }
    VARN_FUZZ_CHECK(records == expected, QStringLiteral("records differ"));
    VARN_FUZZ_CHECK(output.hasTable() == !table.isEmpty(), QString::number(saved.size()));
    VARN_FUZZ_CHECK(output.table() == table, QString::number(table.size()));
}

// What a row's model name shows after the save and reload, once the table was written and the
// earlier file entries were emptied.
QString reloadedName(const QString& name, std::uint32_t hash, const QList<HashTableEntry>& table,
                     const HashDictionary& dictionary) {
    for (const HashTableEntry& e : table)
        if (e.hash == hash && !e.name.isEmpty()) return name;
    return lookupBaseName(dictionary, hash);
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
    const PlacementModel model(bytes, choices.bigEndian);

    static const HashDictionary start = startingDictionary();
    HashDictionary dictionary = start;
    Document document(choices.separator);
    QString error;
    ProgressCheck loading;
    const bool loaded = loadPlacementFile(input, {.readHashTable = choices.readTable}, dictionary,
                                          document, error, &loading);
    loading.verifyFinished();
    VARN_FUZZ_CHECK(loaded == model.loadable(), error);
    if (!loaded) {
        VARN_FUZZ_CHECK(!error.isEmpty() && document.totalRows() == 0, error);
        VARN_FUZZ_CHECK(dictionary.fileEntries == start.fileEntries, error);
        return 0;
    }
    const bool tookTable = choices.readTable && model.hasTable();
    VARN_FUZZ_CHECK(dictionary.fileEntries == (tookTable ? model.table() : start.fileEntries),
                    QString());
    VARN_FUZZ_CHECK(dictionary.baseEntries == start.baseEntries, QString());
    checkFirstLoad(model, document, dictionary, choices.separator);
    const Texts before = allTexts(document);
    const HashDictionary shown = dictionary;
    if (choices.editNumbers) editNumberCells(document);

    const QList<HashTableEntry> table =
        choices.writeTable ? expectedTable(document.table(0)) : QList<HashTableEntry>();
    const QString output = scratchPath(QStringLiteral("output.wpl"));
    ProgressCheck saving;
    VARN_FUZZ_CHECK(savePlacementFile(output, {.writeHashTable = choices.writeTable}, document,
                                      dictionary, error, &saving),
                    error);
    saving.verifyFinished();
    VARN_FUZZ_CHECK(
        dictionary.fileEntries == (table.isEmpty() ? shown.fileEntries : QList<HashTableEntry>()),
        QString());
    checkSavedFile(readWholeFile(output), model, document, table, choices.editNumbers);
    VARN_FUZZ_CHECK(document.headerCounts == model.counts(), QString());
    for (const SectionTable& t : document.tables())
        VARN_FUZZ_CHECK(t.state() == (t.rowCount() > 0 ? TableState::InSync : TableState::Empty),
                        QString::number(t.number()));

    Document reloaded(choices.separator);
    VARN_FUZZ_CHECK(loadPlacementFile(output, {.readHashTable = choices.writeTable}, dictionary,
                                      reloaded, error),
                    error);
    const Texts after = allTexts(reloaded);
    VARN_FUZZ_CHECK(after.size() == before.size(), QString::number(after.size()));
    std::size_t i = 0;
    for (const SectionTable& t : reloaded.tables())
        for (int row = 0; row < t.rowCount(); ++row)
            for (int cell = 0; cell < t.layout().cellCount(); ++cell, ++i) {
                QString expected = before[i];
                if (t.number() == 0 && cell == kModelNameCell && !table.isEmpty())
                    expected = reloadedName(expected, t.cellText(row, kModelHashCell).toUInt(),
                                            table, shown);
                VARN_FUZZ_CHECK(after[i] == expected,
                                QStringLiteral("section %1 row %2 cell %3: %4 became %5")
                                    .arg(t.number())
                                    .arg(row)
                                    .arg(cell)
                                    .arg(expected, after[i]));
            }
    return 0;
}
