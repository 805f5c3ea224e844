// The function tables on their own, driven like a user: open a cell's editor, choose, commit with
// the keyboard or by clicking elsewhere; the image bytes and cell texts follow.

#include "controller/kelvo_controller_class.h"
#include "editors/funcchooser.h"
#include "editors/funcsetter.h"
#include "editors/inputdelegate.h"
#include "model/configclear.h"
#include "model/configlayout.h"
#include "model/functioncode.h"
#include "support/debugcapture.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QWindow>

#include <map>
#include <memory>

using namespace ConfigLayout;

namespace {
enum Table { Inputs, PowerOn, RemoteKeys };
} // namespace

class tst_Functions : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clearedConfiguration_data();
    void clearedConfiguration();
    void tableShape_data();
    void tableShape();
    void chooseAndCommit_data();
    void chooseAndCommit();
    void groupChoiceWaitsForTheCommit_data();
    void groupChoiceWaitsForTheCommit();
    void keyboardAloneChoosesGroupAndParameter_data();
    void keyboardAloneChoosesGroupAndParameter();
    void everyGroupRoundTrips_data();
    void everyGroupRoundTrips();
    void contactModes_data();
    void contactModes();
    void hiddenModeColumnHasNoEditor_data();
    void hiddenModeColumnHasNoEditor();
    void chooserShowsStoredCode_data();
    void chooserShowsStoredCode();
    void chooserLeavesOnlyWhenOutside_data();
    void chooserLeavesOnlyWhenOutside();
    void selRowSelectsWholeRow_data();
    void selRowSelectsWholeRow();

private:
    kelvo_controller_class *kelvo = nullptr;
    std::unique_ptr<QWidget> page;
    funcSetter *table = nullptr;

    u8 *image() { return kelvo->configImage(); }
    u8 *codesOf(Table which)
    {
        return image()
            + (which == Inputs        ? InputFunc
                   : which == PowerOn ? PowerOnFunc
                                      : RcuKeyFunc);
    }
    void build(Table which);
    funcChooser *openChooser(int row);
    QComboBox *openModeBox(int row);
    // The cursor over a widget's centre, or far outside the table.
    void cursorOver(QWidget *w);
    void cursorOutside();
    // The pointer moved off the chooser to a point far outside the table.
    void pointerLeaves(funcChooser *chooser);
    // A click on the row's key cell: another cell of the same table.
    void clickKeyCell(int row);
    // Runs the delegate's queued commit and deletes the closed editor.
    static void settle();
    QWidget *openEditor() const;
};

void tst_Functions::init()
{
    kelvo = new kelvo_controller_class; // starts with the clear-all defaults
    // An editor is committed and closed once, by the view that opened it.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("does not belong to this view")));
}

void tst_Functions::cleanup()
{
    page.reset();
    table = nullptr;
    delete kelvo;
    kelvo = nullptr;
}

void tst_Functions::build(Table which)
{
    page = std::make_unique<QWidget>();
    page->resize(851, 600);
    if (which == Inputs)
        table
            = new funcSetter(InputCount, image() + InputFunc, true, page.get(), &kelvo->document());
    else if (which == PowerOn)
        table = new funcSetter(1, image() + PowerOnFunc, false, page.get(), &kelvo->document());
    else
        table = new funcSetter(RcuKeyCount, image() + RcuKeyFunc, false, page.get(),
                               &kelvo->document());
    table->setGeometry(10, 20, 821, which == PowerOn ? 33 : 507);
    page->show();
    QCoreApplication::processEvents(); // enter and leave need the window exposed
    QVERIFY(page->windowHandle()->isExposed());
}

QWidget *tst_Functions::openEditor() const
{
    return table->viewport()->findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
}

funcChooser *tst_Functions::openChooser(int row)
{
    table->setCurrentCell(row, 2);
    table->scrollToItem(table->item(row, 2));
    // Opened with the pointer in the cell, as a double click leaves it.
    cursorOver(table->viewport());
    QCursor::setPos(
        table->viewport()->mapToGlobal(table->visualItemRect(table->item(row, 2)).center()));
    QTest::keyClick(table, Qt::Key_F2);
    return table->viewport()->findChild<funcChooser *>();
}

QComboBox *tst_Functions::openModeBox(int row)
{
    table->setCurrentCell(row, 1);
    QTest::keyClick(table, Qt::Key_F2);
    return qobject_cast<QComboBox *>(
        table->viewport()->findChild<QComboBox *>(QString(), Qt::FindDirectChildrenOnly));
}

void tst_Functions::cursorOver(QWidget *w)
{
    QCursor::setPos(w->mapToGlobal(w->rect().center()));
}

void tst_Functions::cursorOutside()
{
    QCursor::setPos(page->mapToGlobal(QPoint(845, 5)));
}

void tst_Functions::pointerLeaves(funcChooser *chooser)
{
    QTest::mouseMove(chooser->groupBox());
    cursorOutside();
    QTest::mouseMove(page.get(), QPoint(845, 5));
}

void tst_Functions::clickKeyCell(int row)
{
    const QRect cell = table->visualItemRect(table->item(row, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

void tst_Functions::settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// --- What the tables show ------------------------------------------------------------------------

void tst_Functions::clearedConfiguration_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("rows");
    QTest::newRow("inputs") << int(Inputs) << InputCount;
    QTest::newRow("power on") << int(PowerOn) << 1;
    QTest::newRow("remote keys") << int(RemoteKeys) << RcuKeyCount;
}

void tst_Functions::clearedConfiguration()
{
    QFETCH(int, which);
    QFETCH(int, rows);
    // Something else shown first, so the texts below come from refresh().
    std::fill(image(), image() + ImageSize, u8(0));
    build(Table(which));
    kelvo->ClearConfig(ClearFlags::All);
    table->refresh();

    QCOMPARE(table->rowCount(), rows);
    for (int row = 0; row < rows; ++row) {
        QCOMPARE(table->item(row, 2)->text(), QStringLiteral("No action"));
        if (which == Inputs)
            QCOMPARE(table->item(row, 1)->text(), QStringLiteral("N/O"));
    }
}

void tst_Functions::tableShape_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<bool>("modeShown");
    QTest::addColumn<bool>("headerShown");
    QTest::addColumn<int>("keyWidth");
    QTest::addColumn<QString>("lastKey");

    QTest::newRow("inputs") << int(Inputs) << QStringList {"Key No.", "Mode", "Associated action"}
                            << true << true << 100 << "  Key 8";
    QTest::newRow("power on, mode column and header hidden")
        << int(PowerOn) << QStringList {"Key No.", "  ", "Associated action"} << false << false
        << 160 << "  Power On";
    QTest::newRow("remote keys") << int(RemoteKeys)
                                 << QStringList {"Key No.", "  ", "Associated action"} << false
                                 << true << 160 << "  Key 64";
}

void tst_Functions::tableShape()
{
    QFETCH(int, which);
    QFETCH(QStringList, headers);
    QFETCH(bool, modeShown);
    QFETCH(bool, headerShown);
    QFETCH(int, keyWidth);
    QFETCH(QString, lastKey);
    build(Table(which));

    QCOMPARE(table->columnCount(), 3);
    for (int c = 0; c < 3; ++c)
        QCOMPARE(table->horizontalHeaderItem(c)->text(), headers[c]);
    QCOMPARE(!table->isColumnHidden(1), modeShown);
    QCOMPARE(table->horizontalHeader()->isVisible(), headerShown);
    QVERIFY(!table->verticalHeader()->isVisible());
    QCOMPARE(table->columnWidth(0), keyWidth);
    QCOMPARE(table->columnWidth(2), 600);
    QCOMPARE(table->item(table->rowCount() - 1, 0)->text(), lastKey);
    for (int row = 0; row < table->rowCount(); ++row)
        QCOMPARE(table->rowHeight(row), 30);
}

// --- Choosing an action --------------------------------------------------------------------------

void tst_Functions::chooseAndCommit_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("group"); // chosen in the combo box; -1 leaves it
    QTest::addColumn<int>("parameter"); // typed into the spin box; 0 leaves it
    QTest::addColumn<QString>("commit"); // "return", "enter", "tab", "click" on another cell
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("program 5 on input 1, Return") << int(Inputs) << 0 << 255 << 15 << 5 << "return"
                                                  << 34 << "Load and run chosen program : 5";
    QTest::newRow("program 5 on input 1, click on another cell")
        << int(Inputs) << 0 << 255 << 15 << 5 << "click" << 34 << "Load and run chosen program : 5";
    QTest::newRow("program 5 on a remote key, Tab")
        << int(RemoteKeys) << 40 << 255 << 15 << 5 << "tab" << 34
        << "Load and run chosen program : 5";
    QTest::newRow("stored 100 unchanged, Return")
        << int(Inputs) << 5 << 100 << -1 << 0 << "return" << 100 << "Toggle chosen scene : 63";
    QTest::newRow("stored 100 unchanged, click on another cell")
        << int(RemoteKeys) << 63 << 100 << -1 << 0 << "click" << 100 << "Toggle chosen scene : 63";
    QTest::newRow("stored 254 unchanged on power on, keypad Enter")
        << int(PowerOn) << 0 << 254 << -1 << 0 << "enter" << 254 << "Toggle chosen scene : 217";
    QTest::newRow("stored 100, new parameter 3")
        << int(Inputs) << 2 << 100 << -1 << 3 << "return" << 40 << "Toggle chosen scene : 3";
    QTest::newRow("scene 16 to no action, click on another cell")
        << int(PowerOn) << 0 << 28 << 17 << 0 << "click" << 255 << "No action";
}

void tst_Functions::chooseAndCommit()
{
    QFETCH(int, which);
    QFETCH(int, row);
    QFETCH(int, stored);
    QFETCH(int, group);
    QFETCH(int, parameter);
    QFETCH(QString, commit);
    QFETCH(int, code);
    QFETCH(QString, text);

    u8 *codes = codesOf(Table(which));
    codes[row] = u8(stored);
    build(Table(which));
    const QByteArray before(reinterpret_cast<const char *>(image()), ImageSize);

    funcChooser *chooser = openChooser(row);
    QVERIFY(chooser);
    QVERIFY(chooser->isVisible());
    cursorOver(chooser);
    if (group >= 0)
        chooser->groupBox()->setCurrentIndex(group);
    if (parameter > 0) {
        QSpinBox *spin = chooser->parameterBox();
        QVERIFY(spin->isVisible());
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, QString::number(parameter));
        QCOMPARE(spin->value(), parameter);
    }
    // The pointer leaving the chooser is no commit.
    pointerLeaves(chooser);
    QCOMPARE(codes[row], u8(stored)); // nothing written before the commit
    QCOMPARE(openEditor(), chooser);

    if (commit == QLatin1String("click")) {
        clickKeyCell(row);
    } else {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        const Qt::Key key = commit == QLatin1String("return") ? Qt::Key_Return
            : commit == QLatin1String("enter")                ? Qt::Key_Enter
                                                              : Qt::Key_Tab;
        QTest::keyClick(focus, key);
    }
    settle();

    QVERIFY(!table->viewport()->findChild<funcChooser *>());
    QCOMPARE(int(codes[row]), code);
    QCOMPARE(table->item(row, 2)->text(), text);
    QByteArray after(reinterpret_cast<const char *>(image()), ImageSize);
    const qsizetype at = qsizetype(codes - image()) + row;
    after[at] = before[at];
    QCOMPARE(after, before); // no other byte
}

void tst_Functions::groupChoiceWaitsForTheCommit_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("choose"); // "down"/"up": a key in the combo box; "list": a click
    QTest::addColumn<int>("group"); // chosen
    QTest::addColumn<int>("parameter"); // typed into the spin box after a click on it; 0: none
    QTest::addColumn<QString>("commit"); // "return", "enter", "tab", "cell", "elsewhere", "escape"
    QTest::addColumn<int>("code"); // stored afterwards

    QTest::newRow("scene 7 chosen with the keys, Return")
        << int(Inputs) << 0 << 12 << "down" << 13 << 7 << "return" << 19;
    QTest::newRow("scene 16 chosen in the list, Tab")
        << int(Inputs) << 4 << 255 << "list" << 13 << 16 << "tab" << 28;
    QTest::newRow("program 3 chosen with the keys, keypad Enter")
        << int(RemoteKeys) << 10 << 29 << "down" << 15 << 3 << "enter" << 32;
    QTest::newRow("toggle scene 2 chosen in the list, click on another cell")
        << int(RemoteKeys) << 2 << 0 << "list" << 16 << 2 << "cell" << 39;
    QTest::newRow("scene 9 on power on, click on another widget")
        << int(PowerOn) << 0 << 255 << "list" << 13 << 9 << "elsewhere" << 21;
    QTest::newRow("a group without parameter, click on another widget")
        << int(Inputs) << 7 << 13 << "up" << 12 << 0 << "elsewhere" << 12;
    QTest::newRow("scene 5 chosen in the list, Escape keeps the stored code")
        << int(Inputs) << 1 << 100 << "list" << 13 << 5 << "escape" << 100;
    QTest::newRow("program 8 chosen with the keys, Escape keeps the stored code")
        << int(PowerOn) << 0 << 29 << "down" << 15 << 8 << "escape" << 29;
}

// The pointer is outside the chooser all along, as when it was opened with the keyboard or left
// for the list of groups: neither the group change nor the pointer commits, only the user does.
void tst_Functions::groupChoiceWaitsForTheCommit()
{
    QFETCH(int, which);
    QFETCH(int, row);
    QFETCH(int, stored);
    QFETCH(QString, choose);
    QFETCH(int, group);
    QFETCH(int, parameter);
    QFETCH(QString, commit);
    QFETCH(int, code);

    u8 *codes = codesOf(Table(which));
    codes[row] = u8(stored);
    build(Table(which));
    auto *elsewhere = new QLineEdit(page.get());
    elsewhere->setGeometry(10, 540, 200, 24);
    elsewhere->show();
    const QByteArray before(reinterpret_cast<const char *>(image()), ImageSize);
    auto *delegate = qobject_cast<input_delegate *>(table->itemDelegate());
    QVERIFY(delegate);
    QSignalSpy commits(delegate, &input_delegate::forceRefresh);

    table->setCurrentCell(row, 2);
    table->scrollToItem(table->item(row, 2));
    cursorOutside();
    QTest::keyClick(table, Qt::Key_F2);
    // Guarded: a chooser committed too early is deleted.
    const QPointer<funcChooser> chooser = table->viewport()->findChild<funcChooser *>();
    QVERIFY(chooser);
    QVERIFY(chooser->isVisible());
    // The keyboard goes to the groups at once.
    QCOMPARE(QApplication::focusWidget(), chooser->groupBox());

    if (choose == QLatin1String("list")) {
        QComboBox *combo = chooser->groupBox();
        combo->showPopup();
        const QPointer<QAbstractItemView> list = combo->view();
        QTRY_VERIFY(list->isVisible());
        const QModelIndex item = list->model()->index(group, 0);
        list->scrollTo(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
        QTRY_VERIFY(!list || !list->isVisible());
        // The offscreen platform activates the list's window only once it is closed; the
        // page is active again, as on a desktop.
        QCoreApplication::processEvents();
        page->activateWindow();
        QTRY_VERIFY(QApplication::focusWidget() == combo || !chooser);
        QVERIFY2(chooser, "the group change closed the chooser");
    } else {
        QTest::keyClick(QApplication::focusWidget(),
                        choose == QLatin1String("down") ? Qt::Key_Down : Qt::Key_Up);
    }
    cursorOutside();
    settle();
    QCOMPARE(commits.count(), 0);
    QCOMPARE(int(codes[row]), stored);
    QVERIFY2(chooser, "the group change closed the chooser");
    QCOMPARE(openEditor(), chooser.data());
    QCOMPARE(chooser->groupBox()->currentIndex(), group);

    QSpinBox *spin = chooser->parameterBox();
    QCOMPARE(spin->isVisible(), parameter > 0);
    if (parameter > 0) {
        QCOMPARE(spin->value(), 1);
        QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(8, spin->height() / 2));
        QCOMPARE(QApplication::focusWidget(), spin);
        spin->selectAll();
        QTest::keyClicks(spin, QString::number(parameter));
        QCOMPARE(spin->value(), parameter);
        pointerLeaves(chooser);
        settle();
        QCOMPARE(commits.count(), 0);
        QCOMPARE(int(codes[row]), stored);
        QVERIFY2(chooser, "the pointer leaving closed the chooser");
        QCOMPARE(openEditor(), chooser.data());
    }

    if (commit == QLatin1String("cell")) {
        clickKeyCell(row);
    } else if (commit == QLatin1String("elsewhere")) {
        QTest::mouseClick(elsewhere, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), elsewhere);
    } else {
        const Qt::Key key = commit == QLatin1String("return") ? Qt::Key_Return
            : commit == QLatin1String("enter")                ? Qt::Key_Enter
            : commit == QLatin1String("tab")                  ? Qt::Key_Tab
                                                              : Qt::Key_Escape;
        QTest::keyClick(QApplication::focusWidget(), key,
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }
    settle();

    QVERIFY(!table->viewport()->findChild<funcChooser *>());
    QCOMPARE(int(codes[row]), code);
    QCOMPARE(commits.count(), commit == QLatin1String("escape") ? 0 : 1);
    QByteArray after(reinterpret_cast<const char *>(image()), ImageSize);
    const qsizetype at = qsizetype(codes - image()) + row;
    after[at] = before[at];
    QCOMPARE(after, before); // no other byte
}

void tst_Functions::keyboardAloneChoosesGroupAndParameter_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("keys"); // pressed in turn after F2; digits are typed
    QTest::addColumn<int>("code");

    QTest::newRow("group with Up, Tab to the scene, Return")
        << 255 << "up up up up tab 7 return" << 19;
    QTest::newRow("Tab to the program, Tab on commits") << 30 << "tab 3 tab" << 32;
    QTest::newRow("Shift+Tab back to the group, then another one")
        << 13 << "tab backtab down down tab 2 enter" << 31;
    QTest::newRow("no parameter: Tab commits at once") << 13 << "up tab" << 12;
}

void tst_Functions::keyboardAloneChoosesGroupAndParameter()
{
    QFETCH(int, stored);
    QFETCH(QString, keys);
    QFETCH(int, code);

    image()[InputFunc + 3] = u8(stored);
    build(Inputs);
    table->setCurrentCell(3, 2);
    cursorOutside();
    QTest::keyClick(table, Qt::Key_F2);
    QVERIFY(table->viewport()->findChild<funcChooser *>());

    static const std::map<QString, std::pair<Qt::Key, Qt::KeyboardModifiers>> named {
        {"up", {Qt::Key_Up, {}}},         {"down", {Qt::Key_Down, {}}},
        {"tab", {Qt::Key_Tab, {}}},       {"backtab", {Qt::Key_Backtab, Qt::ShiftModifier}},
        {"return", {Qt::Key_Return, {}}}, {"enter", {Qt::Key_Enter, Qt::KeypadModifier}},
    };
    for (const QString &key : keys.split(QLatin1Char(' '))) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        if (const auto it = named.find(key); it != named.end())
            QTest::keyClick(focus, it->second.first, it->second.second);
        else
            QTest::keyClicks(focus, key);
    }
    settle();

    QVERIFY(!table->viewport()->findChild<funcChooser *>());
    QCOMPARE(int(image()[InputFunc + 3]), code);
}

void tst_Functions::everyGroupRoundTrips_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("parameter"); // 0: none
    QTest::addColumn<int>("code");

    for (int g = 0; g < FunctionCode::GroupCount; ++g) {
        const FunctionCode::Group &group = FunctionCode::groups[g];
        if (group.count < 2) {
            QTest::addRow("%s", group.text) << g << 0 << int(group.first);
        } else {
            QTest::addRow("%s 1", group.text) << g << 1 << int(group.first);
            QTest::addRow("%s %d", group.text, group.count)
                << g << group.count << group.first + group.count - 1;
        }
    }
}

void tst_Functions::everyGroupRoundTrips()
{
    QFETCH(int, group);
    QFETCH(int, parameter);
    QFETCH(int, code);
    // From another group, so the choice is a change.
    image()[RcuKeyFunc + 7] = group == 17 ? 0 : 255;
    build(RemoteKeys);

    funcChooser *chooser = openChooser(7);
    QVERIFY(chooser);
    cursorOver(chooser);
    chooser->groupBox()->setCurrentIndex(group);
    QCOMPARE(chooser->parameterBox()->isVisible(), parameter > 0);
    if (parameter > 0) {
        QCOMPARE(chooser->parameterBox()->maximum(), FunctionCode::groups[group].count);
        chooser->parameterBox()->selectAll();
        QTest::keyClicks(chooser->parameterBox(), QString::number(parameter));
        QCOMPARE(chooser->parameterBox()->value(), parameter);
    }
    QTest::keyClick(chooser->groupBox(), Qt::Key_Return);
    settle();

    QCOMPARE(int(image()[RcuKeyFunc + 7]), code);
    QString text = QString::fromLatin1(FunctionCode::groups[group].text);
    if (parameter > 0)
        text += QStringLiteral(" : %1").arg(parameter);
    QCOMPARE(table->item(7, 2)->text(), text);

    // And back: the stored code opens the chooser on the same choice.
    funcChooser *again = openChooser(7);
    QVERIFY(again);
    QCOMPARE(again->groupBox()->currentIndex(), group);
    if (parameter > 0)
        QCOMPARE(again->parameterBox()->value(), parameter);
    QCOMPARE(again->getFunc(), code);
}

void tst_Functions::contactModes_data()
{
    QTest::addColumn<int>("input"); // 0-based
    QTest::addColumn<int>("usedBefore");
    QTest::addColumn<int>("noBefore");
    QTest::addColumn<QString>("shownInEditor");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<int>("used");
    QTest::addColumn<int>("no");
    QTest::addColumn<QString>("text");

    QTest::newRow("N/U on input 3 clears only its used bit")
        << 2 << 0xFF << 0xFF << "N/O" << QStringList {"N/U"} << 0xFB << 0xFF << "N/U";
    QTest::newRow("N/U then N/C on input 3")
        << 2 << 0xFF << 0xFF << "N/O" << QStringList {"N/U", "N/C"} << 0xFF << 0xFB << "N/C";
    QTest::newRow("N/C then N/U keeps the cleared normally-open bit")
        << 2 << 0xFF << 0xFF << "N/O" << QStringList {"N/C", "N/U"} << 0xFB << 0xFB << "N/U";
    QTest::newRow("N/O on a normally closed input 8")
        << 7 << 0xFF << 0x7F << "N/C" << QStringList {"N/O"} << 0xFF << 0xFF << "N/O";
    QTest::newRow("N/O on an unused input 1 sets both bits")
        << 0 << 0x00 << 0x00 << "N/U" << QStringList {"N/O"} << 0x01 << 0x01 << "N/O";
    QTest::newRow("unchanged N/U on input 5 writes nothing")
        << 4 << 0xEF << 0x00 << "N/U" << QStringList {"N/U"} << 0xEF << 0x00 << "N/U";
}

void tst_Functions::contactModes()
{
    QFETCH(int, input);
    QFETCH(int, usedBefore);
    QFETCH(int, noBefore);
    QFETCH(QString, shownInEditor);
    QFETCH(QStringList, choices);
    QFETCH(int, used);
    QFETCH(int, no);
    QFETCH(QString, text);

    image()[InputUsedMask] = u8(usedBefore);
    image()[InputNoMask] = u8(noBefore);
    build(Inputs);
    QCOMPARE(table->item(input, 1)->text(), shownInEditor);

    for (qsizetype i = 0; i < choices.size(); ++i) {
        QComboBox *box = openModeBox(input);
        QVERIFY(box);
        QCOMPARE(box->count(), 3);
        QCOMPARE(box->itemData(0).toInt(), 0);
        QCOMPARE(box->itemData(1).toInt(), 1);
        QCOMPARE(box->itemData(2).toInt(), -1);
        if (i == 0)
            QCOMPARE(box->currentText(), shownInEditor);
        box->setCurrentIndex(box->findText(choices[i]));
        QTest::keyClick(box, Qt::Key_Return);
        settle();
        QVERIFY(!table->viewport()->findChild<QComboBox *>());
        QCOMPARE(table->item(input, 1)->text(), choices[i]);
    }
    QCOMPARE(int(image()[InputUsedMask]), used);
    QCOMPARE(int(image()[InputNoMask]), no);
    QCOMPARE(table->item(input, 1)->text(), text);
}

void tst_Functions::hiddenModeColumnHasNoEditor_data()
{
    QTest::addColumn<int>("which"); // Table
    QTest::addColumn<int>("row");
    QTest::newRow("power on") << int(PowerOn) << 0;
    QTest::newRow("remote key 1") << int(RemoteKeys) << 0;
    QTest::newRow("remote key 40") << int(RemoteKeys) << 39;
    QTest::newRow("remote key 64") << int(RemoteKeys) << 63;
}

void tst_Functions::hiddenModeColumnHasNoEditor()
{
    QFETCH(int, which);
    QFETCH(int, row);

    build(Table(which));
    const QByteArray before(reinterpret_cast<const char *>(image()), ImageSize);
    // As "Select from RCU" leaves it: the row selected, its hidden mode cell current.
    table->selRow(row);
    table->setFocus();
    for (const int key : {int(Qt::Key_F2), int(Qt::Key_N), int(Qt::Key_Down), int(Qt::Key_Up)}) {
        QTest::keyClick(table, Qt::Key(key));
        QVERIFY2(!openEditor(), "an editor opened in the hidden mode column");
        QTest::keyClick(table, Qt::Key_Return);
        settle();
    }
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(image()), ImageSize), before);
}

// --- The chooser itself --------------------------------------------------------------------------

void tst_Functions::chooserShowsStoredCode_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("group");
    QTest::addColumn<bool>("spinShown");
    QTest::addColumn<int>("spinValue");

    QTest::newRow("0 load next scene") << 0 << 0 << false << 0;
    QTest::newRow("15 scene 3") << 15 << 13 << true << 3;
    QTest::newRow("29 special scene") << 29 << 14 << false << 0;
    QTest::newRow("37 program 8") << 37 << 15 << true << 8;
    QTest::newRow("53 toggle scene 16") << 53 << 16 << true << 16;
    QTest::newRow("54 past the range shows 16") << 54 << 16 << true << 16;
    QTest::newRow("100 past the range shows 16") << 100 << 16 << true << 16;
    QTest::newRow("254 past the range shows 16") << 254 << 16 << true << 16;
    QTest::newRow("255 no action") << 255 << 17 << false << 0;
}

void tst_Functions::chooserShowsStoredCode()
{
    QFETCH(int, code);
    QFETCH(int, group);
    QFETCH(bool, spinShown);
    QFETCH(int, spinValue);

    QWidget host;
    funcChooser chooser(4, code, &host);
    host.show();
    QCOMPARE(chooser.row(), 4);
    QCOMPARE(chooser.groupBox()->count(), FunctionCode::GroupCount);
    QCOMPARE(chooser.groupBox()->currentIndex(), group);
    QCOMPARE(chooser.parameterBox()->isVisible(), spinShown);
    if (spinShown)
        QCOMPARE(chooser.parameterBox()->value(), spinValue);
    QCOMPARE(chooser.getFunc(), code);
    QVERIFY(chooser.testAttribute(Qt::WA_Hover));
    QCOMPARE(chooser.groupBox()->geometry(), QRect(3, 4, 300, 20));
    QCOMPARE(chooser.parameterBox()->geometry(), QRect(355, 4, 60, 20));
}

void tst_Functions::chooserLeavesOnlyWhenOutside_data()
{
    QTest::addColumn<QStringList>("path"); // "combo", "spin", "outside"
    QTest::addColumn<int>("leaves");

    QTest::newRow("combo box onto the spin box") << QStringList {"combo", "spin"} << 0;
    QTest::newRow("spin box onto the combo box") << QStringList {"spin", "combo"} << 0;
    QTest::newRow("combo box out of the chooser") << QStringList {"combo", "outside"} << 1;
    QTest::newRow("out, in and out again")
        << QStringList {"spin", "outside", "combo", "outside"} << 2;
}

void tst_Functions::chooserLeavesOnlyWhenOutside()
{
    QFETCH(QStringList, path);
    QFETCH(int, leaves);

    QWidget host;
    host.resize(500, 120);
    funcChooser chooser(0, 20, &host);
    chooser.setGeometry(10, 20, 430, 28);
    host.show();
    QCoreApplication::processEvents();
    QVERIFY(host.windowHandle()->isExposed());
    QTest::mouseMove(&host, QPoint(5, 110));
    QList<QWidget *> left;
    connect(&chooser, &funcChooser::leaved, [&](QWidget *w) { left << w; });

    for (const QString &where : path) {
        if (where == QLatin1String("combo"))
            QTest::mouseMove(chooser.groupBox());
        else if (where == QLatin1String("spin"))
            QTest::mouseMove(chooser.parameterBox());
        else
            QTest::mouseMove(&host, QPoint(480, 100));
    }
    QCOMPARE(left.size(), leaves);
    for (QWidget *w : left)
        QCOMPARE(w, &chooser);
}

// --- Selecting a row -----------------------------------------------------------------------------

void tst_Functions::selRowSelectsWholeRow_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("first") << 0;
    QTest::newRow("last") << 63;
    QTest::newRow("none") << -1;
}

void tst_Functions::selRowSelectsWholeRow()
{
    QFETCH(int, row);
    build(RemoteKeys);
    table->selRow(9); // something selected before
    table->selRow(row);

    QList<int> rows;
    for (const QModelIndex &i : table->selectionModel()->selectedIndexes())
        rows << i.row();
    if (row < 0) {
        QVERIFY(rows.isEmpty());
        QVERIFY(!table->currentIndex().isValid());
    } else {
        QCOMPARE(rows, QList<int>(3, row));
        QCOMPARE(table->currentRow(), row);
        QCOMPARE(table->currentColumn(), 1);
    }
}

QTEST_MAIN(tst_Functions)
#include "tst_functions.moc"
