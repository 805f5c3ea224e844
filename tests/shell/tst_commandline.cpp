// kelvodesk's command line: --help, --version and mistakes as a user meets them (the program
// itself), and a file named on it read into the first window the way "Open file" reads it.

#include "common/version.h"
#include "controller/kelvo_controller_class.h"
#include "model/configfile.h"
#include "model/configlayout.h"
#include "shell/appstate.h"
#include "shell/commandline.h"
#include "shell/gui_class.h"
#include "shell/languages.h"
#include "shell/startup.h"
#include "support/configfilefixtures.h"
#include "support/scriptedprompts.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace ConfigLayout;

namespace {

struct Run
{
    int status;
    QString out;
    QString err;
};

// The program started in `folder`, offscreen, with the user's folders there too.
QProcess *start(QProcess &process, const QStringList &arguments, const QString &folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), folder);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder + QStringLiteral("/config"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(KELVODESK_PATH), arguments);
    return &process;
}

Run finished(QProcess &process)
{
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {-100, {}, QStringLiteral("did not finish")};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -200,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void options_data();
    void options();
    void fileArgument_data();
    void fileArgument();
    void fileAtStartAsOpenDoes_data();
    void fileAtStartAsOpenDoes();
    void userLanguageAtFirstStart_data();
    void userLanguageAtFirstStart();

private:
    std::unique_ptr<QTemporaryDir> tmp;
    QString previousDir;
};

void tst_CommandLine::init()
{
    tmp = std::make_unique<QTemporaryDir>();
    previousDir = QDir::currentPath();
    // No translation anywhere: the boxes speak English.
    QVERIFY(QDir::setCurrent(tmp->path()));
    Languages::setInstalledTranslations(tmp->path());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(tmp->filePath(QStringLiteral("config"))));
}

void tst_CommandLine::cleanup()
{
    QDir::setCurrent(previousDir);
    Languages::setInstalledTranslations(QString());
    tmp.reset();
}

void tst_CommandLine::options_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // what stdout starts with
    QTest::addColumn<QString>("err"); // what stderr holds

    const QString version = QStringLiteral("kelvodesk %1\n").arg(QLatin1String(kelvoRelease));
    const QString usage = QStringLiteral("Usage: kelvodesk [options] [file]\n");
    QTest::newRow("--version") << QStringList {"--version"} << 0 << version << "";
    QTest::newRow("-v") << QStringList {"-v"} << 0 << version << "";
    QTest::newRow("--help") << QStringList {"--help"} << 0 << usage << "";
    QTest::newRow("-h") << QStringList {"-h"} << 0 << usage << "";
    QTest::newRow("--help-all: no such option") << QStringList {"--help-all"} << 1 << ""
                                                << "Unknown option 'help-all'.";
    QTest::newRow("an unknown option") << QStringList {"--frobnicate"} << 1 << ""
                                       << "Unknown option 'frobnicate'.";
    QTest::newRow("two files") << QStringList {"a.cfgkv", "b.cfgkv"} << 1 << ""
                               << "kelvodesk: one file at most";
}

void tst_CommandLine::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    QProcess process;
    const Run run = finished(*start(process, arguments, tmp->path()));
    QCOMPARE(run.status, status);
    QCOMPARE(run.out.left(out.size()), out);
    QVERIFY2(run.err.contains(err), qPrintable(run.err));
    if (arguments.first().startsWith(QLatin1String("-h")) || arguments.first() == "--help") {
        for (const char *word : {"--help", "--version", "file"})
            QVERIFY2(run.out.contains(QLatin1String(word)), word);
    }
}

void tst_CommandLine::fileArgument_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");

    QTest::newRow("none") << QStringList {"kelvodesk"} << "";
    QTest::newRow("a name") << QStringList {"kelvodesk", "show.cfgkv"} << "show.cfgkv";
    QTest::newRow("a path with blanks") << QStringList {"kelvodesk", "/home/me/My shows/a b.cfgkv"}
                                        << "/home/me/My shows/a b.cfgkv";
    QTest::newRow("a name after --")
        << QStringList {"kelvodesk", "--", "-odd.cfgkv"} << "-odd.cfgkv";
}

// The file named on the command line is the one start-up opens.
void tst_CommandLine::fileArgument()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);

    CommandLine commandLine;
    QVERIFY(commandLine.read(arguments));
    QCOMPARE(commandLine.fileToOpen, file);
}

void tst_CommandLine::fileAtStartAsOpenDoes_data()
{
    QTest::addColumn<bool>("broken");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("title");

    QTest::newRow("a configuration") << false << "Data read from file\n    Sucessfull!"
                                     << "start.cfgkv[*] - KelvoDesk";
    QTest::newRow("a broken file")
        << true << "Data read from file\n       Failed!\n\nFile is broken."
        << "untitled[*] - KelvoDesk";
}

// In the program's own start-up: the first window reads the file, with the boxes of "Open file".
void tst_CommandLine::fileAtStartAsOpenDoes()
{
    QFETCH(bool, broken);
    QFETCH(QString, shown);
    QFETCH(QString, title);

    ScriptedPrompts script;
    const QString file = tmp->filePath(QStringLiteral("start.cfgkv"));
    const QByteArray image = ConfigFileFixtures::randomBytes(6, ImageSize);
    if (broken)
        QVERIFY(ConfigFileFixtures::writeFile(file, "no configuration"));
    else
        QVERIFY(ConfigFile::write(file, ConfigFileFixtures::bytes(image)));
    StartupSeams seams;
    seams.fileToOpen = file;
    QString titleAfter;
    QByteArray imageAfter;
    // Until the file's box was shown, or for at most a while if it never is.
    QTimer poll;
    int polls = 0;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (!mainWindow || (script.shown.isEmpty() && ++polls < 10000))
            return;
        titleAfter = mainWindow->windowTitle();
        imageAfter = QByteArray(
            reinterpret_cast<const char *>(mainWindow->controller().configImage()), ImageSize);
        poll.stop();
        mainWindow->close();
    });
    poll.start(0);
    QCOMPARE(runKelvoDesk(seams), 0);
    QCOMPARE(script.shown.size(), 1);
    QCOMPARE(script.shown[0].text, shown);
    QCOMPARE(titleAfter, title);
    QCOMPARE(imageAfter == image, !broken);
}

void tst_CommandLine::userLanguageAtFirstStart_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("started");

    QTest::newRow("LANG=de_DE.UTF-8: German") << "de_DE.UTF-8"
                                              << "de";
    QTest::newRow("LANG=ru_RU.UTF-8: Russian") << "ru_RU.UTF-8"
                                               << "ru";
    QTest::newRow("LANG=en_GB.UTF-8: English") << "en_GB.UTF-8"
                                               << "en";
    QTest::newRow("LANG=ja_JP.UTF-8, no such translation: Polish") << "ja_JP.UTF-8"
                                                                   << "pl";
    QTest::newRow("LANG=C.UTF-8: Polish") << "C.UTF-8"
                                          << "pl";
}

// The program itself, without a parameters file, with the program's translations beside it: the
// language it starts in follows the user's locale, as its debug line says.
void tst_CommandLine::userLanguageAtFirstStart()
{
    QFETCH(QString, lang);
    QFETCH(QString, started);

    for (const char *code : {"de", "en", "es", "fr", "it", "pl", "ru"}) {
        const QString name = QStringLiteral("KelvoDesk_%1.qm").arg(QLatin1String(code));
        QVERIFY(QFile::copy(QStringLiteral(KELVO_BIN_DIR "/") + name, tmp->filePath(name)));
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        environment.remove(QLatin1String(variable));
    environment.insert(QStringLiteral("LANG"), lang);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                       QStringLiteral("kelvodesk.debug.debug=true"));
    environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{message}"));
    environment.insert(QStringLiteral("HOME"), tmp->path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), tmp->filePath(QStringLiteral("config")));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(tmp->path());
    process.setReadChannel(QProcess::StandardError);
    process.start(QStringLiteral(KELVODESK_PATH));
    // Until the line is there, or the program ended or said nothing more for a long while.
    QByteArray said;
    const QByteArray prefix = "Start language: ";
    while (!said.contains(prefix) || !said.mid(said.indexOf(prefix)).contains('\n')) {
        if (!process.waitForReadyRead(30000))
            break;
        said += process.readAllStandardError();
    }
    process.kill();
    process.waitForFinished();
    QVERIFY2(said.contains(prefix + started.toLatin1() + '\n'), said.constData());
}

QTEST_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
