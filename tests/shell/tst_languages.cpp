// Languages: what start-up finds in the working directory and among the installed translations,
// the user's own language before any choice, the parameters file a change writes and where it
// lies, and the window rebuilt in the new language with the configuration and connection kept. Real
// translation files (the program's own Polish one, under several names) in temporary folders.

#include "controller/kelvo_controller_class.h"
#include "model/configlayout.h"
#include "shell/appstate.h"
#include "shell/gui_class.h"
#include "shell/languages.h"
#include "shell/startup.h"
#include "simulator/simulatedbus.h"
#include "support/configfilefixtures.h"
#include "support/scriptedprompts.h"
#include "support/virtualclock.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <functional>

#include <unistd.h>

namespace {

const QString polishQm = QStringLiteral(KELVO_BIN_DIR "/KelvoDesk_pl.qm");
const QByteArray fiveLines = "<ini device=\"Kelvo\">\n"
                             " <desc>Kelvo parameters file</desc>\n"
                             " <lang>%1</lang>\n"
                             " <lang_name>%2</lang_name>\n"
                             "</ini>\n";

QByteArray parametersFile(const QString &code, const QString &name)
{
    return QString::fromUtf8(fiveLines).arg(code, name).toUtf8();
}

QString kviHere()
{
    return QDir::current().filePath(QString::fromLatin1(Languages::ParametersFile));
}

// The program's folder among the user's configuration folders, as the test points it.
QString kviInConfig()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
        + QStringLiteral("/Kelvo.kvi");
}

QByteArray contents(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A folder no one may create a file in; root may write to "/".
QString unwritableFolder()
{
    return geteuid() == 0 ? QStringLiteral("/proc") : QStringLiteral("/");
}

} // namespace

class tst_Languages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void discovery_data();
    void discovery();
    void installedTranslations_data();
    void installedTranslations();
    void polishWindow();
    void switching_data();
    void switching();
    void choosingTheActiveLanguageDoesNothing();
    void switchKeepsConfigurationAndConnection();
    void switchWithUnsavedWorkAsksNothingAndClosesNothing();
    void placeOfTheParametersFile_data();
    void placeOfTheParametersFile();
    void firstLanguage_data();
    void firstLanguage();

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<QTemporaryDir> installedDir;
    std::unique_ptr<QTemporaryDir> configHome;
    QString previousDir;

    void files(const QStringList &qmCodes, const QByteArray &kvi = QByteArray());
    static void translations(const QStringList &qmCodes, const QString &folder);
    static QStringList discoveredNames(const QLocale &userLocale = QLocale::c());
    QByteArray kvi() const;
    // Runs the program; `steps` run in turn, one per window shown, from its event loop.
    int run(QList<std::function<void()>> steps, const StartupSeams &seams = {});
    static QAction *languageAction(const QString &name);
};

void tst_Languages::init()
{
    previousDir = QDir::currentPath();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(dir->path()));
    // The user's configuration folder: empty, whatever an earlier test wrote.
    configHome = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome->path()));
    // Empty unless a test puts translations there: none of the machine's own count.
    installedDir = std::make_unique<QTemporaryDir>();
    Languages::setInstalledTranslations(installedDir->path());
    languageTable.clear();
    requestedLanguage = -1;
    currentLanguage = -1;
}

void tst_Languages::cleanup()
{
    QDir::setCurrent(previousDir);
    for (const LanguageEntry &entry : languageTable) {
        if (entry.translator)
            QCoreApplication::removeTranslator(entry.translator.get());
    }
    languageTable.clear();
    Languages::setInstalledTranslations(QString());
    installedDir.reset();
    dir.reset();
    configHome.reset();
}

void tst_Languages::files(const QStringList &qmCodes, const QByteArray &kvi)
{
    translations(qmCodes, QDir::currentPath());
    if (!kvi.isNull()) {
        QFile file(QString::fromLatin1(Languages::ParametersFile));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kvi);
    }
}

void tst_Languages::translations(const QStringList &qmCodes, const QString &folder)
{
    for (const QString &code : qmCodes) {
        const QString name = folder + QStringLiteral("/KelvoDesk_%1.qm").arg(code);
        if (code == QLatin1String("xx"))
            QFile(name).open(QIODevice::WriteOnly); // an empty file: no translation at all
        else
            QVERIFY(QFile::copy(polishQm, name));
    }
}

// Discovery as start-up runs it, after English; the names of the Language menu.
QStringList tst_Languages::discoveredNames(const QLocale &userLocale)
{
    languageTable.emplace_back();
    languageTable[0].name = QStringLiteral("English");
    languageTable[0].code = QStringLiteral("en");
    Languages::discover(userLocale);
    QStringList listed;
    for (const LanguageEntry &entry : languageTable)
        listed << entry.name;
    return listed;
}

// The parameters file where the program keeps it: the working directory's if there is one.
QByteArray tst_Languages::kvi() const
{
    return contents(QFile::exists(kviHere()) ? kviHere() : kviInConfig());
}

int tst_Languages::run(QList<std::function<void()>> steps, const StartupSeams &seams)
{
    QTimer step;
    // Guarded: a new window may take the address of the one it replaces.
    QPointer<gui_class> last;
    connect(&step, &QTimer::timeout, this, [&] {
        if (!mainWindow || mainWindow == last || steps.isEmpty())
            return; // wait for the next window
        last = mainWindow;
        steps.takeFirst()();
    });
    step.start(0);
    return runKelvoDesk(seams);
}

QAction *tst_Languages::languageAction(const QString &name)
{
    for (QAction *a : mainWindow->findChildren<QAction *>()) {
        if (a->text() == name && a->statusTip().endsWith(name))
            return a;
    }
    return nullptr;
}

void tst_Languages::discovery_data()
{
    QTest::addColumn<QStringList>("qm");
    QTest::addColumn<QByteArray>("kvi"); // null: no file
    QTest::addColumn<QStringList>("names"); // the Language menu
    QTest::addColumn<int>("chosen");

    const QByteArray none;
    QTest::newRow("no files at all") << QStringList() << none << QStringList {"English"} << -1;
    QTest::newRow("no parameters file, Polish present")
        << QStringList {"de", "pl"} << none << QStringList {"English", "Deutsch", "Polski"} << 2;
    QTest::newRow("no parameters file, no Polish: the last translation")
        << QStringList {"de", "fr"} << none << QStringList {"English", "Deutsch", "Français"} << 2;
    QTest::newRow("en without its own file")
        << QStringList {"pl"} << parametersFile("en", "") << QStringList {"English", "Polski"} << 0;
    // English's own file only mends the spelling of English: it is no language of its own.
    QTest::newRow("en with its own file: English's")
        << QStringList {"en", "pl"} << parametersFile("en", "Angielski")
        << QStringList {"English", "Polski"} << 0;
    QTest::newRow("unknown code with its name")
        << QStringList {"cs", "de"} << parametersFile("cs", "Čeština")
        << QStringList {"English", "Čeština", "Deutsch"} << 1;
    QTest::newRow("unknown code without its file")
        << QStringList {"de", "ru"} << parametersFile("cs", "Čeština")
        << QStringList {"English", "Deutsch", "Русский"} << 2;
    QTest::newRow("other codes are unknown") << QStringList {"cs", "fr"} << parametersFile("fr", "")
                                             << QStringList {"English", "unknown", "Français"} << 2;
    QTest::newRow("LANG in capitals is read")
        << QStringList {"de", "it"}
        << QByteArray("<ini device=\"Kelvo\">\n <LANG>de</LANG>\n</ini>\n")
        << QStringList {"English", "Deutsch", "Italiano"} << 1;
    QTest::newRow("INI is not read")
        << QStringList {"de", "it"}
        << QByteArray("<INI device=\"Kelvo\">\n <lang>de</lang>\n</INI>\n")
        << QStringList {"English", "Deutsch", "Italiano"} << 2;
    QTest::newRow("Device is not read")
        << QStringList {"de", "it"}
        << QByteArray("<ini Device=\"Kelvo\">\n <lang>de</lang>\n</ini>\n")
        << QStringList {"English", "Deutsch", "Italiano"} << 2;
    QTest::newRow("another device: the file is ignored")
        << QStringList {"de", "es"}
        << QByteArray("<ini device=\"Other\">\n <lang>de</lang>\n</ini>\n")
        << QStringList {"English", "Deutsch", "Español"} << 2;
    QTest::newRow("a broken file is ignored")
        << QStringList {"de", "pl"} << QByteArray("<ini device=\"Kelvo\">\n <lang>de</x>\n</ini>\n")
        << QStringList {"English", "Deutsch", "Polski"} << 2;
    QTest::newRow("a file that is no translation is still listed")
        << QStringList {"xx"} << none << QStringList {"English", "unknown"} << 1;
}

void tst_Languages::discovery()
{
    QFETCH(QStringList, qm);
    QFETCH(QByteArray, kvi);
    QFETCH(QStringList, names);
    QFETCH(int, chosen);

    files(qm, kvi);
    QCOMPARE(discoveredNames(), names);
    QCOMPARE(requestedLanguage, chosen);
    for (size_t i = 1; i < languageTable.size(); ++i)
        QVERIFY(languageTable[i].translator);
}

void tst_Languages::installedTranslations_data()
{
    QTest::addColumn<QStringList>("here"); // in the working directory
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QByteArray>("kvi"); // null: no file
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("from"); // per listed translation: h(ere) or i(nstalled)

    const QByteArray none;
    QTest::newRow("neither") << QStringList() << QStringList() << none << QStringList {"English"}
                             << -1 << "";
    QTest::newRow("only installed: Polish")
        << QStringList() << QStringList {"de", "pl"} << none
        << QStringList {"English", "Deutsch", "Polski"} << 2 << "ii";
    QTest::newRow("both: the working directory's once")
        << QStringList {"pl"} << QStringList {"pl"} << none << QStringList {"English", "Polski"}
        << 1 << "h";
    QTest::newRow("both, others installed: by name across the folders")
        << QStringList {"fr", "it"} << QStringList {"de", "fr", "ru"} << none
        << QStringList {"English", "Deutsch", "Français", "Italiano", "Русский"} << 4 << "ihhi";
    QTest::newRow("an installed language chosen in the parameters file")
        << QStringList {"pl"} << QStringList {"de"} << parametersFile("de", "Deutsch")
        << QStringList {"English", "Deutsch", "Polski"} << 1 << "ih";
}

void tst_Languages::installedTranslations()
{
    QFETCH(QStringList, here);
    QFETCH(QStringList, installed);
    QFETCH(QByteArray, kvi);
    QFETCH(QStringList, names);
    QFETCH(int, chosen);
    QFETCH(QString, from);

    files(here, kvi);
    translations(installed, installedDir->path());
    QCOMPARE(discoveredNames(), names);
    QCOMPARE(requestedLanguage, chosen);
    const QString herePath = QDir::current().canonicalPath();
    const QString installedPath = QDir(installedDir->path()).canonicalPath();
    QString loadedFrom;
    for (size_t i = 1; i < languageTable.size(); ++i) {
        const QString path = QFileInfo(languageTable[i].translator->filePath()).canonicalPath();
        loadedFrom += path == herePath ? QLatin1Char('h')
            : path == installedPath    ? QLatin1Char('i')
                                       : QLatin1Char('?');
    }
    QCOMPARE(loadedFrom, from);
}

void tst_Languages::polishWindow()
{
    files({"pl"});
    QString conn;
    QString fileMenu;
    QString connect;
    const int status = run({[&] {
        conn = mainWindow->findChild<QLabel *>(QStringLiteral("lbConn"))->text();
        fileMenu = mainWindow->menuBar()->actions().first()->text();
        connect = mainWindow->findChild<QPushButton *>(QStringLiteral("pbConnect"))->text();
        mainWindow->close();
    }});
    QCOMPARE(status, 0);
    QCOMPARE(currentLanguage, 1);
    QCOMPARE(conn, QStringLiteral("Rozłączony"));
    QCOMPARE(fileMenu, QStringLiteral("&Plik"));
    QCOMPARE(connect, QStringLiteral("Połącz z Kelvo"));
}

void tst_Languages::switching_data()
{
    QTest::addColumn<QByteArray>("before"); // null: no file
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<bool>("warned");

    const QByteArray english = parametersFile("en", "English");
    QTest::newRow("no file: the five lines") << QByteArray() << false << english << false;
    QTest::newRow("another device: replaced by the five lines")
        << QByteArray("<ini device=\"Other\">\n <lang>pl</lang>\n</ini>\n") << false << english
        << false;
    QTest::newRow("an extra item stays before the updated ones")
        << QByteArray("<ini device=\"Kelvo\">\n <extra>kept</extra>\n <lang>pl</lang>\n</ini>\n")
        << false
        << QByteArray("<ini device=\"Kelvo\">\n <extra>kept</extra>\n <lang>en</lang>\n"
                      " <desc>Kelvo parameters file</desc>\n <lang_name>English</lang_name>\n"
                      "</ini>\n")
        << false;
    QTest::newRow("a second top-level element is dropped")
        << parametersFile("pl", "Polski") + "<other>\n <x>1</x>\n</other>\n"
        << false << english << false;
    const QByteArray locked = parametersFile("pl", "Polski");
    QTest::newRow("read-only: warned, file kept") << locked << true << locked << true;
}

void tst_Languages::switching()
{
    QFETCH(QByteArray, before);
    QFETCH(bool, readOnly);
    QFETCH(QByteArray, after);
    QFETCH(bool, warned);

    ScriptedPrompts script;
    files({"pl"}, before);
    const QString kviName = QString::fromLatin1(Languages::ParametersFile);
    if (readOnly)
        QVERIFY(QFile::setPermissions(kviName, QFileDevice::ReadOwner | QFileDevice::ReadUser));
    QList<gui_class *> windows;
    QString conn;
    run({[&] {
             windows << mainWindow;
             QCOMPARE(currentLanguage, 1); // Polish
             languageAction(QStringLiteral("English"))->trigger();
         },
         [&] {
             windows << mainWindow;
             conn = mainWindow->findChild<QLabel *>(QStringLiteral("lbConn"))->text();
             mainWindow->close();
         }});
    QCOMPARE(windows.size(), 2);
    QCOMPARE(currentLanguage, 0);
    QCOMPARE(conn, QStringLiteral("Disconnected")); // the new window speaks English
    QCOMPARE(kvi(), after);
    QCOMPARE(script.shown.size(), warned ? 1 : 0);
    if (warned) {
        QCOMPARE(script.shown[0].kind, Prompts::Kind::Warning);
        QCOMPARE(script.shown[0].title, QStringLiteral("Ostrzeżenie!")); // the old window's words
        QCOMPARE(script.shown[0].text, QStringLiteral("Nie można zapisać nowego języka!"));
    }
}

void tst_Languages::choosingTheActiveLanguageDoesNothing()
{
    files({"pl"});
    int windows = 0;
    bool stillThere = false;
    run({[&] {
        ++windows;
        gui_class *window = mainWindow;
        languageAction(QStringLiteral("Polski"))->trigger();
        // Had the loop been asked to end, this window would be gone by the next timer.
        QTimer::singleShot(0, [&, window] {
            stillThere = mainWindow == window;
            mainWindow->close();
        });
    }});
    QCOMPARE(windows, 1);
    QVERIFY(stillThere);
    QVERIFY(!QFile::exists(kviHere()));
    QVERIFY(!QFile::exists(kviInConfig()));
}

void tst_Languages::switchKeepsConfigurationAndConnection()
{
    VirtualClock clock;
    files({"pl"});
    SimulatedBus bus;
    bus.addController(QStringLiteral("KLV00000001"));
    StartupSeams seams;
    seams.usb = &bus;
    const QByteArray image = ConfigFileFixtures::randomBytes(3, ConfigLayout::ImageSize);
    QString conn;
    QString serial;
    bool openAfter = false;
    bool sameImage = false;
    run({[&] {
             std::memcpy(mainWindow->controller().configImage(), image.constData(),
                         ConfigLayout::ImageSize);
             mainWindow->findChild<QPushButton *>(QStringLiteral("pbConnect"))->click();
             languageAction(QStringLiteral("English"))->trigger();
         },
         [&] {
             conn = mainWindow->findChild<QLabel *>(QStringLiteral("lbConn"))->text();
             serial = mainWindow->findChild<QLabel *>(QStringLiteral("lbSerial"))->text();
             openAfter = mainWindow->controller().usbDevice.isOpen();
             sameImage = std::memcmp(mainWindow->controller().configImage(), image.constData(),
                                     ConfigLayout::ImageSize)
                 == 0;
             mainWindow->close();
         }},
        seams);
    QVERIFY(openAfter);
    QVERIFY(sameImage);
    // The new window shows the connection it found.
    QCOMPARE(conn, QStringLiteral("Connected"));
    QCOMPARE(serial, QStringLiteral("S/N KLV00000001"));
}

void tst_Languages::switchWithUnsavedWorkAsksNothingAndClosesNothing()
{
    ScriptedPrompts script;
    files({"pl"});
    // Another window of the program, such as the demo's simulated controller.
    QWidget other;
    other.setAttribute(Qt::WA_QuitOnClose, false);
    other.show();
    const auto work = [] {
        mainWindow->controller().document().setByte(ConfigLayout::RcuSysAddr, 9,
                                                    {ConfigEdit::Kind::RemoteAddress});
    };
    int windows = 0;
    bool modifiedAfter = false;
    bool otherAfterSwitch = false;
    bool stayedAfterCancel = false;
    bool otherAfterCancel = false;
    QStringList questions;
    // Only when the program is stuck (waiting for a window that never comes).
    QTimer stuck;
    stuck.setSingleShot(true);
    connect(&stuck, &QTimer::timeout, this, [] {
        requestedLanguage = -1;
        QCoreApplication::exit(1);
    });
    stuck.start(5000);
    const int status = run({[&] {
                                ++windows;
                                work();
                                languageAction(QStringLiteral("English"))->trigger();
                            },
                            [&] {
                                ++windows;
                                modifiedAfter = mainWindow->isWindowModified();
                                otherAfterSwitch = other.isVisible();
                                const auto exit = [] {
                                    for (QAction *a : mainWindow->findChildren<QAction *>()) {
                                        if (a->text() == QLatin1String("&Exit"))
                                            return a->trigger();
                                    }
                                    QFAIL("no Exit");
                                };
                                script.answers = {Prompts::Cancel};
                                exit();
                                stayedAfterCancel = mainWindow && mainWindow->isVisible();
                                otherAfterCancel = other.isVisible();
                                for (const ScriptedPrompts::Shown &box : script.shown)
                                    questions << box.text;
                                script.answers = {Prompts::Discard};
                                exit(); // the loop ends here: no third window
                            }});
    QCOMPARE(status, 0);
    QCOMPARE(windows, 2);
    QCOMPARE(currentLanguage, 0);
    QVERIFY(modifiedAfter);
    QVERIFY(otherAfterSwitch);
    QVERIFY(stayedAfterCancel);
    QVERIFY(otherAfterCancel);
    // Only the Exit asked; the switch did not.
    QCOMPARE(questions.size(), 1);
    QVERIFY(questions[0].endsWith(QStringLiteral("Save them to a file first?")));
    QCOMPARE(script.shown.size(), 2);
    QCOMPARE(kvi(), parametersFile("en", "English"));
}

void tst_Languages::placeOfTheParametersFile_data()
{
    QTest::addColumn<QString>("before"); // where a file lies at start: here, config or none
    QTest::addColumn<bool>("unwritable"); // the working directory
    QTest::addColumn<QString>("after"); // where the choice is written
    QTest::addColumn<QString>("started"); // the language of the first window

    QTest::newRow("no file anywhere: written in the configuration folder")
        << "none" << false << "config"
        << "Polski";
    QTest::newRow("a file in the working directory: read and written there")
        << "here" << false << "here"
        << "Deutsch";
    QTest::newRow("a file in the configuration folder: read and written there")
        << "config" << false << "config"
        << "Deutsch";
    QTest::newRow("working directory not writable, no file: written in the configuration folder")
        << "none" << true << "config"
        << "Polski";
}

void tst_Languages::placeOfTheParametersFile()
{
    QFETCH(QString, before);
    QFETCH(bool, unwritable);
    QFETCH(QString, after);
    QFETCH(QString, started);

    ScriptedPrompts script;
    translations({"de", "pl"}, installedDir->path());
    if (unwritable)
        QVERIFY(QDir::setCurrent(unwritableFolder()));
    QVERIFY(!QFile::exists(kviHere()));
    const QByteArray german = parametersFile("de", "Deutsch");
    if (before == QLatin1String("here"))
        QVERIFY(ConfigFileFixtures::writeFile(kviHere(), german));
    if (before == QLatin1String("config")) {
        QVERIFY(QDir().mkpath(QFileInfo(kviInConfig()).path()));
        QVERIFY(ConfigFileFixtures::writeFile(kviInConfig(), german));
    }

    QString startName;
    run({[&] {
             startName = languageTable[size_t(currentLanguage)].name;
             languageAction(QStringLiteral("English"))->trigger();
         },
         [&] {
             mainWindow->close();
         }});
    QCOMPARE(startName, started);
    QCOMPARE(currentLanguage, 0);
    QCOMPARE(script.shown.size(), 0); // no "Cannot write new language!"
    const QString written = after == QLatin1String("here") ? kviHere() : kviInConfig();
    const QString other = after == QLatin1String("here") ? kviInConfig() : kviHere();
    QCOMPARE(contents(written), parametersFile("en", "English"));
    QVERIFY(!QFile::exists(other));
}

void tst_Languages::firstLanguage_data()
{
    QTest::addColumn<QStringList>("qm");
    QTest::addColumn<QByteArray>("kvi"); // null: no file
    QTest::addColumn<QString>("locale"); // the user's
    QTest::addColumn<QString>("started");

    const QStringList all {"de", "en", "es", "fr", "it", "pl", "ru"};
    const QByteArray none;
    QTest::newRow("de_DE: German") << all << none << "de_DE"
                                   << "Deutsch";
    QTest::newRow("de_AT: German") << all << none << "de_AT"
                                   << "Deutsch";
    QTest::newRow("ru_RU: Russian") << all << none << "ru_RU"
                                    << "Русский";
    QTest::newRow("fr_CA: French") << all << none << "fr_CA"
                                   << "Français";
    QTest::newRow("en_US: English") << all << none << "en_US"
                                    << "English";
    QTest::newRow("en_GB without English's own file: English")
        << QStringList {"de", "pl"} << none << "en_GB"
        << "English";
    QTest::newRow("ja_JP, no such translation: Polish") << all << none << "ja_JP"
                                                        << "Polski";
    QTest::newRow("C: Polish") << all << none << "C"
                               << "Polski";
    QTest::newRow("it_IT without its translation: Polish")
        << QStringList {"de", "pl"} << none << "it_IT"
        << "Polski";
    QTest::newRow("ja_JP, no Polish either: the last translation")
        << QStringList {"de", "fr"} << none << "ja_JP"
        << "Français";
    QTest::newRow("a stored choice wins over the user's language")
        << all << parametersFile("pl", "Polski") << "de_DE"
        << "Polski";
    QTest::newRow("a stored English wins over the user's language")
        << all << parametersFile("en", "English") << "ru_RU"
        << "English";
}

void tst_Languages::firstLanguage()
{
    QFETCH(QStringList, qm);
    QFETCH(QByteArray, kvi);
    QFETCH(QString, locale);
    QFETCH(QString, started);

    translations(qm, installedDir->path());
    files({}, kvi);
    discoveredNames(QLocale(locale));
    QVERIFY(requestedLanguage >= 0);
    QCOMPARE(languageTable[size_t(requestedLanguage)].name, started);
}

QTEST_MAIN(tst_Languages)
#include "tst_languages.moc"
