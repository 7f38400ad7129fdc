#pragma once

#include "filterquery.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QTimer;

namespace varn {

class RowFilter;
class RowFilterModel;
class SectionModel;

// The bar above a section's table that finds rows: a text, the column to look in ("All
// columns" or one by its caption) and the count "N of M rows". The rows are found in steps
// after a short pause in typing, so the window stays responsive; a new key press drops a run
// that has not finished. Esc clears the filter and hides the bar.
class FilterBar : public QWidget {
    Q_OBJECT
public:
    FilterBar(RowFilterModel& filter, QWidget* parent);
    ~FilterBar() override;

    // Shows the bar with its text selected for typing.
    void activate();
    // Takes the filter away and hides the bar.
    void dismiss();
    // The rows shown follow the text and column now, without waiting (tests, Enter).
    void applyNow();
    [[nodiscard]] bool isRunning() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillColumns();
    void queryChanged();
    void start();
    void step();
    void finish();
    void showCounts();
    [[nodiscard]] FilterQuery query() const;

    RowFilterModel& filter_;
    SectionModel& model_;
    QLineEdit* text_;
    QComboBox* column_;
    QLabel* count_;
    QLabel* message_;
    QTimer* pause_;
    QTimer* stepper_;
    // The run in progress, and the finished one whose test the kept rows follow.
    std::shared_ptr<RowFilter> running_;
    std::shared_ptr<RowFilter> applied_;
};

}  // namespace varn
