#pragma once

#include <QLineEdit>

namespace varn {

// The edit of a record's string field. Typing stops at the field's width, as the field refuses
// further characters; a paste or a drop goes in whole, so that the editor's OK refuses a text
// that does not fit (and says so) instead of the edit cutting it where nobody sees.
class TextFieldEdit : public QLineEdit {
    Q_OBJECT
public:
    TextFieldEdit(int width, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // Whether typing the text in place of the selection would pass the width.
    [[nodiscard]] bool wouldOverflow(const QString& typed) const;

    int width_;
};

}  // namespace varn
