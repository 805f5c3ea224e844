#include "model/configclear.h"
#include "model/configfile.h"
#include "model/configjson.h"
#include "model/configlayout.h"
#include "support/configfilefixtures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

using namespace ConfigLayout;
using Image = std::vector<u8>;

namespace {

struct Run
{
    int status;
    QString out;
    QString err;
};

Run kelvoctl(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(KELVOCTL_PATH), arguments);
    if (!process.waitForFinished(60000))
        return {-100, {}, QStringLiteral("did not finish")};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -200,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

Image randomImage(quint32 seed)
{
    const QByteArray bytes = ConfigFileFixtures::randomBytes(seed, ImageSize);
    return Image(bytes.cbegin(), bytes.cend());
}

Image decodeFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    Image image(ImageSize, 0);
    if (!ConfigFile::decode(file.readAll(), image.data()))
        return {};
    return image;
}

QByteArray readAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A default configuration as JSON, with one change applied at a JSON path like
// "scenes[3].levels[5]"; a null value removes the key.
QJsonObject changed(QJsonObject root, const QString &path, const QJsonValue &value);

QJsonValue changedValue(const QJsonValue &node, QStringList parts, const QJsonValue &value)
{
    if (parts.isEmpty())
        return value;
    const QString part = parts.takeFirst();
    if (part.startsWith(QLatin1Char('['))) {
        QJsonArray array = node.toArray();
        const int i = part.mid(1, part.size() - 2).toInt();
        array[i] = changedValue(array[i], parts, value);
        return array;
    }
    QJsonObject object = node.toObject();
    if (parts.isEmpty() && value.isNull())
        object.remove(part);
    else
        object[part] = changedValue(object.value(part), parts, value);
    return object;
}

QJsonObject changed(QJsonObject root, const QString &path, const QJsonValue &value)
{
    QStringList parts;
    static const QRegularExpression token(QStringLiteral("([A-Za-z0-9_]+)|(\\[\\d+\\])"));
    auto it = token.globalMatch(path);
    while (it.hasNext())
        parts << it.next().captured(0);
    return changedValue(root, parts, value).toObject();
}

} // namespace

class tst_Kelvoctl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void helpAndVersion();
    void usageErrors_data();
    void usageErrors();
    void newWritesDefaults();
    void infoSummarises();
    void exportImportRoundTrip_data();
    void exportImportRoundTrip();
    void brokenFilesAreRefused_data();
    void brokenFilesAreRefused();
    void badJsonIsRefused_data();
    void badJsonIsRefused();

private:
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
};

void tst_Kelvoctl::helpAndVersion()
{
    const Run help = kelvoctl({"--help"});
    QCOMPARE(help.status, 0);
    for (const char *command :
         {"new OUT", "info FILE", "export FILE [-o OUT.json]", "import IN.json OUT"})
        QVERIFY2(help.out.contains(QLatin1String(command)), command);

    const Run version = kelvoctl({"--version"});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out.trimmed(), QStringLiteral("kelvoctl 0.1.3.204"));
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
    QVERIFY(readAll(out).startsWith("kelvoCFG\r\n"));
}

void tst_Kelvoctl::infoSummarises()
{
    Image image(ImageSize);
    clearImage(image.data(), ClearFlags::All);
    setLevel(image.data(), 0, 2, 10, 99); // scene 3
    setLevel(image.data(), 4, 6, 0, 1); // program 4, step 7
    setStepTime(image.data(), 4, 4, FallTime, FallLoop); // program 4: 5 steps, loop
    image[InputFunc + 1] = 13 + 4; // input 2: scene 5
    image[InputUsedMask] = 0xFD; // input 2 unused
    image[RcuKeyFunc + 9] = 29;
    image[PowerOnFunc] = 31;
    image[RcuSysAddr] = 7;
    image[MixMode] = 0;
    const QString file = path("info.cfgkv");
    QVERIFY(ConfigFile::write(file, image.data()));

    const Run run = kelvoctl({"info", file});
    QCOMPARE(run.status, 0);
    const QStringList expectedLines {
        "  kelvoCFG",
        "CRC: OK",
        "Scenes with levels: 3",
        "  Program 1: 16 steps, Continued; steps with levels: none",
        "  Program 4: 5 steps, Loop; steps with levels: 7",
        "  Input 1: N/O, No action",
        "  Input 2: N/U, Load and run chosen scene 5",
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

void tst_Kelvoctl::exportImportRoundTrip_data()
{
    QTest::addColumn<int>("seed"); // 0: defaults, 1: all 0x00, 2: all 0xFF, else random

    QTest::newRow("defaults") << 0;
    QTest::newRow("all zero") << 1;
    QTest::newRow("all 0xFF") << 2;
    for (int seed = 10; seed < 16; ++seed)
        QTest::newRow(qPrintable(QStringLiteral("random %1").arg(seed))) << seed;
}

void tst_Kelvoctl::exportImportRoundTrip()
{
    QFETCH(int, seed);
    Image image = seed == 0 ? Image(ImageSize)
        : seed == 1         ? Image(ImageSize, 0)
        : seed == 2         ? Image(ImageSize, 0xFF)
                            : randomImage(quint32(seed));
    if (seed == 0)
        clearImage(image.data(), ClearFlags::All);
    const QString original = path(QStringLiteral("rt%1.cfgkv").arg(seed));
    const QString json = path(QStringLiteral("rt%1.json").arg(seed));
    const QString back = path(QStringLiteral("rt%1-back.cfgkv").arg(seed));
    QVERIFY(ConfigFile::write(original, image.data()));

    QCOMPARE(kelvoctl({"export", original, "-o", json}).status, 0);
    const Run toStdout = kelvoctl({"export", original});
    QCOMPARE(toStdout.status, 0);
    QCOMPARE(QJsonDocument::fromJson(toStdout.out.toUtf8()),
             QJsonDocument::fromJson(readAll(json)));

    const Run import = kelvoctl({"import", json, back});
    QVERIFY2(import.status == 0, qPrintable(import.err));
    QCOMPARE(decodeFile(back), image);
    QCOMPARE(kelvoctl({"info", back}).status, 0);
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
    QVERIFY(writeAll(file, bytes));
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
}

void tst_Kelvoctl::badJsonIsRefused_data()
{
    QTest::addColumn<QString>("change"); // JSON path to change, or a raw document after "raw:"
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QString>("message"); // must appear in stderr

    const auto row = [](const char *name, const char *change, const QJsonValue &value,
                        const char *message) {
        QTest::newRow(name) << QString::fromLatin1(change) << value << QString::fromUtf8(message);
    };
    row("malformed", "raw:{\"format\": ", QJsonValue(), "malformed JSON");
    row("not an object", "raw:[1, 2]", QJsonValue(), "$: must be an object");
    row("unknown root key", "colour", "red", "$.colour: unknown key");
    row("missing key", "powerOn", QJsonValue(), "$.powerOn: missing");
    row("wrong format", "format", "something", "$.format: must be \"kelvodesk-configuration\"");
    row("newer version", "version", 2, "$.version: must be an integer from 1 to 1");
    row("level too high", "scenes[3].levels[5]", 256,
        "$.scenes[3].levels[5]: must be an integer from 0 to 255");
    row("level negative", "programs[0].steps[1].levels[63]", -1,
        "$.programs[0].steps[1].levels[63]: must be an integer from 0 to 255");
    row("level not whole", "scenes[0].levels[0]", 1.5,
        "$.scenes[0].levels[0]: must be an integer from 0 to 255");
    row("too few levels", "scenes[0].levels", QJsonArray {1, 2, 3},
        "$.scenes[0].levels: must be an array of 64 elements");
    row("scene rise too long", "scenes[2].riseTime", 65536,
        "$.scenes[2].riseTime: must be an integer from 0 to 65535");
    row("last time marker unknown", "scenes[2].lastTime", "forever",
        "$.scenes[2].lastTime: must be an integer from 0 to 65534 (tenths of a second) or "
        "\"infinite\"");
    row("program fall is a marker value", "programs[1].steps[0].fallTime", 65535,
        "$.programs[1].steps[0].fallTime: must be an integer from 0 to 65533");
    row("step count disagrees", "programs[2].stepCount", 4,
        "$.programs[2].stepCount: must be 16, as the steps' fall times say");
    row("run mode disagrees", "programs[2].runMode", "loop",
        "$.programs[2].runMode: must be \"continued\"");
    row("unknown step key", "programs[0].steps[0].holdTime", 5,
        "$.programs[0].steps[0].holdTime: unknown key");
    row("action code too high", "inputs[1].action.code", 256,
        "$.inputs[1].action.code: must be an integer from 0 to 255");
    row("action text disagrees", "remoteKeys[7].text", "Load next scene",
        "$.remoteKeys[7].text: must be \"No action\" for code 255");
    row("contact mode unknown", "inputs[0].contact.mode", "N/X",
        "$.inputs[0].contact.mode: must be \"N/O\", \"N/C\" or \"N/U\"");
    row("special level too high", "specialScene.red", 300,
        "$.specialScene.red: must be an integer from 0 to 255");
    row("mix mode unknown", "mixMode", "bright",
        "$.mixMode: must be \"proportional\", \"standard\" or an integer from 0 to 255");
    row("system address too high", "systemAddress", 256,
        "$.systemAddress: must be an integer from 0 to 255");
    row("reserved head too short", "reserved.head", "ffff",
        "$.reserved.head: must be a string of 16 hexadecimal digits");
    row("reserved tail not hex", "reserved.timePageTails[8]", QString(64, QLatin1Char('g')),
        "$.reserved.timePageTails[8]: must be a string of 64 hexadecimal digits");
}

void tst_Kelvoctl::badJsonIsRefused()
{
    QFETCH(QString, change);
    QFETCH(QJsonValue, value);
    QFETCH(QString, message);

    const QString defaults = path("defaults.cfgkv");
    QCOMPARE(kelvoctl({"new", defaults}).status, 0);
    Image image = decodeFile(defaults);
    QJsonObject json = ConfigJson::toJson(image.data());

    QByteArray document;
    if (change.startsWith(QLatin1String("raw:")))
        document = change.mid(4).toUtf8();
    else
        document = QJsonDocument(changed(json, change, value)).toJson();
    const QString in = path(QStringLiteral("bad-%1.json").arg(QTest::currentDataTag()));
    QVERIFY(writeAll(in, document));

    // An existing output stays as it was; a new one is not created.
    const QString existing = path("existing.cfgkv");
    QVERIFY(writeAll(existing, "previous"));
    const QString fresh = path("fresh.cfgkv");
    for (const QString &out : {existing, fresh}) {
        const Run run = kelvoctl({"import", in, out});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }
    QCOMPARE(readAll(existing), QByteArray("previous"));
    QVERIFY(!QFile::exists(fresh));
}

QTEST_GUILESS_MAIN(tst_Kelvoctl)
#include "tst_kelvoctl.moc"
