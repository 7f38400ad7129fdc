#include "modelhistory.h"

#include <algorithm>

namespace varn::property {

void ModelHistory::push(int section, const QString& text, std::vector<testmodel::ModelRow> before,
                        std::vector<testmodel::ModelRow> after) {
    // The undone steps go; when the saved point lay among them, the run can no longer get
    // back to it, and what they changed stays changed until the next save.
    if (saved_ > index_) {
        for (int i = index_; i < saved_; ++i)
            lost_.insert(steps_[i].section);
        saved_ = index_;
    }
    steps_.resize(index_);
    steps_.push_back({section, text, std::move(before), std::move(after)});
    ++index_;
}

QString ModelHistory::undoText() const {
    return canUndo() ? steps_[index_ - 1].text : QString();
}

QString ModelHistory::redoText() const {
    return canRedo() ? steps_[index_].text : QString();
}

void ModelHistory::undo(testmodel::ModelDocument& document) {
    const Step& step = steps_[--index_];
    document.setRows(step.section, step.before);
}

void ModelHistory::redo(testmodel::ModelDocument& document) {
    const Step& step = steps_[index_++];
    document.setRows(step.section, step.after);
}

void ModelHistory::markSaved() {
    saved_ = index_;
    lost_.clear();
}

void ModelHistory::clear() {
    steps_.clear();
    index_ = saved_ = 0;
    lost_.clear();
}

bool ModelHistory::isChanged(int section) const {
    if (lost_.count(section)) return true;
    for (int i = std::min(saved_, index_); i < std::max(saved_, index_); ++i)
        if (steps_[i].section == section) return true;
    return false;
}

}  // namespace varn::property
