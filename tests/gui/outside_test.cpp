// Files that reach the window from outside: another program changing or removing the open
// file, and files dropped on the window.

#include "bytes.h"
#include "guitestsupport.h"

#include <QMimeData>
#include <QSaveFile>
#include <QUrl>
#include <QtTest>

using namespace varn;
using namespace varn::test;

namespace {

// Section 10 rows whose first cell counts up from first: a file another program writes.
QByteArray rowsFile(int count, float first) {
    Bytes b;
    b.header(counts({{10, count}}));
    for (int i = 0; i < count; ++i)
        b.f32(first + static_cast<float>(i)).f32(0).f32(0).f32(0).f32(0).f32(0);
    return b.data;
}

// Writes the way careful programs do: a new file renamed over the old one.
void replaceFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    QVERIFY(file.commit());
}

}  // namespace

class OutsideTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        folder_.copyShipped();
        prompts_ = {};
        path_ = folder_.path(QStringLiteral("map.wpl"));
        folder_.write(QStringLiteral("map.wpl"), rowsFile(2, 1));
        window_ = startWindow(folder_, prompts_, path_);
        QCOMPARE(window_->document().table(10).rowCount(), 2);
    }
    void cleanup() { window_.reset(); }

    void changeWithoutEditsIsReadAgain();
    void changeWithEditsAsksFirst();
    void ownSaveIsNoChange();
    void removedFileIsToldAndSavedAnew();
    void droppedFileOpensAsOpenDoes();

private:
    ProgramFolder folder_;
    ScriptedPrompts prompts_;
    QString path_;
    std::unique_ptr<MainWindow> window_;
};

void OutsideTest::changeWithoutEditsIsReadAgain() {
    replaceFile(path_, rowsFile(3, 5));
    QTRY_COMPARE(window_->document().table(10).rowCount(), 3);
    QCOMPARE(window_->document().table(10).cellText(0, 0), QStringLiteral("5.0"));
    QVERIFY(window_->statusMessage().contains(QStringLiteral("read again")));
    QCOMPARE(prompts_.reloadQuestions, 0);
    // The watch goes on with the new file: a second change is read too.
    replaceFile(path_, rowsFile(4, 5));
    QTRY_COMPARE(window_->document().table(10).rowCount(), 4);
}

void OutsideTest::changeWithEditsAsksFirst() {
    addRows(*window_, 2);
    prompts_.reloadAnswer = false;
    replaceFile(path_, rowsFile(3, 5));
    QTRY_COMPARE(prompts_.reloadQuestions, 1);
    QCOMPARE(window_->document().table(10).rowCount(), 2);
    QCOMPARE(window_->document().table(2).rowCount(), 1);
    prompts_.reloadAnswer = true;
    replaceFile(path_, rowsFile(6, 5));
    QTRY_COMPARE(window_->document().table(10).rowCount(), 6);
    QCOMPARE(prompts_.reloadQuestions, 2);
    QVERIFY(!window_->placementDocument().hasChanges());
}

void OutsideTest::ownSaveIsNoChange() {
    addRows(*window_, 2);
    QVERIFY(window_->save());
    QTest::qWait(700);
    QCOMPARE(prompts_.reloadQuestions, 0);
    QCOMPARE(window_->statusMessage(), QStringLiteral("Windows Placement File saved successfully!"));
    QVERIFY(window_->placementDocument().undoStack().canUndo());  // not read again
}

void OutsideTest::removedFileIsToldAndSavedAnew() {
    QVERIFY(QFile::remove(path_));
    QTRY_COMPARE(prompts_.notices.size(), 1);
    QVERIFY(prompts_.notices[0].contains(path_));
    QCOMPARE(window_->document().table(10).rowCount(), 2);
    QVERIFY(window_->save());
    QCOMPARE(QFileInfo(path_).size(), 68 + 2 * 24);
}

void OutsideTest::droppedFileOpensAsOpenDoes() {
    const QString other = folder_.path(QStringLiteral("other.XPL"));
    folder_.write(QStringLiteral("other.XPL"), Bytes(true).header(counts({{10, 1}})).f32(9)
                                                   .f32(0).f32(0).f32(0).f32(0).f32(0).data);
    auto drop = [&](const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(window_.get(), &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(window_.get(), &dropped);
        return true;
    };
    QVERIFY(!drop(folder_.path(QStringLiteral("settings.ini"))));
    addRows(*window_, 2);
    prompts_.unsavedChoice = UserPrompts::UnsavedChoice::Cancel;
    QVERIFY(drop(other));
    QCOMPARE(prompts_.unsavedQuestions, 1);
    QCOMPARE(window_->currentPath(), path_);
    prompts_.unsavedChoice = UserPrompts::UnsavedChoice::Discard;
    QVERIFY(drop(other));
    QCOMPARE(window_->currentPath(), other);
    QCOMPARE(window_->document().table(10).cellText(0, 0), QStringLiteral("9.0"));
}

QTEST_MAIN(OutsideTest)
#include "outside_test.moc"
