#pragma once

#include "problems.h"

#include <QAbstractTableModel>

#include <vector>

namespace varn {

// The open document's problems for a table: level, section, row and sentence. The list keeps
// the order the check gives (section, row, code) until a column is chosen to sort by; a new list
// is shown in the order chosen.
class ProblemsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { LevelColumn, SectionColumn, RowColumn, SentenceColumn, ColumnCount };

    explicit ProblemsModel(QObject* parent = nullptr);

    // Replaces the list (in the check's order); an equal list changes nothing.
    void setProblems(std::vector<Problem> problems);
    [[nodiscard]] const std::vector<Problem>& problems() const { return problems_; }
    // The problem shown at a row of the table.
    [[nodiscard]] const Problem& problemAt(int row) const;
    // The table row showing the problem of that section, row and code, or -1.
    [[nodiscard]] int rowOf(int section, qint64 row, const QString& code) const;

    [[nodiscard]] static QString levelText(ProblemLevel level);
    // "Name table" for the appended table's entries, else the section number.
    [[nodiscard]] static QString sectionText(int section);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // -1 gives the check's order again.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    void arrange();

    std::vector<Problem> problems_;
    std::vector<int> shown_;  // indexes into problems_, in the order shown
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace varn
