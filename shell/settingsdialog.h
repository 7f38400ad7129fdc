#pragma once

// The settings dialog: tool bar, decimal separator of the next start, and the appended hash
// table. Created once at start-up, when it takes its state from settings.ini; later showings
// keep whatever the user left in its controls.

#include <QDialog>

class QCheckBox;
class QLabel;
class QRadioButton;
class QToolBar;

namespace varn {

class SettingsFile;

class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    SettingsDialog(SettingsFile& settings, QToolBar* toolBar, QWidget* parent);

signals:
    // After OK has stored the choice; the next load and save follow it.
    void writeHashTableChanged(bool on);

private:
    void buildControls();
    [[nodiscard]] QLabel* settingsFileLabel(QWidget* parent) const;
    void loadFromSettings();
    void acceptChanges();
    [[nodiscard]] bool write(const QString& key, int value);

    SettingsFile& settings_;
    QToolBar* toolBar_;
    QCheckBox* showToolBar_ = nullptr;
    QRadioButton* pointSeparator_ = nullptr;
    QRadioButton* commaSeparator_ = nullptr;
    QCheckBox* writeHashTable_ = nullptr;
};

}  // namespace varn
