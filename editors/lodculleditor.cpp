#include "lodculleditor.h"

#include "editorgeometry.h"
#include "namehash.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace varn {
namespace {

using namespace geometry;

constexpr int kNameFieldWidth = 171;
constexpr int kGroupTitleHeight = 20;
constexpr int kGroupBottomPadding = 8;
constexpr int kGroupGap = 6;    // between the last box field and the group
constexpr int kGroupInset = 8;  // between the group and the strip or the dialog's edge

}  // namespace

LodCullEditor::LodCullEditor(const EditorTexts& texts, QWidget* parent)
    : ItemEditor(9, texts, parent) {
    const QRect lastBoxField = fieldRect(width(), static_cast<int>(fields().size()));
    auto* group = new QGroupBox(texts.groupCaption, this);
    group->setObjectName(QStringLiteral("GroupBox2"));
    const auto& names = layout().namedHashes;
    const int nameCount = static_cast<int>(names.size());
    const int groupHeight =
        kGroupTitleHeight + (nameCount - 1) * kFieldPitch + kFieldHeight + kGroupBottomPadding;
    // Right of the dark left strip, where its caption and frame can be read.
    const int left = kLeftStripWidth + kGroupInset;
    group->setGeometry(left, lastBoxField.bottom() + 1 + kGroupGap, width() - kGroupInset - left,
                       groupHeight);
    // The name fields end where the box fields end, so all status icons stand in one column.
    const int right = lastBoxField.right() + 1 - group->x();
    for (int k = 0; k < nameCount; ++k) {
        const QRect place(right - kNameFieldWidth, kGroupTitleHeight + k * kFieldPitch,
                          kNameFieldWidth, kFieldHeight);
        addField(names[k].nameCell, group, place, QString());
    }
    placeWarningLine(group->geometry().bottom() + 1);
    orderTabsDownTheFields();
}

void LodCullEditor::openRow(int row, const QStringList& cellTexts, char separator) {
    ItemEditor::openRow(row, cellTexts, separator);
    for (const Field& field : fields()) {
        const int hashCell = layout().hashCellOf(field.cell);
        if (hashCell >= 0)
            field.label->setText(this->row() >= 0 ? cellTexts[hashCell] : QString());
    }
}

void LodCullEditor::fieldTested(const Field& field, bool valid) {
    if (layout().hashCellOf(field.cell) < 0) return;
    field.label->setText(valid ? QString::number(nameHash(field.edit->text()))
                               : QStringLiteral("???"));
}

bool LodCullEditor::planCommit(std::vector<CellWrite>& writes) {
    // Each name's hash goes with it: the hash its label shows after this OK.
    return ItemEditor::planCommit(writes) && addNameHashWrites(layout(), writes);
}

}  // namespace varn
