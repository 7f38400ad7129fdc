#include "moverotatedialog.h"

#include "bulkeditmessages.h"
#include "filterquery.h"
#include "mapheadings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace varn {
namespace {

// A coordinate as the tables write it, with the run's separator.
QString numberText(double value, char separator) {
    QString text = QString::number(value, 'g', 9);
    text.replace(u'.', QLatin1Char(separator));
    return text;
}

}  // namespace

MoveRotateDialog::MoveRotateDialog(const SectionTable& table, std::vector<int> rows, int currentRow,
                                   OrientationStorage storage, QWidget* parent)
    : QDialog(parent),
      table_(table),
      rows_(std::move(rows)),
      currentRow_(currentRow),
      fields_(new QFormLayout),
      pivot_(new QComboBox(this)),
      storage_(new QComboBox(this)),
      heading_(new QLabel(this)),
      message_(new QLabel(this)) {
    setObjectName(QStringLiteral("MoveRotateDialog"));
    setWindowTitle(tr("Move and Rotate Rows of Section %1").arg(table_.number()));
    const char separator = table_.context().separator;
    const QString zero = QStringLiteral("0");
    dx_ = addNumberField("MoveRotateOffsetX", tr("Offset &X:"), zero);
    dy_ = addNumberField("MoveRotateOffsetY", tr("Offset &Y:"), zero);
    dz_ = addNumberField("MoveRotateOffsetZ", tr("Offset &Z:"), zero);
    degrees_ = addNumberField("MoveRotateDegrees", tr("&Turn (degrees, counter-clockwise):"), zero);

    pivot_->setObjectName(QStringLiteral("MoveRotatePivot"));
    pivot_->setAccessibleName(tr("Turn about"));
    pivot_->addItem(tr("the selection's centre"), static_cast<int>(TurnPivot::SelectionCentre));
    pivot_->addItem(tr("a point"), static_cast<int>(TurnPivot::Point));
    pivot_->addItem(tr("each row itself"), static_cast<int>(TurnPivot::EachRow));
    auto* pivotLabel = new QLabel(tr("Turn &about:"), this);
    pivotLabel->setBuddy(pivot_);
    fields_->addRow(pivotLabel, pivot_);
    // The point starts at the selection's centre.
    const std::optional<PlanePoint> centre = selectionCentre(table_, rows_);
    pointX_ = addNumberField("MoveRotatePointX", tr("Point X:"),
                             centre ? numberText(centre->x, separator) : zero);
    pointY_ = addNumberField("MoveRotatePointY", tr("Point Y:"),
                             centre ? numberText(centre->y, separator) : zero);

    storage_->setObjectName(QStringLiteral("MoveRotateOrientations"));
    storage_->setAccessibleName(tr("Orientations"));
    storage_->addItem(tr("as stored"), static_cast<int>(OrientationStorage::AsStored));
    storage_->addItem(tr("inverse"), static_cast<int>(OrientationStorage::Inverse));
    storage_->setCurrentIndex(storage == OrientationStorage::Inverse ? 1 : 0);
    auto* storageLabel = new QLabel(tr("&Orientations:"), this);
    storageLabel->setBuddy(storage_);
    fields_->addRow(storageLabel, storage_);

    heading_->setObjectName(QStringLiteral("MoveRotateHeading"));
    heading_->setAccessibleName(tr("Heading of the current row"));
    message_->setObjectName(QStringLiteral("MoveRotateMessage"));
    message_->setAccessibleName(tr("Why nothing can change"));
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b00020"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("MoveRotateButtons"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("MoveRotateOk"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("MoveRotateCancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields_);
    layout->addWidget(heading_);
    layout->addWidget(message_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    // Boxes have no orientation; only section 0 rows turn.
    const bool points = canTurnSection(table_.number());
    storage_->setEnabled(points);
    heading_->setVisible(points && currentRow_ >= 0);
    const auto pointChosen = [this] {
        const bool point = pivot_->currentData().toInt() == static_cast<int>(TurnPivot::Point);
        pointX_->setEnabled(point);
        pointY_->setEnabled(point);
    };
    pointChosen();
    connect(pivot_, &QComboBox::currentIndexChanged, this, pointChosen);
    connect(storage_, &QComboBox::currentIndexChanged, this, [this] {
        showHeading();
        emit storageChosen(this->storage());
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &MoveRotateDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MoveRotateDialog::reject);
    // Tab goes down the fields as they stand.
    QWidget* order[] = {dx_, dy_, dz_, degrees_, pivot_, pointX_, pointY_, storage_, buttons};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    showHeading();
    dx_->setFocus();
    dx_->selectAll();
}

QLineEdit* MoveRotateDialog::addNumberField(const char* name, const QString& label,
                                            const QString& text) {
    auto* field = new QLineEdit(text, this);
    field->setObjectName(QLatin1String(name));
    QString plain = label;
    plain.remove(u'&');
    plain.chop(1);  // the colon
    field->setAccessibleName(plain);
    auto* caption = new QLabel(label, this);
    caption->setBuddy(field);
    fields_->addRow(caption, field);
    return field;
}

OrientationStorage MoveRotateDialog::storage() const {
    return static_cast<OrientationStorage>(storage_->currentData().toInt());
}

bool MoveRotateDialog::moves() const {
    return transform_.dx != 0 || transform_.dy != 0 || transform_.dz != 0;
}

bool MoveRotateDialog::turns() const {
    return transform_.degrees != 0;
}

void MoveRotateDialog::showHeading() {
    if (!heading_->isVisibleTo(this)) return;
    heading_->setText(tr("Heading of row %1: %2")
                          .arg(currentRow_)
                          .arg(headingText(rowHeading(table_, currentRow_, storage()),
                                           table_.context().separator)));
}

// Every field a number (an empty one counts as 0), else the reason naming the field.
bool MoveRotateDialog::readTransform(RowTransform& transform, QString& error) const {
    const char separator = table_.context().separator;
    const auto read = [&](const QLineEdit* field, double& value) {
        const QString text = field->text().trimmed();
        if (text.isEmpty()) {
            value = 0;
            return true;
        }
        if (parseNumberText(text, separator, value)) return true;
        error = tr("%1: %2").arg(field->accessibleName(), messages::notANumber(text));
        return false;
    };
    transform.pivot = static_cast<TurnPivot>(pivot_->currentData().toInt());
    transform.storage = storage();
    if (!read(dx_, transform.dx) || !read(dy_, transform.dy) || !read(dz_, transform.dz) ||
        !read(degrees_, transform.degrees))
        return false;
    return transform.pivot != TurnPivot::Point ||
           (read(pointX_, transform.point.x) && read(pointY_, transform.point.y));
}

void MoveRotateDialog::accept() {
    RowTransform transform;
    QString error;
    RowChange change;
    if (!readTransform(transform, error) ||
        !planTransform(table_, rows_, transform, change, error)) {
        message_->setText(error);
        return;
    }
    transform_ = transform;
    change_ = std::move(change);
    QDialog::accept();
}

}  // namespace varn
