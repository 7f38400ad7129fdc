#pragma once

#include "cellwrites.h"
#include "recordlayout.h"

#include <QDialog>
#include <QStringList>

#include <memory>
#include <string_view>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace varn {

class BalloonHint;
class StatusIcon;

// Captions the editor takes from the settings file of its section.
struct EditorTexts {
    QStringList labels;    // Col0cap, Col1cap, ... in column order; 0 labels the index field
    QString groupCaption;  // the section 9 editor's name group ("Capa")
};

// The editor dialog of one section's rows: one field per column, built from the record layout,
// a status icon per tested field, and an OK that hands back the row's new texts only when every
// field passes its test. A form: it is filled with texts and holds no table. Created once and
// reused for every row the user edits.
class ItemEditor : public QDialog {
    Q_OBJECT
public:
    ~ItemEditor() override;

    [[nodiscard]] int section() const { return layout_->number; }
    [[nodiscard]] const SectionLayout& layout() const { return *layout_; }

    // Fills the fields from the texts of a row (every cell of the layout, side cells included)
    // and clears the marks of an earlier OK. Float fields are read with the separator given.
    virtual void openRow(int row, const QStringList& cellTexts, char separator);

    // Tests every field, marks each, and closes with the cell writes only when all pass (what
    // OK does).
    void confirm();
    // What the last successful OK hands back: the texts of the row's cells, its names' hashes
    // included. Empty until an OK passes; each opening clears it.
    [[nodiscard]] const RowWrites& confirmedWrites() const { return confirmedWrites_; }
    // The row the open dialog shows; -1 once it is closed.
    [[nodiscard]] int row() const { return row_; }
    void done(int result) override;

protected:
    struct Field {
        int cell = 0;  // cell of the table row the field shows and writes
        FieldTest test = FieldTest::None;
        QLineEdit* edit = nullptr;
        QLabel* label = nullptr;
        StatusIcon* icon = nullptr;  // nullptr for a field without a test
    };

    ItemEditor(int section, const EditorTexts& texts, QWidget* parent);

    // Adds the next data field for a cell at the given place in container, its label to its
    // left and its status icon to its right.
    Field& addField(int cell, QWidget* container, const QRect& geometry, const QString& labelText);
    // Tab goes down the fields in their order, then to OK and Cancel. An editor that adds fields
    // of its own calls it again.
    void orderTabsDownTheFields();
    // Puts the warning line below the given y.
    void placeWarningLine(int y);
    [[nodiscard]] const std::vector<Field>& fields() const { return fields_; }
    [[nodiscard]] char separator() const { return separator_; }
    [[nodiscard]] QString labelText(int column) const;
    [[nodiscard]] static std::u16string_view textView(const QString& text);
    [[nodiscard]] static QString messageText(std::u16string_view message);

    // Called for every tested field during OK, after its icon is set.
    virtual void fieldTested(const Field& field, bool valid);
    // The cell texts a commit writes, in order. The default writes every field's text in its
    // write-back form. False (with the field marked) when a text does not convert after all.
    virtual bool planCommit(std::vector<CellWrite>& writes);

private:
    void buildFrame();
    void addDecoration();
    [[nodiscard]] int extraLabelWidth() const;
    void addBottomBar();
    [[nodiscard]] int nextIconNumber();
    bool testAllFields();
    [[nodiscard]] bool writeBackText(const Field& field, QString& text) const;
    void setWarningVisible(bool visible);

    const SectionLayout* layout_;
    EditorTexts texts_;
    int warningNumber_;
    int nextFieldNumber_ = 2;
    std::vector<Field> fields_;
    BalloonHint* balloon_ = nullptr;
    QLineEdit* indexEdit_ = nullptr;
    QLabel* warningIcon_ = nullptr;
    QLabel* warningLabel_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    int row_ = -1;
    char separator_ = '.';
    RowWrites confirmedWrites_;
};

// The editor of a section, or nullptr for a section without one. The main window keeps the
// returned editors as members so they are gone before it deletes its remaining children.
[[nodiscard]] std::unique_ptr<ItemEditor> createItemEditor(int section, const EditorTexts& texts,
                                                           QWidget* parent);

}  // namespace varn
