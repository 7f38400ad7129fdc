#include "instanceeditor.h"
#include "itemeditor.h"
#include "lodculleditor.h"

namespace varn {
namespace {

// The six editors whose dialogs are the shared frame alone.
class PlainItemEditor : public ItemEditor {
public:
    PlainItemEditor(int section, const EditorTexts& texts, QWidget* parent)
        : ItemEditor(section, texts, parent) {}
};

}  // namespace

std::unique_ptr<ItemEditor> createItemEditor(int section, const EditorTexts& texts,
                                             QWidget* parent) {
    switch (section) {
        case 0:
            return std::make_unique<InstanceEditor>(texts, parent);
        case 9:
            return std::make_unique<LodCullEditor>(texts, parent);
        case 2:
        case 3:
        case 4:
        case 8:
        case 10:
        case 15:
            return std::make_unique<PlainItemEditor>(section, texts, parent);
        default:
            return nullptr;
    }
}

}  // namespace varn
