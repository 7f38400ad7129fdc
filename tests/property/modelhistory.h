#pragma once

// The document's history as the editing run keeps it: per step the section it changed, its
// name and that section's rows before and after, so that undo and redo put the model's own
// snapshots back. A section differs from the file last loaded or saved when a step on it lies
// between the saved point and the current one, or when such a step was dropped by a new step
// pushed after undoing past the save.

#include "modeldocument.h"

#include <QString>

#include <set>
#include <vector>

namespace varn::property {

class ModelHistory {
public:
    void push(int section, const QString& text, std::vector<testmodel::ModelRow> before,
              std::vector<testmodel::ModelRow> after);
    [[nodiscard]] bool canUndo() const { return index_ > 0; }
    [[nodiscard]] bool canRedo() const { return index_ < static_cast<int>(steps_.size()); }
    // The name of the step Undo or Redo would act on ("Delete Row 17 of Section 0").
    [[nodiscard]] QString undoText() const;
    [[nodiscard]] QString redoText() const;
    void undo(testmodel::ModelDocument& document);
    void redo(testmodel::ModelDocument& document);

    void markSaved();
    // A load: no steps, everything as in the file.
    void clear();
    [[nodiscard]] bool isChanged(int section) const;

private:
    struct Step {
        int section;
        QString text;
        std::vector<testmodel::ModelRow> before;
        std::vector<testmodel::ModelRow> after;
    };
    std::vector<Step> steps_;
    int index_ = 0;  // steps done
    // Where the rows are the file's, but for the sections in lost_.
    int saved_ = 0;
    std::set<int> lost_;
};

}  // namespace varn::property
