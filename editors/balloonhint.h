#pragma once

#include <QWidget>

namespace varn {

// A hint in a speech balloon whose stem points at the widget it explains. One per dialog,
// shared by the dialog's status icons.
class BalloonHint : public QWidget {
    Q_OBJECT
public:
    explicit BalloonHint(QWidget* parent);

    // Shows the text below the anchor, the stem pointing at the anchor's centre.
    void showFor(const QWidget* anchor, const QString& text);
    [[nodiscard]] QString text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    [[nodiscard]] QRect bubbleRect() const;

    QString text_;
};

}  // namespace varn
