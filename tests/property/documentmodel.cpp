#include "documentmodel.h"

#include "modeltext.h"

#include <bit>
#include <set>

namespace varn::property {
namespace {

constexpr int kModelNameCell = 7;
constexpr int kModelHashCell = 12;
constexpr int kFirstNameHashCell = 9;
constexpr int kFirstLodName = 19;
constexpr int kEntryNameBytes = 24;

bool isNumericKind(Kind kind) {
    return isFloatKind(kind) || kind == Kind::Int || kind == Kind::NonNegativeInt ||
           kind == Kind::UInt || kind == Kind::ModelHash || kind == Kind::NameHash;
}

void setNumber(ModelCell& cell, const QString& text, std::uint32_t bits) {
    cell.text = text;
    cell.bits = text == cell.storedText ? cell.storedBits : bits;
}

}  // namespace

void appendLittle32(QByteArray& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(static_cast<char>((value >> shift) & 0xFFu));
}

void putLittle32(QByteArray& bytes, int offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFFu);
}

DocumentModel::DocumentModel(char separator, std::vector<NameEntry> baseNames)
    : separator_(separator), baseNames_(std::move(baseNames)) {
    for (const SectionShape& shape : sectionShapes()) {
        rows_[shape.number];
        states_[shape.number] = TabState::Empty;
    }
}

// A new row's record is all zero; its cells then take the default texts.
ModelCell DocumentModel::defaultCell(const CellShape& shape) const {
    ModelCell cell;
    const QString zeroFloat = QStringLiteral("0") + QLatin1Char(separator_) + QStringLiteral("0");
    switch (shape.kind) {
        case Kind::Fixed4:
        case Kind::Fixed7:
            cell.storedText = zeroFloat;
            setNumber(cell, zeroFloat, 0);
            break;
        case Kind::FloatAsTyped:
            cell.storedText = QStringLiteral("0");
            setNumber(cell, shape.defaultText,
                      std::bit_cast<std::uint32_t>(shape.defaultText.toFloat()));
            break;
        case Kind::Int:
        case Kind::NonNegativeInt:
        case Kind::UInt:
            cell.storedText = QStringLiteral("0");
            setNumber(cell, shape.defaultText,
                      static_cast<std::uint32_t>(shape.defaultText.toLongLong()));
            break;
        case Kind::ModelHash:
        case Kind::NameHash: {
            const std::uint32_t hash = oneAtATimeHash(shape.defaultText);
            cell.storedText = QStringLiteral("0");
            setNumber(cell, QString::number(hash), hash);
            break;
        }
        default:
            cell.text = shape.defaultText;
            break;
    }
    return cell;
}

int DocumentModel::appendDefaultRow(int section) {
    ModelRow row;
    for (const CellShape& shape : sectionShape(section).cells)
        row.push_back(defaultCell(shape));
    rows_[section].push_back(std::move(row));
    states_[section] = TabState::Changed;
    return static_cast<int>(rows_[section].size()) - 1;
}

void DocumentModel::removeRow(int section, int row) {
    auto& rows = rows_[section];
    rows.erase(rows.begin() + row);
    states_[section] = rows.empty() ? TabState::Empty : TabState::Changed;
}

void DocumentModel::withdrawLastRow(int section, TabState before) {
    rows_[section].pop_back();
    states_[section] = before;
}

void DocumentModel::commit(int section, int rowIndex, const std::vector<FieldWrite>& writes) {
    const SectionShape& shape = sectionShape(section);
    ModelRow& row = rows_[section][rowIndex];
    for (const FieldWrite& write : writes) {
        if (write.kept) continue;
        ModelCell& cell = row[write.cell];
        if (isNumericKind(shape.cells[write.cell].kind))
            setNumber(cell, write.value.committed, write.value.bits);
        else
            cell.text = write.value.committed;
    }
    refreshSideCells(section, row);
    states_[section] = TabState::Changed;
}

// Every OK hashes the names afresh, edited or not.
void DocumentModel::refreshSideCells(int section, ModelRow& row) const {
    if (section == 0) {
        const QString& name = row[kModelNameCell].text;
        const std::uint32_t hash =
            isHashTextForm(name) ? hashTextNumber(name) : oneAtATimeHash(name);
        setNumber(row[kModelHashCell], QString::number(hash), hash);
    } else if (section == 9) {
        for (int k = 0; k < 10; ++k) {
            const std::uint32_t hash = oneAtATimeHash(row[kFirstLodName + k].text);
            setNumber(row[kFirstNameHashCell + k], QString::number(hash), hash);
        }
    }
}

// One entry per distinct model name in order of first appearance, never for a hash text, and
// none for a name longer than the entry's name field.
std::vector<NameEntry> DocumentModel::tableEntries() const {
    std::vector<NameEntry> entries;
    std::set<QString> seen;
    for (const ModelRow& row : rows_.at(0)) {
        const QString& name = row[kModelNameCell].text;
        if (isHashTextForm(name) || !seen.insert(name).second) continue;
        if (codePageBytes(name).size() > kEntryNameBytes) continue;
        entries.push_back({name, row[kModelHashCell].bits});
    }
    return entries;
}

QByteArray DocumentModel::record(const SectionShape& shape, const ModelRow& row) const {
    QByteArray bytes(shape.recordSize, '\0');
    for (std::size_t c = 0; c < shape.cells.size(); ++c) {
        const CellShape& cell = shape.cells[c];
        if (cell.offset < 0) continue;
        if (isStringKind(cell.kind))
            bytes.replace(cell.offset, cell.width,
                          codePageBytes(row[c].text).leftJustified(cell.width, '\0', true));
        else
            putLittle32(bytes, cell.offset, row[c].bits);
    }
    return bytes;
}

QByteArray DocumentModel::save(bool writeHashTable) {
    QByteArray bytes;
    appendLittle32(bytes, version_);
    for (int section = 0; section < 16; ++section)
        appendLittle32(
            bytes, static_cast<std::uint32_t>(rows_.count(section) ? rows_.at(section).size() : 0));
    for (const SectionShape& shape : sectionShapes())
        for (const ModelRow& row : rows_.at(shape.number))
            bytes += record(shape, row);
    const std::vector<NameEntry> entries =
        writeHashTable ? tableEntries() : std::vector<NameEntry>{};
    if (!entries.empty()) {
        appendLittle32(bytes, static_cast<std::uint32_t>(entries.size()));
        for (const NameEntry& entry : entries) {
            bytes += codePageBytes(entry.name).leftJustified(kEntryNameBytes, '\0', true);
            appendLittle32(bytes, entry.hash);
        }
        fileNames_.clear();
    }
    for (auto& [section, rows] : rows_)
        states_[section] = rows.empty() ? TabState::Empty : TabState::InSync;
    saved_ = {rows_, entries};
    savedBytes_ = bytes;
    return bytes;
}

QString DocumentModel::hashToText(std::uint32_t hash) const {
    for (const NameEntry& entry : fileNames_)
        if (entry.hash == hash && !entry.name.isEmpty()) return entry.name;
    for (const NameEntry& entry : baseNames_)
        if (entry.hash == hash) return entry.name;
    return QStringLiteral("[hash:%1]").arg(hash);
}

bool DocumentModel::loadedCell(const CellShape& shape, ModelCell& cell, QString& problem) const {
    std::optional<QString> text;
    switch (shape.kind) {
        case Kind::Fixed4:
            text = floatText(cell.bits, FloatRule::Fixed4, separator_);
            break;
        case Kind::Fixed7:
            text = floatText(cell.bits, FloatRule::Fixed7, separator_);
            break;
        case Kind::FloatAsTyped:
            text = floatText(cell.bits, FloatRule::General15, separator_);
            break;
        case Kind::Int:
        case Kind::NonNegativeInt:
            text = QString::number(static_cast<std::int32_t>(cell.bits));
            break;
        case Kind::UInt:
        case Kind::ModelHash:
        case Kind::NameHash:
            text = QString::number(cell.bits);
            break;
        default:
            text = cell.text;  // strings come back whole (the run keeps them within their fields)
            break;
    }
    if (!text) {
        problem = QStringLiteral("no expected text for the float bits %1").arg(cell.bits, 8, 16);
        return false;
    }
    cell.text = cell.storedText = *text;
    cell.storedBits = cell.bits;
    return true;
}

bool DocumentModel::load(bool readHashTable, QString& problem) {
    if (readHashTable && !saved_.table.empty()) fileNames_ = saved_.table;
    rows_ = saved_.rows;
    for (auto& [section, rows] : rows_) {
        const SectionShape& shape = sectionShape(section);
        for (ModelRow& row : rows) {
            for (std::size_t c = 0; c < row.size(); ++c)
                if (!loadedCell(shape.cells[c], row[c], problem)) return false;
            if (section == 0) row[kModelNameCell].text = hashToText(row[kModelHashCell].bits);
        }
        states_[section] = rows.empty() ? TabState::Empty : TabState::InSync;
    }
    return true;
}

}  // namespace varn::property
