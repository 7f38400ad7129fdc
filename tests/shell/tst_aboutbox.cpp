// The About box: its looks, the link that underlines only under the pointer and opens the
// address it shows, and OK.

#include "aboutbox.h"
#include "linklabel.h"
#include "screenshot.h"

#include <QEnterEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

using varn::AboutBox;
using varn::LinkLabel;

namespace {

template <typename T>
T* child(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no %s", name);
    return found;
}

void enter(QWidget* widget) {
    QEnterEvent event(QPointF(2, 2), widget->mapTo(widget->window(), QPointF(2, 2)),
                      widget->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(widget, &event);
}

void leave(QWidget* widget) {
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

}  // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT

private:
    QMainWindow* window_ = nullptr;

private slots:
    void init() {
        window_ = new QMainWindow;
        window_->setGeometry(100, 100, 962, 678);
        window_->show();
    }

    void cleanup() { delete window_; }

    void looks() {
        AboutBox box(window_);
        QCOMPARE(box.objectName(), QStringLiteral("TAboutBox"));
        QCOMPARE(box.windowTitle(), QStringLiteral("About"));
        QCOMPARE(box.minimumSize(), QSize(318, 176));
        QCOMPARE(box.maximumSize(), QSize(318, 176));
        QCOMPARE(box.palette().color(QPalette::Window), QColor(234, 240, 255));

        auto* icon = child<QLabel>(&box, "ProgramIcon");
        QCOMPARE(icon->geometry(), QRect(8, 8, 65, 57));
        QVERIFY(icon->hasScaledContents());
        QCOMPARE(icon->pixmap().size(), QSize(64, 64));

        struct Expected {
            const char* name;
            QString text;
            QColor colour;
        };
        const Expected labels[] = {
            {"ProductName", QStringLiteral("Product Name: Varn Placement Editor"),
             QColor(0, 0, 128)},
            {"Version", QStringLiteral("Version: 0.9"), QColor(0, 0, 128)},
            {"Label2", QStringLiteral("https://varn-placement-editor.example.org"),
             QColor(0, 0, 255)},
            {"Copyright", QString(), QColor(0, 0, 0)},
            {"Comments", QString(), QColor(0, 0, 0)},
        };
        auto* panel = child<QWidget>(&box, "Panel1");
        for (const Expected& expected : labels) {
            auto* label = child<QLabel>(&box, expected.name);
            if (!expected.text.isNull()) QCOMPARE(label->text(), expected.text);
            QVERIFY2(!label->text().isEmpty(), expected.name);
            QCOMPARE(label->palette().color(QPalette::WindowText), expected.colour);
            QVERIFY2(label->font().bold(), expected.name);
            // Whole inside the panel, text not cut.
            QVERIFY2(panel->contentsRect().contains(label->geometry()), expected.name);
            QVERIFY2(label->width() >= label->sizeHint().width(), expected.name);
        }
        // The link sits at the right end of the first credit line, clear of its text.
        auto* link = child<QLabel>(&box, "Label2");
        auto* credit = child<QLabel>(&box, "Copyright");
        QCOMPARE(link->y(), credit->y());
        QVERIFY(link->x() > credit->geometry().right());
        QVERIFY(panel->contentsRect().right() - link->geometry().right() < 12);

        auto* ok = child<QPushButton>(&box, "OKButton");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        QVERIFY(box.rect().contains(ok->geometry()));
        QVERIFY(ok->y() > panel->geometry().bottom());
    }

    void centredAndShown() {
        AboutBox box(window_);
        box.open();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(qAbs(box.geometry().center().x() - window_->geometry().center().x()) <= 2);
        QVERIFY(qAbs(box.geometry().center().y() - window_->geometry().center().y()) <= 2);
        const QImage picture = box.grab().toImage();
        QCOMPARE(picture.size(), QSize(318, 176) * picture.devicePixelRatio());
        QCOMPARE(picture.pixelColor(2, 2), QColor(234, 240, 255));
        varn::testing::saveScreenshot(box, QStringLiteral("about-box.png"));
        child<QPushButton>(&box, "OKButton")->click();
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QVERIFY(!box.isVisible());
    }

    void linkUnderlinesOnlyUnderThePointer() {
        AboutBox box(window_);
        auto* link = child<LinkLabel>(&box, "Label2");
        QVERIFY(!link->font().underline());
        QVERIFY(link->font().bold());
        for (int round = 0; round < 2; ++round) {
            enter(link);
            QVERIFY(link->font().underline());
            QVERIFY(link->font().bold());
            leave(link);
            QVERIFY(!link->font().underline());
            QVERIFY(link->font().bold());
        }
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    }

    void clickOpensTheCaptionAsItIsNow() {
        AboutBox box(window_);
        box.open();
        auto* link = child<LinkLabel>(&box, "Label2");
        QStringList opened;
        link->setOpener([&opened](const QString& target) { opened.append(target); });
        QTest::mouseClick(link, Qt::LeftButton);
        link->setText(QStringLiteral("https://mirror.example.org/varn"));
        QTest::mouseClick(link, Qt::LeftButton);
        QTest::mouseClick(link, Qt::RightButton);
        QCOMPARE(opened, QStringList({"https://varn-placement-editor.example.org",
                                      "https://mirror.example.org/varn"}));
    }
};

QTEST_MAIN(AboutBoxTest)
#include "tst_aboutbox.moc"
