// kelvoctl simulate run in-process: the frames of a small show worked out by hand, as CSV and
// JSON, the frame times, the events file, and every kind of bad input refused before anything
// is written.

#include "common/version.h"
#include "kelvoctl/commandtable.h"
#include "model/configclear.h"
#include "model/configfile.h"
#include "model/configlayout.h"
#include "support/configfilefixtures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace ConfigLayout;
using namespace ConfigFileFixtures;

namespace {

// Standard mixing (the biggest level wins), system address 5, and:
// scene 1: channel 1 at 200 and channel 3 at 100, rising 1 s, held for ever, falling 1 s;
// scene 2: channel 2 at 250, at once, held for ever, falling 0.5 s;
// scene 3: channel 4 at 100, rising 2 s, held for ever;
// power-on loads scene 3, input 1 (N/O) scene 1, input 2 (N/C) scene 2, remote key 12 scene 2.
QByteArray smallShow()
{
    QByteArray bytes(ImageSize, '\0');
    u8 *image = reinterpret_cast<u8 *>(bytes.data());
    clearImage(image, ClearFlags::All);
    for (int scene = 0; scene < StepsPerPage; ++scene) {
        for (int c = 0; c < ChannelCount; ++c)
            setLevel(image, 0, scene, c, 0);
    }
    const auto scene = [&](int number, u16 rise, u16 fall) {
        setStepTime(image, 0, number - 1, RiseTime, rise);
        setStepTime(image, 0, number - 1, LastTime, LastInfinite);
        setStepTime(image, 0, number - 1, FallTime, fall);
    };
    setLevel(image, 0, 0, 0, 200);
    setLevel(image, 0, 0, 2, 100);
    scene(1, 10, 10);
    setLevel(image, 0, 1, 1, 250);
    scene(2, 0, 5);
    setLevel(image, 0, 2, 3, 100);
    scene(3, 20, 0);
    constexpr u8 LoadScene1 = 13;
    image[MixMode] = 1;
    image[RcuSysAddr] = 5;
    image[PowerOnFunc] = LoadScene1 + 2;
    image[InputUsedMask] = 0x03;
    image[InputNoMask] = 0x01;
    image[InputFunc + 0] = LoadScene1;
    image[InputFunc + 1] = LoadScene1 + 1;
    image[RcuKeyFunc + 11] = LoadScene1 + 1;
    return bytes;
}

// Input 1 loads scene 1 at 0, remote key 12 with the address scene 2 at 1 s: scene 1 falls
// from 200 and 100 over 1 s while channel 2 is at 250 at once.
const QByteArray keyAfterInput = "time_s,ch1,ch2,ch3\n"
                                 "0.000,0,0,0\n"
                                 "0.250,50,0,25\n"
                                 "0.500,100,0,50\n"
                                 "0.750,150,0,75\n"
                                 "1.000,200,250,100\n"
                                 "1.250,150,250,75\n"
                                 "1.500,100,250,50\n"
                                 "1.750,50,250,25\n"
                                 "2.000,0,250,0\n";

// Scene 1 rising alone, sampled twice a second for 2 s.
const QByteArray sceneOneRising = "time_s,ch1,ch2,ch3\n"
                                  "0.000,0,0,0\n"
                                  "0.500,100,0,50\n"
                                  "1.000,200,0,100\n"
                                  "1.500,200,0,100\n"
                                  "2.000,200,0,100\n";

const QByteArray dark = "time_s,ch1,ch2,ch3\n"
                        "0.000,0,0,0\n"
                        "0.500,0,0,0\n"
                        "1.000,0,0,0\n"
                        "1.500,0,0,0\n"
                        "2.000,0,0,0\n";

} // namespace

class tst_KelvoctlSimulate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void csvFrames_data();
    void csvFrames();
    void jsonFrames();
    void writesTheOutputFile();
    void frameTimesComeFromTheFrameNumber();
    void badInputIsWrongUsage_data();
    void badInputIsWrongUsage();
    void badInputAsJson();
    void failures_data();
    void failures();
    void standardOutputFails();

private:
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
    // kelvoctl simulate CONFIG with the arguments, {} standing for the test's folder.
    int simulate(const QStringList &arguments, BufferConsole &console,
                 const QString &config = QStringLiteral("show.cfgkv"));
};

void tst_KelvoctlSimulate::initTestCase()
{
    QVERIFY(dir.isValid());
    QCoreApplication::setApplicationName(QStringLiteral("kelvoctl"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kelvoRelease));
    const QByteArray show = smallShow();
    QVERIFY(ConfigFile::write(path("show.cfgkv"), bytes(show)));
    QByteArray broken = ConfigFile::encode(bytes(show), fixedTime());
    broken[broken.size() - 1] = char(broken[broken.size() - 1] ^ 1);
    QVERIFY(writeFile(path("broken.cfgkv"), broken));
    QVERIFY(writeFile(path("events.txt"),
                      "# the stage door, then the remote\n"
                      "0:input=1   # closes and opens\n"
                      "\n"
                      "   # 0.5:input=1:open\n"
                      "1:key=12@5\r\n"));
    QVERIFY(writeFile(path("scene2.txt"), "0:action=14\n"));
    QVERIFY(writeFile(path("bad-events.txt"), "# fine\n0:power-on\n0.5:input=1:push\n"));
}

int tst_KelvoctlSimulate::simulate(const QStringList &arguments, BufferConsole &console,
                                   const QString &config)
{
    QStringList all {QStringLiteral("kelvoctl"), QStringLiteral("simulate")};
    if (!config.isEmpty())
        all << path(config);
    for (QString a : arguments)
        all << a.replace(QStringLiteral("{}"), dir.path());
    return Kelvoctl::run(all, console);
}

void tst_KelvoctlSimulate::csvFrames_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("csv");
    const QStringList twoSeconds {"--duration", "2", "--fps", "2", "--channels", "1-3"};
    const QStringList quarters {"--duration", "2", "--fps", "4", "--channels", "1-3"};

    QTest::newRow("input 1 (N/O) closes: scene 1 rises")
        << QStringList {"--at", "0:input=1:close"} + twoSeconds << sceneOneRising;
    QTest::newRow("input 1 (N/O) pressed")
        << QStringList {"--at", "0:input=1"} + twoSeconds << sceneOneRising;
    QTest::newRow("input 1 (N/O) opens: nothing")
        << QStringList {"--at", "0:input=1:open"} + twoSeconds << dark;
    QTest::newRow("input 2 (N/C) acts as it opens")
        << QStringList {"--at", "0:input=2:close", "--at", "0.5:input=2:open", "--duration",
                        "1",    "--fps",           "2",    "--channels",       "2"}
        << QByteArray("time_s,ch2\n0.000,0\n0.500,250\n1.000,250\n");
    QTest::newRow("remote key with the system address")
        << QStringList {"--at", "0:input=1", "--at", "1:key=12@5"} + quarters << keyAfterInput;
    QTest::newRow("remote key with another address: ignored")
        << QStringList {"--at", "0:input=1", "--at", "1:key=12@6"} + twoSeconds << sceneOneRising;
    QTest::newRow("events file with comments and blank lines")
        << QStringList {"--events", "{}/events.txt"} + quarters << keyAfterInput;
    QTest::newRow("action carried out directly")
        << QStringList {"--at", "0:action=13"} + twoSeconds << sceneOneRising;
    // Without events the power-on action runs at 0: scene 3 rises over 2 s.
    QTest::newRow("power-on at 0 by default")
        << QStringList {"--duration", "2", "--fps", "1", "--channels", "4-4"}
        << QByteArray("time_s,ch4\n0.000,0\n1.000,50\n2.000,100\n");
    QTest::newRow("power-on later")
        << QStringList {"--at", "1:power-on", "--duration", "2", "--fps", "1", "--channels", "4"}
        << QByteArray("time_s,ch4\n0.000,0\n1.000,0\n2.000,50\n");
    // Scene 2, then scene 1 loaded at the same time: scene 2 falls from 250 over 0.5 s. In the
    // other order scene 1 would make scene 2 fall before it started.
    QTest::newRow("same time: the file's events first, then --at")
        << QStringList {"--events", "{}/scene2.txt", "--at", "0:action=13", "--duration",
                        "0.5",      "--fps",         "4",    "--channels",  "2"}
        << QByteArray("time_s,ch2\n0.000,250\n0.250,125\n0.500,0\n");
    QTest::newRow("channel range in the middle")
        << QStringList {"--at", "0:input=1", "--duration", "1", "--fps", "1", "--channels", "3-4"}
        << QByteArray("time_s,ch3,ch4\n0.000,0,0\n1.000,100,0\n");
    QTest::newRow("duration 0: one frame")
        << QStringList {"--at", "0:action=14", "--duration", "0", "--channels", "1-3"}
        << QByteArray("time_s,ch1,ch2,ch3\n0.000,0,250,0\n");
}

void tst_KelvoctlSimulate::csvFrames()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, csv);
    BufferConsole console;
    QCOMPARE(simulate(arguments, console), 0);
    QCOMPARE(console.errors, QString());
    QCOMPARE(console.output, csv);
}

void tst_KelvoctlSimulate::jsonFrames()
{
    BufferConsole console;
    QCOMPARE(simulate({"--at", "0:input=1", "--at", "1:key=12@5", "--duration", "2", "--fps", "4",
                       "--channels", "1-3", "--json"},
                      console),
             0);
    QCOMPARE(console.errors, QString());
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(console.output, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject object = document.object();
    QCOMPARE(object.value("command").toString(), QStringLiteral("simulate"));
    QCOMPARE(object.value("outcome").toString(), QStringLiteral("done"));
    QCOMPARE(object.value("status").toInt(-1), 0);
    QCOMPARE(object.value("fps").toInt(), 4);
    QCOMPARE(object.value("duration").toDouble(), 2.0);
    QCOMPARE(object.value("channels").toArray(), (QJsonArray {1, 3}));

    // The CSV rows of the same run, as JSON.
    QStringList rows = QString::fromLatin1(keyAfterInput).split('\n', Qt::SkipEmptyParts);
    rows.removeFirst();
    const QJsonArray frames = object.value("frames").toArray();
    QCOMPARE(frames.size(), rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QStringList cells = rows[i].split(',');
        const QJsonObject frame = frames[i].toObject();
        QCOMPARE(frame.value("t").toDouble(), cells[0].toDouble());
        QJsonArray levels;
        for (qsizetype c = 1; c < cells.size(); ++c)
            levels.append(cells[c].toInt());
        QCOMPARE(frame.value("levels").toArray(), levels);
    }
}

void tst_KelvoctlSimulate::writesTheOutputFile()
{
    const QString out = path("frames.csv");
    QVERIFY(writeFile(out, "an older run\n"));
    BufferConsole console;
    QCOMPARE(simulate({"--at", "0:input=1", "--at", "1:key=12@5", "--duration", "2", "--fps", "4",
                       "--channels", "1-3", "-o", out},
                      console),
             0);
    QCOMPARE(console.errors, QString());
    QCOMPARE(console.output, QByteArray());
    QCOMPARE(readFile(out), keyAfterInput);
}

void tst_KelvoctlSimulate::frameTimesComeFromTheFrameNumber()
{
    // 30 frames a second for an hour: a time added up frame by frame would drift by the end.
    BufferConsole console;
    QCOMPARE(simulate({"--at", "0:input=1", "--duration", "3600", "--fps", "30", "--channels", "1"},
                      console),
             0);
    const QList<QByteArray> lines = console.output.split('\n');
    QCOMPARE(lines.size(), 1 + 108001 + 1); // the header, the frames, nothing after the last
    QCOMPARE(lines[0], QByteArray("time_s,ch1"));
    // Scene 1 rises to 200 over the first second.
    QCOMPARE(lines[1], QByteArray("0.000,0"));
    QCOMPARE(lines[2], QByteArray("0.033,7"));
    QCOMPARE(lines[3], QByteArray("0.067,13"));
    QCOMPARE(lines[31], QByteArray("1.000,200"));
    QCOMPARE(lines[108000], QByteArray("3599.967,200"));
    QCOMPARE(lines[108001], QByteArray("3600.000,200"));
    QCOMPARE(lines[108002], QByteArray());

    // A rate that does not divide a second: each time rounded to the millisecond on its own.
    BufferConsole thirds;
    QCOMPARE(
        simulate({"--at", "0:input=1", "--duration", "1", "--fps", "3", "--channels", "1"}, thirds),
        0);
    QCOMPARE(thirds.output, QByteArray("time_s,ch1\n0.000,0\n0.333,67\n0.667,133\n1.000,200\n"));
}

void tst_KelvoctlSimulate::badInputIsWrongUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message"); // after "kelvoctl: "
    const QString anyEvent = QStringLiteral(
        " (power-on, input=N, input=N:close, input=N:open, key=K@A or action=CODE)");
    const QString seconds = QStringLiteral(": not seconds from 0 with at most 3 decimals (2.5)");

    QTest::newRow("unknown event")
        << QStringList {"--at", "1:jump"} << "--at '1:jump': unknown event 'jump'" + anyEvent;
    QTest::newRow("event without a time")
        << QStringList {"--at", "power-on"}
        << "--at 'power-on': expected T:EVENT, T in seconds (2.5:input=1)";
    QTest::newRow("negative time")
        << QStringList {"--at", "-1:power-on"} << "--at '-1:power-on': time '-1'" + seconds;
    QTest::newRow("time not a number")
        << QStringList {"--at", "soon:power-on"} << "--at 'soon:power-on': time 'soon'" + seconds;
    QTest::newRow("time finer than a millisecond")
        << QStringList {"--at", "1.0005:power-on"}
        << "--at '1.0005:power-on': time '1.0005'" + seconds;
    QTest::newRow("input 0") << QStringList {"--at", "1:input=0"}
                             << "--at '1:input=0': input '0': not a whole number from 1 to 8";
    QTest::newRow("input 9") << QStringList {"--at", "1:input=9"}
                             << "--at '1:input=9': input '9': not a whole number from 1 to 8";
    QTest::newRow("input neither closing nor opening")
        << QStringList {"--at", "1:input=1:push"}
        << "--at '1:input=1:push': 'push': neither close nor open (input=N:close, input=N:open)";
    QTest::newRow("key 0") << QStringList {"--at", "1:key=0@5"}
                           << "--at '1:key=0@5': key '0': not a whole number from 1 to 64";
    QTest::newRow("key 65") << QStringList {"--at", "1:key=65@5"}
                            << "--at '1:key=65@5': key '65': not a whole number from 1 to 64";
    QTest::newRow("key without an address")
        << QStringList {"--at", "1:key=12"}
        << "--at '1:key=12': a key needs the system address it was sent with (key=12@5)";
    QTest::newRow("address 256") << QStringList {
        "--at",
        "1:key=12@256"} << "--at '1:key=12@256': address '256': not a whole number from 0 to 255";
    QTest::newRow("address negative")
        << QStringList {"--at", "1:key=12@-1"}
        << "--at '1:key=12@-1': address '-1': not a whole number from 0 to 255";
    QTest::newRow("code 256") << QStringList {
        "--at",
        "1:action=256"} << "--at '1:action=256': code '256': not a whole number from 0 to 255";
    QTest::newRow("code in hexadecimal")
        << QStringList {"--at", "1:action=0x11"}
        << "--at '1:action=0x11': code '0x11': not a whole number from 0 to 255";
    QTest::newRow("control characters escaped")
        << QStringList {"--at", "1:\x1b[2Jgone"}
        << "--at '1:\\x1b[2Jgone': unknown event '\\x1b[2Jgone'" + anyEvent;
    QTest::newRow("fps 0") << QStringList {"--fps", "0"}
                           << "--fps '0': not a whole number from 1 to 1000";
    QTest::newRow("fps 1001") << QStringList {"--fps", "1001"}
                              << "--fps '1001': not a whole number from 1 to 1000";
    QTest::newRow("fps not whole")
        << QStringList {"--fps", "2.5"} << "--fps '2.5': not a whole number from 1 to 1000";
    QTest::newRow("duration negative")
        << QStringList {"--duration", "-3"} << "--duration '-3'" + seconds;
    QTest::newRow("duration empty") << QStringList {"--duration", ""} << "--duration ''" + seconds;
    const QString channels
        = QStringLiteral(": not a range A-B of channels 1 to 64 with A up to B (1-24), nor one "
                         "channel");
    QTest::newRow("channel 0") << QStringList {"--channels", "0-5"}
                               << "--channels '0-5'" + channels;
    QTest::newRow("channel 65") << QStringList {"--channels", "5-65"}
                                << "--channels '5-65'" + channels;
    QTest::newRow("channels backwards")
        << QStringList {"--channels", "10-2"} << "--channels '10-2'" + channels;
    QTest::newRow("channels not numbers")
        << QStringList {"--channels", "all"} << "--channels 'all'" + channels;
    QTest::newRow("more than a million frames")
        << QStringList {"--duration", "1000.001", "--fps", "1000"}
        << "--duration 1000.001 at --fps 1000 makes 1000002 frames; at most 1000000";
    QTest::newRow("one frame over the bound")
        << QStringList {"--fps", "1000", "--duration", "1000"}
        << "--duration 1000 at --fps 1000 makes 1000001 frames; at most 1000000";
    QTest::newRow("events file missing")
        << QStringList {"--events", "{}/none.txt"} << "{}/none.txt: No such file or directory";
    QTest::newRow("events file is a folder")
        << QStringList {"--events", "{}"} << "{}: file to open is a directory";
    QTest::newRow("events file without a name")
        << QStringList {"--events", ""} << "--events needs a file name";
    QTest::newRow("events file with a bad line")
        << QStringList {"--events", "{}/bad-events.txt"}
        << "{}/bad-events.txt:3: '0.5:input=1:push': 'push': neither close nor open "
           "(input=N:close, input=N:open)";
    QTest::newRow("-o without a name")
        << QStringList {"-o", ""}
        << "-o needs a file name (simulate writes to standard output without -o)";
    QTest::newRow("an option of another command")
        << QStringList {"--yes"} << "--yes goes with restore and flash only";
}

void tst_KelvoctlSimulate::badInputIsWrongUsage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    message.replace(QStringLiteral("{}"), dir.path());
    const QString out = path("refused.csv");
    BufferConsole console;
    const QStringList withOutput
        = arguments.contains("-o") ? arguments : arguments + QStringList {"-o", out};
    QCOMPARE(simulate(withOutput, console), 2);
    QCOMPARE(console.errors, "kelvoctl: " + message + "\nTry 'kelvoctl --help'.\n");
    QCOMPARE(console.output, QByteArray());
    QVERIFY(!QFile::exists(out));

    // To standard output, nothing is written either.
    BufferConsole toStandardOutput;
    if (!arguments.contains("-o")) {
        QCOMPARE(simulate(arguments, toStandardOutput), 2);
        QCOMPARE(toStandardOutput.output, QByteArray());
    }
}

void tst_KelvoctlSimulate::badInputAsJson()
{
    BufferConsole console;
    QCOMPARE(simulate({"--at", "1:input=9", "--json"}, console), 2);
    const QJsonObject object = QJsonDocument::fromJson(console.output).object();
    QCOMPARE(object.value("command").toString(), QStringLiteral("simulate"));
    QCOMPARE(object.value("outcome").toString(), QStringLiteral("failed"));
    QCOMPARE(object.value("status").toInt(), 2);
    QCOMPARE(object.value("message").toString(),
             QStringLiteral("--at '1:input=9': input '9': not a whole number from 1 to 8"));
    QVERIFY(!object.contains("frames"));
}

void tst_KelvoctlSimulate::failures_data()
{
    QTest::addColumn<QString>("config");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("errors");
    const QString tryHelp = QStringLiteral("\nTry 'kelvoctl --help'.\n");

    QTest::newRow("broken configuration")
        << "broken.cfgkv" << QStringList {} << 1 << "kelvoctl: {}/broken.cfgkv: File is broken.\n";
    QTest::newRow("no such configuration")
        << "none.cfgkv" << QStringList {} << 1
        << "kelvoctl: {}/none.cfgkv: No such file or directory\n";
    QTest::newRow("output over the configuration")
        << "show.cfgkv" << QStringList {"-o", "{}/./show.cfgkv"} << 1
        << "kelvoctl: {}/./show.cfgkv: is the input file {}/show.cfgkv; refusing to overwrite it\n";
    QTest::newRow("output over the events file")
        << "show.cfgkv" << QStringList {"--events", "{}/events.txt", "-o", "{}/events.txt"} << 1
        << "kelvoctl: {}/events.txt: is the input file {}/events.txt; refusing to overwrite it\n";
    QTest::newRow("output in a missing folder")
        << "show.cfgkv" << QStringList {"-o", "{}/none/frames.csv"} << 1
        << "kelvoctl: {}/none/frames.csv: cannot write: No such file or directory\n";
    QTest::newRow("no configuration")
        << "" << QStringList {} << 2
        << "kelvoctl: simulate takes one configuration file: kelvoctl simulate CONFIG [--at "
           "T:EVENT]..."
            + tryHelp;
    QTest::newRow("two configurations")
        << "show.cfgkv" << QStringList {"{}/show.cfgkv"} << 2
        << "kelvoctl: simulate takes one configuration file: kelvoctl simulate CONFIG [--at "
           "T:EVENT]..."
            + tryHelp;
}

void tst_KelvoctlSimulate::failures()
{
    QFETCH(QString, config);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, errors);
    errors.replace(QStringLiteral("{}"), dir.path());
    const QByteArray show = readFile(path("show.cfgkv"));
    const QByteArray events = readFile(path("events.txt"));
    BufferConsole console;
    QCOMPARE(simulate(arguments, console, config), status);
    QCOMPARE(console.errors, errors);
    QCOMPARE(console.output, QByteArray());
    QCOMPARE(readFile(path("show.cfgkv")), show);
    QCOMPARE(readFile(path("events.txt")), events);
}

void tst_KelvoctlSimulate::standardOutputFails()
{
    BufferConsole console;
    console.outputFails = QStringLiteral("No space left on device");
    QCOMPARE(simulate({}, console), 1);
    QCOMPARE(console.errors,
             QStringLiteral("kelvoctl: standard output: cannot write: No space left on device\n"));
}

QTEST_GUILESS_MAIN(tst_KelvoctlSimulate)
#include "tst_kelvoctlsimulate.moc"
