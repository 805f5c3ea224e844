#include "showpreviewwindow.h"

#include "editors/colourswatches.h"
#include "editors/levelbars.h"
#include "editors/programtimelineview.h"
#include "model/configdocument.h"
#include "model/configlayout.h"
#include "model/functioncode.h"
#include "showpreviewplayer.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWindow>

#include <cmath>

using namespace ConfigLayout;

namespace {

// Minutes, seconds and tenths: 1:02.5.
QString clockText(qint64 ms)
{
    const qint64 tenths = ms / 100;
    return QStringLiteral("%1:%2.%3")
        .arg(tenths / 600)
        .arg(tenths / 10 % 60, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}

ShowEvent action(u8 code)
{
    ShowEvent event;
    event.kind = ShowEvent::Kind::Action;
    event.number = code;
    return event;
}

} // namespace

ShowPreviewWindow::ShowPreviewWindow(ConfigDocument &document, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , document(document)
    , preview(new ShowPreviewPlayer(this))
{
    setObjectName(QStringLiteral("showPreview"));
    setWindowTitle(tr("Show preview"));

    timeline = new ProgramTimelineView(this);
    timeline->setObjectName(QStringLiteral("previewTimeline"));
    statusLabel = new QLabel(this);
    statusLabel->setObjectName(QStringLiteral("lbPreviewStatus"));
    scenesLabel = new QLabel(this);
    scenesLabel->setObjectName(QStringLiteral("lbPreviewScenes"));
    lengthLabel = new QLabel(this);
    lengthLabel->setObjectName(QStringLiteral("lbPreviewLength"));

    auto *outputs = new QGroupBox(tr("Outputs"), this);
    bars = new LevelBars(outputs);
    bars->setObjectName(QStringLiteral("previewBars"));
    swatches = new ColourSwatches(outputs);
    swatches->setObjectName(QStringLiteral("previewSwatches"));
    auto *outputLayout = new QVBoxLayout(outputs);
    outputLayout->addWidget(bars, 1);
    auto *colourCaption = new QLabel(tr("Colours of the special scene's channels:"), outputs);
    outputLayout->addWidget(colourCaption);
    outputLayout->addWidget(swatches);

    auto *note = new QLabel(tr("A preview computed from the configuration in this window. Where "
                               "the controller's behaviour is not described, it follows the "
                               "rules listed in the README, and a controller may differ."),
                            this);
    note->setObjectName(QStringLiteral("lbPreviewNote"));
    note->setWordWrap(true);

    auto *statusRow = new QHBoxLayout;
    statusRow->addWidget(statusLabel);
    statusRow->addStretch(1);
    statusRow->addWidget(scenesLabel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(makeSourceRow());
    layout->addWidget(makeTransportRow());
    layout->addLayout(statusRow);
    layout->addWidget(timeline);
    layout->addWidget(lengthLabel);
    layout->addWidget(outputs, 1);
    layout->addWidget(makeTryGroup());
    layout->addWidget(note);

    connect(preview, &ShowPreviewPlayer::changed, this, &ShowPreviewWindow::showFrame);
    connect(&document, &ConfigDocument::edited, this, &ShowPreviewWindow::imageEdited);
    imageEdited();
    sourceChosen();
}

ShowPreviewWindow::~ShowPreviewWindow() = default;

QWidget *ShowPreviewWindow::makeSourceRow()
{
    auto *row = new QWidget(this);
    auto *caption = new QLabel(tr("Play:"), row);
    sourceBox = new QComboBox(row);
    sourceBox->setObjectName(QStringLiteral("cbPreviewSource"));
    // In the order of Source.
    sourceBox->addItems(
        {tr("Scene"), tr("Special scene"), tr("Program"), tr("Whole show from power-on")});
    caption->setBuddy(sourceBox);
    numberBox = new QSpinBox(row);
    numberBox->setObjectName(QStringLiteral("sbPreviewNumber"));
    numberBox->setAccessibleName(tr("Number of the scene or program"));
    connect(sourceBox, &QComboBox::activated, this, &ShowPreviewWindow::sourceChosen);
    connect(numberBox, &QSpinBox::valueChanged, this, &ShowPreviewWindow::sourceChosen);

    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption);
    layout->addWidget(sourceBox);
    layout->addWidget(numberBox);
    layout->addStretch(1);
    return row;
}

QWidget *ShowPreviewWindow::makeTransportRow()
{
    auto *row = new QWidget(this);
    const auto button = [row](const QString &name, const QString &text) {
        auto *b = new QPushButton(text, row);
        b->setObjectName(name);
        return b;
    };
    playButton = button(QStringLiteral("pbPreviewPlay"), tr("Play"));
    pauseButton = button(QStringLiteral("pbPreviewPause"), tr("Pause"));
    stopButton = button(QStringLiteral("pbPreviewStop"), tr("Stop"));
    restartButton = button(QStringLiteral("pbPreviewRestart"), tr("Restart"));
    connect(playButton, &QPushButton::clicked, preview, &ShowPreviewPlayer::play);
    connect(pauseButton, &QPushButton::clicked, preview, &ShowPreviewPlayer::pause);
    connect(stopButton, &QPushButton::clicked, preview, &ShowPreviewPlayer::stop);
    connect(restartButton, &QPushButton::clicked, preview, &ShowPreviewPlayer::restart);

    auto *speedCaption = new QLabel(tr("Speed:"), row);
    speedBox = new QSpinBox(row);
    speedBox->setObjectName(QStringLiteral("sbPreviewSpeed"));
    speedBox->setRange(1, ShowPreviewPlayer::MaxSpeed);
    speedBox->setSuffix(tr("x", "speed: times as fast"));
    speedCaption->setBuddy(speedBox);
    connect(speedBox, &QSpinBox::valueChanged, preview, &ShowPreviewPlayer::setSpeed);
    timeLabel = new QLabel(row);
    timeLabel->setObjectName(QStringLiteral("lbPreviewTime"));

    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton *b : {playButton, pauseButton, stopButton, restartButton})
        layout->addWidget(b);
    layout->addSpacing(12);
    layout->addWidget(speedCaption);
    layout->addWidget(speedBox);
    layout->addStretch(1);
    layout->addWidget(timeLabel);
    return row;
}

QWidget *ShowPreviewWindow::makeTryGroup()
{
    auto *group = new QGroupBox(tr("Try the functions"), this);
    auto *layout = new QGridLayout(group);

    auto *inputCaption = new QLabel(tr("Inputs (held down: contact closed):"), group);
    auto *inputs = new QHBoxLayout;
    for (int i = 1; i <= InputCount; ++i) {
        auto *button = new QPushButton(QString::number(i), group);
        button->setObjectName(QStringLiteral("pbPreviewInput%1").arg(i));
        button->setAccessibleName(tr("Input %1").arg(i));
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("88")) + 16);
        // The contact is closed while the button is held, as a push button at the input would.
        connect(button, &QPushButton::pressed, this, [this, i] {
            preview->happen({0, ShowEvent::Kind::InputClosed, i, 0});
        });
        connect(button, &QPushButton::released, this, [this, i] {
            preview->happen({0, ShowEvent::Kind::InputOpened, i, 0});
        });
        inputs->addWidget(button);
    }
    inputs->addStretch(1);
    layout->addWidget(inputCaption, 0, 0);
    layout->addLayout(inputs, 0, 1, 1, 4);

    auto *keyCaption = new QLabel(tr("Remote key:"), group);
    keyBox = new QSpinBox(group);
    keyBox->setObjectName(QStringLiteral("sbPreviewKey"));
    keyBox->setRange(1, RcuKeyCount);
    keyCaption->setBuddy(keyBox);
    auto *addressCaption = new QLabel(tr("System address:"), group);
    addressBox = new QSpinBox(group);
    addressBox->setObjectName(QStringLiteral("sbPreviewAddress"));
    addressBox->setRange(0, MaxRcuSysAddr);
    addressCaption->setBuddy(addressBox);
    auto *keyButton = new QPushButton(tr("Press key"), group);
    keyButton->setObjectName(QStringLiteral("pbPreviewKey"));
    connect(keyButton, &QPushButton::clicked, this, [this] {
        preview->happen({0, ShowEvent::Kind::RemoteKey, keyBox->value(), addressBox->value()});
    });
    auto *powerButton = new QPushButton(tr("Power on"), group);
    powerButton->setObjectName(QStringLiteral("pbPreviewPowerOn"));
    connect(powerButton, &QPushButton::clicked, this, [this] {
        preview->happen({0, ShowEvent::Kind::PowerOn, 0, 0});
    });

    auto *remote = new QHBoxLayout;
    remote->addWidget(keyBox);
    remote->addWidget(addressCaption);
    remote->addWidget(addressBox);
    remote->addWidget(keyButton);
    remote->addStretch(1);
    remote->addWidget(powerButton);
    layout->addWidget(keyCaption, 1, 0);
    layout->addLayout(remote, 1, 1, 1, 4);
    layout->setColumnStretch(4, 1);
    return group;
}

void ShowPreviewWindow::imageEdited()
{
    const QByteArray now = document.snapshot();
    if (now == image)
        return;
    const bool firstImage = image.isEmpty();
    image = now;
    // The remote the user holds is, at first, the one the configuration listens to.
    const int address = image.at(RcuSysAddr);
    if (firstImage && address >= 0 && address <= MaxRcuSysAddr)
        addressBox->setValue(address);
    timelineProgram = -1; // the steps may have changed
    preview->setImage(image);
    swatches->setTriples(preview->engine()->colourTriples());
}

ShowPreviewWindow::Source ShowPreviewWindow::source() const
{
    return Source(sourceBox->currentIndex());
}

int ShowPreviewWindow::number() const
{
    return numberBox->value();
}

void ShowPreviewWindow::play(Source source, int number)
{
    choose(source, number);
    preview->restart();
}

void ShowPreviewWindow::choose(Source source, int number)
{
    sourceBox->setCurrentIndex(int(source));
    {
        const QSignalBlocker quiet(numberBox);
        numberBox->setRange(1, source == Source::Program ? PageCount - 1 : StepsPerPage);
        numberBox->setValue(number);
    }
    sourceChosen();
}

void ShowPreviewWindow::sourceChosen()
{
    const Source chosen = source();
    const bool numbered = chosen == Source::Scene || chosen == Source::Program;
    {
        const QSignalBlocker quiet(numberBox);
        numberBox->setRange(1, chosen == Source::Program ? PageCount - 1 : StepsPerPage);
    }
    numberBox->setVisible(numbered);
    const int n = numberBox->value();
    QList<ShowEvent> opening;
    switch (chosen) {
    case Source::Scene:
        opening << action(u8(FunctionCode::LoadChosenScene + n - 1));
        break;
    case Source::SpecialScene:
        opening << action(FunctionCode::LoadSpecialScene);
        break;
    case Source::Program:
        opening << action(u8(FunctionCode::RunChosenProgram + n - 1));
        break;
    case Source::Show:
        opening << ShowEvent {0, ShowEvent::Kind::PowerOn, 0, 0};
        break;
    }
    preview->setOpening(opening);
    // Something else to play starts from its beginning.
    preview->stop();
}

void ShowPreviewWindow::showTimeline()
{
    int program = 0;
    if (source() == Source::Program)
        program = numberBox->value();
    else if (preview->state() != ShowPreviewPlayer::State::Stopped)
        program = preview->status().program;
    if (program == timelineProgram)
        return;
    timelineProgram = program;
    if (program == 0)
        timeline->setTimeline(std::nullopt);
    else
        timeline->setTimeline(
            ProgramTimeline(reinterpret_cast<const u8 *>(image.constData()), program));
    lengthLabel->setText(lengthText());
}

QString ShowPreviewWindow::lengthText() const
{
    if (!timeline->timeline())
        return QString();
    const ProgramTimeline &t = *timeline->timeline();
    if (t.passLength() == ProgramTimeline::Forever)
        return tr("Program %1: a step holds until something else happens").arg(t.program());
    if (t.end() == ProgramTimeline::End::FadeOut)
        return tr("Program %1: %2 with its fade-out, then it ends")
            .arg(t.program())
            .arg(clockText(t.passLength() + t.fall()));
    return tr("Program %1: %2, then step 1 follows again")
        .arg(t.program())
        .arg(clockText(t.passLength()));
}

QString ShowPreviewWindow::statusText(const ShowEngine::Status &status) const
{
    if (preview->state() == ShowPreviewPlayer::State::Stopped)
        return tr("Stopped");
    if (status.stopped)
        return tr("The controller is stopped (start/stop)");
    if (status.program == 0)
        return tr("No program is running");
    if (status.position.ended)
        return tr("Program %1 has ended").arg(status.program);
    if (status.position.fadingOut)
        return tr("Program %1 is fading out").arg(status.program);
    const int steps = int(timeline->timeline() ? timeline->timeline()->steps().size() : 0);
    if (status.paused)
        return tr("Program %1, step %2 of %3, paused")
            .arg(status.program)
            .arg(status.position.step + 1)
            .arg(steps);
    return tr("Program %1, step %2 of %3")
        .arg(status.program)
        .arg(status.position.step + 1)
        .arg(steps);
}

void ShowPreviewWindow::showFrame()
{
    const ShowEngine::Levels levels = preview->levels();
    const ShowEngine::Status status = preview->status();
    bars->setLevels(levels);
    swatches->setLevels(levels);
    showTimeline();
    const bool running = status.program != 0 && status.program == timelineProgram;
    timeline->setPosition(running ? std::optional(status.position) : std::nullopt);
    // Labels change only when their text does, a few times a second at most.
    const QString time = tr("Time: %1").arg(clockText(preview->time()));
    if (timeLabel->text() != time)
        timeLabel->setText(time);
    const QString state = statusText(status);
    if (statusLabel->text() != state)
        statusLabel->setText(state);
    const QString scenes = tr("Scenes on: %1").arg(status.scenes);
    if (scenesLabel->text() != scenes)
        scenesLabel->setText(scenes);
    updateButtons();
}

void ShowPreviewWindow::updateButtons()
{
    const ShowPreviewPlayer::State state = preview->state();
    playButton->setEnabled(state != ShowPreviewPlayer::State::Playing);
    pauseButton->setEnabled(state == ShowPreviewPlayer::State::Playing);
    stopButton->setEnabled(state != ShowPreviewPlayer::State::Stopped);
}

void ShowPreviewWindow::followScreen()
{
    // One frame for each picture the display shows.
    const qreal rate = screen() ? screen()->refreshRate() : 60.0;
    preview->setFrameInterval(int(std::lround(1000.0 / qBound(10.0, rate, 240.0))));
}

void ShowPreviewWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    followScreen();
    if (QWindow *handle = windowHandle())
        connect(handle, &QWindow::screenChanged, this, &ShowPreviewWindow::followScreen,
                Qt::UniqueConnection);
}

void ShowPreviewWindow::hideEvent(QHideEvent *event)
{
    // Nobody watches a hidden preview: it stops using the processor.
    preview->pause();
    QWidget::hideEvent(event);
}
