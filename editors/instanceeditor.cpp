#include "instanceeditor.h"

#include "cellwrites.h"
#include "fieldtests.h"
#include "statusicon.h"

namespace varn {

InstanceEditor::InstanceEditor(const EditorTexts& texts, QWidget* parent)
    : ItemEditor(0, texts, parent) {}

bool InstanceEditor::planCommit(std::vector<CellWrite>& writes) {
    if (!ItemEditor::planCommit(writes)) return false;
    // The model's hash goes with its name: a name hashes as a name, a hash text gives its value.
    if (addNameHashWrites(layout(), writes)) return true;
    const int nameCell = layout().modelName().nameCell;
    for (const Field& field : fields())
        if (field.cell == nameCell) field.icon->setInvalid(messageText(kModelNameMessage));
    return false;
}

}  // namespace varn
