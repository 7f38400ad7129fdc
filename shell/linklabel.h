#pragma once

// A label that acts as a web link: underlined only while the pointer is over it, and a click
// opens the address it shows.

#include <QLabel>

#include <functional>

namespace varn {

class LinkLabel : public QLabel {
    Q_OBJECT

public:
    using Opener = std::function<void(const QString& target)>;

    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    // The desktop's handler for the address unless replaced (the tests do, to see the target).
    void setOpener(Opener opener) { opener_ = std::move(opener); }
    static void openWithDesktop(const QString& target);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setUnderlined(bool on);

    Opener opener_ = &LinkLabel::openWithDesktop;
};

}  // namespace varn
