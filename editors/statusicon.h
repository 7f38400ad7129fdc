#pragma once

#include <QLabel>
#include <QTimer>

namespace varn {

class BalloonHint;

// The 21 x 21 picture beside an editor field telling whether the last OK found its text valid.
// An invalid icon carries the failing test's message as its tool tip, shown in the dialog's
// balloon once the pointer has rested on the icon for a moment.
class StatusIcon : public QLabel {
    Q_OBJECT
public:
    enum class State { Empty, Valid, Invalid };

    StatusIcon(BalloonHint* balloon, QWidget* parent);

    void setEmpty();
    void setValid();
    void setInvalid(const QString& message);
    [[nodiscard]] State state() const { return state_; }

    // Shows the balloon at once when the icon carries a hint.
    void showHint();

protected:
    bool event(QEvent* event) override;

private:
    void setPicture(const QPixmap& picture, const QString& standIn);

    BalloonHint* balloon_;
    QTimer restTimer_;
    State state_ = State::Empty;
};

}  // namespace varn
