// The part of the editing run that works inside an open editor dialog: which dialog and fields
// a section has, what it must show when it opens, what the run types into it, and how it must
// look after an OK it refused.

#include "editingrun.h"
#include "namehash.h"
#include "statusicon.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <set>

namespace varn::property {
namespace {

using testmodel::kFirstLodName;
using testmodel::ModelRow;
constexpr int kHashToNameDistance = kFirstLodName - testmodel::kFirstNameHashCell;

const char* stateName(StatusIcon::State state) {
    switch (state) {
        case StatusIcon::State::Empty:
            return "empty";
        case StatusIcon::State::Valid:
            return "valid";
        case StatusIcon::State::Invalid:
            return "invalid";
    }
    return "?";
}

}  // namespace

QString EditingRun::editorName(int section) {
    static const std::map<int, const char*> names = {{0, "TForm2"}, {2, "TForm3"}, {3, "TForm4"},
                                                     {4, "TForm5"}, {8, "TForm6"}, {15, "TForm8"},
                                                     {9, "TForm9"}, {10, "TForm7"}};
    return QLatin1String(names.at(section));
}

// The dialogs number their fields LabeledEdit2, 3, ... in cell order, skipping the markers and
// the hashes; each icon bears its field's number, except that the section 3 dialog's last two
// icons are Image16 and Image17 (14 and 15 belong to its warning line and left strip).
std::vector<EditorField> EditingRun::editorFields(int section) {
    std::vector<EditorField> fields;
    const std::vector<testmodel::CellShape>& cells = testmodel::sectionShape(section).cells;
    int number = 2;
    for (int cell = 0; cell < static_cast<int>(cells.size()); ++cell) {
        const Kind kind = cells[cell].kind;
        if (kind == Kind::Marker || kind == Kind::ModelHash || kind == Kind::NameHash) continue;
        const int icon = section == 3 && number >= 14 ? number + 2 : number;
        fields.push_back({cell, kind, QStringLiteral("LabeledEdit%1").arg(number),
                          QStringLiteral("Image%1").arg(icon)});
        ++number;
    }
    return fields;
}

void EditingRun::actOnEditor(QDialog* dialog, int section, int row, EditorAction action,
                             EditPlan& edit) {
    if (dialog->objectName() != editorName(section)) {
        fail(QStringLiteral("the editor %1 opened for section %2")
                 .arg(dialog->objectName())
                 .arg(section));
        dialog->reject();
        return;
    }
    checkOpenedEditor(dialog, section, row);
    edit = plan(section, row, action);
    for (std::size_t i = 0; i < edit.writes.size(); ++i)
        if (!edit.writes[i].kept)
            dialog->findChild<QLineEdit*>(fields_[section][i].editName)
                ->setText(edit.writes[i].value.typed);

    auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("Button1"));
    auto* cancel = dialog->findChild<QPushButton*>(QStringLiteral("Button2"));
    if (action == EditorAction::Cancel || action == EditorAction::TypedThenCancel) {
        edit.accepted = false;
        cancel->click();
        return;
    }
    ok->click();
    if (edit.accepted) {
        if (dialog->isVisible()) {
            fail(QStringLiteral("OK refused texts that are all valid"));
            edit.accepted = false;
            cancel->click();
        }
        return;
    }
    if (!dialog->isVisible()) {
        fail(QStringLiteral("OK accepted an invalid text"));
        return;
    }
    checkRefusal(dialog, section, edit);
    cancel->click();
}

// Each field new with a valid text or left as it is; Invalid spoils one to three of them. The
// plan is accepted when every text, left or new, passes its field's test.
EditingRun::EditPlan EditingRun::plan(int section, int row, EditorAction action) {
    const std::vector<EditorField>& fields = fields_[section];
    const ModelRow& cells = model_.rows(section)[row];
    std::set<std::size_t> spoiled;
    if (action == EditorAction::Invalid) {
        const int count = 1 + values_.below(3);
        for (int n = 0; n < count; ++n) {
            const std::size_t i = values_.below(static_cast<int>(fields.size()));
            if (fields[i].kind != Kind::Text92) spoiled.insert(i);
        }
        if (spoiled.empty()) spoiled.insert(0);  // the first field of every editor has a test
    }
    const bool typing = action == EditorAction::Valid || action == EditorAction::Invalid ||
                        action == EditorAction::TypedThenCancel;
    EditPlan edit;
    bool allValid = true;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        FieldWrite write{fields[i].cell, true, {}};
        bool valid = true;
        if (spoiled.count(i)) {
            write.kept = false;
            write.value.typed = values_.invalid(fields[i].kind);
            valid = false;
        } else if (typing && !values_.chance(30)) {
            write.kept = false;
            write.value = values_.valid(fields[i].kind);
        } else {
            valid = values_.accepts(fields[i].kind, cells[fields[i].cell].text);
        }
        if (!valid) edit.invalidCells.push_back(fields[i].cell);
        allValid = allValid && valid;
        edit.writes.push_back(write);
    }
    edit.accepted =
        allValid && (action == EditorAction::Valid || action == EditorAction::Unchanged);
    return edit;
}

void EditingRun::checkOpenedEditor(QDialog* dialog, int section, int row) {
    const ModelRow& cells = model_.rows(section)[row];
    const QString index = dialog->findChild<QLineEdit*>(QStringLiteral("LabeledEdit1"))->text();
    if (index != QString::number(row))
        fail(QStringLiteral("the editor's index field shows %1 for row %2").arg(index).arg(row));
    if (dialog->findChild<QLabel*>(QStringLiteral("Label1"))->isVisible())
        fail(QStringLiteral("the editor opened with its warning line shown"));
    for (const EditorField& field : fields_[section]) {
        const QString shown = dialog->findChild<QLineEdit*>(field.editName)->text();
        if (shown != cells[field.cell].text)
            fail(QStringLiteral("%1 opened with '%2' instead of '%3'")
                     .arg(field.editName, shown, cells[field.cell].text));
        auto* icon = dialog->findChild<StatusIcon*>(field.iconName);
        if (!icon || icon->state() != StatusIcon::State::Empty)
            fail(QStringLiteral("%1 is not empty at opening").arg(field.iconName));
        if (section == 9 && field.cell >= kFirstLodName) {
            const QString label =
                dialog->findChild<QLabel*>(field.editName + QStringLiteral("Label"))->text();
            if (label != cells[field.cell - kHashToNameDistance].text)
                fail(QStringLiteral("the label of %1 shows %2, not the row's hash %3")
                         .arg(field.editName, label, cells[field.cell - kHashToNameDistance].text));
        }
    }
}

// A refused OK marks every tested field, shows the warning line, and in section 9 labels each
// name with its hash or "???".
void EditingRun::checkRefusal(QDialog* dialog, int section, const EditPlan& edit) {
    if (!dialog->findChild<QLabel*>(QStringLiteral("Label1"))->isVisible())
        fail(QStringLiteral("a refused OK did not show the warning line"));
    for (const EditorField& field : fields_[section]) {
        const bool invalid = std::find(edit.invalidCells.begin(), edit.invalidCells.end(),
                                       field.cell) != edit.invalidCells.end();
        auto* icon = dialog->findChild<StatusIcon*>(field.iconName);
        const StatusIcon::State expected = field.kind == Kind::Text92 ? StatusIcon::State::Empty
                                           : invalid                  ? StatusIcon::State::Invalid
                                                                      : StatusIcon::State::Valid;
        const QString text = dialog->findChild<QLineEdit*>(field.editName)->text();
        if (icon->state() != expected) {
            fail(QStringLiteral("after a refused OK %1 ('%2') is %3, not %4")
                     .arg(field.iconName, text, QLatin1String(stateName(icon->state())),
                          QLatin1String(stateName(expected))));
            continue;
        }
        const QString message = ValueMaker::invalidMessage(field.kind);
        if (invalid && !message.isEmpty() && icon->toolTip() != message)
            fail(QStringLiteral("%1 ('%2') says '%3'").arg(field.iconName, text, icon->toolTip()));
        if (section == 9 && field.cell >= kFirstLodName) {
            const QString label =
                dialog->findChild<QLabel*>(field.editName + QStringLiteral("Label"))->text();
            const QString wanted =
                invalid ? QStringLiteral("???") : QString::number(nameHash(text));
            if (label != wanted)
                fail(QStringLiteral("the label of %1 ('%2') shows %3, not %4")
                         .arg(field.editName, text, label, wanted));
        }
    }
}

}  // namespace varn::property
