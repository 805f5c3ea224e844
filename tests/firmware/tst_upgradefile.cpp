// The upgrade-file reader on files made from a description: what it accepts, the image it gives
// back, the version tag, and every way a file is refused before anything reaches a controller.

#include "firmware/upgradefile.h"
#include "firmware/upgraderefusal.h"
#include "support/configfilefixtures.h"
#include "support/upgradefilemaker.h"

#include <QFile>
#include <QTest>

using UpgradeFile::Refusal;

Q_DECLARE_METATYPE(UpgradeFile::Refusal)

namespace {

// Firmware compresses well; random bytes would not fit the 64 KiB the data may take.
const QByteArray firmware = ConfigFileFixtures::randomBytes(21, 4096).repeated(16);

UpgradeFileMaker maker()
{
    UpgradeFileMaker m;
    m.firmware = firmware;
    return m;
}

} // namespace

class tst_UpgradeFile : public QObject
{
    Q_OBJECT

private slots:
    void refusalWords_data();
    void refusalWords();
    void demoSampleIsForTheDemoController();
    void accepted();
    void refused_data();
    void refused();
    void versionTag_data();
    void versionTag();
    void scrambleIsUndone();
};

void tst_UpgradeFile::accepted()
{
    const QByteArray file = maker().build();
    UpgradeFile::Version version;
    QByteArray image;
    QCOMPARE(UpgradeFile::read(file, &version, &image), Refusal::None);
    QCOMPARE(image, firmware); // unscrambled: what the controller is to run
    QVERIFY(version.tagged);
    QCOMPARE(version.rank(), 105);
    QCOMPARE(version.core, 'A');

    // Bytes after the data do not matter.
    QCOMPARE(UpgradeFile::read(file + QByteArray(1000, 'x'), nullptr, &image), Refusal::None);
}

void tst_UpgradeFile::refused_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Refusal>("refusal");

    const QByteArray good = maker().build();
    QTest::newRow("399 bytes") << good.left(399) << Refusal::TooShort;
    QByteArray magic = good;
    magic[7] = 'X';
    QTest::newRow("wrong magic") << magic << Refusal::WrongMagic;

    UpgradeFileMaker m = maker();
    m.dataOffset = 0xFFFF;
    QTest::newRow("data offset 0xFFFF: nothing to load") << m.build() << Refusal::NothingToLoad;
    m = maker();
    m.dataOffset = -400;
    QTest::newRow("negative data offset") << m.build() << Refusal::SeekError;
    m = maker();
    m.lengthMinus1 = -2;
    QTest::newRow("negative data length") << m.build() << Refusal::BadLength;
    m = maker();
    m.lengthMinus1 = UpgradeFile::ImageSize;
    QTest::newRow("data longer than an image") << m.build() << Refusal::BadLength;
    m = maker();
    m.firmware = ConfigFileFixtures::randomBytes(22, UpgradeFile::ImageSize);
    QTest::newRow("firmware that packs to more than 64 KiB") << m.build() << Refusal::BadLength;
    QTest::newRow("data cut short") << good.left(good.size() - 1) << Refusal::TooShort;
    QByteArray damaged = good;
    damaged[UpgradeFile::HeaderSize + 100] = char(damaged[UpgradeFile::HeaderSize + 100] ^ 1);
    QTest::newRow("one compressed byte changed") << damaged << Refusal::CrcError;
    m = maker();
    m.announcedSize = 0x10001;
    QTest::newRow("announces more than an image") << m.build() << Refusal::UncompressError;
    m = maker();
    m.firmware = firmware.left(1000);
    QTest::newRow("unpacks to less than an image") << m.build() << Refusal::UncompressError;
    m = maker();
    m.text = QByteArray(400, 'T');
    m.nulAfterText = false;
    QTest::newRow("no padding before offset 400") << m.build() << Refusal::WrongMagic;
    m = maker();
    m.text = QByteArray(380, 'T');
    m.padding = 8;
    QTest::newRow("no room for the descriptor") << m.build() << Refusal::WrongMagic;
}

void tst_UpgradeFile::refused()
{
    QFETCH(QByteArray, file);
    QFETCH(Refusal, refusal);
    QByteArray image = "untouched";
    QCOMPARE(UpgradeFile::read(file, nullptr, &image), refusal);
    QCOMPARE(image, QByteArray("untouched"));
}

void tst_UpgradeFile::versionTag_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("tagged");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<char>("core");

    QTest::newRow("v_1_05A") << QByteArray(" v_1_05A") << true << 1 << 5 << 'A';
    QTest::newRow("v_2_13B in a sentence")
        << QByteArray("Kelvo v_2_13B 2026") << true << 2 << 13 << 'B';
    QTest::newRow("minor 12 without a leading zero")
        << QByteArray("xv_1_12c") << true << 1 << 12 << 'c';
    QTest::newRow("no tag") << QByteArray("Kelvo firmware") << false << 0 << 0 << '\0';
    QTest::newRow("tag at text position 0 does not count")
        << QByteArray("v_1_05A") << false << 0 << 0 << '\0';
    QTest::newRow("blank as core") << QByteArray(" v_3_07 x") << true << 3 << 7 << ' ';
    QTest::newRow("core at the end of the text") << QByteArray(" v_3_07") << true << 3 << 7 << '\0';
    QTest::newRow("no separator: minor at the sixth character")
        << QByteArray(" v_1x2345Z") << true << 1 << 5 << 'Z';
    QTest::newRow("majors above 127 wrap as signed bytes")
        << QByteArray(" v_200_1A") << true << -56 << 1 << 'A';
    QTest::newRow("blank before the major, skipped as %d does")
        << QByteArray(" v_ 1_05A") << true << 1 << 5 << 'A';
    QTest::newRow("tab before the minor: skipped, but it is the core")
        << QByteArray(" v_1_\t5A") << true << 1 << 5 << '\t';
    QTest::newRow("huge numbers do not overflow")
        << QByteArray(" v_99999999999999999999_1A") << true << -1 << -1 << '_';
}

void tst_UpgradeFile::versionTag()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, tagged);
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(char, core);

    UpgradeFileMaker m = maker();
    m.text = text;
    const UpgradeFile::Version v = UpgradeFile::version(m.build());
    QCOMPARE(v.tagged, tagged);
    if (!tagged)
        return;
    QCOMPARE(int(v.major), major);
    QCOMPARE(int(v.minor), int(qint8(minor)));
    QCOMPARE(v.core, core);
}

void tst_UpgradeFile::scrambleIsUndone()
{
    // The two passes by hand on one block: the key first, then the halves swapped.
    QByteArray scrambled(16, '\0');
    for (int i = 0; i < 16; ++i)
        scrambled[i] = char(i);
    const QByteArray key = UpgradeFile::key();
    QByteArray expected(16, '\0');
    for (int i = 0; i < 16; ++i)
        expected[(i + 8) % 16] = char(i ^ key[i]);
    QCOMPARE(UpgradeFile::unscramble(scrambled), expected);
    QCOMPARE(UpgradeFile::scramble(UpgradeFile::unscramble(firmware)), firmware);
}

// The words the program's boxes and kelvoctl both use.
void tst_UpgradeFile::refusalWords_data()
{
    QTest::addColumn<UpgradeFile::Refusal>("refusal");
    QTest::addColumn<QString>("text");
    using R = UpgradeFile::Refusal;
    QTest::newRow("none") << R::None << "";
    QTest::newRow("nothing to load: not a word") << R::NothingToLoad << "";
    QTest::newRow("too short") << R::TooShort << "File read error : a b.upg";
    QTest::newRow("bad length") << R::BadLength << "File read error : a b.upg";
    QTest::newRow("wrong magic") << R::WrongMagic << "File a b.upg\nisn't proper upgrade file !";
    QTest::newRow("seek") << R::SeekError << "Seek error : a b.upg";
    QTest::newRow("crc") << R::CrcError << "CRC error in block !";
    QTest::newRow("uncompress") << R::UncompressError << "Uncompressing error !";
}

void tst_UpgradeFile::refusalWords()
{
    QFETCH(UpgradeFile::Refusal, refusal);
    QFETCH(QString, text);
    QCOMPARE(UpgradeFile::refusalText(refusal, QStringLiteral("a b.upg")), text);
}

// The demo's sample is made outside the tests, by the program's build: it must still be a file
// the program takes, for the demo's controller.
void tst_UpgradeFile::demoSampleIsForTheDemoController()
{
    QFile file(QStringLiteral(KELVO_DEMO_UPGRADE_FILE));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    UpgradeFile::Version version;
    QByteArray image;
    QCOMPARE(UpgradeFile::read(file.readAll(), &version, &image), UpgradeFile::Refusal::None);
    QVERIFY(version.tagged);
    QCOMPARE(version.rank(), 105);
    QCOMPARE(version.core, 'a');
    QCOMPARE(image.size(), UpgradeFile::ImageSize);
    QCOMPARE(image[0x1234], char((0x1234 * 7 + (0x1234 >> 8)) & 0xFF));
}

QTEST_GUILESS_MAIN(tst_UpgradeFile)
#include "tst_upgradefile.moc"
