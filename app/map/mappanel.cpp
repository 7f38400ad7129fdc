#include "mappanel.h"

#include "mapdecorations.h"
#include "mappicture.h"
#include "mapview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varn {

MapPanel::MapPanel(QWidget* parent)
    : QWidget(parent),
      scene_(new MapScene(this)),
      view_(new MapView(*scene_, this)),
      colouring_(new QComboBox(this)),
      legend_(new QCheckBox(tr("Legend"), this)),
      fit_(new QPushButton(tr("Fit"), this)),
      status_(new QLabel(this)) {
    setObjectName(QStringLiteral("MapPanel"));
    colouring_->setObjectName(QStringLiteral("MapColouring"));
    legend_->setObjectName(QStringLiteral("MapLegend"));
    legend_->setChecked(true);
    fit_->setObjectName(QStringLiteral("MapFit"));
    status_->setObjectName(QStringLiteral("MapStatus"));
    fit_->setToolTip(tr("Show every row"));
    // In the order of MapColouring.
    colouring_->addItems({tr("By LOD"), tr("By model name hash"), tr("One colour")});
    auto* colourLabel = new QLabel(tr("Colour:"), this);
    colourLabel->setBuddy(colouring_);

    auto* controls = new QHBoxLayout;
    controls->addWidget(colourLabel);
    controls->addWidget(colouring_);
    controls->addWidget(legend_);
    controls->addStretch(1);
    controls->addWidget(fit_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(controls);
    layout->addWidget(view_, 1);
    layout->addWidget(status_);

    const auto applyLook = [this] {
        MapLook look = view_->look();
        look.colouring = static_cast<MapColouring>(colouring_->currentIndex());
        look.legend = legend_->isChecked();
        view_->setLook(look);
    };
    connect(colouring_, &QComboBox::currentIndexChanged, this, applyLook);
    connect(legend_, &QCheckBox::toggled, this, applyLook);
    connect(fit_, &QPushButton::clicked, this, &MapPanel::fitToRows);
    connect(view_, &MapView::rowsPicked, this, &MapPanel::rowsPicked);
    connect(view_, &MapView::rowsDragged, this, &MapPanel::rowsDragged);
    connect(view_, &MapView::pointerMoved, this, &MapPanel::showPointer);
    connect(view_, &MapView::pointerLeft, this, [this] {
        pointerText_.clear();
        updateStatus();
    });
    connect(view_, &MapView::rowsRead, this, &MapPanel::updateStatus);
    // Edits may give rows a position or take it away.
    connect(scene_, &MapScene::changed, this, [this] {
        if (!scene_->isStale()) updateStatus();
    });
}

void MapPanel::attachSection(SectionModel* model, RowFilterModel* shownRows,
                             QItemSelectionModel* selection) {
    scene_->attachSection(model, shownRows, selection);
}

void MapPanel::setRowFilter(int section, MapScene::RowFilter keep) {
    scene_->setRowFilter(section, std::move(keep));
}

void MapPanel::setOrientationStorage(OrientationStorage storage) {
    MapLook look = view_->look();
    look.orientations = storage;
    view_->setLook(look);
}

void MapPanel::fitToRows() {
    view_->fitToRows();
}

bool MapPanel::exportPicture(const QString& path, QString& error) {
    // Opaque pixels: a PNG without an alpha channel.
    return writePngFile(view_->picture().convertToFormat(QImage::Format_RGB32), path, error);
}

void MapPanel::showPointer(double x, double y) {
    const double step = niceStep(1 / view_->viewport().scale);
    const char separator = scene_->decimalSeparator();
    pointerText_ = QStringLiteral("X %1, Y %2")
                       .arg(coordinateText(x, step, separator), coordinateText(y, step, separator));
    updateStatus();
}

void MapPanel::updateStatus() {
    if (!scene_->isStale() && scene_->revision() != countedRevision_) {
        rowsWithoutPosition_ = scene_->rowsWithoutPosition();
        countedRevision_ = scene_->revision();
    }
    status_->setText(statusText());
}

QString MapPanel::statusText() const {
    QStringList parts;
    if (!pointerText_.isEmpty()) parts << pointerText_;
    if (rowsWithoutPosition_ == 1) parts << tr("1 row without a position");
    if (rowsWithoutPosition_ > 1)
        parts << tr("%1 rows without a position").arg(rowsWithoutPosition_);
    return parts.join(QStringLiteral("  \u00b7  "));
}

}  // namespace varn
