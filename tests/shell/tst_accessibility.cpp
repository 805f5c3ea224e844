// Screen readers and the keyboard: every control a user can operate has a name in the language in
// force, on every page, in the table editors and in the other windows; Tab reaches every control
// of a page in reading order, then the command column.

#include "dialogs/clearconf_dialog.h"
#include "dialogs/reconnectdialog.h"
#include "model/configlayout.h"
#include "simulator/sampleshow.h"
#include "support/windowrig.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTranslator>

#include <memory>

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyControlNamed_data();
    void everyControlNamed();
    void newNamesTranslated_data();
    void newNamesTranslated();
    void tabFollowsReadingOrder_data();
    void tabFollowsReadingOrder();
};

namespace {

// A control found in the accessibility tree: where it is, what it is, what a screen reader says.
struct Control
{
    QString where;
    QAccessible::Role role;
    QString name;
    // The name was given in code, not taken from a label or the control's own text.
    bool ownName;
};

Control control(QAccessibleInterface *iface, const QString &where)
{
    const auto *w = qobject_cast<QWidget *>(iface->object());
    const bool ownName = w && !w->accessibleName().isEmpty();
    QString name = iface->text(QAccessible::Name);
    // On Linux Qt gives a combo box its current text as the name, whatever name it was given;
    // what names it is the name given or the label it is related to.
    if (iface->role() == QAccessible::ComboBox) {
        const auto labels = iface->relations(QAccessible::Label);
        name = ownName         ? w->accessibleName()
            : labels.isEmpty() ? QString()
                               : labels.first().first->text(QAccessible::Name);
    }
    return {where, iface->role(), name, ownName};
}

const QList<QAccessible::Role> operableRoles = {
    QAccessible::PushButton, QAccessible::CheckBox,     QAccessible::RadioButton,
    QAccessible::ComboBox,   QAccessible::SpinBox,      QAccessible::Slider,
    QAccessible::ScrollBar,  QAccessible::EditableText, QAccessible::PageTab,
    QAccessible::MenuItem,   QAccessible::Cell,
};

// A path from the window (or from `top`) down that stays the same when the window is built again.
QString objectPath(const QObject *object, const QObject *top = nullptr)
{
    QStringList parts;
    for (const QObject *o = object; o && o != top; o = o->parent()) {
        QString part = o->objectName();
        if (part == QLatin1String("qt_tabwidget_stackedwidget")
            || part == QLatin1String("centralwidget"))
            continue;
        if (part.isEmpty() && o->parent()) {
            const QList<QObject *> siblings = o->parent()->children();
            int index = 0;
            for (const QObject *s : siblings) {
                if (s == o)
                    break;
                if (s->metaObject() == o->metaObject())
                    ++index;
            }
            part = QStringLiteral("%1[%2]")
                       .arg(QString::fromLatin1(o->metaObject()->className()))
                       .arg(index);
        }
        parts.prepend(part);
        if (o->isWidgetType() && static_cast<const QWidget *>(o)->isWindow())
            break;
    }
    return parts.join(QLatin1Char('/'));
}

bool editableCell(QAccessibleInterface *cell)
{
    QAccessibleTableCellInterface *c = cell->tableCellInterface();
    QAccessibleInterface *table = c ? c->table() : nullptr;
    auto *view = table ? qobject_cast<QAbstractItemView *>(table->object()) : nullptr;
    if (!view || view->editTriggers() == QAbstractItemView::NoEditTriggers)
        return false;
    const QModelIndex index = view->model()->index(c->rowIndex(), c->columnIndex());
    return view->model()->flags(index).testFlag(Qt::ItemIsEditable);
}

// Below `iface`, which is at `where`.
void collect(QAccessibleInterface *iface, const QString &where, QList<Control> &found)
{
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        if (!child || !child->isValid() || child->state().invisible)
            continue;
        QObject *object = child->object();
        if (auto *w = qobject_cast<QWidget *>(object); w && !w->isVisible())
            continue;
        QString path = QStringLiteral("%1/%2[%3]").arg(where).arg(int(child->role())).arg(i);
        if (object && object != iface->object()) {
            const QString below = objectPath(object, iface->object());
            path = below.isEmpty() ? where : where + QLatin1Char('/') + below;
        }
        const QAccessible::Role role = child->role();
        if (operableRoles.contains(role) && (role != QAccessible::Cell || editableCell(child)))
            found << control(child, path);
        collect(child, path, found);
    }
}

// The interface of `object`, at `where`, and all below it.
void collectFrom(QObject *object, const QString &where, QList<Control> &found)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    if (!iface)
        return;
    if (operableRoles.contains(iface->role()))
        found << control(iface, where);
    collect(iface, where, found);
}

// The editors the visible tables of `window` open, one cell at a time.
void collectEditors(QWidget *window, QList<Control> &found)
{
    for (QAbstractItemView *view : window->findChildren<QAbstractItemView *>()) {
        if (!view->isVisible())
            continue;
        auto *table = qobject_cast<QTableView *>(view);
        QAbstractItemModel *model = view->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                if (table && table->isColumnHidden(column))
                    continue;
                const QModelIndex index = model->index(row, column);
                view->openPersistentEditor(index);
                if (QWidget *editor = view->indexWidget(index))
                    collectFrom(editor,
                                QStringLiteral("%1(%2,%3)/%4")
                                    .arg(objectPath(view))
                                    .arg(row)
                                    .arg(column)
                                    .arg(QString::fromLatin1(editor->metaObject()->className())),
                                found);
                view->closePersistentEditor(index);
            }
        }
    }
}

// Every page of the main window, the preview window, the clear and reconnect dialogs, each with
// the editors of its tables.
QList<Control> everyControl(WindowRig &rig)
{
    QList<Control> found;
    // Actions with a number show its box in the function tables.
    rig.setImage(sampleShowImage());
    const auto visit = [&](QWidget *window) {
        collectFrom(window, objectPath(window), found);
        collectEditors(window, found);
    };
    rig.window->show();
    for (int settings = 0; settings < 3; ++settings) {
        rig.showPage(0, settings);
        visit(rig.window.get());
    }
    for (int main = 1; main < 4; ++main) {
        rig.showPage(main);
        visit(rig.window.get());
    }
    // A program's scene: its last-step box shows.
    rig.showPage(1);
    rig.child<QSpinBox>("sbProgram")->setValue(1);
    visit(rig.window.get());

    rig.showPage(2);
    rig.window->findChild<QAction *>(QStringLiteral("actPreviewProgram"))->trigger();
    QWidget *preview = rig.window->findChild<QWidget *>(QStringLiteral("showPreview"));
    visit(preview);
    preview->close();

    clearConf_dialog clear(rig.window.get(), nullptr);
    clear.show();
    visit(&clear);
    clear.close();
    reconnectDialog reconnect({QStringLiteral("KLV0000000A"), QStringLiteral("KLV0000000B")},
                              rig.window.get());
    reconnect.show();
    visit(&reconnect);
    reconnect.close();

    // Each control once, as first seen.
    QList<Control> unique;
    QSet<QString> seen;
    for (const Control &c : std::as_const(found)) {
        if (!seen.contains(c.where)) {
            seen.insert(c.where);
            unique << c;
        }
    }
    return unique;
}

// The window's controls in a language: English without a translator.
QList<Control> everyControlIn(const QString &language)
{
    QTranslator translator;
    if (language != QLatin1String("en")) {
        if (!translator.load(QStringLiteral(KELVO_BIN_DIR "/KelvoDesk_%1.qm").arg(language)))
            qFatal("no translation %s", qPrintable(language));
        QCoreApplication::installTranslator(&translator);
    }
    auto rig = std::make_unique<WindowRig>();
    const QList<Control> controls = everyControl(*rig);
    rig.reset();
    QCoreApplication::removeTranslator(&translator);
    return controls;
}

const char *const languages[] = {"en", "pl", "de", "fr", "it", "es", "ru"};

} // namespace

void tst_Accessibility::initTestCase()
{
    // Nothing listens offscreen; the interfaces are made all the same once accessibility is on.
    QAccessible::installUpdateHandler([](QAccessibleEvent *) {});
    QAccessible::setActive(true);
}

void tst_Accessibility::everyControlNamed_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : languages)
        QTest::newRow(language) << QString::fromLatin1(language);
}

void tst_Accessibility::everyControlNamed()
{
    QFETCH(QString, language);
    const QList<Control> controls = everyControlIn(language);
    QVERIFY(controls.size() > 100);
    QStringList unnamed;
    for (const Control &c : controls) {
        if (c.name.trimmed().isEmpty())
            unnamed << QStringLiteral("%1 (role %2)").arg(c.where).arg(int(c.role));
    }
    for (const QString &line : std::as_const(unnamed))
        qWarning("unnamed: %s", qPrintable(line));
    QVERIFY2(unnamed.isEmpty(),
             qPrintable(QStringLiteral("%1 controls without a name").arg(unnamed.size())));
}

void tst_Accessibility::newNamesTranslated_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : languages) {
        if (qstrcmp(language, "en") != 0)
            QTest::newRow(language) << QString::fromLatin1(language);
    }
}

void tst_Accessibility::newNamesTranslated()
{
    QFETCH(QString, language);
    QHash<QString, QString> english;
    for (const Control &c : everyControlIn(QStringLiteral("en")))
        english.insert(c.where, c.name);
    QStringList untranslated;
    int given = 0;
    for (const Control &c : everyControlIn(language)) {
        if (!c.ownName)
            continue;
        ++given;
        QVERIFY2(english.contains(c.where), qPrintable(c.where));
        if (c.name == english.value(c.where))
            untranslated << QStringLiteral("%1: \"%2\"").arg(c.where, c.name);
    }
    QVERIFY(given > 0);
    for (const QString &line : std::as_const(untranslated))
        qWarning("in English: %s", qPrintable(line));
    QVERIFY2(untranslated.isEmpty(),
             qPrintable(QStringLiteral("%1 names in English").arg(untranslated.size())));
}

namespace {

// A control as the tab order test names it: by object name, a channel column's controls by the
// column's caption, a tab bar by its tab widget.
QString tabStop(const QWidget *w)
{
    if (w->objectName() == QLatin1String("qt_spinbox_lineedit"))
        w = w->parentWidget();
    const QWidget *parent = w->parentWidget();
    if (w->objectName() == QLatin1String("qt_tabwidget_tabbar"))
        return parent->objectName() + QStringLiteral("/tabs");
    if (w->objectName() == QLatin1String("slider") || w->objectName() == QLatin1String("level")) {
        const QString column = parent->objectName().isEmpty()
            ? parent->findChild<QLabel *>(QStringLiteral("caption"))->text()
            : parent->objectName();
        return column + QLatin1Char('/') + w->objectName();
    }
    return w->objectName().isEmpty() ? objectPath(w) : w->objectName();
}

// Slider and level box of every channel, in turn: the columns scroll on as Tab goes past them.
QStringList channelStops()
{
    QStringList stops;
    for (int ch = 1; ch <= ConfigLayout::ChannelCount; ++ch)
        stops << QStringLiteral("%1/slider").arg(ch) << QStringLiteral("%1/level").arg(ch);
    return stops;
}

// Tab from `start` until the focus comes back to it: the controls in the order first reached. A
// control that never lets Tab out ends the list there.
QStringList tabStops(QWidget *start)
{
    start->setFocus(Qt::TabFocusReason);
    QStringList stops {tabStop(start)};
    for (int press = 0; press < 1000; ++press) {
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            break;
        QTest::keyClick(focus, Qt::Key_Tab);
        focus = QApplication::focusWidget();
        if (!focus || focus == start)
            break;
        const QString stop = tabStop(focus);
        if (!stops.contains(stop))
            stops << stop;
    }
    return stops;
}

// What Tab should reach: every enabled, visible control that takes the focus with Tab.
QStringList tabbable(QWidget *window)
{
    QStringList stops;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if ((w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || !w->isVisible() || !w->isEnabled()
            || w->focusProxy() || w->objectName() == QLatin1String("qt_spinbox_lineedit"))
            continue;
        stops << tabStop(w);
    }
    return stops;
}

} // namespace

void tst_Accessibility::tabFollowsReadingOrder_data()
{
    QTest::addColumn<int>("main");
    QTest::addColumn<int>("settings");
    QTest::addColumn<int>("program");
    QTest::addColumn<QStringList>("expected");

    // From the main tab bar: the page's controls row by row, left to right, then the command
    // column (without a controller live and normal mode are disabled, and Tab skips them).
    const QStringList commands = {"pbSendConf", "pbReadConf", "pbSaveFile", "pbReadFile",
                                  "pbClrConf",  "pbConnect",  "pbReset"};
    const QStringList tabs = {"tabWidget_main/tabs"};
    const QStringList settings = tabs + QStringList {"tabWidget_settings/tabs"};

    QTest::newRow("inputs") << 0 << 0 << 0
                            << settings
            + QStringList {"inputTable", "btnKeyFromDev", "powerOnTable"} + commands;
    QTest::newRow("remote keys") << 0 << 1 << 0
                                 << settings + QStringList {"remoteKeyTable", "btnRcFromDev"}
            + commands;
    QTest::newRow("other") << 0 << 2 << 0
                           << settings
            + QStringList {"columnRed/slider",  "columnRed/level",   "columnGreen/slider",
                           "columnGreen/level", "columnBlue/slider", "columnBlue/level",
                           "sbFirstChannel",    "sbLastChannel",     "teSpecialRise",
                           "btnGetRcu",         "sbSetValue",        "btnSend2Rcu",
                           "btnAcceptAdr",      "sbPreview",         "rbBiggerWin",
                           "cbInputType",       "sbInputNo",         "btnGenerate"}
            + commands;
    const QStringList sceneTimes = {"teSceneRise", "teSceneLast", "cbInfinite", "teSceneFall"};
    QTest::newRow("independent scenes")
        << 1 << -1 << 0
        << tabs + QStringList {"sbProgram", "sbStep"} + channelStops() + sceneTimes + commands;
    // The fall time of a step that goes on to the next one is not edited.
    QTest::newRow("scenes of a program") << 1 << -1 << 1
                                         << tabs + QStringList {"sbProgram", "sbStep"}
            + channelStops() + QStringList {"teSceneRise", "teSceneLast", "cbInfinite"} + commands;
    QTest::newRow("programs") << 2 << -1 << 0
                              << tabs
            + QStringList {"sbProgP",      "programTable", "pbEditStep",  "pbInsertStep",
                           "pbDeleteStep", "sbStepCount",  "cbContinued", "cbLoop"}
            + commands;
    QTest::newRow("copying") << 3 << -1 << 0
                             << tabs
            + QStringList {"sbSrcSc",  "sbNoSc",    "sbDstSc",  "btnCopySc", "sbSrcPgm",
                           "sbNoPgms", "rbCopyPgm", "sbDstPgm", "btnCopyPgm"}
            + commands;
}

void tst_Accessibility::tabFollowsReadingOrder()
{
    QFETCH(int, main);
    QFETCH(int, settings);
    QFETCH(int, program);
    QFETCH(QStringList, expected);
    auto rig = std::make_unique<WindowRig>();
    rig->window->show();
    QApplication::setActiveWindow(rig->window.get());
    rig->showPage(main, settings);
    if (program)
        rig->child<QSpinBox>("sbProgram")->setValue(program);

    QWidget *start = rig->child<QTabWidget>("tabWidget_main")->tabBar();
    const QStringList stops = tabStops(start);
    // And nothing the order forgets: every control Tab can reach on the page.
    QStringList missed;
    for (const QString &stop : tabbable(rig->window.get())) {
        if (!stops.contains(stop))
            missed << stop;
    }
    rig.reset(); // it captures the messages
    if (stops != expected)
        qWarning("Tab reached: %s", qPrintable(stops.join(QLatin1Char(' '))));
    QCOMPARE(stops, expected);
    QVERIFY2(missed.isEmpty(), qPrintable(missed.join(QLatin1Char(' '))));
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
