#include "textfieldedit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace varn {
namespace {

// A key that types text, as opposed to one that edits, moves or runs a shortcut. AltGr reports
// Control and Alt together and still types.
bool typesText(const QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty() || !(text.front().isPrint() || text.front().isSurrogate())) return false;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    return !(modifiers & Qt::ControlModifier) || (modifiers & Qt::AltModifier);
}

}  // namespace

TextFieldEdit::TextFieldEdit(int width, QWidget* parent) : QLineEdit(parent), width_(width) {}

bool TextFieldEdit::wouldOverflow(const QString& typed) const {
    return text().size() - selectedText().size() + typed.size() > width_;
}

void TextFieldEdit::keyPressEvent(QKeyEvent* event) {
    if (typesText(event) && !event->matches(QKeySequence::Paste) && wouldOverflow(event->text())) {
        event->accept();  // refused, as a full field refuses a typed character
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextFieldEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty() && wouldOverflow(event->commitString())) {
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

}  // namespace varn
