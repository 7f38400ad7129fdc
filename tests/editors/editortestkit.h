#pragma once

// Helpers the editor tests share: dialogs with the design captions as labels, widgets found by
// their object names, and fields retyped through key events as a user would.

#include "document.h"
#include "itemeditor.h"
#include "statusicon.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace varn::testkit {

// The editor of a section, labelled with the design captions of the section's columns.
[[nodiscard]] std::unique_ptr<ItemEditor> makeEditor(int section);
[[nodiscard]] EditorTexts designTexts(int section);

[[nodiscard]] QLineEdit* field(const QWidget* dialog, int number);
[[nodiscard]] QLabel* fieldLabel(const QWidget* dialog, int number);
[[nodiscard]] StatusIcon* icon(const QWidget* dialog, const QString& name);
[[nodiscard]] QWidget* widget(const QWidget* dialog, const QString& name);
[[nodiscard]] QPushButton* okButton(const QWidget* dialog);
[[nodiscard]] QPushButton* cancelButton(const QWidget* dialog);

// Replaces the field's text by typing; characters beyond ASCII go in as key events with text.
void retype(QLineEdit* edit, const QString& text);
void clickOk(const QWidget* dialog);
// Both the warning picture and the "Check all inputs!" label shown, or both hidden.
[[nodiscard]] bool warningShown(const QWidget* dialog);
[[nodiscard]] bool warningHidden(const QWidget* dialog);

// Every cell text of the row, side cells included.
[[nodiscard]] QStringList rowTexts(const SectionTable& table, int row);

// Fills the editor from the row, as the window does before it shows it.
void fill(ItemEditor& editor, const SectionTable& table, int row);
// Opens the editor on the row and waits until the dialog is on screen; its OK writes the row.
void openOn(ItemEditor& editor, SectionTable& table, int row);

}  // namespace varn::testkit
