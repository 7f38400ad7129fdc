#pragma once

#include "columnchange.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace varn {

class SectionModel;

// Edit → "Change Column...": one operation on one column of the selected rows. A line counts
// the rows the change would alter while the user types ("312 rows will change"); OK checks every
// result first and, on a refusal, stays open with the reason, which names the first row it hits.
class ChangeColumnDialog : public QDialog {
    Q_OBJECT
public:
    // rows ascending; currentRow gives the text a Set starts from; column is the view column
    // offered first when it can change.
    ChangeColumnDialog(const SectionModel& model, std::vector<int> rows, int currentRow, int column,
                       QWidget* parent);

    // After OK: the rows' new contents, and the caption of the column as the table shows it.
    [[nodiscard]] RowChange takeChange() { return std::move(change_); }
    [[nodiscard]] QString columnCaption() const;

    void accept() override;

private:
    [[nodiscard]] int cell() const;
    [[nodiscard]] ColumnOperation operation() const;
    [[nodiscard]] ColumnChange request() const;
    void columnChosen();
    void operationChosen();
    // The count line and the message follow the fields.
    void recount();

    const SectionModel& model_;
    std::vector<int> rows_;
    int currentRow_;
    QComboBox* column_;
    QComboBox* operation_;
    QLabel* valueLabel_;
    QLineEdit* value_;
    QLabel* replacedLabel_;
    QLineEdit* replaced_;
    QLabel* count_;
    QLabel* message_;
    QPushButton* ok_;
    QString prefilled_;  // the text a Set was given to start from
    RowChange change_;
};

}  // namespace varn
