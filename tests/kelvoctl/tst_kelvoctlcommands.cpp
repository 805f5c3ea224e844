// kelvoctl's commands run in-process: what they print, where, and the status, for the main paths
// and the refusals. The process tests (tst_kelvoctl) keep exit codes, descriptors and shells.

#include "common/version.h"
#include "kelvoctl/commandtable.h"
#include "model/configclear.h"
#include "model/configfile.h"
#include "model/configlayout.h"
#include "support/configfilefixtures.h"
#include "support/upgradefilemaker.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace ConfigLayout;

class tst_KelvoctlCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void commands_data();
    void commands();
    void helpListsEveryCommand();

private:
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes);
};

void tst_KelvoctlCommands::initTestCase()
{
    QVERIFY(dir.isValid());
    QCoreApplication::setApplicationName(QStringLiteral("kelvoctl"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kelvoRelease));

    QByteArray image(ImageSize, 0);
    clearImage(reinterpret_cast<u8 *>(image.data()), ClearFlags::All);
    image[RcuSysAddr] = 5;
    write(QStringLiteral("good.cfgkv"),
          ConfigFile::encode(reinterpret_cast<const u8 *>(image.constData()),
                             QDateTime(QDate(2026, 12, 10), QTime(12, 0))));
    QByteArray broken = ConfigFile::encode(reinterpret_cast<const u8 *>(image.constData()),
                                           QDateTime(QDate(2026, 12, 10), QTime(12, 0)));
    broken[broken.size() - 1] = char(broken[broken.size() - 1] ^ 1);
    write(QStringLiteral("broken.cfgkv"), broken);
    write(QStringLiteral("bad.json"), "{\"format\": \"kelvodesk-configuration\"");

    UpgradeFileMaker maker;
    maker.firmware = ConfigFileFixtures::randomBytes(4, 4096).repeated(16);
    write(QStringLiteral("good.upg"), maker.build());
    write(QStringLiteral("text.upg"), QByteArray(500, 'x'));
    maker.crc = 0x1234;
    write(QStringLiteral("crc.upg"), maker.build());
}

void tst_KelvoctlCommands::write(const QString &name, const QByteArray &bytes)
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void tst_KelvoctlCommands::commands_data()
{
    // In arguments and expected texts, {} stands for the test's folder.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("outputFails");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output"); // contained in standard output
    QTest::addColumn<QString>("errors"); // standard error, whole
    const QString tryHelp = QStringLiteral("\nTry 'kelvoctl --help'.\n");

    QTest::newRow("no command") << QStringList {} << "" << 2 << ""
                                << "kelvoctl: no command given" + tryHelp;
    QTest::newRow("unknown command") << QStringList {"frobnicate"} << "" << 2 << ""
                                     << "kelvoctl: unknown command 'frobnicate'" + tryHelp;
    QTest::newRow("-o with info") << QStringList {"info", "{}/good.cfgkv", "-o", "x"} << "" << 2
                                  << ""
                                  << "kelvoctl: -o goes with export, simulate and backup only"
            + tryHelp;
    QTest::newRow("new without a name")
        << QStringList {"new"} << "" << 2 << ""
        << "kelvoctl: new takes one file name: kelvoctl new OUT" + tryHelp;
    QTest::newRow("export -o empty")
        << QStringList {"export", "{}/good.cfgkv", "-o", ""} << "" << 2 << ""
        << "kelvoctl: -o needs a file name (export writes to standard output without -o)" + tryHelp;
    QTest::newRow("version") << QStringList {"--version"} << "" << 0
                             << QStringLiteral("kelvoctl %1\n").arg(kelvoRelease) << "";
    QTest::newRow("help, output fails")
        << QStringList {"--help"} << "No space left on device" << 1 << ""
        << "kelvoctl: standard output: cannot write: No space left on device\n";

    QTest::newRow("new, then info") << QStringList {"new", "{}/new.cfgkv"} << "" << 0 << ""
                                    << "";
    QTest::newRow("info") << QStringList {"info", "{}/good.cfgkv"} << "" << 0
                          << "File: {}/good.cfgkv\nHeader:\n"
                          << "";
    QTest::newRow("info: the address")
        << QStringList {"info", "{}/good.cfgkv"} << "" << 0 << "System address: 5\n"
        << "";
    QTest::newRow("info: broken file") << QStringList {"info", "{}/broken.cfgkv"} << "" << 1 << ""
                                       << "kelvoctl: {}/broken.cfgkv: File is broken.\n";
    QTest::newRow("info: no such file") << QStringList {"info", "{}/none.cfgkv"} << "" << 1 << ""
                                        << "kelvoctl: {}/none.cfgkv: No such file or directory\n";
    QTest::newRow("export to standard output") << QStringList {"export", "{}/good.cfgkv"} << "" << 0
                                               << "\"format\": \"kelvodesk-configuration\""
                                               << "";
    QTest::newRow("export over its input")
        << QStringList {"export", "{}/good.cfgkv", "-o", "{}/good.cfgkv"} << "" << 1 << ""
        << "kelvoctl: {}/good.cfgkv: is the input file {}/good.cfgkv; refusing to overwrite it\n";
    QTest::newRow("import: unfinished JSON")
        << QStringList {"import", "{}/bad.json", "{}/out.cfgkv"} << "" << 1 << ""
        << "";

    QTest::newRow("firmware-info")
        << QStringList {"firmware-info", "{}/good.upg"} << "" << 0 << "Version tag: 1.05, core A\n"
        << "";
    QTest::newRow("firmware-info: not an upgrade file")
        << QStringList {"firmware-info", "{}/text.upg"} << "" << 1 << ""
        << "kelvoctl: File {}/text.upg\nisn't proper upgrade file !\n";
    QTest::newRow("firmware-info: CRC")
        << QStringList {"firmware-info", "{}/crc.upg"} << "" << 1 << ""
        << "kelvoctl: CRC error in block !\n";
}

void tst_KelvoctlCommands::commands()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, outputFails);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QString, errors);
    for (QString &a : arguments)
        a.replace(QStringLiteral("{}"), dir.path());
    output.replace(QStringLiteral("{}"), dir.path());
    errors.replace(QStringLiteral("{}"), dir.path());

    BufferConsole console;
    console.outputFails = outputFails;
    QCOMPARE(Kelvoctl::run(QStringList {QStringLiteral("kelvoctl")} + arguments, console), status);
    QVERIFY2(QString::fromUtf8(console.output).contains(output), console.output.constData());
    if (QByteArray(QTest::currentDataTag()) == "import: unfinished JSON")
        QVERIFY(console.errors.startsWith(QStringLiteral("kelvoctl: ") + arguments[1] + ": "));
    else
        QCOMPARE(console.errors, errors);
    if (QByteArray(QTest::currentDataTag()) == "new, then info") {
        BufferConsole info;
        QCOMPARE(
            Kelvoctl::run({QStringLiteral("kelvoctl"), QStringLiteral("info"), arguments[1]}, info),
            0);
        QVERIFY(info.output.contains("System address: not used\n"));
    }
    if (status != 0)
        QVERIFY(!QFile::exists(path(QStringLiteral("out.cfgkv"))));
}

void tst_KelvoctlCommands::helpListsEveryCommand()
{
    BufferConsole console;
    QCOMPARE(Kelvoctl::run({QStringLiteral("kelvoctl"), QStringLiteral("--help")}, console), 0);
    const QString help = QString::fromUtf8(console.output);
    for (const Kelvoctl::Command &c : Kelvoctl::commands()) {
        QVERIFY2(help.contains(QStringLiteral("\n  %1").arg(QLatin1String(c.synopsis))), c.name);
        QVERIFY2(help.contains(QLatin1String(c.summary)), c.name);
        if (c.otherSynopsis) {
            QVERIFY2(help.contains(QStringLiteral("\n  %1").arg(QLatin1String(c.otherSynopsis))),
                     c.name);
            QVERIFY2(help.contains(QLatin1String(c.otherSummary)), c.name);
        }
    }
    QVERIFY(
        help.contains(QStringLiteral("new, info, export, import, diff, firmware-info, simulate,")));
    // The exit statuses scripts rely on are documented where the commands are.
    for (const char *status : {"\n  0 ", "\n  3 ", "\n  4 ", "\n  5 ", "\n  6 ", "\n  130 "})
        QVERIFY2(help.contains(QLatin1String(status)), status);
}

QTEST_GUILESS_MAIN(tst_KelvoctlCommands)
#include "tst_kelvoctlcommands.moc"
