#pragma once

#include "rowtransform.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace varn {

// Edit → "Move and Rotate...": the selected rows of section 0 moved by an offset and turned
// about the vertical axis (about the selection's centre, a point typed in, or each row about
// itself), or the boxes of section 9 moved. The current row's heading is shown as the chosen
// orientation storage reads it. OK checks every row first and, on a refusal, stays open with
// the reason.
class MoveRotateDialog : public QDialog {
    Q_OBJECT
public:
    // rows ascending; currentRow is the row whose heading is shown (-1 for none).
    MoveRotateDialog(const SectionTable& table, std::vector<int> rows, int currentRow,
                     OrientationStorage storage, QWidget* parent);

    // After OK: the rows' new contents, and what the transform does.
    [[nodiscard]] RowChange takeChange() { return std::move(change_); }
    [[nodiscard]] bool moves() const;
    [[nodiscard]] bool turns() const;
    [[nodiscard]] OrientationStorage storage() const;

    void accept() override;

signals:
    // The user chose how the files store orientations.
    void storageChosen(OrientationStorage storage);

private:
    QLineEdit* addNumberField(const char* name, const QString& label, const QString& text);
    [[nodiscard]] bool readTransform(RowTransform& transform, QString& error) const;
    void showHeading();

    const SectionTable& table_;
    std::vector<int> rows_;
    int currentRow_;
    QFormLayout* fields_;
    QLineEdit* dx_;
    QLineEdit* dy_;
    QLineEdit* dz_;
    QLineEdit* degrees_;
    QComboBox* pivot_;
    QLineEdit* pointX_;
    QLineEdit* pointY_;
    QComboBox* storage_;
    QLabel* heading_;
    QLabel* message_;
    RowChange change_;
    RowTransform transform_;
};

}  // namespace varn
