#pragma once

#include "itemeditor.h"

namespace varn {

// The editor of section 0 rows. Its model name field takes a name or a hash text, and a
// commit also stores the model's hash in the row's side cell, which is what saving writes
// into the record.
class InstanceEditor : public ItemEditor {
    Q_OBJECT
public:
    InstanceEditor(const EditorTexts& texts, QWidget* parent);

protected:
    bool planCommit(std::vector<CellWrite>& writes) override;
};

}  // namespace varn
