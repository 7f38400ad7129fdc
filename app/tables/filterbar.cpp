#include "filterbar.h"

#include "rowfilter.h"
#include "rowfiltermodel.h"
#include "sectionmodel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace varn {
namespace {

// Typing pauses shorter than this do not start a run.
constexpr int kPauseMs = 250;
// Rows a step looks at before the window may handle the next key press.
constexpr int kRowsPerStep = 65'536;

}  // namespace

FilterBar::FilterBar(RowFilterModel& filter, QWidget* parent)
    : QWidget(parent),
      filter_(filter),
      model_(filter.sectionModel()),
      text_(new QLineEdit(this)),
      column_(new QComboBox(this)),
      count_(new QLabel(this)),
      message_(new QLabel(this)),
      pause_(new QTimer(this)),
      stepper_(new QTimer(this)) {
    setObjectName(QStringLiteral("FilterBar"));
    text_->setObjectName(QStringLiteral("FilterText"));
    text_->setPlaceholderText(tr("Find in rows (=, <, >, != with a number on one column)"));
    text_->setClearButtonEnabled(true);
    text_->installEventFilter(this);
    column_->setObjectName(QStringLiteral("FilterColumn"));
    column_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    count_->setObjectName(QStringLiteral("FilterCount"));
    message_->setObjectName(QStringLiteral("FilterMessage"));
    QPalette warning = message_->palette();
    warning.setColor(QPalette::WindowText, QColor(170, 0, 0));
    message_->setPalette(warning);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(text_, 1);
    layout->addWidget(column_);
    layout->addWidget(count_);
    layout->addWidget(message_);
    fillColumns();

    pause_->setSingleShot(true);
    pause_->setInterval(kPauseMs);
    stepper_->setInterval(0);
    connect(text_, &QLineEdit::textChanged, this, &FilterBar::queryChanged);
    connect(column_, &QComboBox::currentIndexChanged, this, &FilterBar::queryChanged);
    connect(pause_, &QTimer::timeout, this, &FilterBar::start);
    connect(stepper_, &QTimer::timeout, this, &FilterBar::step);
    connect(&model_, &SectionModel::headerDataChanged, this, &FilterBar::fillColumns);
    connect(&filter_, &RowFilterModel::countsChanged, this, &FilterBar::showCounts);
    // A run reads the table as it was: any change of rows starts it again.
    for (auto signal : {&SectionModel::rowsInserted, &SectionModel::rowsRemoved})
        connect(&model_, signal, this, [this] {
            if (isRunning()) start();
        });
    connect(&model_, &SectionModel::dataChanged, this, [this] {
        if (isRunning()) start();
    });
    connect(&filter_, &RowFilterModel::filterLost, this, &FilterBar::start);
    hide();
}

FilterBar::~FilterBar() = default;

void FilterBar::fillColumns() {
    const int chosen = column_->currentIndex();
    const QSignalBlocker quiet(column_);
    column_->clear();
    column_->addItem(tr("All columns"), kAllColumns);
    const SectionLayout& layout = model_.table().layout();
    for (int column = 0; column < model_.visibleColumnCount(); ++column) {
        if (column > 0 && layout.cells[column - 1].rule == TextRule::Marker) continue;
        column_->addItem(model_.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(),
                         column - 1);
    }
    column_->setCurrentIndex(std::max(0, chosen));
}

FilterQuery FilterBar::query() const {
    return {text_->text(), column_->currentData().toInt()};
}

bool FilterBar::isRunning() const {
    return running_ != nullptr;
}

void FilterBar::activate() {
    show();
    text_->setFocus();
    text_->selectAll();
    showCounts();
}

void FilterBar::dismiss() {
    pause_->stop();
    stepper_->stop();
    running_.reset();
    text_->clear();
    pause_->stop();
    filter_.clearFilter();
    applied_.reset();
    message_->clear();
    hide();
}

void FilterBar::queryChanged() {
    // A run for the old text is of no use any more.
    stepper_->stop();
    running_.reset();
    pause_->start();
}

void FilterBar::applyNow() {
    pause_->stop();
    start();
    while (isRunning())
        step();
}

void FilterBar::start() {
    pause_->stop();
    running_ = std::make_shared<RowFilter>(model_.table(), query());
    message_->setText(running_->error());
    if (running_->keepsEveryRow()) {
        // An empty text, or a comparison whose number does not read: every row shows.
        running_.reset();
        stepper_->stop();
        applied_.reset();
        filter_.clearFilter();
        showCounts();
        return;
    }
    count_->setText(tr("Finding..."));
    stepper_->start();
}

void FilterBar::step() {
    if (!running_) {
        stepper_->stop();
        return;
    }
    if (running_->advance(kRowsPerStep)) finish();
}

void FilterBar::finish() {
    stepper_->stop();
    applied_ = std::move(running_);
    std::weak_ptr<RowFilter> test = applied_;
    filter_.setFilter(applied_->takeKeptRows(), [test](int row) {
        const auto filter = test.lock();
        return !filter || filter->matches(row);
    });
}

void FilterBar::showCounts() {
    if (isRunning()) return;
    count_->setText(tr("%1 of %2 rows").arg(filter_.rowCount()).arg(model_.rowCount()));
}

bool FilterBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_ && event->type() == QEvent::ShortcutOverride) {
        // Enter belongs to the bar (it finds at once), not to the window's Edit Item.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            event->accept();
            return true;
        }
    }
    if (watched == text_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            dismiss();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            applyNow();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace varn
