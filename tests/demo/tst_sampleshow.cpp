// The demo controller's sample show, read into the real window as a user would: every page and
// every scene and program shows it without a box and without changing a byte, and it shows what
// the controller can do.

#include "model/configdocument.h"
#include "model/configlayout.h"
#include "show/showengine.h"
#include "simulator/sampleshow.h"
#include "support/windowrig.h"

#include <QApplication>
#include <QCheckBox>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <algorithm>

using namespace ConfigLayout;

namespace {

struct ProgramSeen
{
    int steps;
    bool loop;
    bool continued;
};

} // namespace

class tst_SampleShow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyPageShowsItUnchanged();
    void showsWhatTheControllerCanDo();
    void playsItsTimeline_data();
    void playsItsTimeline();

private:
    // Every settings page, every step of the scenes and programs on the scenes page at both
    // ends of the channel scroll, every program and step on the programs page, the copy page.
    void visitEveryPage();
    QList<int> shownLevels();
    QList<ProgramSeen> programsShown();
    // (mode, action) of each row of a function table.
    QList<QPair<QString, QString>> tableShown(const char *table);

    std::unique_ptr<WindowRig> rig;
    QByteArray sample;
};

void tst_SampleShow::init()
{
    sample = sampleShowImage();
    QCOMPARE(sample.size(), ImageSize);
    rig = std::make_unique<WindowRig>();
    SimulatedController &c = rig->connectTo();
    std::copy(sample.cbegin(), sample.cend(), c.configuration.begin());
    rig->click("pbReadConf");
    QCOMPARE(rig->image(), sample);
    QCOMPARE(rig->script.shown.size(), 1);
    QCOMPARE(rig->script.shown.first().text, QStringLiteral("Read configuration\nSucessfull!"));
    rig->script.shown.clear();
}

void tst_SampleShow::cleanup()
{
    rig.reset();
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList());
}

void tst_SampleShow::visitEveryPage()
{
    for (int settings = 0; settings < 3; ++settings)
        rig->showPage(0, settings);

    rig->showPage(1);
    auto *scroll = rig->child<QScrollBar>("scrollChannels");
    for (int page = 0; page < PageCount; ++page) {
        rig->child<QSpinBox>("sbProgram")->setValue(page);
        for (int step = 1; step <= StepsPerPage; ++step) {
            rig->child<QSpinBox>("sbStep")->setValue(step);
            scroll->setValue(scroll->maximum());
            scroll->setValue(0);
        }
    }

    rig->showPage(2);
    auto *table = rig->child<QTableView>("programTable");
    for (int program = 1; program < PageCount; ++program) {
        rig->child<QSpinBox>("sbProgP")->setValue(program);
        for (int row = 0; row < table->model()->rowCount(); ++row)
            table->setCurrentIndex(table->model()->index(row, 0));
    }

    rig->showPage(3);
}

QList<int> tst_SampleShow::shownLevels()
{
    QList<int> levels;
    for (QSlider *s : rig->child<QWidget>("sceneChannels")->findChildren<QSlider *>())
        levels << s->value();
    return levels;
}

QList<ProgramSeen> tst_SampleShow::programsShown()
{
    rig->showPage(2);
    QList<ProgramSeen> seen;
    for (int program = 1; program < PageCount; ++program) {
        rig->child<QSpinBox>("sbProgP")->setValue(program);
        seen.append({rig->child<QSpinBox>("sbStepCount")->value(),
                     rig->child<QCheckBox>("cbLoop")->isChecked(),
                     rig->child<QCheckBox>("cbContinued")->isChecked()});
    }
    return seen;
}

QList<QPair<QString, QString>> tst_SampleShow::tableShown(const char *name)
{
    auto *table = rig->child<QTableWidget>(name);
    QList<QPair<QString, QString>> rows;
    for (int row = 0; row < table->rowCount(); ++row)
        rows.append({table->item(row, 1)->text(), table->item(row, 2)->text()});
    return rows;
}

void tst_SampleShow::everyPageShowsItUnchanged()
{
    QSignalSpy edits(&rig->kelvo.document(), &ConfigDocument::edited);
    visitEveryPage();
    QStringList boxes;
    for (const ScriptedPrompts::Shown &s : rig->script.shown)
        boxes << s.title + QStringLiteral(": ") + s.text;
    QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join(QLatin1Char('\n'))));
    QCOMPARE(edits.count(), 0);
    QCOMPARE(rig->image(), sample);
    QVERIFY(!rig->window->isWindowModified());
}

void tst_SampleShow::showsWhatTheControllerCanDo()
{
    // Coloured scenes: the first fixture (channels 1-3) in several colours.
    rig->showPage(1);
    QSet<QList<int>> colours;
    for (int step = 1; step <= StepsPerPage; ++step) {
        rig->child<QSpinBox>("sbStep")->setValue(step);
        const QList<int> rgb = shownLevels().mid(0, 3);
        if (rgb != QList<int> {0, 0, 0})
            colours.insert(rgb);
    }
    QVERIFY2(colours.size() >= 4, qPrintable(QString::number(colours.size())));

    const QList<ProgramSeen> programs = programsShown();
    QVERIFY(std::any_of(programs.cbegin(), programs.cend(),
                        [](const ProgramSeen &p) { return p.loop && p.steps > 1; }));
    QVERIFY(std::any_of(programs.cbegin(), programs.cend(),
                        [](const ProgramSeen &p) { return p.continued; }));
    QVERIFY(std::any_of(programs.cbegin(), programs.cend(), [](const ProgramSeen &p) {
        return !p.loop && !p.continued && p.steps > 1;
    }));

    const QString noAction = QStringLiteral("No action");
    rig->showPage(0, 0);
    const auto inputs = tableShown("inputTable");
    const auto usedWithAction = [&](const QPair<QString, QString> &row) {
        return row.first != QStringLiteral("N/U") && row.second != noAction;
    };
    QVERIFY(std::count_if(inputs.cbegin(), inputs.cend(), usedWithAction) >= 2);
    QSet<QString> modes;
    for (const auto &row : inputs)
        modes.insert(row.first);
    QCOMPARE(modes, (QSet<QString> {"N/O", "N/C", "N/U"}));
    QVERIFY(tableShown("powerOnTable").first().second != noAction);

    rig->showPage(0, 1);
    const auto keys = tableShown("remoteKeyTable");
    const auto withAction = std::count_if(keys.cbegin(), keys.cend(),
                                          [&](const auto &row) { return row.second != noAction; });
    QVERIFY2(withAction >= 16, qPrintable(QString::number(withAction)));

    // The special scene has a colour, on a range of channels, and the remote an address.
    rig->showPage(0, 2);
    int special = 0;
    for (const char *column : {"columnRed", "columnGreen", "columnBlue"})
        special += rig->child<QWidget>(column)->findChild<QSlider *>()->value();
    QVERIFY(special > 0);
    QVERIFY(rig->child<QSpinBox>("sbLastChannel")->value()
            > rig->child<QSpinBox>("sbFirstChannel")->value());
    QVERIFY(u8(rig->image().at(RcuSysAddr)) <= MaxRcuSysAddr);
}

void tst_SampleShow::playsItsTimeline_data()
{
    QTest::addColumn<qint64>("at");
    QTest::addColumn<QList<int>>("levels"); // the first two fixtures, channels 1 to 6

    // Worked out from the show by hand: power-on rises scene 8 (warm white) over a second;
    // input 1 at 5 s runs program 1 (red, amber, blue, white: each rising 1 s, held 2 s, a
    // loop of 12 s); input 2 at 6 s loads scene 9 (red and blue fixtures) as scene 8 falls over
    // a second; input 3 pauses the program at 20 s and resumes it at 22 s; input 4, a stop
    // button wired normally closed, opens at 23 s. The bigger level wins.
    using L = QList<int>;
    QTest::newRow("scene 8 half risen") << qint64(500) << L {128, 90, 50, 128, 90, 50};
    QTest::newRow("scene 8") << qint64(4999) << L {255, 180, 100, 255, 180, 100};
    QTest::newRow("program rising under scene 8")
        << qint64(5500) << L {255, 180, 100, 255, 180, 100};
    QTest::newRow("scene 8 falling, scene 9 rising, red held")
        << qint64(6500) << L {255, 90, 50, 255, 90, 128};
    QTest::newRow("amber held over scene 9") << qint64(9500) << L {255, 126, 0, 255, 126, 255};
    QTest::newRow("amber to blue, half") << qint64(11500) << L {255, 63, 128, 128, 63, 255};
    QTest::newRow("second pass: white to red, half")
        << qint64(17500) << L {255, 128, 128, 255, 128, 255};
    QTest::newRow("paused as amber begins") << qint64(21000) << L {255, 0, 0, 255, 0, 255};
    QTest::newRow("resumed: red to amber, half") << qint64(22500) << L {255, 63, 0, 255, 63, 255};
    QTest::newRow("stopped") << qint64(23500) << L {0, 0, 0, 0, 0, 0};
}

void tst_SampleShow::playsItsTimeline()
{
    QFETCH(qint64, at);
    QFETCH(QList<int>, levels);
    using Kind = ShowEvent::Kind;
    ShowEngine engine(sample);
    engine.setEvents({{0, Kind::PowerOn},
                      {5000, Kind::InputClosed, 1},
                      {6000, Kind::InputClosed, 2},
                      {20000, Kind::InputClosed, 3},
                      {22000, Kind::InputClosed, 3},
                      {23000, Kind::InputClosed, 4},
                      {23000, Kind::InputOpened, 4}});
    const ShowEngine::Levels out = engine.levelsAt(at);
    QCOMPARE((QList<int> {out[0], out[1], out[2], out[3], out[4], out[5]}), levels);
}

QTEST_MAIN(tst_SampleShow)
#include "tst_sampleshow.moc"
