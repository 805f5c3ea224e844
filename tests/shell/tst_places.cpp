// What the window keeps between runs, in the user's configuration folder: its size and place and
// the recent files; and where its file dialogs start before any file was used.

#include "model/configfile.h"
#include "model/configlayout.h"
#include "support/configfilefixtures.h"
#include "support/windowrig.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace ConfigLayout;

class tst_Places : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dialogsStartInTheDocuments_data();
    void dialogsStartInTheDocuments();
    void sizeAndPlaceKept();
    void placeOffEveryScreenNotUsed();
    void fileMenuOrder();
    void recentFilesListed();
    void recentFilesKeptBetweenRuns();
    void recentFilesAtMostEight();
    void goneFilesDropped();
    void clearList();
    void choosingARecentFileOpensIt_data();
    void choosingARecentFileOpensIt();

private:
    std::unique_ptr<QTemporaryDir> tmp;
    std::unique_ptr<WindowRig> rig;
    QByteArray oldHome;

    QString path(const QString &name) const { return tmp->filePath(name); }
    // A configuration file holding a random image made from `seed`.
    QString configuration(const QString &name, quint32 seed);
    void open(const QString &name);
    QMenu *recentMenu() const;
    // The recent files as the menu shows them once opened: the path of each entry.
    QStringList recentShown() const;
    QAction *recentAction(const QString &name) const;
    // A size the window may have other than its first one (the form allows a few more lines).
    QSize otherSize() const;
};

void tst_Places::init()
{
    tmp = std::make_unique<QTemporaryDir>();
    oldHome = qgetenv("HOME");
    QVERIFY(QDir().mkpath(path(QStringLiteral("home"))));
    QVERIFY(QDir().mkpath(path(QStringLiteral("config"))));
    qputenv("HOME", QFile::encodeName(path(QStringLiteral("home"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(path(QStringLiteral("config"))));
    rig = std::make_unique<WindowRig>();
    rig->window->show();
}

void tst_Places::cleanup()
{
    rig.reset();
    qputenv("HOME", oldHome);
    tmp.reset();
}

QString tst_Places::configuration(const QString &name, quint32 seed)
{
    const QString file = path(name);
    const QByteArray image = ConfigFileFixtures::randomBytes(seed, ImageSize);
    if (!ConfigFile::write(file, ConfigFileFixtures::bytes(image)))
        qFatal("cannot write %s", qPrintable(file));
    return file;
}

void tst_Places::open(const QString &name)
{
    rig->script.fileNames = {name};
    rig->trigger(QStringLiteral("&Open file"));
}

QMenu *tst_Places::recentMenu() const
{
    auto *menu = rig->window->findChild<QMenu *>(QStringLiteral("recentFilesMenu"));
    if (!menu)
        qFatal("no recent files menu");
    return menu;
}

QStringList tst_Places::recentShown() const
{
    QMenu *menu = recentMenu();
    emit menu->aboutToShow();
    QStringList files;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            break;
        files << action->statusTip();
    }
    return files;
}

QAction *tst_Places::recentAction(const QString &name) const
{
    QMenu *menu = recentMenu();
    emit menu->aboutToShow();
    for (QAction *action : menu->actions()) {
        if (action->statusTip() == name || action->text() == name)
            return action;
    }
    qFatal("no recent entry %s", qPrintable(name));
}

QSize tst_Places::otherSize() const
{
    const QSize first = rig->window->size();
    const QSize other(first.width(), first.height() + 12);
    if (other.boundedTo(rig->window->maximumSize()) != other)
        qFatal("the window cannot be made 12 pixels taller");
    return other;
}

void tst_Places::dialogsStartInTheDocuments_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("documents"); // whether ~/Documents exists
    QTest::addColumn<QString>("start"); // below the temporary folder

    for (const char *command : {"&Open file", "&Save file"}) {
        QTest::addRow("%s, with Documents", command) << command << true << "home/Documents";
        QTest::addRow("%s, without Documents: home", command) << command << false << "home";
    }
}

void tst_Places::dialogsStartInTheDocuments()
{
    QFETCH(QString, command);
    QFETCH(bool, documents);
    QFETCH(QString, start);

    if (documents)
        QVERIFY(QDir().mkpath(path(QStringLiteral("home/Documents"))));
    rig->script.fileNames = {QString()};
    rig->trigger(command);
    QCOMPARE(rig->script.fileDialogs.size(), 1);
    QCOMPARE(rig->script.fileDialogs[0][1], path(start));
}

void tst_Places::sizeAndPlaceKept()
{
    const QRect first = rig->window->geometry();
    const QRect moved(first.topLeft() + QPoint(123, 117), otherSize());
    rig->window->setGeometry(moved);
    QCOMPARE(rig->window->geometry(), moved);
    QVERIFY(rig->window->close());

    // The next run: a window of its own, not one rebuilt from the first.
    rig.reset();
    rig = std::make_unique<WindowRig>();
    rig->window->show();
    QCOMPARE(rig->window->geometry(), moved);
}

void tst_Places::placeOffEveryScreenNotUsed()
{
    const QRect first = rig->window->geometry();
    rig->window->setGeometry(QRect(QPoint(9000, 7000), otherSize()));
    QCOMPARE(rig->window->pos(), QPoint(9000, 7000));
    QVERIFY(rig->window->close());

    rig.reset();
    rig = std::make_unique<WindowRig>();
    rig->window->show();
    QCOMPARE(rig->window->geometry(), first);
}

void tst_Places::fileMenuOrder()
{
    QMenu *file = rig->window->menuBar()->actions().first()->menu();
    QStringList texts;
    for (QAction *action : file->actions())
        texts << action->text();
    QCOMPARE(texts,
             (QStringList {"&Open file", "&Save file", "Save file &as...", "&Clear",
                           "&Recent files", "&Exit"}));
    QCOMPARE(recentMenu()->menuAction(), file->actions()[4]);
}

void tst_Places::recentFilesListed()
{
    QCOMPARE(recentShown(), QStringList());
    QVERIFY(!recentAction(QStringLiteral("Clear list"))->isEnabled());

    const QString read = configuration(QStringLiteral("read.cfgkv"), 1);
    const QString broken = path(QStringLiteral("broken.cfgkv"));
    QVERIFY(ConfigFileFixtures::writeFile(broken, "not a configuration"));
    open(read);
    open(broken); // failed: not listed
    rig->script.fileNames = {path(QStringLiteral("saved"))};
    rig->trigger(QStringLiteral("&Save file"));
    rig->script.fileNames = {path(QStringLiteral("missing/saved"))};
    rig->trigger(QStringLiteral("&Save file")); // failed: not listed
    open(read); // again: first once more, listed once

    const QString saved = path(QStringLiteral("saved.cfgkv"));
    QCOMPARE(recentShown(), (QStringList {read, saved}));
    QCOMPARE(recentAction(read)->text(), QStringLiteral("&1 read.cfgkv"));
    QCOMPARE(recentAction(saved)->text(), QStringLiteral("&2 saved.cfgkv"));
    QVERIFY(recentAction(QStringLiteral("Clear list"))->isEnabled());
}

void tst_Places::recentFilesKeptBetweenRuns()
{
    const QString a = configuration(QStringLiteral("a.cfgkv"), 1);
    const QString b = configuration(QStringLiteral("b.cfgkv"), 2);
    open(a);
    open(b);
    rig.reset();
    rig = std::make_unique<WindowRig>();
    QCOMPARE(recentShown(), (QStringList {b, a}));
}

void tst_Places::recentFilesAtMostEight()
{
    QStringList opened;
    for (int i = 0; i < 10; ++i) {
        opened.prepend(configuration(QStringLiteral("f%1.cfgkv").arg(i), quint32(i)));
        open(opened.first());
    }
    QCOMPARE(recentShown(), opened.mid(0, 8));
}

void tst_Places::goneFilesDropped()
{
    const QString a = configuration(QStringLiteral("a.cfgkv"), 1);
    const QString b = configuration(QStringLiteral("b.cfgkv"), 2);
    open(a);
    open(b);
    QVERIFY(QFile::remove(a));
    QCOMPARE(recentShown(), QStringList {b});
    // Forgotten, not hidden: a file of that name made again is not listed.
    configuration(QStringLiteral("a.cfgkv"), 3);
    QCOMPARE(recentShown(), QStringList {b});
}

void tst_Places::clearList()
{
    const QString a = configuration(QStringLiteral("a.cfgkv"), 1);
    open(a);
    QCOMPARE(recentShown(), QStringList {a});
    recentAction(QStringLiteral("Clear list"))->trigger();
    QCOMPARE(recentShown(), QStringList());
    rig.reset();
    rig = std::make_unique<WindowRig>();
    QCOMPARE(recentShown(), QStringList());
}

void tst_Places::choosingARecentFileOpensIt_data()
{
    QTest::addColumn<bool>("brokenSince");

    QTest::newRow("the file as it was") << false;
    QTest::newRow("the file broken since: the open's failure") << true;
}

void tst_Places::choosingARecentFileOpensIt()
{
    QFETCH(bool, brokenSince);

    const QString a = configuration(QStringLiteral("a.cfgkv"), 1);
    const QString b = configuration(QStringLiteral("b.cfgkv"), 2);
    open(a);
    const QByteArray imageOfA = rig->image();
    open(b);
    const QByteArray imageOfB = rig->image();
    QVERIFY(imageOfA != imageOfB);
    if (brokenSince)
        QVERIFY(ConfigFileFixtures::writeFile(a, "not a configuration"));
    rig->script.shown.clear();
    rig->script.fileDialogs.clear();

    recentAction(a)->trigger();
    QVERIFY(rig->script.fileDialogs.isEmpty());
    QCOMPARE(rig->script.shown.size(), 1);
    QCOMPARE(rig->script.shown[0].text,
             brokenSince ? QStringLiteral("Data read from file\n       Failed!\n\nFile is broken.")
                         : QStringLiteral("Data read from file\n    Sucessfull!"));
    QCOMPARE(rig->image(), brokenSince ? imageOfB : imageOfA);
    QCOMPARE(rig->window->windowTitle(),
             brokenSince ? QStringLiteral("b.cfgkv[*] - KelvoDesk")
                         : QStringLiteral("a.cfgkv[*] - KelvoDesk"));
    // The dialogs then start where the file is.
    rig->script.fileNames = {QString()};
    rig->trigger(QStringLiteral("&Open file"));
    QCOMPARE(rig->script.fileDialogs.last()[1], brokenSince ? tmp->path() : a);
}

// On a screen of a desktop's size: the window is taller than the offscreen platform's usual
// 800x600, and Qt moves a restored window that does not fit its screen.
int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    const QString screens = dir.filePath(QStringLiteral("screens.json"));
    if (!ConfigFileFixtures::writeFile(
            screens,
            R"({"windowFrameMargins": false, "screens": [{"name": "desktop", "x": 0, "y": 0,)"
            R"( "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})"))
        qFatal("cannot write %s", qPrintable(screens));
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens));
    QApplication app(argc, argv);
    tst_Places test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_places.moc"
