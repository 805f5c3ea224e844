// The image's one owner: one signal per edit that changed a byte, with the image before it;
// snapshots that put the image back.

#include "model/configclear.h"
#include "model/configdocument.h"
#include "model/configlayout.h"

#include <QSignalSpy>
#include <QTest>

using namespace ConfigLayout;

class tst_ConfigDocument : public QObject
{
    Q_OBJECT

private slots:
    void startsCleared();
    void edits_data();
    void edits();
    void snapshots();
    void withoutMemory();
};

void tst_ConfigDocument::startsCleared()
{
    ConfigDocument document;
    QVERIFY(document.isValid());
    QByteArray cleared(ImageSize, 0);
    clearImage(reinterpret_cast<u8 *>(cleared.data()), ClearFlags::All);
    QCOMPARE(document.snapshot(), cleared);
    QVERIFY(!document.differsFrom(cleared));
    QVERIFY(document.contains(document.data()));
    QVERIFY(document.contains(document.data() + ImageSize - 1));
    QVERIFY(!document.contains(document.data() + ImageSize));
}

void tst_ConfigDocument::edits_data()
{
    QTest::addColumn<int>("how");
    QTest::addColumn<int>("emitted");
    QTest::addColumn<bool>("changed");
    QTest::newRow("one byte changed") << 0 << 1 << true;
    QTest::newRow("a byte set to what it was") << 1 << 0 << false;
    QTest::newRow("several changes in one edit") << 2 << 1 << true;
    QTest::newRow("edits made inside an edit belong to it") << 3 << 1 << true;
    QTest::newRow("an offset past the image") << 4 << 0 << false;
    QTest::newRow("a change undone within the edit") << 5 << 0 << false;
}

void tst_ConfigDocument::edits()
{
    QFETCH(int, how);
    QFETCH(int, emitted);
    QFETCH(bool, changed);

    ConfigDocument document;
    const QByteArray start = document.snapshot();
    QSignalSpy spy(&document, &ConfigDocument::edited);
    const ConfigEdit what {ConfigEdit::Kind::SceneLevel, 0, 2, 5, this};
    bool result = false;
    switch (how) {
    case 0:
        result = document.setByte(levelOffset(0, 2, 5), 200, what);
        break;
    case 1:
        result = document.setByte(levelOffset(0, 2, 5), 0, what);
        break;
    case 2:
        result = document.edit(what, [](u8 *image) {
            image[levelOffset(0, 2, 5)] = 1;
            image[levelOffset(3, 4, 63)] = 2;
        });
        break;
    case 3:
        result = document.edit(what, [&](u8 *) {
            document.setByte(MixMode, 0, {ConfigEdit::Kind::Setting});
            document.setByte(PreviewFirstChannel, 9, {ConfigEdit::Kind::Setting});
        });
        break;
    case 4:
        result = document.setByte(ImageSize, 1, what);
        break;
    case 5:
        result = document.edit(what, [](u8 *image) {
            image[MixMode] = 0;
            image[MixMode] = 0xFF;
        });
        break;
    }
    QCOMPARE(result, changed);
    QCOMPARE(spy.count(), emitted);
    QCOMPARE(document.differsFrom(start), changed);
    if (emitted == 1) {
        const auto edit = spy[0][0].value<ConfigEdit>();
        QCOMPARE(edit.kind, ConfigEdit::Kind::SceneLevel); // the outer edit names it
        QCOMPARE(edit.source, static_cast<const void *>(this));
        QCOMPARE(spy[0][1].toByteArray(), start);
    }
}

void tst_ConfigDocument::snapshots()
{
    ConfigDocument document;
    const QByteArray start = document.snapshot();
    document.setByte(RcuSysAddr, 5, {ConfigEdit::Kind::RemoteAddress});
    const QByteArray edited = document.snapshot();
    QVERIFY(document.differsFrom(start));

    QSignalSpy spy(&document, &ConfigDocument::edited);
    QVERIFY(document.restore(start, {ConfigEdit::Kind::Restore}));
    QCOMPARE(document.snapshot(), start);
    QCOMPARE(spy.count(), 1);
    QVERIFY(!document.restore(start, {})); // nothing to change
    QVERIFY(!document.restore(edited.left(ImageSize - 1), {})); // not an image
    QVERIFY(!document.restore(edited + 'x', {}));
    QCOMPARE(document.snapshot(), start);
    QCOMPARE(spy.count(), 1);
    QVERIFY(document.differsFrom(start.left(10)));
}

void tst_ConfigDocument::withoutMemory()
{
    ConfigDocument document([](std::size_t) { return std::unique_ptr<u8[]>(); });
    QSignalSpy spy(&document, &ConfigDocument::edited);
    QVERIFY(!document.isValid());
    QVERIFY(!document.data());
    QVERIFY(!document.setByte(0, 1, {}));
    QVERIFY(!document.edit({}, [](u8 *) { QFAIL("no image to change"); }));
    QVERIFY(document.snapshot().isEmpty());
    QVERIFY(!document.contains(nullptr));
    QCOMPARE(spy.count(), 0);
}

QTEST_GUILESS_MAIN(tst_ConfigDocument)
#include "tst_configdocument.moc"
