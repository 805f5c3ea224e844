// When work would be lost: only while the image is in neither the last file nor the controller.

#include "model/configdocument.h"
#include "model/configlayout.h"
#include "model/savedstate.h"

#include <QSignalSpy>
#include <QTest>

using namespace ConfigLayout;

class tst_SavedState : public QObject
{
    Q_OBJECT

private slots:
    void atRisk();
};

void tst_SavedState::atRisk()
{
    ConfigDocument document;
    SavedState state(document);
    QSignalSpy changed(&state, &SavedState::atRiskChanged);
    QVERIFY(!state.atRisk()); // the defaults

    document.setByte(MixMode, 0, {ConfigEdit::Kind::Setting});
    QVERIFY(state.atRisk());
    state.inController(); // sent
    QVERIFY(!state.atRisk());

    document.setByte(MixMode, 0xFF, {ConfigEdit::Kind::Setting}); // back to the file's
    QVERIFY(!state.atRisk());
    document.setByte(PreviewFirstChannel, 3, {ConfigEdit::Kind::Setting});
    QVERIFY(state.atRisk());
    state.inFile(); // saved
    QVERIFY(!state.atRisk());

    document.setByte(PreviewFirstChannel, 4, {ConfigEdit::Kind::Setting});
    QVERIFY(state.atRisk());
    document.setByte(PreviewFirstChannel, 3, {ConfigEdit::Kind::Setting}); // undone by hand
    QVERIFY(!state.atRisk());
    QCOMPARE(changed.count(), 6);
}

QTEST_GUILESS_MAIN(tst_SavedState)
#include "tst_savedstate.moc"
