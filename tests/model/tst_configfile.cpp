#include "common/version.h"
#include "model/configclear.h"
#include "model/configfile.h"
#include "model/configlayout.h"
#include "model/fileio.h"
#include "support/configfilefixtures.h"
#include "support/debugcapture.h"

#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <zlib.h>

using namespace ConfigLayout;

using namespace ConfigFileFixtures;

Q_DECLARE_METATYPE(FileIo::ReadResult)

class tst_ConfigFile : public QObject
{
    Q_OBJECT

private slots:
    void crcReferenceMatchesDefinition();

    void roundTrip_data();
    void roundTrip();
    void independentFileLoads_data();
    void independentFileLoads();
    void writtenFilePassesIndependentCheck();
    void headerPadding_data();
    void headerPadding();

    void brokenFiles_data();
    void brokenFiles();
    void everySingleByteChangeIsCaught();
    void mutatedFilesNeverLoadWrongData();
    void headerTextOfBrokenFiles();

    void readMissingOrOversizedFile();
    void readReasons_data();
    void readReasons();
    void boundedRead_data();
    void boundedRead();
    void readStart_data();
    void readStart();
    void failedSaveKeepsPreviousFile();
    void saveIntoMissingFolderFails();
    void writeRefusals_data();
    void writeRefusals();
    void saveName_data();
    void saveName();
};

void tst_ConfigFile::crcReferenceMatchesDefinition()
{
    QCOMPARE(crc16x25("123456789"), u16(0x906E));
    QCOMPARE(qChecksum(QByteArrayView("123456789"), Qt::ChecksumIso3309), u16(0x906E));
}

void tst_ConfigFile::roundTrip_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::newRow("defaults") << defaultImage();
    QTest::newRow("all zero") << QByteArray(ImageSize, '\0');
    QTest::newRow("all 0xFF") << QByteArray(ImageSize, '\xFF');
    QTest::newRow("random, seed 1 (incompressible)") << randomBytes(1, ImageSize);
    QTest::newRow("random, seed 2 (incompressible)") << randomBytes(2, ImageSize);
    QByteArray half = defaultImage();
    half.replace(LevelTable, 4096, randomBytes(3, 4096));
    QTest::newRow("defaults with random levels") << half;
}

void tst_ConfigFile::roundTrip()
{
    QFETCH(QByteArray, image);

    const QByteArray file = ConfigFile::encode(bytes(image), fixedTime());
    QByteArray loaded = randomBytes(77, ImageSize);
    QVERIFY(ConfigFile::decode(file, reinterpret_cast<u8 *>(loaded.data())));
    QCOMPARE(loaded, image);

    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("conf.cfgkv"));
    QVERIFY(ConfigFile::write(name, bytes(image)));
    QByteArray fromDisk = randomBytes(78, ImageSize);
    QVERIFY(ConfigFile::read(name, reinterpret_cast<u8 *>(fromDisk.data())));
    QCOMPARE(fromDisk, image);
    if (QByteArray(QTest::currentDataTag()).contains("incompressible"))
        QVERIFY2(QFileInfo(name).size() > 10752, "should exceed the old reader's limit");
}

void tst_ConfigFile::independentFileLoads_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<int>("level");

    QTest::newRow("short header, level 9") << handHeader << randomBytes(5, ImageSize) << 9;
    QTest::newRow("stored blocks, level 0") << handHeader << randomBytes(6, ImageSize) << 0;
    QTest::newRow("level 1, defaults") << handHeader << defaultImage() << 1;
    QTest::newRow("bare magic as header") << QByteArray("kelvoCFG") << defaultImage() << 6;
    QTest::newRow("header with 0x1A inside")
        << QByteArray("kelvoCFG\x1A\x1A text after padding") << defaultImage() << 9;
}

void tst_ConfigFile::independentFileLoads()
{
    QFETCH(QByteArray, header);
    QFETCH(QByteArray, image);
    QFETCH(int, level);

    const QByteArray file = handMade(header, image, level);
    QByteArray loaded(ImageSize, '\x55');
    QVERIFY(ConfigFile::decode(file, reinterpret_cast<u8 *>(loaded.data())));
    QCOMPARE(loaded, image);
    QCOMPARE(ConfigFile::headerText(file), header);
}

void tst_ConfigFile::writtenFilePassesIndependentCheck()
{
    const QByteArray image = randomBytes(9, ImageSize);
    const QByteArray file = ConfigFile::encode(bytes(image), fixedTime());

    const QByteArray text = QByteArray("kelvoCFG\r\n"
                                       "kelvo configuration and data file.\r\n"
                                       "File written by KelvoDesk rel. ")
        + kelvoRelease
        + "\r\n"
          "Last modification:  05.03.2024 17:08.09\r\n"
          "\r\n";
    QVERIFY(file.startsWith(text));
    const int nul = int(file.indexOf('\0'));
    QCOMPARE(nul % 16, 15); // header including its NUL is a multiple of 16
    QCOMPARE(ConfigFile::headerText(file), file.left(nul));

    // Six contact lines, a blank line, then only padding up to the NUL.
    int contentEnd = nul;
    while (file[contentEnd - 1] == '\x1A')
        --contentEnd;
    QVERIFY(nul - contentEnd < 16);
    const QByteArray contact = file.mid(text.size(), contentEnd - text.size());
    QVERIFY(contact.endsWith("\r\n\r\n"));
    const QList<QByteArray> lines = contact.chopped(4).split('\n');
    QCOMPARE(lines.size(), 6);
    for (const QByteArray &line : lines)
        QVERIFY(line.size() > 1);
    for (const char c : file.left(nul))
        QVERIFY(uchar(c) < 0x80 && c != '\0');

    const QByteArray covered = file.chopped(2);
    const u16 stored = u16(u8(file[file.size() - 2]) | (u8(file[file.size() - 1]) << 8));
    QCOMPARE(stored, crc16x25(covered));

    const QByteArray packed = covered.mid(nul + 1);
    QCOMPARE(packed.left(4), bigEndian32(0x2900));
    QCOMPARE(zlibInflate(packed.mid(4), ImageSize), image);
    QCOMPARE(packed.mid(4), zlibCompress(image, 9));
}

void tst_ConfigFile::headerPadding_data()
{
    QTest::addColumn<int>("textLength");
    QTest::addColumn<int>("padding");
    QTest::newRow("empty text") << 0 << 15;
    QTest::newRow("one byte") << 1 << 14;
    QTest::newRow("14 bytes") << 14 << 1;
    QTest::newRow("15 bytes: no padding") << 15 << 0;
    QTest::newRow("16 bytes") << 16 << 15;
    QTest::newRow("47 bytes: no padding") << 47 << 0;
    QTest::newRow("200 bytes") << 200 << 7;
}

void tst_ConfigFile::headerPadding()
{
    QFETCH(int, textLength);
    QFETCH(int, padding);
    const QByteArray text(textLength, 'x');
    const QByteArray header = ConfigFile::terminatedHeader(text);
    QCOMPARE(header, text + QByteArray(padding, '\x1A') + QByteArray(1, '\0'));
    QCOMPARE(header.size() % 16, 0);
}

void tst_ConfigFile::brokenFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    for (const auto &[name, file] : ConfigFileFixtures::brokenFiles())
        QTest::newRow(name.constData()) << file;
}

void tst_ConfigFile::brokenFiles()
{
    QFETCH(QByteArray, file);
    const DebugCapture quiet; // qUncompress complains about broken streams
    const QByteArray before = randomBytes(13, ImageSize);
    QByteArray image = before;
    QVERIFY(!ConfigFile::decode(file, reinterpret_cast<u8 *>(image.data())));
    QCOMPARE(image, before);

    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("broken.cfgkv"));
    QVERIFY(writeFile(name, file));
    QVERIFY(!ConfigFile::read(name, reinterpret_cast<u8 *>(image.data())));
    QCOMPARE(image, before);
}

void tst_ConfigFile::everySingleByteChangeIsCaught()
{
    const QByteArray good = ConfigFile::encode(bytes(defaultImage()), fixedTime());
    const QByteArray before = randomBytes(14, ImageSize);
    QByteArray image = before;
    for (int at = 0; at < good.size(); ++at) {
        for (const char mask : {'\x01', '\x80', '\xFF', '\x5A'}) {
            QByteArray file = good;
            file[at] = char(file[at] ^ mask);
            if (ConfigFile::decode(file, reinterpret_cast<u8 *>(image.data())))
                QFAIL(qPrintable(QStringLiteral("change at %1 accepted").arg(at)));
        }
    }
    QCOMPARE(image, before);
}

void tst_ConfigFile::mutatedFilesNeverLoadWrongData()
{
    // With the CRC recomputed, mutations reach the magic, header and zlib checks behind it.
    const QByteArray original = randomBytes(15, ImageSize);
    const QByteArray good = ConfigFile::encode(bytes(original), fixedTime());
    QRandomGenerator random(16);
    const DebugCapture quiet;
    int accepted = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray body = good.chopped(2);
        const int at = int(random.bounded(body.size()));
        switch (random.bounded(4)) {
        case 0:
            body[at] = char(random.bounded(256));
            break;
        case 1:
            body.truncate(at);
            break;
        case 2:
            body.insert(at, char(random.bounded(256)));
            break;
        default:
            body.remove(at, int(random.bounded(1, 64)));
            break;
        }
        const QByteArray before = randomBytes(quint32(round), ImageSize);
        QByteArray image = before;
        if (ConfigFile::decode(withCrc(body), reinterpret_cast<u8 *>(image.data()))) {
            ++accepted;
            QCOMPARE(image, original);
        } else {
            QCOMPARE(image, before);
        }
    }
    QVERIFY(accepted > 0); // header-text mutations keep a valid file
}

void tst_ConfigFile::headerTextOfBrokenFiles()
{
    QCOMPARE(ConfigFile::headerText(QByteArray()), QByteArray());
    QCOMPARE(ConfigFile::headerText("kelvoCFG without end"), QByteArray());
    QCOMPARE(ConfigFile::headerText(QByteArray("otherCFG\r\n\0", 11)), QByteArray());
    QCOMPARE(ConfigFile::headerText(QByteArray("kelvoCFG\r\n\0rest", 15)),
             QByteArray("kelvoCFG\r\n"));
}

void tst_ConfigFile::readMissingOrOversizedFile()
{
    QTemporaryDir dir;
    const QByteArray before = randomBytes(17, ImageSize);
    QByteArray image = before;
    QVERIFY(!ConfigFile::read(dir.filePath(QStringLiteral("missing.cfgkv")),
                              reinterpret_cast<u8 *>(image.data())));
    QVERIFY(!ConfigFile::read(dir.path(), reinterpret_cast<u8 *>(image.data())));
    QCOMPARE(image, before);
}

void tst_ConfigFile::readReasons_data()
{
    QTest::addColumn<QByteArray>("file"); // written to disk; "-" for no file at all
    QTest::addColumn<QString>("reason");

    const QByteArray good = ConfigFile::encode(bytes(defaultImage()), fixedTime());
    QTest::newRow("valid") << good << QString();
    QByteArray crcWrong = good;
    crcWrong[crcWrong.size() - 1] = char(crcWrong.back() ^ 0x01);
    QTest::newRow("CRC wrong") << crcWrong << "File is broken.";
    QTest::newRow("over the bound")
        << handMade(handHeader + QByteArray(ConfigFile::MaxFileSize, 'x'), defaultImage())
        << "File is broken. (larger than 16384 bytes)";
    QTest::newRow("missing") << QByteArray("-") << "No such file or directory";
}

void tst_ConfigFile::readReasons()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("conf.cfgkv"));
    if (file != "-")
        QVERIFY(writeFile(name, file));
    const DebugCapture quiet;
    const QByteArray before = randomBytes(19, ImageSize);
    QByteArray image = before;
    QString why = QStringLiteral("untouched");
    QByteArray bytesRead("untouched");
    const bool ok = ConfigFile::read(name, reinterpret_cast<u8 *>(image.data()), &why, &bytesRead);
    QCOMPARE(ok, reason.isEmpty());
    if (ok) {
        QCOMPARE(image, defaultImage());
        QCOMPARE(bytesRead, file);
    } else {
        QCOMPARE(why, reason);
        QCOMPARE(image, before);
        QCOMPARE(bytesRead, QByteArray("untouched"));
    }
}

namespace {

// Where a bounded read reads from: "file" (holding `content`), "missing", "folder", or a path as
// given; empty when the file could not be written.
QString readSource(const QTemporaryDir &dir, const QString &source, const QByteArray &content)
{
    if (source == QLatin1String("file")) {
        const QString name = dir.filePath(QStringLiteral("data"));
        return ConfigFileFixtures::writeFile(name, content) ? name : QString();
    }
    if (source == QLatin1String("missing"))
        return dir.filePath(QStringLiteral("missing"));
    if (source == QLatin1String("folder"))
        return dir.path();
    return source;
}

} // namespace

void tst_ConfigFile::boundedRead_data()
{
    QTest::addColumn<QString>("source"); // "file" (with content), "missing", "folder" or a path
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<FileIo::ReadResult>("result");
    QTest::addColumn<QString>("reason");

    const QByteArray sixteen = randomBytes(20, 16);
    QTest::newRow("empty file") << "file" << QByteArray() << FileIo::ReadResult::Ok << QString();
    QTest::newRow("exactly the bound") << "file" << sixteen << FileIo::ReadResult::Ok << QString();
    QTest::newRow("one byte over the bound")
        << "file" << sixteen + "x" << FileIo::ReadResult::TooLarge << "larger than 16 bytes";
    QTest::newRow("endless device")
        << "/dev/zero" << QByteArray() << FileIo::ReadResult::TooLarge << "larger than 16 bytes";
    QTest::newRow("missing file") << "missing" << QByteArray() << FileIo::ReadResult::Failed
                                  << "No such file or directory";
    QTest::newRow("a folder") << "folder" << QByteArray() << FileIo::ReadResult::Failed
                              << "file to open is a directory";
}

void tst_ConfigFile::boundedRead()
{
    QFETCH(QString, source);
    QFETCH(QByteArray, content);
    QFETCH(FileIo::ReadResult, result);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString name = readSource(dir, source, content);
    QVERIFY(!name.isEmpty());
    QByteArray bytesRead("untouched");
    QString why;
    QCOMPARE(FileIo::read(name, 16, &bytesRead, &why), result);
    QCOMPARE(why, reason);
    QCOMPARE(bytesRead, result == FileIo::ReadResult::Ok ? content : QByteArray("untouched"));
}

void tst_ConfigFile::readStart_data()
{
    QTest::addColumn<QString>("source"); // as for boundedRead
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("expected"); // what is read, or the reason
    const QByteArray sixteen = randomBytes(21, 16);
    QTest::newRow("empty file") << "file" << QByteArray() << true << QByteArray();
    QTest::newRow("shorter than the bound") << "file" << sixteen.left(5) << true << sixteen.left(5);
    QTest::newRow("exactly the bound") << "file" << sixteen << true << sixteen;
    QTest::newRow("longer: its start") << "file" << sixteen + "more" << true << sixteen;
    QTest::newRow("endless device") << "/dev/zero" << QByteArray() << true << QByteArray(16, 0);
    QTest::newRow("missing file") << "missing" << QByteArray() << false
                                  << QByteArray("No such file or directory");
    QTest::newRow("a folder") << "folder" << QByteArray() << false
                              << QByteArray("file to open is a directory");
}

void tst_ConfigFile::readStart()
{
    QFETCH(QString, source);
    QFETCH(QByteArray, content);
    QFETCH(bool, ok);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    const QString name = readSource(dir, source, content);
    QVERIFY(!name.isEmpty());
    QByteArray bytesRead("untouched");
    QString why;
    QCOMPARE(FileIo::readStart(name, 16, &bytesRead, &why), ok);
    if (ok) {
        QCOMPARE(bytesRead, expected);
        QCOMPARE(why, QString());
    } else {
        QCOMPARE(why.toUtf8(), expected);
        QCOMPARE(bytesRead, QByteArray("untouched"));
    }
}

void tst_ConfigFile::failedSaveKeepsPreviousFile()
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("conf.cfgkv"));
    const QByteArray first = defaultImage();
    QVERIFY(ConfigFile::write(name, bytes(first)));
    const QByteArray previousBytes = readFile(name);

    // A disk that fills up halfway: writes beyond 4 KiB fail (even for root).
    rlimit saved {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString reason;
    const bool written = ConfigFile::write(name, bytes(randomBytes(18, ImageSize)), &reason);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!written);
    // The system's reason, not Qt's "Unknown error" for a write cut short.
    QCOMPARE(reason, qt_error_string(EFBIG));
    QCOMPARE(readFile(name), previousBytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {QStringLiteral("conf.cfgkv")});
    QByteArray image(ImageSize, '\0');
    QVERIFY(ConfigFile::read(name, reinterpret_cast<u8 *>(image.data())));
    QCOMPARE(image, first);
}

void tst_ConfigFile::saveIntoMissingFolderFails()
{
    QTemporaryDir dir;
    QVERIFY(!ConfigFile::write(dir.filePath(QStringLiteral("no/such/folder/conf.cfgkv")),
                               bytes(defaultImage())));
    QVERIFY(!ConfigFile::write(dir.path(), bytes(defaultImage())));
}

void tst_ConfigFile::writeRefusals_data()
{
    QTest::addColumn<QString>("target"); // what stands at the path before the write
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder missing") << "no folder"
                                    << "No such file or directory";
    QTest::newRow("a folder") << "folder"
                              << "not a regular file";
    QTest::newRow("a FIFO") << "fifo"
                            << "not a regular file";
    QTest::newRow("a symbolic link to a FIFO") << "link to fifo"
                                               << "not a regular file";
    QTest::newRow("a device node like /dev/null") << "device"
                                                  << "not a regular file";
}

void tst_ConfigFile::writeRefusals()
{
    QFETCH(QString, target);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    QString name = dir.filePath(QStringLiteral("out"));
    if (target == QLatin1String("no folder")) {
        name = dir.filePath(QStringLiteral("no/such/out"));
    } else if (target == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("out")));
    } else if (target == QLatin1String("fifo")) {
        name = fifo;
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    } else if (target == QLatin1String("link to fifo")) {
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QFile::link(fifo, name));
    } else if (target == QLatin1String("device")) {
        // The null device's numbers, but a node of our own: a regression replaces only it.
        if (mknod(QFile::encodeName(name).constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
            QSKIP("device nodes cannot be made here");
    }
    const QStringList before
        = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);

    QString why;
    QVERIFY(!FileIo::write(name, "new content", &why));
    QCOMPARE(why, reason);
    QVERIFY(!ConfigFile::write(name, bytes(defaultImage()), &why));
    QCOMPARE(why, reason);

    // Nothing replaced, nothing left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
             before);
    if (target != QLatin1String("no folder"))
        QVERIFY(!QFileInfo(name).isFile());
}

void tst_ConfigFile::saveName_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << "conf"
                                  << "conf.cfgkv";
    QTest::newRow(".kvg kept") << "conf.kvg"
                               << "conf.kvg";
    QTest::newRow(".cfgkv kept") << "conf.cfgkv"
                                 << "conf.cfgkv";
    QTest::newRow("upper case is no match") << "CONF.CFGKV"
                                            << "CONF.CFGKV.cfgkv";
    QTest::newRow(".KVG is no match") << "conf.KVG"
                                      << "conf.KVG.cfgkv";
    QTest::newRow(".cfg gets .cfgkv") << "setup.cfg"
                                      << "setup.cfg.cfgkv";
    QTest::newRow("path kept") << "/tmp/a.b/conf"
                               << "/tmp/a.b/conf.cfgkv";
}

void tst_ConfigFile::saveName()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QCOMPARE(ConfigFile::saveName(chosen), written);
}

QTEST_GUILESS_MAIN(tst_ConfigFile)
#include "tst_configfile.moc"
