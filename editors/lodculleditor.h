#pragma once

#include "itemeditor.h"

class QGroupBox;

namespace varn {

// The editor of section 9 rows. Besides the box it edits the row's ten model names, which live
// in the side cells together with their hashes; each name's label shows the hash the name
// gives, recomputed at every OK, and a commit stores those hashes beside the names.
class LodCullEditor : public ItemEditor {
    Q_OBJECT
public:
    LodCullEditor(const EditorTexts& texts, QWidget* parent);

    void openRow(int row, const QStringList& cellTexts, char separator) override;

protected:
    void fieldTested(const Field& field, bool valid) override;
    bool planCommit(std::vector<CellWrite>& writes) override;
};

}  // namespace varn
