#include "controller/kelvo_controller_class.h"
#include "model/configclear.h"
#include "model/configcopy.h"
#include "model/configlayout.h"
#include "model/devicetime.h"
#include "model/functioncode.h"
#include "model/programshape.h"
#include "model/unpack.h"
#include "support/configfilefixtures.h"
#include "support/debugcapture.h"
#include "support/imageoracle.h"

#include <QTest>
#include <QtEndian>

#include <vector>

using namespace ConfigLayout;
using Image = std::vector<u8>;

namespace {

Image randomImage(quint32 seed)
{
    const QByteArray bytes = ConfigFileFixtures::randomBytes(seed, ImageSize);
    return Image(bytes.cbegin(), bytes.cend());
}

// The test's own reading of the memory map: which area each byte belongs to.
enum class Area { Reserved, Inputs, Remote, Scenes, Programs, Globals, PowerOn };

Area areaOf(int offset)
{
    if (offset < 0x08)
        return Area::Reserved;
    if (offset < 0x10)
        return Area::Inputs;
    if (offset < 0x51)
        return Area::Remote;
    if (offset == 0x57 || offset == 0x58)
        return Area::Inputs;
    if (offset == 0x5B)
        return Area::PowerOn;
    if (offset == 0x5C || (offset >= 0x5E && offset < 0x80))
        return Area::Reserved;
    if (offset < 0x80)
        return Area::Globals;
    if (offset < 0x500) {
        const int page = (offset - 0x80) / 128;
        if ((offset - 0x80) % 128 >= 96)
            return Area::Reserved;
        return page == 0 ? Area::Scenes : Area::Programs;
    }
    return (offset - 0x500) / 1024 == 0 ? Area::Scenes : Area::Programs;
}

// Default value of a byte of a cleared area.
u8 defaultOf(int offset)
{
    if (offset >= 0x500)
        return 0;
    if (offset >= 0x80) {
        const int inPage = (offset - 0x80) % 128;
        const bool scenes = (offset - 0x80) / 128 == 0;
        if (inPage >= 96)
            return 0xFF; // reserved tail of the page
        switch (inPage % 6) {
        case 0:
        case 1:
            return 0; // rise
        case 2:
            return 10; // last, low byte
        case 3:
            return 0;
        default:
            return scenes ? 0 : 0xFF; // fall: 0 or "next step follows"
        }
    }
    switch (offset) {
    case 0x51:
    case 0x52:
    case 0x53:
    case 0x54:
    case 0x55:
    case 0x56:
    case 0x59:
        return 0;
    case 0x5A:
        return 0x3F;
    default:
        return 0xFF;
    }
}

} // namespace

class tst_Model : public QObject
{
    Q_OBJECT

private slots:
    void unpackOnlyWhatIsAnnounced_data();
    void unpackOnlyWhatIsAnnounced();

    void freshControllerHoldsDefaults();
    void clearByFlags_data();
    void clearByFlags();
    void clearRemoteForgetsLearnedAddress();
    void missingImageIsReported();

    void toDeviceTime_data();
    void toDeviceTime();
    void fromDeviceTime_data();
    void fromDeviceTime();

    void programShape_data();
    void programShape();
    void setStepCount_data();
    void setStepCount();
    void loopAndContinued_data();
    void loopAndContinued();

    void functionCodeLabels_data();
    void functionCodeLabels();

    void copyRuns_data();
    void copyRuns();
    void runsOverlap_data();
    void runsOverlap();
};

void tst_Model::freshControllerHoldsDefaults()
{
    kelvo_controller_class kelvo;
    const u8 *image = kelvo.configImage();
    QVERIFY(image);
    for (int offset = 0; offset < ImageSize; ++offset)
        QCOMPARE(image[offset], defaultOf(offset));

    for (int page = 1; page < PageCount; ++page) {
        const ProgramShape::Shape shape = ProgramShape::read(image, page);
        QCOMPARE(shape.steps, 16);
        QCOMPARE(shape.mode, pgmContinued);
    }
    QCOMPARE(stepTime(image, 0, 15, LastTime), u16(10));
    QCOMPARE(stepTime(image, 3, 7, LastTime), u16(10));
    QCOMPARE(kelvo.rcuAddrShown, u8(0x80));
    QVERIFY(kelvo.lastFilePath.isEmpty());
}

void tst_Model::clearByFlags_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("fill");
    QTest::addColumn<QList<int>>("areas");

    using A = Area;
    QTest::newRow("nothing") << 0 << false << QList<int> {};
    QTest::newRow("scenes") << 0x0001 << false << QList<int> {int(A::Scenes)};
    QTest::newRow("programs") << 0x0002 << false << QList<int> {int(A::Programs)};
    QTest::newRow("inputs") << 0x0004 << false << QList<int> {int(A::Inputs)};
    QTest::newRow("remote") << 0x0008 << false << QList<int> {int(A::Remote)};
    QTest::newRow("scenes+remote")
        << 0x0009 << false << QList<int> {int(A::Scenes), int(A::Remote)};
    QTest::newRow("unknown bits ignored") << 0x7FF0 << false << QList<int> {};
    QTest::newRow("four areas, not all")
        << 0xFFFE << false << QList<int> {int(A::Programs), int(A::Inputs), int(A::Remote)};
    QTest::newRow("everything") << 0xFFFF << true << QList<int> {};
}

void tst_Model::clearByFlags()
{
    QFETCH(int, flags);
    QFETCH(bool, fill);
    QFETCH(QList<int>, areas);

    const Image before = randomImage(quint32(flags) + 7);
    Image image = before;
    clearImage(image.data(), u16(flags));

    for (int offset = 0; offset < ImageSize; ++offset) {
        const Area area = areaOf(offset);
        const bool cleared = fill || areas.contains(int(area));
        const u8 expected = cleared ? defaultOf(offset) : before[offset];
        if (image[offset] != expected)
            QFAIL(qPrintable(QStringLiteral("byte 0x%1: got 0x%2, expected 0x%3")
                                 .arg(offset, 4, 16, QLatin1Char('0'))
                                 .arg(image[offset], 2, 16, QLatin1Char('0'))
                                 .arg(expected, 2, 16, QLatin1Char('0'))));
    }
}

void tst_Model::clearRemoteForgetsLearnedAddress()
{
    kelvo_controller_class kelvo;
    kelvo.rcuAddrShown = 5;
    kelvo.ClearConfig(ClearFlags::Inputs | ClearFlags::Scenes);
    QCOMPARE(kelvo.rcuAddrShown, u8(5));
    kelvo.ClearConfig(ClearFlags::Remote);
    QCOMPARE(kelvo.rcuAddrShown, u8(0x80));

    kelvo.rcuAddrShown = 7;
    kelvo.configImage()[MixMode] = 0;
    kelvo.ClearConfig();
    QCOMPARE(kelvo.rcuAddrShown, u8(0x80));
    QCOMPARE(kelvo.configImage()[MixMode], u8(0xFF));
}

void tst_Model::missingImageIsReported()
{
    DebugCapture debug;
    kelvo_controller_class kelvo([](std::size_t) { return std::unique_ptr<u8[]>(); });
    QVERIFY(!kelvo.configImage());
    QCOMPARE(debug.lines, QStringList {QStringLiteral("Not enough memory !")});
    kelvo.ClearConfig(); // must not touch the missing image
}

void tst_Model::toDeviceTime_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<int>("units");
    QTest::newRow("zero") << QTime(0, 0) << 0;
    QTest::newRow("50 ms truncates") << QTime(0, 0, 0, 50) << 0;
    QTest::newRow("199 ms truncates") << QTime(0, 0, 0, 199) << 1;
    QTest::newRow("one minute") << QTime(0, 1) << 600;
    QTest::newRow("loop marker time") << QTime(1, 49, 13, 400) << 0xFFFE;
    QTest::newRow("largest") << QTime(1, 49, 13, 500) << 0xFFFF;
    QTest::newRow("mixed") << QTime(0, 2, 3, 456) << 2 * 600 + 30 + 4;
}

void tst_Model::toDeviceTime()
{
    QFETCH(QTime, time);
    QFETCH(int, units);
    QCOMPARE(int(::toDeviceTime(time)), units);
}

void tst_Model::fromDeviceTime_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<QTime>("time");
    QTest::newRow("zero") << 0 << QTime(0, 0);
    QTest::newRow("one tenth") << 1 << QTime(0, 0, 0, 100);
    QTest::newRow("one second") << 10 << QTime(0, 0, 1);
    QTest::newRow("one minute") << 600 << QTime(0, 1);
    QTest::newRow("one hour") << 36000 << QTime(1, 0);
    QTest::newRow("0xFFFE") << 0xFFFE << QTime(1, 49, 13, 400);
    QTest::newRow("0xFFFF") << 0xFFFF << QTime(1, 49, 13, 500);
}

void tst_Model::fromDeviceTime()
{
    QFETCH(int, units);
    QFETCH(QTime, time);
    QCOMPARE(::fromDeviceTime(u16(units)), time);
    QCOMPARE(int(::toDeviceTime(time)), units);
}

namespace {

// A program page whose fall times are all "next" except the given ones.
Image programWithFalls(const QList<QPair<int, int>> &falls)
{
    Image image = randomImage(99);
    clearImage(image.data(), ClearFlags::All);
    for (const auto &[step, fall] : falls)
        setStepTime(image.data(), 1, step, FallTime, u16(fall));
    return image;
}

using Falls = QList<QPair<int, int>>;

} // namespace

void tst_Model::programShape_data()
{
    QTest::addColumn<Falls>("falls");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("mode");

    QTest::newRow("all next: continued") << Falls {} << 16 << int(pgmContinued);
    QTest::newRow("step 5 loops") << Falls {{4, 0xFFFE}} << 5 << int(pgmLoop);
    QTest::newRow("step 5 ends, fall 0") << Falls {{4, 0}} << 5 << int(pgmNormal);
    QTest::newRow("first non-next wins") << Falls {{4, 0}, {2, 0xFFFE}} << 3 << int(pgmLoop);
    QTest::newRow("one step") << Falls {{0, 25}} << 1 << int(pgmNormal);
    QTest::newRow("step 16 real fall") << Falls {{15, 30}} << 16 << int(pgmNormal);
    QTest::newRow("step 16 loops") << Falls {{15, 0xFFFE}} << 16 << int(pgmLoop);
}

void tst_Model::programShape()
{
    QFETCH(Falls, falls);
    QFETCH(int, steps);
    QFETCH(int, mode);
    const Image image = programWithFalls(falls);
    const ProgramShape::Shape shape = ProgramShape::read(image.data(), 1);
    QCOMPARE(shape.steps, steps);
    QCOMPARE(int(shape.mode), mode);
}

void tst_Model::setStepCount_data()
{
    QTest::addColumn<Falls>("falls");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("lastFall"); // fall of step n-1 afterwards
    QTest::addColumn<int>("resultMode"); // returned mode
    QTest::addColumn<int>("afterFall"); // fall of the step after the last, untouched

    QTest::newRow("loop: last gets loop marker")
        << Falls {{9, 40}} << 5 << int(pgmLoop) << 0xFFFE << int(pgmLoop) << 0xFFFF;
    QTest::newRow("continued: last gets 0, mode normal")
        << Falls {} << 5 << int(pgmContinued) << 0 << int(pgmNormal) << 0xFFFF;
    QTest::newRow("normal: next marker becomes 0")
        << Falls {} << 5 << int(pgmNormal) << 0 << int(pgmNormal) << 0xFFFF;
    QTest::newRow("normal: loop marker becomes 0")
        << Falls {{4, 0xFFFE}} << 5 << int(pgmNormal) << 0 << int(pgmNormal) << 0xFFFF;
    QTest::newRow("normal: real fall stays")
        << Falls {{4, 123}} << 5 << int(pgmNormal) << 123 << int(pgmNormal) << 0xFFFF;
    QTest::newRow("shorter keeps later data")
        << Falls {{9, 77}} << 3 << int(pgmNormal) << 0 << int(pgmNormal) << 0xFFFF;
    QTest::newRow("longer: earlier ends become next")
        << Falls {{2, 0xFFFE}, {9, 77}} << 10 << int(pgmNormal) << 77 << int(pgmNormal) << 0xFFFF;
    QTest::newRow("one step loop")
        << Falls {} << 1 << int(pgmLoop) << 0xFFFE << int(pgmLoop) << 0xFFFF;
    QTest::newRow("16 leaves real fall alone")
        << Falls {{3, 0}, {15, 50}} << 16 << int(pgmNormal) << 50 << int(pgmNormal) << -1;
    QTest::newRow("16 leaves next marker alone")
        << Falls {{3, 0}} << 16 << int(pgmLoop) << 0xFFFF << int(pgmLoop) << -1;
}

void tst_Model::setStepCount()
{
    QFETCH(Falls, falls);
    QFETCH(int, n);
    QFETCH(int, mode);
    QFETCH(int, lastFall);
    QFETCH(int, resultMode);
    QFETCH(int, afterFall);

    Image image = programWithFalls(falls);
    const Image before = image;
    const int result
        = ProgramShape::setStepCount(image.data(), 1, n, static_cast<pgmModesType>(mode));
    QCOMPARE(result, resultMode);
    for (int step = 0; step < n - 1; ++step)
        QCOMPARE(stepTime(image.data(), 1, step, FallTime), FallNextStep);
    QCOMPARE(int(stepTime(image.data(), 1, n - 1, FallTime)), lastFall);
    if (afterFall >= 0)
        QCOMPARE(int(stepTime(image.data(), 1, n, FallTime)), afterFall);

    // Only fall times of page 1 may change.
    for (int offset = 0; offset < ImageSize; ++offset) {
        const bool fallOfPage1 = offset >= timeRecordOffset(1, 0)
            && offset < timeRecordOffset(1, 0) + TimePageUsed
            && (offset - timeRecordOffset(1, 0)) % 6 >= 4;
        if (!fallOfPage1)
            QCOMPARE(image[offset], before[offset]);
    }
}

void tst_Model::loopAndContinued_data()
{
    QTest::addColumn<Falls>("falls");
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("mode");
    QTest::addColumn<Falls>("expect"); // fall times to check afterwards

    QTest::newRow("loop on") << Falls {{4, 33}} << "loop on" << 5 << int(pgmLoop)
                             << Falls {{4, 0xFFFE}};
    QTest::newRow("loop off clears marker")
        << Falls {{4, 0xFFFE}} << "loop off" << 5 << int(pgmNormal) << Falls {{4, 0}};
    QTest::newRow("loop off keeps real fall")
        << Falls {{4, 33}} << "loop off" << 5 << int(pgmNormal) << Falls {{4, 33}};
    QTest::newRow("loop on over continued")
        << Falls {} << "loop on" << 16 << int(pgmLoop) << Falls {{15, 0xFFFE}};
    QTest::newRow("continued on from 5 steps")
        << Falls {{4, 0xFFFE}, {9, 12}} << "continued on" << 16 << int(pgmContinued)
        << Falls {{4, 0xFFFF}, {9, 0xFFFF}, {15, 0xFFFF}};
    QTest::newRow("continued on replaces step 16 fall")
        << Falls {{15, 40}} << "continued on" << 16 << int(pgmContinued) << Falls {{15, 0xFFFF}};
    QTest::newRow("continued off")
        << Falls {} << "continued off" << 16 << int(pgmNormal) << Falls {{15, 0}};
    QTest::newRow("continued off keeps loop")
        << Falls {{15, 0xFFFE}} << "continued off" << 16 << int(pgmLoop) << Falls {{15, 0xFFFE}};
}

void tst_Model::loopAndContinued()
{
    QFETCH(Falls, falls);
    QFETCH(QString, change);
    QFETCH(int, steps);
    QFETCH(int, mode);
    QFETCH(Falls, expect);

    Image image = programWithFalls(falls);
    const int count = ProgramShape::read(image.data(), 1).steps;
    if (change.startsWith(QLatin1String("loop")))
        ProgramShape::setLoop(image.data(), 1, count, change.endsWith(QLatin1String("on")));
    else
        ProgramShape::setContinued(image.data(), 1, change.endsWith(QLatin1String("on")));

    const ProgramShape::Shape shape = ProgramShape::read(image.data(), 1);
    QCOMPARE(shape.steps, steps);
    QCOMPARE(int(shape.mode), mode);
    for (const auto &[step, fall] : expect)
        QCOMPARE(int(stepTime(image.data(), 1, step, FallTime)), fall);
}

void tst_Model::functionCodeLabels_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("parameter"); // offset + 1 as the user sees it

    QTest::newRow("0") << 0 << "Load next scene" << 1;
    QTest::newRow("3") << 3 << "Pause/resume program" << 1;
    QTest::newRow("12") << 12 << "Blue channel down" << 1;
    QTest::newRow("13") << 13 << "Load and run chosen scene" << 1;
    QTest::newRow("28") << 28 << "Load and run chosen scene" << 16;
    QTest::newRow("29") << 29 << "Load special scene" << 1;
    QTest::newRow("30") << 30 << "Load and run chosen program" << 1;
    QTest::newRow("37") << 37 << "Load and run chosen program" << 8;
    QTest::newRow("38") << 38 << "Toggle chosen scene" << 1;
    QTest::newRow("53") << 53 << "Toggle chosen scene" << 16;
    QTest::newRow("54") << 54 << "Toggle chosen scene" << 17;
    QTest::newRow("200") << 200 << "Toggle chosen scene" << 163;
    QTest::newRow("254") << 254 << "Toggle chosen scene" << 217;
    QTest::newRow("255") << 255 << "No action" << 1;
}

void tst_Model::functionCodeLabels()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QFETCH(int, parameter);
    QCOMPARE(functionCodeText(u8(code)), text);
    QCOMPARE(FunctionCode::decode(u8(code)).offset + 1, parameter);
}

void tst_Model::copyRuns_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("srcPage");
    QTest::addColumn<int>("srcStep");
    QTest::addColumn<int>("dstPage");
    QTest::addColumn<int>("dstStep");
    QTest::addColumn<int>("count");

    QTest::newRow("one scene") << "scenes" << 0 << 2 << 0 << 9 << 1;
    QTest::newRow("scenes 3..9 onto 10..16") << "scenes" << 0 << 2 << 0 << 9 << 7;
    QTest::newRow("scenes backwards") << "scenes" << 0 << 8 << 0 << 1 << 7;
    QTest::newRow("one program") << "programs" << 1 << 0 << 8 << 0 << 1;
    QTest::newRow("programs 2,3 onto 7,8") << "programs" << 2 << 0 << 7 << 0 << 2;
    QTest::newRow("programs 5..8 onto 1..4") << "programs" << 5 << 0 << 1 << 0 << 4;
    QTest::newRow("steps between programs") << "steps" << 2 << 0 << 3 << 2 << 3;
    QTest::newRow("steps within a program") << "steps" << 4 << 0 << 4 << 5 << 5;
    QTest::newRow("whole page of steps") << "steps" << 8 << 0 << 1 << 0 << 16;
    QTest::newRow("last step of program 8") << "steps" << 8 << 15 << 1 << 15 << 1;
}

void tst_Model::copyRuns()
{
    QFETCH(QString, what);
    QFETCH(int, srcPage);
    QFETCH(int, srcStep);
    QFETCH(int, dstPage);
    QFETCH(int, dstStep);
    QFETCH(int, count);

    Image image = randomImage(quint32(srcPage * 100 + dstPage * 10 + count));
    Image expected = image;
    if (what == QLatin1String("programs")) {
        for (int k = 0; k < count; ++k)
            for (int step = 0; step < 16; ++step)
                ImageOracle::copyStepsByHand(expected.data(), srcPage + k, step, dstPage + k, step);
        ConfigCopy::copyPrograms(image.data(), srcPage, dstPage, count);
    } else {
        for (int k = 0; k < count; ++k)
            ImageOracle::copyStepsByHand(expected.data(), srcPage, srcStep + k, dstPage,
                                         dstStep + k);
        if (what == QLatin1String("scenes"))
            ConfigCopy::copyScenes(image.data(), srcStep, dstStep, count);
        else
            ConfigCopy::copySteps(image.data(), srcPage, srcStep, dstPage, dstStep, count);
    }
    // Everything else, reserved page tails included, stays as it was.
    for (int offset = 0; offset < ImageSize; ++offset)
        if (image[offset] != expected[offset])
            QFAIL(qPrintable(
                QStringLiteral("byte 0x%1 differs").arg(offset, 4, 16, QLatin1Char('0'))));
}

void tst_Model::runsOverlap_data()
{
    QTest::addColumn<int>("src");
    QTest::addColumn<int>("dst");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("overlap");
    QTest::newRow("1..4 and 4..7 share 4") << 1 << 4 << 4 << true;
    QTest::newRow("1..4 and 5..8 apart") << 1 << 5 << 4 << false;
    QTest::newRow("5..8 and 1..4 apart") << 5 << 1 << 4 << false;
    QTest::newRow("4..7 and 1..4 share 4") << 4 << 1 << 4 << true;
    QTest::newRow("single elements apart") << 3 << 4 << 1 << false;
    QTest::newRow("same start") << 3 << 3 << 1 << true;
}

void tst_Model::runsOverlap()
{
    QFETCH(int, src);
    QFETCH(int, dst);
    QFETCH(int, count);
    QFETCH(bool, overlap);
    QCOMPARE(ConfigCopy::runsOverlap(src, dst, count), overlap);
}

void tst_Model::unpackOnlyWhatIsAnnounced_data()
{
    QTest::addColumn<QByteArray>("packed");
    QTest::addColumn<bool>("unpacked");
    const QByteArray data = QByteArray("levels").repeated(100); // 600 bytes
    const QByteArray packed = qCompress(data, 9);
    const auto announcing = [&](quint32 size) {
        QByteArray forged = packed;
        qToBigEndian<quint32>(size, forged.data());
        return forged;
    };
    QTest::newRow("exactly the size") << packed << true;
    QTest::newRow("one byte less announced") << announcing(599) << false;
    QTest::newRow("one byte more announced") << announcing(601) << false;
    QTest::newRow("4 GiB announced") << announcing(0xFFFFFFFF) << false;
    QTest::newRow("no room for the length") << packed.left(3) << false;
    QTest::newRow("right length, broken data") << packed.left(4) + QByteArray(40, 'x') << false;
    QTest::newRow("right length, more data")
        << packed.left(4) + qCompress(QByteArray(601, 'x')).mid(4) << false;
}

void tst_Model::unpackOnlyWhatIsAnnounced()
{
    QFETCH(QByteArray, packed);
    QFETCH(bool, unpacked);
    const QByteArray result = unpackExactly(packed, 600);
    QCOMPARE(result.size(), unpacked ? 600 : 0);
    if (unpacked)
        QCOMPARE(result, QByteArray("levels").repeated(100));
}

QTEST_GUILESS_MAIN(tst_Model)
#include "tst_model.moc"
