// The function tables on their own, driven like a user: open a cell's editor, choose, commit with
// the keyboard or by leaving the chooser with the mouse; the image bytes and cell texts follow.

#include "controller/kelvo_controller_class.h"
#include "editors/funcchooser.h"
#include "editors/funcsetter.h"
#include "model/configclear.h"
#include "model/configlayout.h"
#include "model/functioncode.h"
#include "support/debugcapture.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QHeaderView>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QWindow>

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
    void build(Table which);
    funcChooser *openChooser(int row);
    QComboBox *openModeBox(int row);
    // The cursor over a widget's centre, or far outside the table.
    void cursorOver(QWidget *w);
    void cursorOutside();
    // Runs the delegate's queued commit and deletes the closed editor.
    static void settle();
    QWidget *openEditor() const;
};

void tst_Functions::init()
{
    kelvo = new kelvo_controller_class; // starts with the clear-all defaults
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
        table = new funcSetter(InputCount, image() + InputFunc, true, page.get(), image());
    else if (which == PowerOn)
        table = new funcSetter(1, image() + PowerOnFunc, false, page.get());
    else
        table = new funcSetter(RcuKeyCount, image() + RcuKeyFunc, false, page.get());
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
    QTest::addColumn<QString>("commit"); // "return", "enter", "tab", "mouse"
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("program 5 on input 1, Return") << int(Inputs) << 0 << 255 << 15 << 5 << "return"
                                                  << 34 << "Load and run chosen program : 5";
    QTest::newRow("program 5 on input 1, mouse leaves")
        << int(Inputs) << 0 << 255 << 15 << 5 << "mouse" << 34 << "Load and run chosen program : 5";
    QTest::newRow("program 5 on a remote key, Tab")
        << int(RemoteKeys) << 40 << 255 << 15 << 5 << "tab" << 34
        << "Load and run chosen program : 5";
    QTest::newRow("stored 100 unchanged, Return")
        << int(Inputs) << 5 << 100 << -1 << 0 << "return" << 100 << "Toggle chosen scene : 63";
    QTest::newRow("stored 100 unchanged, mouse leaves")
        << int(RemoteKeys) << 63 << 100 << -1 << 0 << "mouse" << 100 << "Toggle chosen scene : 63";
    QTest::newRow("stored 254 unchanged on power on, keypad Enter")
        << int(PowerOn) << 0 << 254 << -1 << 0 << "enter" << 254 << "Toggle chosen scene : 217";
    QTest::newRow("stored 100, new parameter 3")
        << int(Inputs) << 2 << 100 << -1 << 3 << "return" << 40 << "Toggle chosen scene : 3";
    QTest::newRow("scene 16 to no action, mouse leaves")
        << int(PowerOn) << 0 << 28 << 17 << 0 << "mouse" << 255 << "No action";
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

    u8 *codes = image()
        + (which == Inputs        ? InputFunc
               : which == PowerOn ? PowerOnFunc
                                  : RcuKeyFunc);
    codes[row] = u8(stored);
    build(Table(which));
    const QByteArray before(reinterpret_cast<const char *>(image()), ImageSize);

    funcChooser *chooser = openChooser(row);
    QVERIFY(chooser);
    QVERIFY(chooser->isVisible());
    cursorOver(chooser); // the choice stays open while the pointer is over it
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
    QCOMPARE(codes[row], u8(stored)); // nothing written before the commit
    QVERIFY(openEditor());

    if (commit == QLatin1String("mouse")) {
        QTest::mouseMove(chooser->groupBox());
        cursorOutside();
        QTest::mouseMove(page.get(), QPoint(845, 5));
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
