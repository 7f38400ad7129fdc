#pragma once

// Answers the next message box that the code under test runs with exec(): waits for it to
// become the active modal widget, notes what it showed and presses one of its buttons.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <memory>

namespace varn::testing {

struct SeenMessageBox {
    bool shown = false;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Give up after this many turns of the event loop, so a box that never comes cannot hang a test.
inline constexpr int kMaxPolls = 200;

inline void answerNextMessageBox(const std::shared_ptr<SeenMessageBox>& seen,
                                 QMessageBox::StandardButton press = QMessageBox::Ok,
                                 int pollsLeft = kMaxPolls) {
    QTimer::singleShot(0, [seen, press, pollsLeft] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (pollsLeft > 0) answerNextMessageBox(seen, press, pollsLeft - 1);
            return;
        }
        seen->shown = true;
        seen->text = box->text();
        seen->icon = box->icon();
        seen->buttons = box->standardButtons();
        if (QAbstractButton* button = box->button(press)) {
            button->click();
        } else {
            box->reject();
        }
    });
}

inline std::shared_ptr<SeenMessageBox> expectMessageBox(
    QMessageBox::StandardButton press = QMessageBox::Ok) {
    auto seen = std::make_shared<SeenMessageBox>();
    answerNextMessageBox(seen, press);
    return seen;
}

}  // namespace varn::testing
