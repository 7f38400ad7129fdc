#include "problemsmodel.h"

#include <QApplication>
#include <QStyle>

#include <algorithm>
#include <functional>
#include <numeric>

namespace varn {
namespace {

// Errors before warnings before notes when sorted ascending: the worst first.
int severity(ProblemLevel level) {
    switch (level) {
        case ProblemLevel::Error:
            return 0;
        case ProblemLevel::Warning:
            return 1;
        case ProblemLevel::Note:
            break;
    }
    return 2;
}

QIcon levelIcon(ProblemLevel level) {
    const QStyle::StandardPixmap pixmap = level == ProblemLevel::Error ? QStyle::SP_MessageBoxCritical
                                          : level == ProblemLevel::Warning
                                              ? QStyle::SP_MessageBoxWarning
                                              : QStyle::SP_MessageBoxInformation;
    return QApplication::style()->standardIcon(pixmap);
}

}  // namespace

ProblemsModel::ProblemsModel(QObject* parent) : QAbstractTableModel(parent) {}

void ProblemsModel::setProblems(std::vector<Problem> problems) {
    if (problems == problems_) return;
    beginResetModel();
    problems_ = std::move(problems);
    arrange();
    endResetModel();
}

const Problem& ProblemsModel::problemAt(int row) const {
    return problems_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(row)])];
}

int ProblemsModel::rowOf(int section, qint64 row, const QString& code) const {
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        const Problem& p = problems_[static_cast<std::size_t>(shown_[i])];
        if (p.section == section && p.row == row && p.code == code) return static_cast<int>(i);
    }
    return -1;
}

QString ProblemsModel::levelText(ProblemLevel level) {
    switch (level) {
        case ProblemLevel::Error:
            return tr("Error");
        case ProblemLevel::Warning:
            return tr("Warning");
        case ProblemLevel::Note:
            break;
    }
    return tr("Note");
}

QString ProblemsModel::sectionText(int section) {
    return section == kAppendedTableSection ? tr("Name table") : QString::number(section);
}

int ProblemsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int ProblemsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ProblemsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Problem& p = problemAt(index.row());
    if (role == Qt::DecorationRole && index.column() == LevelColumn) return levelIcon(p.level);
    if (role == Qt::ToolTipRole && index.column() == SentenceColumn) return p.code;
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    switch (index.column()) {
        case LevelColumn:
            return levelText(p.level);
        case SectionColumn:
            return sectionText(p.section);
        case RowColumn:
            return QString::number(p.row);
        case SentenceColumn:
            return p.sentence;
        default:
            return {};
    }
}

QVariant ProblemsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case LevelColumn:
            return tr("Level");
        case SectionColumn:
            return tr("Section");
        case RowColumn:
            return tr("Row");
        case SentenceColumn:
            return tr("Problem");
        default:
            return {};
    }
}

void ProblemsModel::sort(int column, Qt::SortOrder order) {
    sortColumn_ = column;
    sortOrder_ = order;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> problemsBefore;
    for (const QModelIndex& index : before)
        problemsBefore.push_back(shown_[static_cast<std::size_t>(index.row())]);
    arrange();
    std::vector<int> rowOfProblem(problems_.size());
    for (std::size_t i = 0; i < shown_.size(); ++i)
        rowOfProblem[static_cast<std::size_t>(shown_[i])] = static_cast<int>(i);
    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i)
        after << index(rowOfProblem[static_cast<std::size_t>(problemsBefore[static_cast<std::size_t>(i)])],
                       before[i].column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// The check's order, then the chosen column's, stable so that equal keys keep the check's order.
void ProblemsModel::arrange() {
    shown_.resize(problems_.size());
    std::iota(shown_.begin(), shown_.end(), 0);
    const auto key = [this](int i) -> const Problem& { return problems_[static_cast<std::size_t>(i)]; };
    std::function<bool(const Problem&, const Problem&)> less;
    switch (sortColumn_) {
        case LevelColumn:
            less = [](const Problem& a, const Problem& b) { return severity(a.level) < severity(b.level); };
            break;
        case SectionColumn:
            less = [](const Problem& a, const Problem& b) { return a.section < b.section; };
            break;
        case RowColumn:
            less = [](const Problem& a, const Problem& b) { return a.row < b.row; };
            break;
        case SentenceColumn:
            less = [](const Problem& a, const Problem& b) {
                return QString::localeAwareCompare(a.sentence, b.sentence) < 0;
            };
            break;
        default:
            return;
    }
    const bool descending = sortOrder_ == Qt::DescendingOrder;
    std::stable_sort(shown_.begin(), shown_.end(), [&](int a, int b) {
        return descending ? less(key(b), key(a)) : less(key(a), key(b));
    });
}

}  // namespace varn
