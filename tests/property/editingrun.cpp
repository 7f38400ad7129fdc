#include "editingrun.h"

#include "mainwindow.h"
#include "rowcommands.h"
#include "rowfiltermodel.h"
#include "sectionpages.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <array>

namespace varn::property {
namespace {

constexpr int kMostRows = 14;  // keeps every step's full comparison cheap
constexpr int kRecentSteps = 12;
const std::array<int, 8> kSections = {0, 2, 3, 4, 8, 9, 10, 15};

const char* actionName(int action) {
    static const char* const names[] = {"cancel", "unchanged", "valid", "invalid",
                                        "typed then cancel"};
    return names[action];
}

}  // namespace

EditingRun::EditingRun(MainWindow& window, const QString& folder, std::uint64_t seed,
                       char separator, const std::vector<NameEntry>& baseNames,
                       const QStringList& shownErrors)
    : window_(window),
      folder_(folder),
      shownErrors_(shownErrors),
      random_(seed),
      values_(random_, separator, baseNames),
      model_(separator, baseNames),
      writeHashTable_(window.writeHashTable()),
      undoAction_(window.findChild<QAction*>(QStringLiteral("Undo1"))),
      redoAction_(window.findChild<QAction*>(QStringLiteral("Redo1"))) {
    for (int section : kSections)
        fields_[section] = editorFields(section);
}

bool EditingRun::step(int index) {
    step_ = index;
    const int errorsBefore = static_cast<int>(shownErrors_.size());
    // Sections 0 and 9, with their side cells and names, get more of the steps.
    const int sectionPick = values_.below(20);
    constexpr std::array<int, 6> others = {2, 3, 4, 8, 10, 15};
    const int section = sectionPick < 5 ? 0 : sectionPick < 8 ? 9 : others[sectionPick % 6];
    const int rows = static_cast<int>(model_.rows(section).size());
    const int pick = values_.below(100);
    if (prompts_ && values_.chance(40)) {
        windowStep(section);
    } else if (pick < 27) {
        if (rows < kMostRows)
            addRow(section);
        else
            deleteRow(section);
    } else if (pick < 54 || (pick < 75 && rows == 0)) {
        if (rows > 0)
            editRow(section);
        else
            addRow(section);
    } else if (pick < 75) {
        deleteRow(section);
    } else if (pick < 77) {
        withoutSelection(section);
    } else if (pick < 88) {
        undoAndRedo();
    } else if (pick < 93 || (pick < 98 && savedPath_.isEmpty())) {
        save();
    } else if (pick < 98) {
        reload();
    } else {
        writeHashTable_ = !writeHashTable_;
        window_.setWriteHashTable(writeHashTable_);  // what the settings dialog does
        note(writeHashTable_ ? QStringLiteral("hash table on") : QStringLiteral("hash table off"));
    }
    if (shownErrors_.size() != errorsBefore)
        fail(QStringLiteral("the window showed an error: ") + shownErrors_.last());
    if (problems_.isEmpty()) compareWindow();
    if (problems_.isEmpty() && prompts_) compareMap();
    for (int counted : kSections)
        rowsHeld_ += static_cast<std::int64_t>(model_.rows(counted).size());
    return problems_.isEmpty();
}

EditingRun::EditorAction EditingRun::pickEditorAction(bool adding) {
    const int pick = values_.below(100);
    if (adding) {
        return pick < 25   ? EditorAction::Cancel
               : pick < 45 ? EditorAction::Unchanged
               : pick < 85 ? EditorAction::Valid
                           : EditorAction::Invalid;
    }
    return pick < 52   ? EditorAction::Valid
           : pick < 60 ? EditorAction::Unchanged
           : pick < 85 ? EditorAction::Invalid
                       : EditorAction::TypedThenCancel;
}

void EditingRun::addRow(int section) {
    const EditorAction action = pickEditorAction(true);
    // The editor opens on the new row; Cancel takes the row out again and leaves no step.
    std::vector<testmodel::ModelRow> before = model_.rows(section);
    const int row = model_.appendDefaultRow(section);
    EditPlan edit;
    const bool opened = withEditor([&] { window_.rowCommands().addDefaultRow(section); },
                                   [&](QDialog* d) { actOnEditor(d, section, row, action, edit); });
    note(QStringLiteral("add, ") + QLatin1String(actionName(static_cast<int>(action))),
         QStringLiteral("s%1 r%2%3").arg(section).arg(row).arg(describe(edit)));
    if (!opened) fail(QStringLiteral("Add opened no editor"));
    if (!edit.accepted) {
        model_.setRows(section, std::move(before));
        return;
    }
    commit(section, row, edit.writes, QStringLiteral("Add Row %1 of Section %2"),
           std::move(before));
    // A filter left on may hide the new row once its texts are in.
    if (!window_.pages().page(section).filter->isFiltering() &&
        window_.pages().page(section).selectedRow() != row)
        fail(QStringLiteral("the added row is not the selected one"));
}

void EditingRun::editRow(int section) {
    const int row = values_.below(static_cast<int>(model_.rows(section).size()));
    window_.pages().page(section).selectRow(row);
    const EditorAction action = pickEditorAction(false);
    EditPlan edit;
    const bool opened = withEditor([&] { window_.rowCommands().openRowEditor(section); },
                                   [&](QDialog* d) { actOnEditor(d, section, row, action, edit); });
    note(QStringLiteral("edit, ") + QLatin1String(actionName(static_cast<int>(action))) +
             (action == EditorAction::Valid && !edit.accepted ? " (a kept text refused)" : ""),
         QStringLiteral("s%1 r%2%3").arg(section).arg(row).arg(describe(edit)));
    if (!opened) fail(QStringLiteral("Edit opened no editor on a selected row"));
    if (edit.accepted)
        commit(section, row, edit.writes, QStringLiteral("Edit Row %1 of Section %2"),
               model_.rows(section));
}

namespace {

bool sameTexts(const std::vector<testmodel::ModelRow>& a, const std::vector<testmodel::ModelRow>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return std::equal(x.begin(), x.end(), y.begin(), y.end(),
                          [](const auto& c, const auto& d) { return c.text == d.text; });
    });
}

}  // namespace

void EditingRun::commit(int section, int row, const std::vector<FieldWrite>& writes,
                        const QString& step, std::vector<testmodel::ModelRow> before) {
    std::vector<testmodel::CellWrite> cells;
    for (const FieldWrite& write : writes)
        if (!write.kept) cells.push_back({write.cell, write.value.committed, write.value.bits});
    model_.commit(section, row, cells);
    // An edit whose OK leaves every text as it was is no step; an added row always is one.
    if (step.startsWith(QLatin1String("Edit")) && sameTexts(before, model_.rows(section))) return;
    history_.push(section, step.arg(row).arg(section), std::move(before), model_.rows(section));
}

void EditingRun::deleteRow(int section) {
    const int row = values_.below(static_cast<int>(model_.rows(section).size()));
    note(QStringLiteral("delete"), QStringLiteral("s%1 r%2").arg(section).arg(row));
    window_.pages().page(section).selectRow(row);
    window_.rowCommands().deleteSelectedRows(section);
    std::vector<testmodel::ModelRow> before = model_.rows(section);
    model_.removeRow(section, row);
    history_.push(section, QStringLiteral("Delete Row %1 of Section %2").arg(row).arg(section),
                  std::move(before), model_.rows(section));
}

// Up to three steps back, then up to two forward, the window compared after each; with
// nothing left to undo or redo, the item does nothing.
void EditingRun::undoAndRedo() {
    const int undos = values_.below(4);
    const int redos = undos == 0 ? 1 + values_.below(2) : values_.below(3);
    for (int i = 0; i < undos + redos && problems_.isEmpty(); ++i) {
        if (i > 0) compareWindow();
        const bool back = i < undos;
        const bool can = back ? history_.canUndo() : history_.canRedo();
        note(QLatin1String(back ? "undo" : "redo") + (can ? "" : ", nothing left"),
             back ? history_.undoText() : history_.redoText());
        (back ? undoAction_ : redoAction_)->trigger();
        if (can && back) history_.undo(model_);
        if (can && !back) history_.redo(model_);
    }
}

// Without a selected row neither Edit nor Delete may do anything.
void EditingRun::withoutSelection(int section) {
    window_.pages().page(section).view->selectionModel()->clearSelection();
    if (values_.chance(50)) {
        note(QStringLiteral("edit without selection"), QStringLiteral("s%1").arg(section));
        if (withEditor([&] { window_.rowCommands().openRowEditor(section); },
                       [](QDialog* d) { d->reject(); }))
            fail(QStringLiteral("Edit opened an editor without a selected row"));
    } else {
        note(QStringLiteral("delete without selection"), QStringLiteral("s%1").arg(section));
        window_.rowCommands().deleteSelectedRows(section);
    }
}

void EditingRun::save() {
    savedPath_ = folder_ +
                 (values_.chance(50) ? QStringLiteral("/run-a.wpl") : QStringLiteral("/run-b.wpl"));
    note(writeHashTable_ ? QStringLiteral("save, hash table on")
                         : QStringLiteral("save, hash table off"),
         savedPath_.section(u'/', -1));
    savedBytes_ = model_.save(writeHashTable_);
    if (!window_.savePlacementFile(savedPath_)) fail(QStringLiteral("Save failed"));
    history_.markSaved();
    checkFileBytes(savedPath_);
}

void EditingRun::reload() {
    note(writeHashTable_ ? QStringLiteral("reload, hash table on")
                         : QStringLiteral("reload, hash table off"),
         savedPath_.section(u'/', -1));
    if (!window_.loadPlacementFile(savedPath_)) fail(QStringLiteral("Open failed"));
    checkFileBytes(savedPath_);  // still the file the save wrote
    if (!model_.load(savedBytes_, false, writeHashTable_))
        fail(QStringLiteral("the model cannot load the file it saved"));
    history_.clear();
}

bool EditingRun::withEditor(const std::function<void()>& command,
                            const std::function<void(QDialog*)>& act) {
    bool opened = false;
    QTimer::singleShot(0, &window_, [this, &opened, &act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        opened = true;
        act(dialog);
        if (dialog->isVisible()) {
            fail(QStringLiteral("the editor was left open"));
            dialog->reject();
        }
    });
    command();
    QCoreApplication::processEvents();  // the timer of a command that opened nothing fires here
    return opened;
}

void EditingRun::note(const QString& kind, const QString& detail) {
    ++mix_[kind];
    recent_ << QStringLiteral("step %1: %2 %3").arg(step_).arg(kind, detail);
    // A replay with VARN_RUN_TRACE=1 says each step as it goes, for a run that crashes.
    static const bool trace = qEnvironmentVariableIntValue("VARN_RUN_TRACE") == 1;
    if (trace) qInfo("%s", qPrintable(recent_.last()));
    if (recent_.size() > kRecentSteps) recent_.removeFirst();
}

void EditingRun::fail(const QString& problem) {
    problems_ << QStringLiteral("step %1: %2").arg(step_).arg(problem);
}

QString EditingRun::stepMixText() const {
    QStringList mix;
    for (const auto& [kind, count] : mix_)
        mix << QStringLiteral("%1 %2").arg(count).arg(kind);
    return mix.join(QStringLiteral(", "));
}

QString EditingRun::failureReport() const {
    return QStringLiteral("%1\nlast steps:\n  %2")
        .arg(problems_.mid(0, 8).join(u'\n'), recent_.join(QStringLiteral("\n  ")));
}

QString EditingRun::describe(const EditPlan& edit) {
    QString text;
    for (const FieldWrite& write : edit.writes)
        if (!write.kept) text += QStringLiteral(" c%1='%2'").arg(write.cell).arg(write.value.typed);
    return text;
}

}  // namespace varn::property
