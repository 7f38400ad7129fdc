#include "settingsdialog.h"

#include "settingsfile.h"
#include "settingskeys.h"
#include "shellstyle.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace varn {
namespace {

constexpr int kWidth = 285;
// One line more than the three groups and the buttons need: the settings file in use.
constexpr int kHeight = 257;
constexpr int kWarningIconSize = 16;

QGroupBox* group(const char* name, const QString& title, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// Tight margins: the fixed client area has to hold three groups and the buttons in any font.
QVBoxLayout* groupLayout(QGroupBox* box) {
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(8, 2, 8, 4);
    layout->setSpacing(2);
    return layout;
}

}  // namespace

SettingsDialog::SettingsDialog(SettingsFile& settings, QToolBar* toolBar, QWidget* parent)
    : QDialog(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      settings_(settings),
      toolBar_(toolBar) {
    setObjectName(QStringLiteral("TForm10"));
    setWindowTitle(tr("Settings"));
    setFixedSize(kWidth, kHeight);
    buildControls();
    loadFromSettings();
}

void SettingsDialog::buildControls() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    shellstyle::paintPanel(panel);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);

    auto* view = group("GroupBox1", tr("View "), panel);
    showToolBar_ = new QCheckBox(tr("Show Toolbar"), view);
    showToolBar_->setObjectName(QStringLiteral("CheckBox1"));
    showToolBar_->setChecked(true);
    groupLayout(view)->addWidget(showToolBar_);

    auto* separator = group("GroupBox2", tr("Decimal Separator"), panel);
    pointSeparator_ = new QRadioButton(QStringLiteral("."), separator);
    pointSeparator_->setObjectName(QStringLiteral("RadioButton1"));
    commaSeparator_ = new QRadioButton(QStringLiteral(","), separator);
    commaSeparator_->setObjectName(QStringLiteral("RadioButton2"));
    auto* separators = new QButtonGroup(separator);
    separators->addButton(pointSeparator_);
    separators->addButton(commaSeparator_);
    pointSeparator_->setChecked(true);
    auto* warningIcon = new QLabel(separator);
    warningIcon->setObjectName(QStringLiteral("Image1"));
    warningIcon->setFixedSize(kWarningIconSize, kWarningIconSize);
    const QPixmap warning(QStringLiteral(":/art/warning.png"));
    if (!warning.isNull()) {
        warningIcon->setPixmap(warning.scaled(kWarningIconSize, kWarningIconSize,
                                              Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    auto* warningText =
        new QLabel(tr("The Decimal Separator will be changed after program restart."), separator);
    warningText->setObjectName(QStringLiteral("Label1"));
    warningText->setWordWrap(true);
    auto* separatorRow = new QHBoxLayout;
    separatorRow->addWidget(pointSeparator_);
    separatorRow->addWidget(commaSeparator_);
    separatorRow->addStretch();
    auto* warningRow = new QHBoxLayout;
    warningRow->setSpacing(4);
    warningRow->addWidget(warningIcon, 0, Qt::AlignTop);
    warningRow->addWidget(warningText, 1);
    auto* separatorLayout = groupLayout(separator);
    separatorLayout->addLayout(separatorRow);
    separatorLayout->addLayout(warningRow);

    auto* saving = group("GroupBox3", tr("Files Saving"), panel);
    writeHashTable_ = new QCheckBox(tr("Write hashtable to the end of .wpl file"), saving);
    writeHashTable_->setObjectName(QStringLiteral("CheckBox2"));
    writeHashTable_->setChecked(true);
    groupLayout(saving)->addWidget(writeHashTable_);

    auto* settingsFile = settingsFileLabel(panel);

    auto* ok = new QPushButton(tr("OK"), panel);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), panel);
    cancel->setObjectName(QStringLiteral("Button2"));
    connect(ok, &QPushButton::clicked, this, &SettingsDialog::acceptChanges);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(4);
    layout->addWidget(view);
    layout->addWidget(separator);
    layout->addWidget(saving);
    layout->addStretch();
    layout->addWidget(settingsFile);
    layout->addLayout(buttons);
}

// Which settings.ini the program reads and writes: beside the program or in the user's folder.
// A long path is shortened in the middle; the tool tip holds it whole.
QLabel* SettingsDialog::settingsFileLabel(QWidget* parent) const {
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("SettingsFileLabel"));
    const QString path = QDir::toNativeSeparators(settings_.path());
    const QString prefix = tr("Settings file: ");
    const QFontMetrics metrics(label->font());
    constexpr int kTextWidth = kWidth - 2 * 8;  // the panel's margins
    label->setText(prefix + metrics.elidedText(path, Qt::ElideMiddle,
                                               kTextWidth - metrics.horizontalAdvance(prefix)));
    label->setToolTip(path);
    return label;
}

void SettingsDialog::loadFromSettings() {
    using namespace settingskeys;
    // Values other than the ones named keep the controls as designed.
    const int separator = settings_.readInteger(kGeneralSection, kSeparator, 0);
    if (separator == 0) pointSeparator_->setChecked(true);
    if (separator == 1) commaSeparator_->setChecked(true);

    const bool showToolBar =
        settings_.readInteger(kGeneralSection, kShowToolBar, kShowToolBarDefault ? 1 : 0) != 0;
    showToolBar_->setChecked(showToolBar);
    if (toolBar_) toolBar_->setVisible(showToolBar);

    const int writeHashTable = settings_.readInteger(kGeneralSection, kWriteHashTable, 0);
    if (writeHashTable == 0) writeHashTable_->setChecked(false);
    if (writeHashTable == 1) writeHashTable_->setChecked(true);
}

bool SettingsDialog::write(const QString& key, int value) {
    QString error;
    if (settings_.writeInteger(settingskeys::kGeneralSection, key, value, error)) return true;
    QMessageBox::critical(this, shellstyle::messageTitle(), error);
    return false;
}

void SettingsDialog::acceptChanges() {
    // Each step stops the command when its write fails; what was written before stays.
    if (!write(settingskeys::kSeparator, commaSeparator_->isChecked() ? 1 : 0)) return;
    const bool showToolBar = showToolBar_->isChecked();
    if (toolBar_) toolBar_->setVisible(showToolBar);
    if (!write(settingskeys::kShowToolBar, showToolBar ? 1 : 0)) return;
    const bool writeHashTable = writeHashTable_->isChecked();
    if (!write(settingskeys::kWriteHashTable, writeHashTable ? 1 : 0)) return;
    emit writeHashTableChanged(writeHashTable);
    accept();
}

}  // namespace varn
