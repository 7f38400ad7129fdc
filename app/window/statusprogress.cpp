#include "statusprogress.h"

#include <QProgressBar>

#include <algorithm>
#include <limits>

namespace varn {
namespace {
// QProgressBar counts in int; larger ranges are shown scaled down.
int barValue(std::int64_t value, std::int64_t maximum) {
    constexpr std::int64_t kLimit = std::numeric_limits<int>::max();
    return static_cast<int>(maximum <= kLimit ? value : value * kLimit / maximum);
}
}  // namespace

void StatusProgress::begin(std::int64_t maximum) {
    maximum_ = std::max<std::int64_t>(maximum, 1);
    position_ = 1;
    shownPermille_ = -1;
    bar_->setRange(1, barValue(maximum_, maximum_));
    bar_->setValue(1);
    bar_->setGeometry(panel_->geometry().adjusted(1, 1, -1, -1));
    bar_->show();
    bar_->repaint();
}

void StatusProgress::advance(std::int64_t steps) {
    position_ = std::min(position_ + steps, maximum_);
    const int permille = static_cast<int>(position_ * 1000 / maximum_);
    if (permille == shownPermille_) return;
    shownPermille_ = permille;
    bar_->setValue(barValue(position_, maximum_));
    bar_->repaint();
}

void StatusProgress::end() {
    bar_->hide();
}

}  // namespace varn
