#include "instanceeditor.h"

#include "fieldtests.h"
#include "namehash.h"
#include "statusicon.h"

namespace varn {
namespace {
constexpr int kModelNameCell = 7;
constexpr int kModelHashCell = 12;
}  // namespace

InstanceEditor::InstanceEditor(const EditorTexts& texts, QWidget* parent)
    : ItemEditor(0, texts, parent) {}

bool InstanceEditor::planCommit(std::vector<CellWrite>& writes) {
    if (!ItemEditor::planCommit(writes)) return false;
    auto nameWrite = writes.begin();
    while (nameWrite != writes.end() && nameWrite->cell != kModelNameCell)
        ++nameWrite;
    if (nameWrite == writes.end()) return false;

    // A text that is a name hashes as a name, even when it could also be read otherwise.
    const QString& model = nameWrite->text;
    std::uint32_t hash = 0;
    if (isNameText(textView(model))) {
        hash = nameHash(model);
    } else if (!hashTextValue(model, hash)) {
        for (const Field& field : fields())
            if (field.cell == kModelNameCell)
                field.icon->setInvalid(messageText(kModelNameMessage));
        return false;
    }
    writes.insert(nameWrite + 1, {kModelHashCell, QString::number(hash)});
    return true;
}

}  // namespace varn
