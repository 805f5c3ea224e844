// The differences between two images, as the user reads them, and that none goes unreported.

#include "model/configclear.h"
#include "model/configdiff.h"
#include "model/configlayout.h"
#include "model/contactmode.h"
#include "model/programshape.h"

#include <QJsonObject>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include <functional>

using namespace ConfigLayout;

namespace {

using Edit = std::function<void(u8 *)>;

const u8 *bytes(const QByteArray &image)
{
    return reinterpret_cast<const u8 *>(image.constData());
}

QByteArray freshImage(const Edit &edit = {})
{
    QByteArray image(ImageSize, '\0');
    u8 *data = reinterpret_cast<u8 *>(image.data());
    clearImage(data, ClearFlags::All);
    if (edit)
        edit(data);
    return image;
}

QByteArray randomImage(QRandomGenerator &random)
{
    QByteArray image(ImageSize, '\0');
    for (char &byte : image)
        byte = char(random.bounded(256));
    return image;
}

QList<ConfigDiff::Difference> compare(const QByteArray &a, const QByteArray &b)
{
    return ConfigDiff::compare(bytes(a), bytes(b));
}

QStringList lines(const QList<ConfigDiff::Difference> &differences)
{
    QStringList lines;
    for (const ConfigDiff::Difference &d : differences)
        lines << d.line();
    return lines;
}

} // namespace

class tst_ConfigDiff : public QObject
{
    Q_OBJECT

private slots:
    void edits_data();
    void edits();
    void equalImages_data();
    void equalImages();
    void randomPairs_data();
    void randomPairs();
    void everyByteChange_data();
    void everyByteChange();
    void json();
};

void tst_ConfigDiff::edits_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QStringList>("expected");

    // `change` is applied on top of `base`; both start from a cleared image.
    const auto row
        = [](const char *name, const Edit &base, const Edit &change, const QStringList &expected) {
              QTest::newRow(name) << freshImage(base) << freshImage([&](u8 *image) {
                  if (base)
                      base(image);
                  change(image);
              }) << expected;
          };
    const auto threeSteps = [](u8 *image) {
        ProgramShape::setStepCount(image, 2, 3, pgmNormal);
    };

    row("scene channel", {}, [](u8 *image) { setLevel(image, 0, 2, 11, 255); },
        {"scene 3 channel 12: 0 -> 255"});
    row("scene rise time", {}, [](u8 *image) { setStepTime(image, 0, 2, RiseTime, 25); },
        {"scene 3 rise time: 0.0 s -> 2.5 s"});
    row("scene last time", {}, [](u8 *image) { setStepTime(image, 0, 2, LastTime, 25); },
        {"scene 3 last time: 1.0 s -> 2.5 s"});
    row("scene last time infinite", {},
        [](u8 *image) { setStepTime(image, 0, 2, LastTime, LastInfinite); },
        {"scene 3 last time: 1.0 s -> infinite"});
    row("scene fall time", {}, [](u8 *image) { setStepTime(image, 0, 2, FallTime, 5); },
        {"scene 3 fall time: 0.0 s -> 0.5 s"});
    // Scenes do not chain; the programs' marker is a plain time here.
    row("scene fall time at a program marker", {},
        [](u8 *image) { setStepTime(image, 0, 2, FallTime, FallNextStep); },
        {"scene 3 fall time: 0.0 s -> 6553.5 s"});

    row("program step channel", {}, [](u8 *image) { setLevel(image, 2, 3, 6, 128); },
        {"program 2 step 4 channel 7: 0 -> 128"});
    row(
        "program step rise time", [](u8 *image) { setStepTime(image, 2, 3, RiseTime, 10); },
        [](u8 *image) { setStepTime(image, 2, 3, RiseTime, 25); },
        {"program 2 step 4 rise time: 1.0 s -> 2.5 s"});
    row(
        "program step last time",
        [](u8 *image) { setStepTime(image, 2, 3, LastTime, LastInfinite); },
        [](u8 *image) { setStepTime(image, 2, 3, LastTime, 25); },
        {"program 2 step 4 last time: infinite -> 2.5 s"});
    row("program shortened", {}, threeSteps,
        {"program 2 steps: 16 -> 3", "program 2 run mode: continued -> normal",
         "program 2 step 3 fall time: next step -> 0.0 s"});
    row("program lengthened", threeSteps,
        [](u8 *image) { ProgramShape::setStepCount(image, 2, 5, pgmNormal); },
        {"program 2 steps: 3 -> 5", "program 2 step 3 fall time: 0.0 s -> next step",
         "program 2 step 5 fall time: next step -> 0.0 s"});
    row(
        "program loops", [](u8 *image) { ProgramShape::setStepCount(image, 5, 4, pgmNormal); },
        [](u8 *image) { ProgramShape::setLoop(image, 5, 4, true); },
        {"program 5 run mode: normal -> loop", "program 5 step 4 fall time: 0.0 s -> loop"});
    row("steps past the program's end", threeSteps,
        [](u8 *image) {
            setLevel(image, 2, 9, 0, 7);
            setStepTime(image, 2, 12, FallTime, 0);
        },
        {"program 2 step 10 channel 1: 0 -> 7", "program 2 step 13 fall time: next step -> 0.0 s"});

    row(
        "input action", [](u8 *image) { image[InputFunc + 2] = 0; },
        [](u8 *image) { image[InputFunc + 2] = 42; },
        {"input 3: Load next scene -> Toggle chosen scene : 5"});
    row("input contact", {},
        [](u8 *image) { setContactMode(image, 2, ContactMode::NormallyClosed); },
        {"input 3 contact: N/O -> N/C"});
    row("input not used", {}, [](u8 *image) { setContactMode(image, 2, ContactMode::NotUsed); },
        {"input 3 contact: N/O -> N/U"});
    row(
        "unused input's normally-open bit",
        [](u8 *image) { setContactMode(image, 2, ContactMode::NotUsed, true); },
        [](u8 *image) { setContactMode(image, 2, ContactMode::NotUsed, false); },
        {"input 3 normally-open bit: set -> clear"});
    row("power on", {}, [](u8 *image) { image[PowerOnFunc] = 15; },
        {"power on: No action -> Load and run chosen scene : 3"});
    row("remote key", {}, [](u8 *image) { image[RcuKeyFunc + 16] = 29; },
        {"remote key 17: No action -> Load special scene"});

    row("special scene levels", {},
        [](u8 *image) {
            image[SpecialLevelBlue] = 50;
            image[SpecialLevelGreen] = 100;
            image[SpecialLevelRed] = 200;
        },
        {"special scene red: 0 -> 200", "special scene green: 0 -> 100",
         "special scene blue: 0 -> 50"});
    row("special scene channels", {},
        [](u8 *image) {
            image[SpecialFirstChannel] = 9;
            image[SpecialLastChannel] = 31;
        },
        {"special scene first channel: 1 -> 10", "special scene last channel: 64 -> 32"});
    row("special scene rise time", {}, [](u8 *image) { writeU16(image, SpecialRiseTime, 25); },
        {"special scene rise time: 0.0 s -> 2.5 s"});
    row("preview", {}, [](u8 *image) { image[PreviewFirstChannel] = 3; },
        {"preview first channel: 1 -> 4"});
    row("mixing mode", {}, [](u8 *image) { image[MixMode] = 0; },
        {"scene mixing mode: Standard (bigger win) mode -> Proportional mode"});
    // Values that read alike still differ as bytes.
    row("mixing mode, another standard value", {}, [](u8 *image) { image[MixMode] = 1; },
        {"scene mixing mode: Standard (bigger win) mode (0xFF) -> Standard (bigger win) mode "
         "(0x01)"});
    row("remote system address", {}, [](u8 *image) { image[RcuSysAddr] = 5; },
        {"remote system address: not used -> 5"});
    row("remote system address, another unused value", {},
        [](u8 *image) { image[RcuSysAddr] = MaxRcuSysAddr + 1; },
        {"remote system address: not used (0xFF) -> not used (0x20)"});
    row("reserved byte", {}, [](u8 *image) { image[Reserved5C] = 0; },
        {"byte 0x005C: 0xFF -> 0x00"});
    row("reserved tail of a time page", {},
        [](u8 *image) { image[timeRecordOffset(1, 0) + TimePageUsed] = 0x1a; },
        {"byte 0x0160: 0xFF -> 0x1A"});

    // Made back to front; listed in the one order.
    row("every area at once", {},
        [](u8 *image) {
            image[ReservedHead] = 0;
            image[RcuSysAddr] = 7;
            image[PreviewFirstChannel] = 1;
            image[SpecialLevelRed] = 1;
            image[RcuKeyFunc] = 2;
            image[PowerOnFunc] = 3;
            image[InputFunc + 7] = 4;
            setLevel(image, 8, 15, 63, 9);
            setLevel(image, 0, 0, 0, 10);
        },
        {"scene 1 channel 1: 0 -> 10", "program 8 step 16 channel 64: 0 -> 9",
         "input 8: No action -> Red channel up/down", "power on: No action -> Pause/resume program",
         "remote key 1: No action -> Controller start/stop", "special scene red: 0 -> 1",
         "preview first channel: 1 -> 2", "remote system address: not used -> 7",
         "byte 0x0000: 0xFF -> 0x00"});
}

void tst_ConfigDiff::edits()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, expected);
    QCOMPARE(lines(compare(before, after)), expected);
}

void tst_ConfigDiff::equalImages_data()
{
    QTest::addColumn<QByteArray>("image");
    QRandomGenerator random(7);
    QTest::newRow("cleared") << freshImage();
    QTest::newRow("random") << randomImage(random);
}

void tst_ConfigDiff::equalImages()
{
    QFETCH(QByteArray, image);
    const QByteArray copy = image;
    QVERIFY(compare(image, copy).isEmpty());
}

void tst_ConfigDiff::randomPairs_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::newRow("seed 1") << 1u;
    QTest::newRow("seed 2") << 2u;
    QTest::newRow("seed 3") << 3u;
}

void tst_ConfigDiff::randomPairs()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);

    // Nearly every byte differs: every place at most once, and each line shows a change.
    const QList<ConfigDiff::Difference> all = compare(randomImage(random), randomImage(random));
    QVERIFY(!all.isEmpty());
    QSet<QString> places;
    for (const ConfigDiff::Difference &d : all) {
        places.insert(d.where);
        QVERIFY2(d.before != d.after, qPrintable(d.line()));
    }
    QCOMPARE(places.size(), all.size());

    // A few bytes rewritten, or none: reported exactly when the images differ, and the same
    // places with before and after swapped when compared the other way round.
    for (int round = 0; round < 200; ++round) {
        const QByteArray a = randomImage(random);
        QByteArray b = a;
        for (int n = random.bounded(4); n > 0; --n)
            b[random.bounded(ImageSize)] = char(random.bounded(256));
        const QList<ConfigDiff::Difference> forward = compare(a, b);
        QCOMPARE(forward.isEmpty(), a == b);
        const QList<ConfigDiff::Difference> backward = compare(b, a);
        QCOMPARE(backward.size(), forward.size());
        for (qsizetype i = 0; i < forward.size(); ++i) {
            QCOMPARE(backward[i].where, forward[i].where);
            QCOMPARE(backward[i].before, forward[i].after);
            QCOMPARE(backward[i].after, forward[i].before);
        }
    }
}

void tst_ConfigDiff::everyByteChange_data()
{
    QTest::addColumn<QByteArray>("image");
    QRandomGenerator random(11);
    QTest::newRow("cleared") << freshImage();
    QTest::newRow("random") << randomImage(random);
}

void tst_ConfigDiff::everyByteChange()
{
    QFETCH(QByteArray, image);
    QRandomGenerator random(5);
    for (int offset = 0; offset < ImageSize; ++offset) {
        QByteArray changed = image;
        changed[offset] = char(changed[offset] ^ (1 + random.bounded(255)));
        if (compare(image, changed).isEmpty())
            QFAIL(qPrintable(QStringLiteral("a change at 0x%1 went unreported")
                                 .arg(offset, 4, 16, QLatin1Char('0'))));
    }
}

void tst_ConfigDiff::json()
{
    const QByteArray before = freshImage();
    const QByteArray after = freshImage([](u8 *image) {
        setLevel(image, 0, 0, 0, 1);
        image[RcuSysAddr] = 0;
    });
    const QJsonArray expected {
        QJsonObject {{"where", "scene 1 channel 1"}, {"before", "0"}, {"after", "1"}},
        QJsonObject {{"where", "remote system address"}, {"before", "not used"}, {"after", "0"}},
    };
    QCOMPARE(ConfigDiff::toJson(compare(before, after)), expected);
    QCOMPARE(ConfigDiff::toJson({}), QJsonArray());
}

QTEST_GUILESS_MAIN(tst_ConfigDiff)
#include "tst_configdiff.moc"
