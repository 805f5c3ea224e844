// Undo and redo over the document: every edit a step, a drag one step, undo and redo byte for
// byte, and undoing is not itself a step.

#include "model/configclear.h"
#include "model/configdocument.h"
#include "model/configlayout.h"
#include "shell/imagehistory.h"

#include <QSignalSpy>
#include <QTest>

using namespace ConfigLayout;
using Kind = ConfigEdit::Kind;

class tst_ImageHistory : public QObject
{
    Q_OBJECT

private slots:
    void everyEditIsAStep();
    void dragsMerge_data();
    void dragsMerge();
    void undoIsNoStep();
    void texts_data();
    void texts();
};

void tst_ImageHistory::everyEditIsAStep()
{
    ConfigDocument document;
    ImageHistory history(document);
    QList<QByteArray> images {document.snapshot()};
    document.setByte(levelOffset(0, 2, 5), 200, {Kind::SceneLevel, 0, 2, 5, this});
    images << document.snapshot();
    document.edit({Kind::Clear}, [](u8 *image) { clearImage(image, ClearFlags::Scenes); });
    images << document.snapshot();
    document.setByte(MixMode, 0, {Kind::Setting, -1, -1, -1, &history});
    images << document.snapshot();
    QCOMPARE(history.stack().count(), 3);

    QSignalSpy restored(&history, &ImageHistory::restored);
    for (int i = 2; i >= 0; --i) {
        history.stack().undo();
        QCOMPARE(document.snapshot(), images[i]);
    }
    for (int i = 1; i <= 3; ++i) {
        history.stack().redo();
        QCOMPARE(document.snapshot(), images[i]);
    }
    QCOMPARE(restored.count(), 6);
}

void tst_ImageHistory::dragsMerge_data()
{
    QTest::addColumn<bool>("sameControl");
    QTest::addColumn<int>("secondChannel");
    QTest::addColumn<int>("steps");
    QTest::newRow("one slider dragged") << true << 5 << 1;
    QTest::newRow("another channel") << true << 6 << 2;
    QTest::newRow("another control") << false << 5 << 2;
}

void tst_ImageHistory::dragsMerge()
{
    QFETCH(bool, sameControl);
    QFETCH(int, secondChannel);
    QFETCH(int, steps);
    ConfigDocument document;
    ImageHistory history(document);
    const QByteArray start = document.snapshot();
    int other = 0;
    for (int value = 10; value <= 50; value += 10)
        document.setByte(levelOffset(0, 0, 5), u8(value), {Kind::SceneLevel, 0, 0, 5, this});
    const void *second = sameControl ? static_cast<const void *>(this) : &other;
    document.setByte(levelOffset(0, 0, secondChannel), 99,
                     {Kind::SceneLevel, 0, 0, secondChannel, second});
    QCOMPARE(history.stack().count(), steps);
    while (history.stack().canUndo())
        history.stack().undo();
    QCOMPARE(document.snapshot(), start);
}

void tst_ImageHistory::undoIsNoStep()
{
    ConfigDocument document;
    ImageHistory history(document);
    document.setByte(RcuSysAddr, 5, {Kind::RemoteAddress});
    history.stack().undo();
    QCOMPARE(history.stack().count(), 1);
    QVERIFY(history.stack().canRedo());
    // An edit after an undo drops what could be redone.
    document.setByte(RcuSysAddr, 7, {Kind::RemoteAddress});
    QVERIFY(!history.stack().canRedo());
    QCOMPARE(history.stack().count(), 1);
}

void tst_ImageHistory::texts_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("text");
    QTest::newRow("scene level") << int(Kind::SceneLevel) << 0 << 2 << "Scene 3 level";
    QTest::newRow("program level") << int(Kind::SceneLevel) << 4 << 0 << "Program 4 step 1 level";
    QTest::newRow("controller read") << int(Kind::ControllerRead) << -1 << -1 << "Read from Kelvo";
}

void tst_ImageHistory::texts()
{
    QFETCH(int, kind);
    QFETCH(int, page);
    QFETCH(int, step);
    QFETCH(QString, text);
    QCOMPARE(ImageHistory::describe({Kind(kind), page, step, -1, nullptr}), text);
}

QTEST_MAIN(tst_ImageHistory)
#include "tst_imagehistory.moc"
