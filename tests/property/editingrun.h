#pragma once

// A long random editing session on a real main window: rows added, edited and deleted through
// the row commands and the modal editors, steps undone and redone, the document saved and
// loaded again, and after every step the window compared with the run's own model of the
// document and of its history.

#include "modeldocument.h"
#include "modelhistory.h"
#include "valuemaker.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <vector>

class QAction;
class QDialog;

namespace varn {
class MainWindow;
}
namespace varn::test {
class ScriptedPrompts;
}

namespace varn::property {

// A field of an editor dialog: the cell it shows and writes, its edit and its status icon.
struct EditorField {
    int cell;
    Kind kind;
    QString editName;
    QString iconName;
};

// One field of a confirmed editor: the new text and value, or the text left as it was.
struct FieldWrite {
    int cell;
    bool kept;
    TypedValue value;
};

class EditingRun {
public:
    // shownErrors: the messages the window's prompts have shown; a step must add none.
    EditingRun(MainWindow& window, const QString& folder, std::uint64_t seed, char separator,
               const std::vector<NameEntry>& baseNames, const QStringList& shownErrors);

    // The window run: besides the editing steps, the whole window is used with the map shown
    // (tabs by key, selections in the table and on the map, duplicate, copy and paste, filters,
    // New, the sample opened again, a reload after an outside change, Save As .xpl). The
    // prompts answer the window's questions.
    void takeWindowSteps(const QString& samplePath, test::ScriptedPrompts& prompts);

    // One random step and the comparison after it; false when the window and the model part.
    bool step(int index);
    [[nodiscard]] QString failureReport() const;
    // How often each kind of step ran, as "12 add, valid, 3 undo, …".
    [[nodiscard]] QString stepMixText() const;
    // Rows the document held after a step, on average over the steps run.
    [[nodiscard]] double averageRows() const {
        return step_ < 0 ? 0.0 : static_cast<double>(rowsHeld_) / (step_ + 1);
    }

private:
    enum class EditorAction { Cancel, Unchanged, Valid, Invalid, TypedThenCancel };
    struct EditPlan {
        std::vector<FieldWrite> writes;
        std::vector<int> invalidCells;  // cells given an invalid text on purpose or left so
        bool accepted = false;
    };

    void addRow(int section);
    void editRow(int section);
    void deleteRow(int section);
    void withoutSelection(int section);
    void undoAndRedo();
    void save();
    void reload();

    // The window run's steps (windowsteps.cpp).
    void windowStep(int section);
    void switchTabByKey();
    void pickOnMap();
    void pickBandOnMap();
    void selectRowRange(int section);
    void duplicateRows(int section);
    void copyAndPaste(int section);
    void deleteSelected(int section, bool everyRow);
    void filterRows(int section);
    void newDocument();
    void openSample();
    void reloadAfterOutsideChange();
    void saveAsXpl();
    void pushRowsStep(int section, const QString& text, std::vector<testmodel::ModelRow> after);
    void compareMap();
    void compareFilter(int section);
    // The row's cells, the history step the confirmed editor makes and its tab afterwards.
    void commit(int section, int row, const std::vector<FieldWrite>& writes, const QString& step,
                std::vector<testmodel::ModelRow> before);

    // Runs the command with whatever it opens driven by act; false when no editor opened.
    bool withEditor(const std::function<void()>& command, const std::function<void(QDialog*)>& act);
    void actOnEditor(QDialog* dialog, int section, int row, EditorAction action, EditPlan& plan);
    EditPlan plan(int section, int row, EditorAction action);
    void checkOpenedEditor(QDialog* dialog, int section, int row);
    void checkRefusal(QDialog* dialog, int section, const EditPlan& plan);
    void checkFileBytes(const QString& path);
    void compareWindow();
    void compareSideCells(int section, int row);
    void compareHistoryActions();
    [[nodiscard]] int expectedTabImage(int section) const;

    [[nodiscard]] static QString editorName(int section);
    [[nodiscard]] static std::vector<EditorField> editorFields(int section);

    // kind counts in the step mix; detail only goes into the report of the last steps.
    void note(const QString& kind, const QString& detail = {});
    void fail(const QString& problem);
    [[nodiscard]] EditorAction pickEditorAction(bool adding);
    [[nodiscard]] static QString describe(const EditPlan& edit);
    [[nodiscard]] QString describeOffset(const QByteArray& bytes, int offset) const;

    MainWindow& window_;
    QString folder_;
    const QStringList& shownErrors_;
    std::mt19937_64 random_;
    ValueMaker values_;
    testmodel::ModelDocument model_;
    ModelHistory history_;
    std::map<int, std::vector<EditorField>> fields_;
    bool writeHashTable_ = true;
    QString savedPath_;
    QByteArray savedBytes_;  // what the last save must have written
    QString samplePath_;
    test::ScriptedPrompts* prompts_ = nullptr;  // the window run's
    std::vector<testmodel::ModelRow> copied_;    // rows Copy put on the clipboard
    int copiedSection_ = -1;
    QAction* undoAction_;
    QAction* redoAction_;
    int step_ = -1;
    std::int64_t rowsHeld_ = 0;
    QStringList recent_;  // the last steps, for the report
    QStringList problems_;
    std::map<QString, int> mix_;
};

}  // namespace varn::property
