// Every change of the image made in the window is one edit of the document, and showing the
// image is none: what undo, the modified marker and "compare" are built on.

#include "editors/funcchooser.h"
#include "editors/funcsetter.h"
#include "editors/mytimeedit.h"
#include "editors/program_conf_widget.h"
#include "model/configclear.h"
#include "model/configlayout.h"
#include "model/functioncode.h"
#include "support/windowrig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <functional>
#include <map>
#include <memory>

using namespace ConfigLayout;
using Kind = ConfigEdit::Kind;

Q_DECLARE_METATYPE(ConfigEdit::Kind)

class tst_DocumentEdits : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void oneSignalPerEdit_data();
    void oneSignalPerEdit();
    void undoAndRedoEveryEdit_data();
    void undoAndRedoEveryEdit();
    void showingTheImageIsNoEdit();
    void sliderDragIsOneSourceAndKeepsItsPlace();

private:
    std::unique_ptr<WindowRig> rig;
    QSlider *sceneSlider(int column);
};

namespace {

// Each edit as the user makes it, from the page it is on.
using Edit = std::function<void(WindowRig &)>;

// A cell of a function table edited as its delegate does: editor opened, filled from the image,
// changed by `choose`, committed.
void commitCell(WindowRig &r, const char *table, int row, int column,
                const std::function<void(QWidget *)> &choose)
{
    auto *view = r.child<funcSetter>(table);
    QAbstractItemDelegate *delegate = view->itemDelegate();
    const QModelIndex index = view->model()->index(row, column);
    std::unique_ptr<QWidget> editor(delegate->createEditor(view->viewport(), {}, index));
    delegate->setEditorData(editor.get(), index);
    choose(editor.get());
    delegate->setModelData(editor.get(), view->model(), index);
}

void chooseCode(QWidget *editor)
{
    static_cast<funcChooser *>(editor)->applyFunc(0x03);
}

const std::map<QString, Edit> &edits()
{
    static const std::map<QString, Edit> table {
        {"scene level",
         [](WindowRig &r) {
             r.showPage(1);
             r.child<QWidget>("sceneChannels")->findChildren<QSlider *>()[2]->setValue(200);
         }},
        {"scene rise time",
         [](WindowRig &r) {
             r.showPage(1);
             r.child<MyTimeEdit>("teSceneRise")->setTime(QTime(0, 0, 2, 500));
         }},
        {"scene infinite",
         [](WindowRig &r) {
             r.showPage(1);
             r.child<QCheckBox>("cbInfinite")->click();
         }},
        {"program step count",
         [](WindowRig &r) {
             r.showPage(2);
             r.child<QSpinBox>("sbStepCount")->setValue(5);
         }},
        {"program loop",
         [](WindowRig &r) {
             r.showPage(2);
             r.child<QCheckBox>("cbLoop")->click();
         }},
        {"program runs on",
         [](WindowRig &r) {
             r.showPage(2);
             r.child<QCheckBox>("cbContinued")->click();
         }},
        {"insert step",
         [](WindowRig &r) {
             r.showPage(2);
             auto *table = r.child<program_conf_widget>("programTable");
             table->setCurrentIndex(table->model()->index(0, 0));
             r.click("pbInsertStep");
         }},
        {"delete step",
         [](WindowRig &r) {
             r.showPage(2); // the program has three steps (set up in init)
             auto *table = r.child<program_conf_widget>("programTable");
             table->selectRow(1);
             r.script.answers << Prompts::Yes;
             r.click("pbDeleteStep");
         }},
        {"copy scenes",
         [](WindowRig &r) {
             r.showPage(3);
             r.child<QSpinBox>("sbSrcSc")->setValue(1);
             r.child<QSpinBox>("sbDstSc")->setValue(4);
             r.child<QSpinBox>("sbNoSc")->setValue(2);
             r.click("btnCopySc");
         }},
        {"special scene red",
         [](WindowRig &r) {
             r.showPage(0, 2);
             r.child<QWidget>("columnRed")->findChild<QSlider *>()->setValue(99);
         }},
        {"special scene first channel",
         [](WindowRig &r) {
             r.showPage(0, 2);
             auto *box = r.child<QSpinBox>("sbFirstChannel");
             box->setValue(7);
             QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
         }},
        {"special scene rise time",
         [](WindowRig &r) {
             r.showPage(0, 2);
             r.child<MyTimeEdit>("teSpecialRise")->setTime(QTime(0, 0, 4));
         }},
        {"preview channel",
         [](WindowRig &r) {
             r.showPage(0, 2);
             r.child<QSpinBox>("sbPreview")->setValue(10);
         }},
        {"mix mode",
         [](WindowRig &r) {
             r.showPage(0, 2);
             r.child<QRadioButton>("rbProportional")->click();
         }},
        {"clear scenes",
         [](WindowRig &r) {
             r.kelvo.ClearConfig(ClearFlags::Scenes);
         }},
        {"input action",
         [](WindowRig &r) {
             r.showPage(0, 0);
             commitCell(r, "inputTable", 2, 2, chooseCode);
         }},
        {"contact mode",
         [](WindowRig &r) {
             r.showPage(0, 0);
             commitCell(r, "inputTable", 5, 1, [](QWidget *e) {
                 static_cast<QComboBox *>(e)->setCurrentIndex(1); // N/C
             });
         }},
        {"power-on action",
         [](WindowRig &r) {
             r.showPage(0, 0);
             commitCell(r, "powerOnTable", 0, 2, chooseCode);
         }},
        {"remote key action",
         [](WindowRig &r) {
             r.showPage(0, 1);
             commitCell(r, "remoteKeyTable", 40, 2, chooseCode);
         }},
    };
    return table;
}

} // namespace

void tst_DocumentEdits::init()
{
    rig = std::make_unique<WindowRig>();
    // Scene 1 differs from the others, so that copying it changes bytes; program 1 has three steps.
    QByteArray bytes = rig->image();
    for (int c = 0; c < ChannelCount; ++c)
        bytes[levelOffset(0, 0, c)] = char(c + 1);
    setStepTime(reinterpret_cast<u8 *>(bytes.data()), 1, 2, FallTime, 0);
    rig->setImage(bytes);
    rig->window->refresh();
    rig->window->show();
}

void tst_DocumentEdits::cleanup()
{
    rig.reset();
}

QSlider *tst_DocumentEdits::sceneSlider(int column)
{
    return rig->child<QWidget>("sceneChannels")->findChildren<QSlider *>()[column];
}

void tst_DocumentEdits::oneSignalPerEdit_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<Kind>("kind");
    const std::map<QString, Kind> kinds {
        {"scene level", Kind::SceneLevel},
        {"scene rise time", Kind::StepTime},
        {"scene infinite", Kind::StepTime},
        {"program step count", Kind::ProgramShape},
        {"program loop", Kind::ProgramShape},
        {"program runs on", Kind::ProgramShape},
        {"insert step", Kind::Steps},
        {"delete step", Kind::Steps},
        {"copy scenes", Kind::Copy},
        {"special scene red", Kind::SpecialScene},
        {"special scene first channel", Kind::SpecialScene},
        {"special scene rise time", Kind::SpecialScene},
        {"preview channel", Kind::Setting},
        {"mix mode", Kind::Setting},
        {"clear scenes", Kind::Clear},
        {"input action", Kind::Action},
        {"contact mode", Kind::ContactMode},
        {"power-on action", Kind::Action},
        {"remote key action", Kind::Action},
    };
    QCOMPARE(kinds.size(), edits().size());
    for (const auto &[name, kind] : kinds)
        QTest::newRow(qPrintable(name)) << name << kind;
}

void tst_DocumentEdits::oneSignalPerEdit()
{
    QFETCH(QString, edit);
    QFETCH(Kind, kind);

    QList<ConfigEdit> seen;
    QList<QByteArray> before;
    connect(&rig->kelvo.document(), &ConfigDocument::edited, this,
            [&](const ConfigEdit &e, const QByteArray &b) {
                seen << e;
                before << b;
            });
    const QByteArray start = rig->image();
    edits().at(edit)(*rig);
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].kind, kind);
    QCOMPARE(before[0], start); // the signal carries the image before the edit
    QVERIFY(rig->image() != start);
}

void tst_DocumentEdits::undoAndRedoEveryEdit_data()
{
    QTest::addColumn<QString>("edit");
    for (const auto &entry : edits())
        QTest::newRow(qPrintable(entry.first)) << entry.first;
}

void tst_DocumentEdits::undoAndRedoEveryEdit()
{
    QFETCH(QString, edit);

    QUndoStack &stack = rig->session.history().stack();
    stack.clear();
    const QByteArray before = rig->image();
    edits().at(edit)(*rig);
    const QByteArray after = rig->image();
    QCOMPARE(stack.count(), 1);
    QVERIFY(rig->window->isWindowModified());

    stack.undo();
    QCOMPARE(rig->image(), before);
    QVERIFY(!rig->window->isWindowModified());
    stack.redo();
    QCOMPARE(rig->image(), after);
    // Showing what undo and redo put back wrote nothing of its own.
    QCOMPARE(stack.count(), 1);
    QCOMPARE(stack.index(), 1);
}

void tst_DocumentEdits::showingTheImageIsNoEdit()
{
    // Every value the pages can show differs from what a fresh window shows.
    QByteArray bytes = rig->image();
    bytes[PreviewFirstChannel] = 12;
    bytes[MixMode] = 0;
    bytes[SpecialLevelGreen] = 77;
    bytes[SpecialFirstChannel] = 4;
    bytes[SpecialLastChannel] = 40;
    bytes[InputFunc + 2] = char(0x13);
    bytes[InputUsedMask] = char(0x0F);
    for (int step = 0; step < 3; ++step)
        setStepTime(reinterpret_cast<u8 *>(bytes.data()), 2, step, RiseTime, u16(5 * step));
    rig->setImage(bytes);

    QSignalSpy spy(&rig->kelvo.document(), &ConfigDocument::edited);
    rig->window->refresh();
    for (int settings = 0; settings < 3; ++settings) {
        rig->showPage(0, settings);
        rig->window->refresh();
    }
    for (int main = 1; main < 4; ++main) {
        rig->showPage(main);
        rig->window->refresh();
    }
    rig->showPage(1);
    rig->child<QSpinBox>("sbProgram")->setValue(3);
    rig->child<QSpinBox>("sbStep")->setValue(2);
    rig->child<QScrollBar>("scrollChannels")->setValue(30);
    rig->showPage(2);
    rig->child<QSpinBox>("sbProgP")->setValue(2);
    rig->child<QSpinBox>("sbProgP")->setValue(5);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(rig->image(), bytes);
}

void tst_DocumentEdits::sliderDragIsOneSourceAndKeepsItsPlace()
{
    rig->showPage(1);
    QList<ConfigEdit> seen;
    connect(&rig->kelvo.document(), &ConfigDocument::edited, this,
            [&](const ConfigEdit &e) { seen << e; });
    for (int value = 10; value <= 50; value += 10)
        sceneSlider(4)->setValue(value);
    sceneSlider(5)->setValue(3);
    QCOMPARE(seen.size(), 6);
    // A drag is a run of edits from one control, at one place: what undo merges.
    for (int i = 1; i < 5; ++i) {
        QCOMPARE(seen[i].source, seen[0].source);
        QCOMPARE(seen[i].index, 4);
        QCOMPARE(seen[i].page, 0);
        QCOMPARE(seen[i].step, 0);
    }
    QVERIFY(seen[5].source != seen[0].source || seen[5].index != seen[0].index);
}

QTEST_MAIN(tst_DocumentEdits)
#include "tst_documentedits.moc"
