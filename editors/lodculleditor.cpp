#include "lodculleditor.h"

#include "editorgeometry.h"
#include "namehash.h"
#include "sectiontable.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace varn {
namespace {

using namespace geometry;

constexpr int kNameCount = 10;
constexpr int kFirstHashCell = 9;
constexpr int kFirstNameCell = 19;
constexpr int kNameFieldWidth = 171;
constexpr int kGroupTitleHeight = 20;
constexpr int kGroupBottomPadding = 8;
constexpr int kGroupGap = 6;    // between the last box field and the group
constexpr int kGroupInset = 8;  // between the group and the strip or the dialog's edge

bool isNameCell(int cell) {
    return cell >= kFirstNameCell && cell < kFirstNameCell + kNameCount;
}

}  // namespace

LodCullEditor::LodCullEditor(const EditorTexts& texts, QWidget* parent)
    : ItemEditor(9, texts, parent) {
    const QRect lastBoxField = fieldRect(width(), static_cast<int>(fields().size()));
    auto* group = new QGroupBox(texts.groupCaption, this);
    group->setObjectName(QStringLiteral("GroupBox2"));
    const int groupHeight =
        kGroupTitleHeight + (kNameCount - 1) * kFieldPitch + kFieldHeight + kGroupBottomPadding;
    // Right of the dark left strip, where its caption and frame can be read.
    const int left = kLeftStripWidth + kGroupInset;
    group->setGeometry(left, lastBoxField.bottom() + 1 + kGroupGap, width() - kGroupInset - left,
                       groupHeight);
    // The name fields end where the box fields end, so all status icons stand in one column.
    const int right = lastBoxField.right() + 1 - group->x();
    for (int k = 0; k < kNameCount; ++k) {
        const QRect place(right - kNameFieldWidth, kGroupTitleHeight + k * kFieldPitch,
                          kNameFieldWidth, kFieldHeight);
        addField(kFirstNameCell + k, group, place, QString());
    }
    placeWarningLine(group->geometry().bottom() + 1);
}

int LodCullEditor::hashCellOf(int nameCell) const {
    return kFirstHashCell + (nameCell - kFirstNameCell);
}

void LodCullEditor::openRow(SectionTable& table, int row) {
    ItemEditor::openRow(table, row);
    for (const Field& field : fields())
        if (isNameCell(field.cell))
            field.label->setText(this->table() ? table.cellText(row, hashCellOf(field.cell))
                                               : QString());
}

void LodCullEditor::fieldTested(const Field& field, bool valid) {
    if (!isNameCell(field.cell)) return;
    field.label->setText(valid ? QString::number(nameHash(field.edit->text()))
                               : QStringLiteral("???"));
}

bool LodCullEditor::planCommit(std::vector<CellWrite>& writes) {
    if (!ItemEditor::planCommit(writes)) return false;
    // The hashes go in before the names, each taken from the label the OK just wrote.
    std::vector<CellWrite> hashes;
    for (const Field& field : fields())
        if (isNameCell(field.cell)) hashes.push_back({hashCellOf(field.cell), field.label->text()});
    auto firstName = writes.begin();
    while (firstName != writes.end() && !isNameCell(firstName->cell))
        ++firstName;
    writes.insert(firstName, hashes.begin(), hashes.end());
    return true;
}

}  // namespace varn
