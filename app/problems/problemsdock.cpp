#include "problemsdock.h"

#include "problemsmodel.h"
#include "problemtracker.h"
#include "sectionpages.h"

#include <QAction>
#include <QCoreApplication>
#include <QDockWidget>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTableView>

namespace varn {
namespace {

constexpr int kRowHeight = 20;

QTableView* createView(QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(QStringLiteral("ProblemsTable"));
    view->setAccessibleName(QCoreApplication::translate("varn::ProblemsDock", "Problems"));
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false);
    view->setWordWrap(false);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView* header = view->horizontalHeader();
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHighlightSections(false);
    header->setStretchLastSection(true);
    // A click on a caption sorts, a second reverses, a third gives the check's order again.
    header->setSortIndicatorClearable(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    return view;
}

}  // namespace

ProblemsDock::ProblemsDock(Window window)
    : QObject(&window.window),
      window_(std::move(window)),
      dock_(new QDockWidget(tr("Problems"), &window_.window)),
      view_(createView(dock_)),
      model_(new ProblemsModel(this)),
      tracker_(new ProblemTracker(window_.document, window_.dictionary, this)),
      count_(new QLabel(window_.window.statusBar())) {
    dock_->setObjectName(QStringLiteral("ProblemsDock"));
    dock_->setAllowedAreas(Qt::AllDockWidgetAreas);
    view_->setModel(model_);
    view_->setSortingEnabled(true);
    view_->setColumnWidth(ProblemsModel::LevelColumn, 90);
    view_->setColumnWidth(ProblemsModel::SectionColumn, 90);
    view_->setColumnWidth(ProblemsModel::RowColumn, 70);
    dock_->setWidget(view_);
    dock_->hide();
    window_.window.addDockWidget(Qt::BottomDockWidgetArea, dock_);
    // Double-click and Return alike.
    connect(view_, &QTableView::activated, this, &ProblemsDock::showProblem);
    connect(tracker_, &ProblemTracker::problemsChanged, this, &ProblemsDock::showProblems);

    count_->setObjectName(QStringLiteral("ProblemCount"));
    count_->setAccessibleName(tr("Problems found"));
    count_->hide();
    window_.window.statusBar()->addPermanentWidget(count_);

    // The dock's own item: its check mark follows the dock's close button too. The document is
    // checked only while the list is shown.
    QAction* item = dock_->toggleViewAction();
    item->setText(tr("&Problems"));
    item->setObjectName(QStringLiteral("Problems1"));
    window_.viewMenu->addAction(item);
    connect(item, &QAction::toggled, this, [this](bool shown) {
        tracker_->setActive(shown);
        count_->setVisible(shown);
    });
}

// The list follows the tracker's; the problem that was current stays current where it still is.
void ProblemsDock::showProblems() {
    const QModelIndex current = view_->currentIndex();
    Problem kept;
    if (current.isValid()) kept = model_->problemAt(current.row());
    model_->setProblems(tracker_->problems());
    if (current.isValid()) {
        const int row = model_->rowOf(kept.section, kept.row, kept.code);
        if (row >= 0) view_->setCurrentIndex(model_->index(row, current.column()));
    }
    showCount();
}

void ProblemsDock::showCount() {
    const auto count = static_cast<qint64>(tracker_->problems().size());
    count_->setText(count == 0   ? tr("No problems")
                    : count == 1 ? tr("1 problem")
                                 : tr("%1 problems").arg(count));
}

void ProblemsDock::showProblem(const QModelIndex& index) {
    if (!index.isValid()) return;
    const Problem& problem = model_->problemAt(index.row());
    if (problem.section == kAppendedTableSection) {
        // The name table has no tab; the status bar says which entry it is.
        window_.showMessage(tr("Entry %1 of the file's name table: %2")
                                .arg(problem.row)
                                .arg(problem.sentence));
        return;
    }
    if (!window_.pages.showRow(problem.section, static_cast<int>(problem.row)))
        window_.showMessage(tr("Section %1 has no row %2 any more.")
                                .arg(problem.section)
                                .arg(problem.row));
}

}  // namespace varn
