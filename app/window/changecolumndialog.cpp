#include "changecolumndialog.h"

#include "sectionmodel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace varn {
namespace {

QString operationText(ColumnOperation operation) {
    switch (operation) {
        case ColumnOperation::Set:
            return ChangeColumnDialog::tr("Set to");
        case ColumnOperation::Add:
            return ChangeColumnDialog::tr("Add");
        case ColumnOperation::Subtract:
            return ChangeColumnDialog::tr("Subtract");
        case ColumnOperation::Multiply:
            return ChangeColumnDialog::tr("Multiply by");
        case ColumnOperation::Replace:
            return ChangeColumnDialog::tr("Replace a name");
    }
    return {};
}

}  // namespace

ChangeColumnDialog::ChangeColumnDialog(const SectionModel& model, std::vector<int> rows,
                                       int currentRow, int column, QWidget* parent)
    : QDialog(parent),
      model_(model),
      rows_(std::move(rows)),
      currentRow_(currentRow),
      column_(new QComboBox(this)),
      operation_(new QComboBox(this)),
      valueLabel_(new QLabel(tr("&Value:"), this)),
      value_(new QLineEdit(this)),
      replacedLabel_(new QLabel(tr("&Name replaced:"), this)),
      replaced_(new QLineEdit(this)),
      count_(new QLabel(this)),
      message_(new QLabel(this)) {
    setObjectName(QStringLiteral("ChangeColumnDialog"));
    setWindowTitle(tr("Change Column of Section %1").arg(model_.section()));
    column_->setObjectName(QStringLiteral("ChangeColumnColumn"));
    operation_->setObjectName(QStringLiteral("ChangeColumnOperation"));
    value_->setObjectName(QStringLiteral("ChangeColumnValue"));
    replaced_->setObjectName(QStringLiteral("ChangeColumnReplaced"));
    count_->setObjectName(QStringLiteral("ChangeColumnCount"));
    message_->setObjectName(QStringLiteral("ChangeColumnMessage"));
    column_->setAccessibleName(tr("Column"));
    operation_->setAccessibleName(tr("Operation"));
    value_->setAccessibleName(tr("Value"));
    replaced_->setAccessibleName(tr("Name replaced"));
    count_->setAccessibleName(tr("Rows that will change"));
    message_->setAccessibleName(tr("Why nothing can change"));
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b00020"));
    valueLabel_->setBuddy(value_);
    replacedLabel_->setBuddy(replaced_);

    const SectionLayout& layout = model_.table().layout();
    for (int cell : changeableCells(layout)) {
        column_->addItem(model_.headerData(cell + 1, Qt::Horizontal, Qt::DisplayRole).toString(),
                         cell);
        if (cell + 1 == column) column_->setCurrentIndex(column_->count() - 1);
    }

    auto* fields = new QFormLayout;
    auto* columnLabel = new QLabel(tr("&Column:"), this);
    columnLabel->setBuddy(column_);
    auto* operationLabel = new QLabel(tr("&Operation:"), this);
    operationLabel->setBuddy(operation_);
    fields->addRow(columnLabel, column_);
    fields->addRow(operationLabel, operation_);
    fields->addRow(replacedLabel_, replaced_);
    fields->addRow(valueLabel_, value_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("ChangeColumnButtons"));
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setObjectName(QStringLiteral("ChangeColumnOk"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("ChangeColumnCancel"));
    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->addLayout(fields);
    layoutBox->addWidget(count_);
    layoutBox->addWidget(message_);
    layoutBox->addWidget(buttons);
    // A refusal's lines make the dialog taller rather than squeezing the fields.
    layoutBox->setSizeConstraint(QLayout::SetMinimumSize);
    message_->setMinimumWidth(380);

    connect(buttons, &QDialogButtonBox::accepted, this, &ChangeColumnDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ChangeColumnDialog::reject);
    connect(column_, &QComboBox::currentIndexChanged, this, &ChangeColumnDialog::columnChosen);
    connect(operation_, &QComboBox::currentIndexChanged, this,
            &ChangeColumnDialog::operationChosen);
    // A count over a million rows takes milliseconds: it follows every key.
    connect(value_, &QLineEdit::textChanged, this, &ChangeColumnDialog::recount);
    connect(replaced_, &QLineEdit::textChanged, this, &ChangeColumnDialog::recount);
    // Tab goes down the fields as they stand.
    setTabOrder(column_, operation_);
    setTabOrder(operation_, replaced_);
    setTabOrder(replaced_, value_);
    setTabOrder(value_, ok_);
    columnChosen();
    value_->setFocus();
}

int ChangeColumnDialog::cell() const {
    return column_->currentData().toInt();
}

ColumnOperation ChangeColumnDialog::operation() const {
    return static_cast<ColumnOperation>(operation_->currentData().toInt());
}

QString ChangeColumnDialog::columnCaption() const {
    return column_->currentText();
}

ColumnChange ChangeColumnDialog::request() const {
    return {cell(), operation(), value_->text(), replaced_->text()};
}

// The operations the column offers. A Set starts from the current row's text, unless the user
// typed a value of their own.
void ChangeColumnDialog::columnChosen() {
    const bool untouched = value_->text().isEmpty() || value_->text() == prefilled_;
    {
        const QSignalBlocker blocker(operation_);
        operation_->clear();
        for (ColumnOperation op : columnOperations(model_.table().layout(), cell()))
            operation_->addItem(operationText(op), static_cast<int>(op));
    }
    prefilled_.clear();
    if (currentRow_ >= 0 && currentRow_ < model_.table().rowCount())
        prefilled_ = model_.table().cellText(currentRow_, cell());
    if (untouched) {
        const QSignalBlocker blocker(value_);
        value_->clear();
    }
    operationChosen();
}

void ChangeColumnDialog::operationChosen() {
    const bool replacing = operation() == ColumnOperation::Replace;
    if (value_->text().isEmpty() || value_->text() == prefilled_) {
        const QSignalBlocker blocker(value_);
        value_->setText(operation() == ColumnOperation::Set ? prefilled_ : QString());
        value_->selectAll();
    }
    replacedLabel_->setVisible(replacing);
    replaced_->setVisible(replacing);
    valueLabel_->setText(replacing ? tr("&By the name:") : tr("&Value:"));
    value_->setAccessibleName(replacing ? tr("By the name") : tr("Value"));
    recount();
}

void ChangeColumnDialog::recount() {
    const ColumnOperation op = operation();
    // A number or a name still to be typed is no refusal yet.
    const bool waiting = (op != ColumnOperation::Set && value_->text().trimmed().isEmpty()) ||
                         (op == ColumnOperation::Replace && replaced_->text().trimmed().isEmpty());
    message_->clear();
    if (waiting) {
        count_->clear();
        ok_->setEnabled(false);
        return;
    }
    QString error;
    const std::optional<int> count = countColumnChange(model_.table(), rows_, request(), error);
    ok_->setEnabled(count.has_value());
    if (!count) {
        count_->clear();
        message_->setText(error);
        return;
    }
    count_->setText(*count == 1 ? tr("1 row will change") : tr("%1 rows will change").arg(*count));
}

void ChangeColumnDialog::accept() {
    QString error;
    RowChange change;
    if (!planColumnChange(model_.table(), rows_, request(), change, error)) {
        message_->setText(error);
        return;
    }
    change_ = std::move(change);
    QDialog::accept();
}

}  // namespace varn
