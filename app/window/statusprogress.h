#pragma once

#include "placementfile.h"

class QProgressBar;
class QWidget;

namespace varn {

// Drives the status bar's progress bar from loading and saving. Repaints only when the bar
// moves by a visible amount, so a million steps cost nothing.
class StatusProgress : public ProgressSink {
public:
    // The bar is laid over the panel while it runs.
    StatusProgress(QProgressBar* bar, QWidget* panel) : bar_(bar), panel_(panel) {}
    void begin(std::int64_t maximum) override;
    void advance(std::int64_t steps) override;
    void end() override;

private:
    QProgressBar* bar_;
    QWidget* panel_;
    std::int64_t maximum_ = 1;
    std::int64_t position_ = 1;
    int shownPermille_ = -1;
};

}  // namespace varn
