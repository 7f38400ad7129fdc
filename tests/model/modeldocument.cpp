#include "modeldocument.h"

#include "codepage.h"
#include "modeltext.h"
#include "namehash.h"

namespace varn::testmodel {
namespace {

void setNumber(ModelCell& cell, const QString& text, std::uint32_t bits) {
    cell.text = text;
    cell.bits = text == cell.storedText ? cell.storedBits : bits;
}

}  // namespace

ModelDocument::ModelDocument(char separator, std::vector<NameEntry> baseNames,
                             std::vector<NameEntry> fileNames)
    : separator_(separator), baseNames_(std::move(baseNames)), fileNames_(std::move(fileNames)) {
    for (const SectionShape& shape : sectionShapes())
        rows_[shape.number];
}

// The file's first entry of the hash when its name is not empty, else the base entries'
// first (even an empty name), else the hash text.
QString ModelDocument::nameOf(std::uint32_t hash) const {
    for (const NameEntry& entry : fileNames_) {
        if (entry.hash != hash) continue;
        if (!entry.name.isEmpty()) return decodeWindows1252(entry.name);
        break;
    }
    for (const NameEntry& entry : baseNames_)
        if (entry.hash == hash) return decodeWindows1252(entry.name);
    return QStringLiteral("[hash:%1]").arg(hash);
}

// A new row's record is all zero; its cells then take the default texts.
ModelCell ModelDocument::defaultCell(const CellShape& shape) const {
    ModelCell cell;
    if (!isNumericKind(shape.kind)) {
        cell.text = shape.defaultText;
        return cell;
    }
    cell.storedText = fieldText(shape.kind, 0, separator_);
    if (shape.defaultText == u"Z") {
        setNumber(cell, cell.storedText, 0);
    } else if (isFloatKind(shape.kind)) {
        setNumber(cell, shape.defaultText, floatBits(shape.defaultText, '.').value_or(0));
    } else if (shape.kind == Kind::ModelHash || shape.kind == Kind::NameHash) {
        const std::uint32_t hash = nameHash(shape.defaultText);
        setNumber(cell, QString::number(hash), hash);
    } else {
        setNumber(cell, shape.defaultText,
                  static_cast<std::uint32_t>(shape.defaultText.toLongLong()));
    }
    return cell;
}

int ModelDocument::appendDefaultRow(int section) {
    ModelRow row;
    for (const CellShape& shape : sectionShape(section).cells)
        row.push_back(defaultCell(shape));
    rows_[section].push_back(std::move(row));
    return static_cast<int>(rows_[section].size()) - 1;
}

void ModelDocument::removeRow(int section, int row) {
    auto& rows = rows_[section];
    rows.erase(rows.begin() + row);
}

void ModelDocument::commit(int section, int rowIndex, const std::vector<CellWrite>& writes) {
    const SectionShape& shape = sectionShape(section);
    ModelRow& row = rows_[section][rowIndex];
    for (const CellWrite& write : writes) {
        if (isNumericKind(shape.cells[write.cell].kind))
            setNumber(row[write.cell], write.text, write.bits);
        else
            row[write.cell].text = write.text;
    }
    refreshSideCells(section, row);
}

void ModelDocument::refreshSideCells(int section, ModelRow& row) const {
    if (section == 0) {
        const QString& name = row[kModelNameCell].text;
        const std::uint32_t hash = isHashTextForm(name) ? hashTextNumber(name) : nameHash(name);
        setNumber(row[kModelHashCell], QString::number(hash), hash);
    } else if (section == 9) {
        for (int k = 0; k < kLodNames; ++k) {
            const std::uint32_t hash = nameHash(row[kFirstLodName + k].text);
            setNumber(row[kFirstNameHashCell + k], QString::number(hash), hash);
        }
    }
}

}  // namespace varn::testmodel
