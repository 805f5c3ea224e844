// The preview's drawings: a program's steps to scale with the playhead where the program is, and
// the colours of RGB triples.

#include "editors/colourswatches.h"
#include "editors/programtimelineview.h"
#include "model/configclear.h"
#include "model/configlayout.h"

#include <QApplication>
#include <QTest>

using namespace ConfigLayout;

namespace {

struct StepTimes
{
    u16 rise; // tenths of a second
    u16 last; // tenths, or LastInfinite
};

// Program 1 with these steps, ending as `fall` says (FallLoop, or a fall time).
QByteArray programImage(const QList<StepTimes> &steps, u16 fall)
{
    QByteArray bytes(ImageSize, '\0');
    auto *image = reinterpret_cast<u8 *>(bytes.data());
    clearImage(image, 0xFFFF);
    for (int s = 0; s < steps.size(); ++s) {
        setStepTime(image, 1, s, RiseTime, steps[s].rise);
        setStepTime(image, 1, s, LastTime, steps[s].last);
        setStepTime(image, 1, s, FallTime, s + 1 < steps.size() ? FallNextStep : fall);
    }
    return bytes;
}

const u8 *bytesOf(const QByteArray &image)
{
    return reinterpret_cast<const u8 *>(image.constData());
}

} // namespace

class tst_ShowViews : public QObject
{
    Q_OBJECT

private slots:
    void stepsAreDrawnToScale_data();
    void stepsAreDrawnToScale();
    void playheadFollowsThePosition_data();
    void playheadFollowsThePosition();
    void swatchesMixTheirTriples();
};

void tst_ShowViews::stepsAreDrawnToScale_data()
{
    QTest::addColumn<QList<StepTimes>>("steps");
    QTest::addColumn<u16>("fall");
    // Each step's share of the bar, in thousandths, the fade-out last when there is one.
    QTest::addColumn<QList<int>>("shares");

    QTest::newRow("loop") << QList<StepTimes> {{10, 10}, {0, 20}, {30, 30}} << FallLoop
                          << QList<int> {200, 200, 600};
    QTest::newRow("fade out") << QList<StepTimes> {{10, 30}, {20, 20}} << u16(20)
                              << QList<int> {400, 400, 200};
    // A step that takes no time is a line on the bar, not a block.
    QTest::newRow("a step of no time")
        << QList<StepTimes> {{0, 0}, {10, 30}} << FallLoop << QList<int> {0, 1000};
    // A hold for ever is drawn as long as the longest part: 4 s here.
    QTest::newRow("hold for ever")
        << QList<StepTimes> {{10, 40}, {0, LastInfinite}} << FallLoop << QList<int> {556, 444};
}

void tst_ShowViews::stepsAreDrawnToScale()
{
    QFETCH(QList<StepTimes>, steps);
    QFETCH(u16, fall);
    QFETCH(QList<int>, shares);
    const QByteArray image = programImage(steps, fall);
    ProgramTimelineView view;
    view.resize(1012, view.sizeHint().height());
    view.setTimeline(ProgramTimeline(bytesOf(image), 1));

    const QRectF bar = view.barRect();
    QCOMPARE(bar.width(), 1000.0);
    double right = bar.left();
    for (int i = 0; i < shares.size(); ++i) {
        const QRectF rect = view.stepRect(i);
        QVERIFY2(rect.isValid() || shares[i] == 0, qPrintable(QString::number(i)));
        QCOMPARE(qRound(rect.left()), qRound(right)); // no gaps, no overlaps
        QCOMPARE(qRound(rect.width()), shares[i]);
        right = rect.right();
    }
    QCOMPARE(qRound(right), qRound(bar.right()));
}

void tst_ShowViews::playheadFollowsThePosition_data()
{
    QTest::addColumn<u16>("fall");
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<double>("x"); // from the bar's left, on a bar of 1000 px

    // Steps: 1 s rise and 1 s hold, 0 s rise and 2 s hold, 3 s rise and 3 s hold: 10 s, then a
    // loop, or a fade-out of 2 s (12 s in all).
    QTest::newRow("start") << FallLoop << qint64(0) << 0.0;
    QTest::newRow("in the first rise") << FallLoop << qint64(500) << 50.0;
    QTest::newRow("in the first hold") << FallLoop << qint64(1500) << 150.0;
    QTest::newRow("second step") << FallLoop << qint64(3000) << 300.0;
    QTest::newRow("in the last rise") << FallLoop << qint64(5500) << 550.0;
    QTest::newRow("second pass") << FallLoop << qint64(10500) << 50.0;
    QTest::newRow("an hour on") << FallLoop << qint64(3600000 + 5500) << 550.0;
    QTest::newRow("fading out") << u16(20) << qint64(11000) << 11000.0 / 12.0;
    QTest::newRow("ended") << u16(20) << qint64(60000) << 1000.0;
}

void tst_ShowViews::playheadFollowsThePosition()
{
    QFETCH(u16, fall);
    QFETCH(qint64, ms);
    QFETCH(double, x);
    const QByteArray image = programImage({{10, 10}, {0, 20}, {30, 30}}, fall);
    const ProgramTimeline timeline(bytesOf(image), 1);
    ProgramTimelineView view;
    view.resize(1012, view.sizeHint().height());
    view.setTimeline(timeline);
    QCOMPARE(view.playheadX(), -1.0); // none before the program runs

    view.setPosition(timeline.at(ms));
    QVERIFY2(qAbs(view.playheadX() - view.barRect().left() - x) < 1e-6,
             qPrintable(QString::number(view.playheadX() - view.barRect().left())));
    view.setPosition(std::nullopt);
    QCOMPARE(view.playheadX(), -1.0);
}

void tst_ShowViews::swatchesMixTheirTriples()
{
    ColourSwatches swatches;
    // A triple that would pass channel 64 is left out, and so is one before channel 1.
    swatches.setTriples({-1, 0, 3, 30, 61, 62});
    QCOMPARE(swatches.triples(), (QList<int> {0, 3, 30, 61}));
    ColourSwatches::Levels levels {};
    levels[0] = 255; // red of channels 1..3
    levels[4] = 128; // green of 4..6
    levels[32] = 7; // blue of 31..33
    levels[61] = 1, levels[62] = 2, levels[63] = 3;
    swatches.setLevels(levels);
    QCOMPARE(swatches.colour(0), QColor(255, 0, 0));
    QCOMPARE(swatches.colour(1), QColor(0, 128, 0));
    QCOMPARE(swatches.colour(2), QColor(0, 0, 7));
    QCOMPARE(swatches.colour(3), QColor(1, 2, 3));
}

QTEST_MAIN(tst_ShowViews)
#include "tst_showviews.moc"
