// The colours the program chooses itself read on a light and on a dark desktop palette: every
// text whose colour a widget sets, and the marks the program draws, at least 4.5:1 against what
// they are drawn on.

#include "editors/levelbars.h"
#include "editors/programtimelineview.h"
#include "editors/readablecolour.h"
#include "shell/showpreviewwindow.h"
#include "simulator/sampleshow.h"
#include "support/windowrig.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <memory>

class tst_Palettes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void ownColoursRead_data();
    void ownColoursRead();
    void readableColourKeepsWhatReads_data();
    void readableColourKeepsWhatReads();
};

namespace {

QPalette lightPalette()
{
    return QStyleFactory::create(QStringLiteral("Fusion"))->standardPalette();
}

// A dark palette of the kind desktops ship.
QPalette darkPalette()
{
    QPalette p;
    const QColor window(0x35, 0x35, 0x35);
    const QColor base(0x23, 0x23, 0x23);
    const QColor text(0xf0, 0xf0, 0xf0);
    const QColor muted(0x7f, 0x7f, 0x7f);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Light, QColor(0x50, 0x50, 0x50));
    p.setColor(QPalette::Mid, QColor(0x40, 0x40, 0x40));
    p.setColor(QPalette::Dark, QColor(0x20, 0x20, 0x20));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, muted);
    return p;
}

// Every text whose colour a widget of `top` sets itself, against the background behind it.
QStringList unreadableTexts(QWidget *top)
{
    QStringList found;
    QList<QWidget *> widgets = top->findChildren<QWidget *>();
    widgets.prepend(top);
    for (QWidget *w : widgets) {
        if (!w->testAttribute(Qt::WA_SetPalette) || !w->parentWidget())
            continue;
        const QColor text = w->palette().color(QPalette::Active, w->foregroundRole());
        const QColor behind = w->autoFillBackground()
            ? w->palette().color(QPalette::Active, w->backgroundRole())
            : w->parentWidget()->palette().color(QPalette::Active, QPalette::Window);
        const double ratio = ReadableColour::contrast(text, behind);
        if (ratio < ReadableColour::MinimumContrast)
            found << QStringLiteral("%1: %2 on %3, %4:1")
                         .arg(w->objectName(), text.name(), behind.name())
                         .arg(ratio, 0, 'f', 2);
    }
    return found;
}

void expectReadable(const QString &what, const QColor &a, const QColor &b)
{
    const double ratio = ReadableColour::contrast(a, b);
    QVERIFY2(ratio >= ReadableColour::MinimumContrast,
             qPrintable(QStringLiteral("%1: %2 on %3, %4:1")
                            .arg(what, a.name(), b.name())
                            .arg(ratio, 0, 'f', 2)));
}

} // namespace

void tst_Palettes::initTestCase()
{
    // The style of most desktops' Qt programs, and the one whose light palette the program
    // meets without a desktop theme.
    QApplication::setStyle(QStringLiteral("Fusion"));
}

void tst_Palettes::ownColoursRead_data()
{
    QTest::addColumn<QPalette>("first");
    QTest::addColumn<QPalette>("palette");

    QTest::newRow("light") << lightPalette() << lightPalette();
    QTest::newRow("dark") << darkPalette() << darkPalette();
    // The desktop switches to dark while the program runs.
    QTest::newRow("light, then dark") << lightPalette() << darkPalette();
}

void tst_Palettes::ownColoursRead()
{
    QFETCH(QPalette, first);
    QFETCH(QPalette, palette);
    QApplication::setPalette(first);
    WindowRig rig;
    rig.setImage(sampleShowImage());
    rig.window->show();
    rig.window->findChild<QAction *>(QStringLiteral("actPreviewProgram"))->trigger();
    auto *preview = rig.window->findChild<ShowPreviewWindow *>();
    QApplication::setPalette(palette);
    QCoreApplication::sendPostedEvents();

    // With KELVO_SHOTS set, every page is saved there as a picture to look at.
    const QString shots = qEnvironmentVariable("KELVO_SHOTS");
    const QString row
        = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'));
    const auto look = [&](const QString &state) {
        QStringList unreadable = unreadableTexts(rig.window.get());
        unreadable << unreadableTexts(preview);
        QVERIFY2(unreadable.isEmpty(),
                 qPrintable(state + QLatin1String(": ") + unreadable.join(QLatin1String("; "))));
        if (shots.isEmpty())
            return;
        const int pages[][2] = {{0, 0}, {0, 1}, {0, 2}, {1, -1}, {2, -1}, {3, -1}};
        for (const auto &page : pages) {
            rig.showPage(page[0], page[1]);
            rig.window->grab().save(QStringLiteral("%1/%2-%3-%4-%5.png")
                                        .arg(shots, row, state)
                                        .arg(page[0])
                                        .arg(page[1] < 0 ? 9 : page[1]));
        }
        preview->grab().save(QStringLiteral("%1/%2-%3-preview.png").arg(shots, row, state));
    };
    look(QStringLiteral("disconnected"));
    rig.connectTo();
    look(QStringLiteral("connected"));

    // The marks the program draws: a bar's fill on its empty part, a program's steps on the
    // timeline's ground and their numbers on them.
    auto *bars = preview->findChild<LevelBars *>();
    expectReadable(QStringLiteral("level bar"), bars->barColour(), bars->emptyColour());
    auto *timeline = preview->findChild<ProgramTimelineView *>();
    expectReadable(QStringLiteral("timeline step"), timeline->litColour(), timeline->darkColour());
    expectReadable(QStringLiteral("step number"), timeline->numberColour(), timeline->litColour());
}

void tst_Palettes::readableColourKeepsWhatReads_data()
{
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("wanted");
    QTest::addColumn<bool>("kept");

    QTest::newRow("red on white") << QColor(Qt::white) << QColor(220, 0, 0) << true;
    QTest::newRow("green on light grey") << QColor(0xef, 0xef, 0xef) << QColor(0, 155, 0) << false;
    QTest::newRow("red on dark grey") << QColor(0x35, 0x35, 0x35) << QColor(220, 0, 0) << false;
    QTest::newRow("white on black") << QColor(Qt::black) << QColor(Qt::white) << true;
    QTest::newRow("grey on grey") << QColor(0x80, 0x80, 0x80) << QColor(0x88, 0x88, 0x88) << false;
}

void tst_Palettes::readableColourKeepsWhatReads()
{
    QFETCH(QColor, background);
    QFETCH(QColor, wanted);
    QFETCH(bool, kept);
    const QColor shown = ReadableColour::on(background, wanted);
    QCOMPARE(shown == wanted, kept);
    QVERIFY(ReadableColour::contrast(background, shown) >= ReadableColour::MinimumContrast);
    // The hue stays where there is one: red stays red, green stays green.
    if (wanted.hslSaturation() > 0 && shown.hslSaturation() > 0)
        QCOMPARE(shown.hslHue(), wanted.hslHue());
}

QTEST_MAIN(tst_Palettes)
#include "tst_palettes.moc"
