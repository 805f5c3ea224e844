#include "common/version.h"
#include "model/configclear.h"
#include "model/configfile.h"
#include "model/configjson.h"
#include "model/configlayout.h"
#include "model/printabletext.h"
#include "support/configfilefixtures.h"
#include "support/upgradefilemaker.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

#include <grp.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace ConfigLayout;
using namespace ConfigFileFixtures;
using Image = std::vector<u8>;

namespace {

struct Run
{
    int status;
    QString out;
    QString err;
};

Run finished(QProcess &process)
{
    if (!process.waitForFinished(60000))
        return {-100, {}, QStringLiteral("did not finish")};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -200,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

Run kelvoctl(const QStringList &arguments, const QString &workingDirectory = QString())
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(KELVOCTL_PATH), arguments);
    return finished(process);
}

// kelvoctl started by a shell script, as "$0", for redirections and raw argument bytes.
Run kelvoctlFromShell(const QString &script, const QStringList &arguments,
                      const QString &workingDirectory)
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral("/bin/sh"),
                  QStringList {"-c", script, QStringLiteral(KELVOCTL_PATH)} + arguments);
    return finished(process);
}

// kelvoctl as an ordinary user: root reads every file, so a permission refusal needs another
// user when the tests run as root ("nobody"'s ids; the folder must be open to others).
Run kelvoctlUnprivileged(const QStringList &arguments, const QString &workingDirectory)
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.setChildProcessModifier([] {
        if (geteuid() == 0
            && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
            _exit(126);
    });
    process.start(QStringLiteral(KELVOCTL_PATH), arguments);
    return finished(process);
}

bool openToOthers(const QString &folder)
{
    return QFile::setPermissions(folder,
                                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                     | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                                     | QFile::ExeOther);
}

// Control characters other than the line ends kelvoctl writes itself; empty when none.
QString controlCharacters(const QString &text)
{
    QString found;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\n') && text[i].category() == QChar::Other_Control)
            found += QStringLiteral("U+%1 at %2; ")
                         .arg(text[i].unicode(), 4, 16, QLatin1Char('0'))
                         .arg(i);
    }
    return found;
}

Image decodeFile(const QString &fileName)
{
    Image image(ImageSize, 0);
    if (!ConfigFile::decode(readFile(fileName), image.data()))
        return {};
    return image;
}

// Every entry of a folder with its kind and, for regular files, content: what a refused
// command must leave exactly as it was.
QStringList snapshot(const QString &folder)
{
    QStringList entries;
    const QFileInfoList infos = QDir(folder).entryInfoList(
        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &info : infos) {
        const QString kind = info.isSymLink() ? QStringLiteral("link to ") + info.symLinkTarget()
            : info.isDir()                    ? QStringLiteral("folder")
            : info.isFile()                   ? QString::fromLatin1(
                                    QCryptographicHash::hash(readFile(info.filePath()), QCryptographicHash::Sha256)
                                        .toHex())
                            : QStringLiteral("special");
        entries << info.fileName() + QStringLiteral(": ") + kind;
    }
    return entries;
}

} // namespace

class tst_Kelvoctl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void helpAndVersion();
    void usageErrors_data();
    void usageErrors();
    void newWritesDefaults();
    void infoSummarises();
    void infoEscapesHostileHeader();
    void exportImportRoundTrip_data();
    void exportImportRoundTrip();
    void brokenFilesAreRefused_data();
    void brokenFilesAreRefused();
    void refusedJsonLeavesOutputAlone_data();
    void refusedJsonLeavesOutputAlone();
    void fileRefusals_data();
    void fileRefusals();
    void standardOutputErrors_data();
    void standardOutputErrors();
    void firmwareInfo_data();
    void firmwareInfo();
    void firmwareInfoReadFailures_data();
    void firmwareInfoReadFailures();
    void fileNamesAreEscaped_data();
    void fileNamesAreEscaped();
    void simulatePrintsFrames();

private:
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
};

void tst_Kelvoctl::initTestCase()
{
    QVERIFY(dir.isValid());
    const QByteArray defaults = defaultImage();
    QVERIFY(ConfigFile::write(path("defaults.cfgkv"), bytes(defaults)));
    QVERIFY(writeFile(path("defaults.json"),
                      QJsonDocument(ConfigJson::toJson(bytes(defaults))).toJson()));
}

void tst_Kelvoctl::helpAndVersion()
{
    const Run help = kelvoctl({"--help"});
    QCOMPARE(help.status, 0);
    for (const char *command :
         {"new OUT", "info FILE", "export FILE [-o OUT.json]", "import IN.json OUT"})
        QVERIFY2(help.out.contains(QLatin1String(command)), command);

    const Run version = kelvoctl({"--version"});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out.trimmed(), QStringLiteral("kelvoctl ") + QLatin1String(kelvoRelease));
}

void tst_Kelvoctl::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no command") << QStringList {};
    QTest::newRow("unknown command") << QStringList {"frobnicate", "x"};
    QTest::newRow("unknown option") << QStringList {"--colour", "info", "x"};
    QTest::newRow("new without file") << QStringList {"new"};
    QTest::newRow("info with two files") << QStringList {"info", "a", "b"};
    QTest::newRow("import with one file") << QStringList {"import", "a.json"};
    QTest::newRow("-o with import") << QStringList {"import", "a.json", "b", "-o", "c"};
    // An empty name is no request for standard output.
    QTest::newRow("export -o an empty name")
        << QStringList {"export", path("defaults.cfgkv"), "-o", ""};
    QTest::newRow("export --output= an empty name")
        << QStringList {"export", path("defaults.cfgkv"), "--output="};
    // The shell hands "-1:power-on" over as an argument of its own: the option's value.
    QTest::newRow("simulate at a negative time")
        << QStringList {"simulate", path("defaults.cfgkv"), "--at", "-1:power-on"};
    QTest::newRow("simulate with an unknown event")
        << QStringList {"simulate", path("defaults.cfgkv"), "--at", "1:jump"};
}

void tst_Kelvoctl::usageErrors()
{
    QFETCH(QStringList, arguments);
    const Run run = kelvoctl(arguments);
    QCOMPARE(run.status, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.startsWith(QStringLiteral("kelvoctl: ")));
}

void tst_Kelvoctl::newWritesDefaults()
{
    const QString out = path("new.cfgkv");
    const Run run = kelvoctl({"new", out});
    QCOMPARE(run.status, 0);
    Image expected(ImageSize);
    clearImage(expected.data(), ClearFlags::All);
    QCOMPARE(decodeFile(out), expected);
    QVERIFY(readFile(out).startsWith("kelvoCFG\r\n"));
}

void tst_Kelvoctl::infoSummarises()
{
    Image image(ImageSize);
    clearImage(image.data(), ClearFlags::All);
    setLevel(image.data(), 0, 2, 10, 99); // scene 3
    setLevel(image.data(), 4, 6, 0, 1); // program 4, step 7
    setStepTime(image.data(), 4, 4, FallTime, FallLoop); // program 4: 5 steps, loop
    setStepTime(image.data(), 6, 2, FallTime, 30); // program 6: 3 steps
    image[InputFunc + 1] = 13 + 4; // input 2: scene 5
    image[InputUsedMask] = 0xFD; // input 2 unused
    image[InputNoMask] = 0xFB; // input 3 normally closed
    image[RcuKeyFunc + 9] = 29;
    image[PowerOnFunc] = 31;
    image[RcuSysAddr] = 7;
    image[MixMode] = 0;
    const QString file = path("info.cfgkv");
    QVERIFY(ConfigFile::write(file, image.data()));

    const Run run = kelvoctl({"info", file});
    QCOMPARE(run.status, 0);
    // Run and contact modes in the spelling of the JSON format.
    const QStringList expectedLines {
        "  kelvoCFG",
        "CRC: OK",
        "Scenes with levels: 3",
        "  Program 1: 16 steps, continued; steps with levels: none",
        "  Program 4: 5 steps, loop; steps with levels: 7",
        "  Program 6: 3 steps, normal; steps with levels: none",
        "  Input 1: N/O, No action",
        "  Input 2: N/U, Load and run chosen scene 5",
        "  Input 3: N/C, No action",
        "Power on: Load and run chosen program 2",
        "  Key 10: Load special scene",
        "Special scene: red 0, green 0, blue 0, channels 1..64, rise time 0.0 s",
        "Preview: channels 1..3",
        "Scene mixing mode: Proportional mode",
        "System address: 7",
    };
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    for (const QString &line : expectedLines)
        QVERIFY2(lines.contains(line), qPrintable(line + QStringLiteral("\n---\n") + run.out));
}

void tst_Kelvoctl::infoEscapesHostileHeader()
{
    QByteArray header = "kelvoCFG\r\n\x1b]0;owned\x07\x1b[2J\r\n" + QByteArray(200, 'L') + "\r\n";
    for (int line = 4; line <= 40; ++line) // numbered as header lines
        header += "line " + QByteArray::number(line) + "\r\n";
    const QString file = path("hostile-header.cfgkv");
    QVERIFY(writeFile(file, handMade(header, defaultImage())));

    const Run run = kelvoctl({"info", file});
    QCOMPARE(run.status, 0);
    const QString shown = run.out.section(QStringLiteral("Header:\n"), 1).section("CRC: OK", 0, 0);
    QCOMPARE(shown.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             QStringList({"  kelvoCFG",
                          "  \\x1b]0;owned\\x07\\x1b[2J",
                          "  " + QString(64, 'L') + "...",
                          "  line 4",
                          "  line 5",
                          "  line 6",
                          "  line 7",
                          "  line 8",
                          "  line 9",
                          "  line 10",
                          "  line 11",
                          "  line 12",
                          "  line 13",
                          "  line 14",
                          "  line 15",
                          "  line 16",
                          "  line 17",
                          "  line 18",
                          "  line 19",
                          "  line 20",
                          "  ..."}));
    for (const QChar c : run.out)
        QVERIFY2(c == QLatin1Char('\n') || c.category() != QChar::Other_Control,
                 qPrintable(QString::number(c.unicode())));
}

void tst_Kelvoctl::exportImportRoundTrip_data()
{
    // The JSON itself is tested in-process (tst_configjson); this is the commands' plumbing.
    QTest::addColumn<QByteArray>("image");
    QTest::newRow("defaults") << defaultImage();
    QTest::newRow("random") << randomBytes(10, ImageSize);
}

void tst_Kelvoctl::exportImportRoundTrip()
{
    QFETCH(QByteArray, image);
    const QString tag = QString::fromLatin1(QTest::currentDataTag());
    const QString original = path(tag + ".cfgkv");
    const QString json = path(tag + ".json");
    const QString back = path(tag + "-back.cfgkv");
    QVERIFY(ConfigFile::write(original, bytes(image)));

    QCOMPARE(kelvoctl({"export", original, "-o", json}).status, 0);
    const Run toStdout = kelvoctl({"export", original});
    QCOMPARE(toStdout.status, 0);
    QCOMPARE(toStdout.out.toUtf8(), readFile(json));

    const Run import = kelvoctl({"import", json, back});
    QVERIFY2(import.status == 0, qPrintable(import.err));
    QCOMPARE(readFile(back).size() > 0, true);
    const Image loaded = decodeFile(back);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(loaded.data()), qsizetype(loaded.size())),
             image);
}

void tst_Kelvoctl::brokenFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    for (const auto &[name, file] : ConfigFileFixtures::brokenFiles())
        QTest::newRow(name.constData()) << file;
    QTest::newRow("a text file") << QByteArray("hello, world\n");
}

void tst_Kelvoctl::brokenFilesAreRefused()
{
    QFETCH(QByteArray, bytes);
    static int fileNumber = 0;
    const QString file = path(QStringLiteral("broken-%1").arg(++fileNumber));
    QVERIFY(writeFile(file, bytes));
    const QString json = file + QStringLiteral(".json");

    for (const QStringList &arguments :
         {QStringList {"info", file}, QStringList {"export", file, "-o", json}}) {
        const Run run = kelvoctl(arguments);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(QStringLiteral("File is broken.")), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }
    QVERIFY(!QFile::exists(json));

    const Run missing = kelvoctl({"info", path("no-such-file.cfgkv")});
    QCOMPARE(missing.status, 1);
    QVERIFY2(missing.err.contains(QStringLiteral("No such file or directory")),
             qPrintable(missing.err));
}

void tst_Kelvoctl::refusedJsonLeavesOutputAlone_data()
{
    // Every refusal of the format is in tst_configjson; here only how the command ends.
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("message");
    QTest::newRow("malformed") << QByteArray("{\"format\": ")
                               << "bad.json: malformed JSON at offset 11: unterminated object";
    QByteArray duplicate = readFile(path("defaults.json"));
    duplicate.replace("\"systemAddress\":", "\"systemAddress\": 3, \"systemAddress\":");
    QTest::newRow("duplicate key") << duplicate << "bad.json: $.systemAddress: duplicate key";
}

void tst_Kelvoctl::refusedJsonLeavesOutputAlone()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, message);
    QTemporaryDir work;
    QVERIFY(writeFile(work.filePath("bad.json"), document));
    QVERIFY(writeFile(work.filePath("existing.cfgkv"), "previous"));
    const QStringList before = snapshot(work.path());
    for (const char *out : {"existing.cfgkv", "fresh.cfgkv"}) {
        const Run run = kelvoctl({"import", "bad.json", out}, work.path());
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, "kelvoctl: " + message + "\n");
    }
    QCOMPARE(snapshot(work.path()), before);
}

void tst_Kelvoctl::fileRefusals_data()
{
    // Run in a folder holding conf.cfgkv, conf.json, a FIFO "fifo", "link-to-fifo", "link.json"
    // (to conf.json), "hard.json" (a hard link of conf.json) and "big.json" (valid, over 1 MiB).
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    const auto row = [](const char *name, const QStringList &arguments, const char *message) {
        QTest::newRow(name) << arguments << QString::fromUtf8(message);
    };
    row("new onto a FIFO", {"new", "fifo"}, "fifo: cannot write: not a regular file");
    row("export -o a FIFO", {"export", "conf.cfgkv", "-o", "fifo"},
        "fifo: cannot write: not a regular file");
    row("import onto a link to a FIFO", {"import", "conf.json", "link-to-fifo"},
        "link-to-fifo: cannot write: not a regular file");
    row("export -o a device node", {"export", "conf.cfgkv", "-o", "null-device"},
        "null-device: cannot write: not a regular file");
    row("export -o a folder", {"export", "conf.cfgkv", "-o", "folder"},
        "folder: cannot write: not a regular file");
    row("export -o its input", {"export", "conf.cfgkv", "-o", "conf.cfgkv"},
        "conf.cfgkv: is the input file conf.cfgkv; refusing to overwrite it");
    row("export -o its input, spelled otherwise",
        {"export", "conf.cfgkv", "-o", "./folder/../conf.cfgkv"},
        "./folder/../conf.cfgkv: is the input file conf.cfgkv; refusing to overwrite it");
    row("import onto its input through a symbolic link", {"import", "link.json", "conf.json"},
        "conf.json: is the input file link.json; refusing to overwrite it");
    row("import onto a hard link of its input", {"import", "conf.json", "hard.json"},
        "hard.json: is the input file conf.json; refusing to overwrite it");
    row("import from an endless device", {"import", "/dev/zero", "out.cfgkv"},
        "/dev/zero: larger than 1048576 bytes");
    row("import of JSON over 1 MiB", {"import", "big.json", "out.cfgkv"},
        "big.json: larger than 1048576 bytes");
    row("info on an endless device", {"info", "/dev/zero"},
        "/dev/zero: File is broken. (larger than 16384 bytes)");
}

void tst_Kelvoctl::fileRefusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QTemporaryDir work;
    const auto at = [&work](const char *name) {
        return work.filePath(QLatin1String(name));
    };
    QVERIFY(QFile::copy(path("defaults.cfgkv"), at("conf.cfgkv")));
    QVERIFY(QFile::copy(path("defaults.json"), at("conf.json")));
    QCOMPARE(mkfifo(QFile::encodeName(at("fifo")).constData(), 0600), 0);
    QVERIFY(QFile::link("fifo", at("link-to-fifo")));
    QVERIFY(QFile::link("conf.json", at("link.json")));
    QCOMPARE(link(QFile::encodeName(at("conf.json")).constData(),
                  QFile::encodeName(at("hard.json")).constData()),
             0);
    QVERIFY(QDir(work.path()).mkdir("folder"));
    QVERIFY(writeFile(at("big.json"),
                      readFile(at("conf.json")) + QByteArray(ConfigJson::MaxTextSize, ' ')));
    if (arguments.contains("null-device")) {
        // The null device's numbers, but a node of our own: a regression replaces only it.
        if (mknod(QFile::encodeName(at("null-device")).constData(), S_IFCHR | 0600, makedev(1, 3))
            != 0)
            QSKIP("device nodes cannot be made here");
    }
    const QStringList before = snapshot(work.path());

    const Run run = kelvoctl(arguments, work.path());
    QCOMPARE(run.status, 1);
    QCOMPARE(run.err, "kelvoctl: " + message + "\n");
    QVERIFY(run.out.isEmpty());
    QCOMPARE(snapshot(work.path()), before);
}

void tst_Kelvoctl::standardOutputErrors_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("message");

    // A name the locale cannot decode, made by the shell: Qt would replace its bad byte.
    QTest::newRow("new with a name not in the locale's encoding")
        << R"sh(exec "$0" new "$(printf 'caf\351.cfgkv')")sh"
        << R"(kelvoctl: caf\xe9.cfgkv: not valid in the locale's encoding)";
    QTest::newRow("import with an input name not in the locale's encoding")
        << R"sh(exec "$0" import "$(printf 'conf\377.json')" out.cfgkv)sh"
        << R"(kelvoctl: conf\xff.json: not valid in the locale's encoding)";
    if (QFileInfo::exists("/dev/full")) {
        QTest::newRow("export to a full disk")
            << R"(exec "$0" export conf.cfgkv > /dev/full)"
            << "kelvoctl: standard output: cannot write: No space left on device";
        QTest::newRow("info to a full disk")
            << R"(exec "$0" info conf.cfgkv > /dev/full)"
            << "kelvoctl: standard output: cannot write: No space left on device";
    }
    QTest::newRow("export with standard output closed")
        << R"(exec "$0" export conf.cfgkv >&-)"
        << "kelvoctl: standard output: cannot write: Bad file descriptor";
    QTest::newRow("info with standard output closed")
        << R"(exec "$0" info conf.cfgkv >&-)"
        << "kelvoctl: standard output: cannot write: Bad file descriptor";
    for (const char *option : {"--help", "--version"}) {
        const QString name = QLatin1String(option);
        if (QFileInfo::exists("/dev/full")) {
            QTest::addRow("%s to a full disk", option)
                << QStringLiteral(R"(exec "$0" %1 > /dev/full)").arg(name)
                << "kelvoctl: standard output: cannot write: No space left on device";
        }
        QTest::addRow("%s with standard output closed", option)
            << QStringLiteral(R"(exec "$0" %1 >&-)").arg(name)
            << "kelvoctl: standard output: cannot write: Bad file descriptor";
    }
}

void tst_Kelvoctl::standardOutputErrors()
{
    QFETCH(QString, script);
    QFETCH(QString, message);
    QTemporaryDir work;
    QVERIFY(QFile::copy(path("defaults.cfgkv"), work.filePath("conf.cfgkv")));
    const QStringList before = snapshot(work.path());

    const Run run = kelvoctlFromShell(script, {}, work.path());
    QCOMPARE(run.status, 1);
    QCOMPARE(run.err, message + "\n");
    QCOMPARE(snapshot(work.path()), before);
}

void tst_Kelvoctl::firmwareInfo_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output"); // standard output, or the message on standard error

    UpgradeFileMaker m;
    m.firmware = ConfigFileFixtures::randomBytes(4, 4096).repeated(16);
    const QByteArray good = m.build();
    const QString compressed = QString::number(good.size() - 400);
    QTest::newRow("tagged") << good << 0
                            << "Version tag: 1.05, core A\nCompressed size: " + compressed
            + " bytes\nFirmware: unpacks to a valid 64 KiB image\n";
    UpgradeFileMaker untagged = m;
    untagged.text = "Kelvo firmware";
    QTest::newRow("no tag") << untagged.build() << 0
                            << QString("Version tag: none (installed without a version check)\n");
    QTest::newRow("399 bytes") << good.left(399) << 1 << QString("File read error : %1");
    QByteArray damaged = good;
    damaged[500] = char(damaged[500] ^ 1);
    QTest::newRow("CRC") << damaged << 1 << QString("CRC error in block !");
    QTest::newRow("wrong magic") << "KelvoCFG" + good.mid(8) << 1
                                 << QString("File %1\nisn't proper upgrade file !");
}

void tst_Kelvoctl::firmwareInfo()
{
    QFETCH(QByteArray, file);
    QFETCH(int, status);
    QFETCH(QString, output);

    const QString name = path(QStringLiteral("firmware.upg"));
    QVERIFY(writeFile(name, file));
    const Run run = kelvoctl({"firmware-info", name});
    QCOMPARE(run.status, status);
    if (status == 0) {
        QVERIFY2(run.out.startsWith("File: " + name + "\n"), qPrintable(run.out));
        QVERIFY2(run.out.contains(output), qPrintable(run.out));
        QVERIFY(run.err.isEmpty());
    } else {
        QCOMPARE(run.err, "kelvoctl: " + output.arg(name) + "\n");
        QVERIFY(run.out.isEmpty());
    }
}

void tst_Kelvoctl::firmwareInfoReadFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder") << "folder"
                            << "directory";
    QTest::newRow("file without read permission") << "unreadable.upg"
                                                  << "Permission denied";
    QTest::newRow("missing file") << "missing.upg"
                                  << "No such file or directory";
}

void tst_Kelvoctl::firmwareInfoReadFailures()
{
    // The system's reason, worded as the other commands word it.
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir work;
    QVERIFY(openToOthers(work.path()));
    QVERIFY(QDir(work.path()).mkdir("folder"));
    QVERIFY(writeFile(work.filePath("unreadable.upg"), "KelvoUPG"));
    QVERIFY(QFile::setPermissions(work.filePath("unreadable.upg"), {}));

    const Run run = kelvoctlUnprivileged({"firmware-info", name}, work.path());
    QCOMPARE(run.status, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.startsWith("kelvoctl: " + name + ": ") && run.err.contains(reason),
             qPrintable(run.err));
    const Run info = kelvoctlUnprivileged({"info", name}, work.path());
    QCOMPARE(run.err, info.err);
}

void tst_Kelvoctl::fileNamesAreEscaped_data()
{
    // NAME in the arguments is the hostile file name, SHOWN in the line how it must be shown.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("prepared"); // what NAME is in the working folder
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("line"); // on standard output when status is 0, else on error

    const auto row = [](const char *tag, const QStringList &arguments, const char *prepared,
                        int status, const char *line) {
        QTest::newRow(tag) << arguments << QString::fromLatin1(prepared) << status
                           << QString::fromLatin1(line);
    };
    row("info: File line", {"info", "NAME"}, "configuration", 0, "File: SHOWN");
    row("info of a missing file", {"info", "NAME"}, "nothing", 1,
        "kelvoctl: SHOWN: No such file or directory");
    row("export of a broken file", {"export", "NAME"}, "text", 1,
        "kelvoctl: SHOWN: File is broken.");
    row("export -o its input", {"export", "NAME", "-o", "NAME"}, "configuration", 1,
        "kelvoctl: SHOWN: is the input file SHOWN; refusing to overwrite it");
    row("new onto a folder", {"new", "NAME"}, "folder", 1,
        "kelvoctl: SHOWN: cannot write: not a regular file");
    // Qt's own reason names the file too.
    row("new onto a read-only file", {"new", "NAME"}, "read-only configuration", 1,
        "kelvoctl: SHOWN: cannot write: Existing file SHOWN is not writable");
    row("import of a missing file", {"import", "NAME", "out.cfgkv"}, "nothing", 1,
        "kelvoctl: SHOWN: No such file or directory");
    row("import of malformed JSON", {"import", "NAME", "out.cfgkv"}, "text", 1,
        "kelvoctl: SHOWN: malformed JSON at offset 11: unterminated object");
    row("import onto a folder", {"import", "conf.json", "NAME"}, "folder", 1,
        "kelvoctl: SHOWN: cannot write: not a regular file");
    row("firmware-info: File line", {"firmware-info", "NAME"}, "upgrade", 0, "File: SHOWN");
    row("firmware-info, wrong magic", {"firmware-info", "NAME"}, "upgrade, wrong magic", 1,
        "kelvoctl: File SHOWN");
    row("firmware-info of a short file", {"firmware-info", "NAME"}, "text", 1,
        "kelvoctl: File read error : SHOWN");
    row("firmware-info of a missing file", {"firmware-info", "NAME"}, "nothing", 1,
        "kelvoctl: SHOWN: No such file or directory");
    row("unknown command", {"NAME"}, "nothing", 2, "kelvoctl: unknown command 'SHOWN'");
    row("unknown option", {"--NAME"}, "nothing", 2, "kelvoctl: Unknown option 'SHOWN'.");
}

void tst_Kelvoctl::fileNamesAreEscaped()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, prepared);
    QFETCH(int, status);
    QFETCH(QString, line);

    // It would set the terminal's title and return the cursor; longer than the 64 characters
    // that texts from files are cut after, as a name is shown whole.
    const QString name = QStringLiteral("x\x1b]0;t\a\r") + QString(70, QLatin1Char('n'));
    const QString shown = QStringLiteral("x\\x1b]0;t\\x07\\r") + QString(70, QLatin1Char('n'));
    QTemporaryDir work;
    QVERIFY(openToOthers(work.path()));
    QVERIFY(QFile::copy(path("defaults.json"), work.filePath("conf.json")));
    const QString file = work.filePath(name);
    if (prepared == QLatin1String("configuration")) {
        QVERIFY(QFile::copy(path("defaults.cfgkv"), file));
    } else if (prepared == QLatin1String("read-only configuration")) {
        QVERIFY(QFile::copy(path("defaults.cfgkv"), file));
        QVERIFY(
            QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    } else if (prepared == QLatin1String("text")) {
        QVERIFY(writeFile(file, "{\"format\": "));
    } else if (prepared == QLatin1String("folder")) {
        QVERIFY(QDir(work.path()).mkdir(name));
    } else if (prepared.startsWith(QLatin1String("upgrade"))) {
        UpgradeFileMaker m;
        m.firmware = ConfigFileFixtures::randomBytes(4, 4096).repeated(16);
        QByteArray upgrade = m.build();
        if (prepared.endsWith(QLatin1String("wrong magic")))
            upgrade.replace(0, 8, "KelvoCFG");
        QVERIFY(writeFile(file, upgrade));
    } else {
        QCOMPARE(prepared, QStringLiteral("nothing"));
    }
    arguments.replaceInStrings(QStringLiteral("NAME"), name);

    const Run run = kelvoctlUnprivileged(arguments, work.path());
    QCOMPARE(run.status, status);
    const QString &stream = status == 0 ? run.out : run.err;
    // Shown escaped, so that a failure does not rewrite the terminal either.
    QVERIFY2(stream.split(QLatin1Char('\n')).contains(line.replace(QLatin1String("SHOWN"), shown)),
             qPrintable(printableText(stream, 100000)));
    QVERIFY2(controlCharacters(run.out).isEmpty(), qPrintable(controlCharacters(run.out)));
    QVERIFY2(controlCharacters(run.err).isEmpty(), qPrintable(controlCharacters(run.err)));
}

void tst_Kelvoctl::simulatePrintsFrames()
{
    // Power-on loads scene 1: channel 1 rises to 255 over 1 s.
    Image image(ImageSize);
    clearImage(image.data(), ClearFlags::All);
    setLevel(image.data(), 0, 0, 0, 255);
    setStepTime(image.data(), 0, 0, RiseTime, 10);
    setStepTime(image.data(), 0, 0, LastTime, LastInfinite);
    image[PowerOnFunc] = 13;
    const QString file = path("simulate.cfgkv");
    QVERIFY(ConfigFile::write(file, image.data()));

    const Run run
        = kelvoctl({"simulate", file, "--duration", "1", "--fps", "2", "--channels", "1-2"});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QStringLiteral("time_s,ch1,ch2\n0.000,0,0\n0.500,128,0\n1.000,255,0\n"));
}

QTEST_GUILESS_MAIN(tst_Kelvoctl)
#include "tst_kelvoctl.moc"
