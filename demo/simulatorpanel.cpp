#include "simulatorpanel.h"

#include "editors/levelbars.h"
#include "simulator/simulatedcontroller.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

using namespace ConfigLayout;

namespace {
// The program's window is busy while it waits for a press, so a press is made here before the
// request and taken as soon as the controller listens.
constexpr int HandPressDelayMs = 0;
constexpr int InputColumns = 4;
} // namespace

SimulatorPanel::SimulatorPanel(SimulatedController &controller, QWidget *parent)
    : QWidget(parent)
    , kelvo(controller)
    , timer(new QTimer(this))
{
    setObjectName(QStringLiteral("simulatorPanel"));
    // The program ends with its own window; this one must not keep it running.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto *modeRow = new QHBoxLayout;
    modeCaption = new QLabel(this);
    modeLabel = new QLabel(this);
    modeLabel->setObjectName(QStringLiteral("lbSimMode"));
    QFont bold = modeLabel->font();
    bold.setBold(true);
    modeLabel->setFont(bold);
    modeRow->addWidget(modeCaption);
    modeRow->addWidget(modeLabel, 1);

    auto *operateRow = new QHBoxLayout;
    operateRow->addWidget(makeInputGroup());
    operateRow->addWidget(makeRemoteGroup(), 1);

    auto *pendingRow = new QHBoxLayout;
    pendingLabel = new QLabel(this);
    pendingLabel->setObjectName(QStringLiteral("lbSimPending"));
    forgetButton = new QPushButton(this);
    forgetButton->setObjectName(QStringLiteral("pbSimForget"));
    connect(forgetButton, &QPushButton::clicked, this, &SimulatorPanel::forgetPresses);
    pendingRow->addWidget(pendingLabel, 1);
    pendingRow->addWidget(forgetButton);

    hint = new QLabel(this);
    hint->setWordWrap(true);
    autoBox = new QCheckBox(this);
    autoBox->setObjectName(QStringLiteral("cbSimAutoPress"));
    connect(autoBox, &QCheckBox::toggled, this, &SimulatorPanel::setAutoPress);
    autoBox->setChecked(true);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(modeRow);
    layout->addWidget(makeOutputGroup(), 1);
    layout->addLayout(operateRow);
    layout->addLayout(pendingRow);
    layout->addWidget(hint);
    layout->addWidget(autoBox);

    timer->setObjectName(QStringLiteral("simRefreshTimer"));
    timer->setInterval(RefreshMs);
    connect(timer, &QTimer::timeout, this, &SimulatorPanel::refresh);
    retranslate();
    refresh();
}

QWidget *SimulatorPanel::makeOutputGroup()
{
    outputGroup = new QGroupBox(this);
    bars = new LevelBars(outputGroup);
    bars->setObjectName(QStringLiteral("simLevelBars"));
    outputNote = new QLabel(outputGroup);
    outputNote->setWordWrap(true);
    auto *layout = new QVBoxLayout(outputGroup);
    layout->addWidget(bars, 1);
    layout->addWidget(outputNote);
    return outputGroup;
}

QWidget *SimulatorPanel::makeInputGroup()
{
    inputGroup = new QGroupBox(this);
    auto *layout = new QGridLayout(inputGroup);
    for (int i = 0; i < InputCount; ++i) {
        auto *button = new QPushButton(QString::number(i + 1), inputGroup);
        button->setObjectName(QStringLiteral("pbSimInput%1").arg(i + 1));
        connect(button, &QPushButton::clicked, this, [this, i] { pressInput(i); });
        layout->addWidget(button, i / InputColumns, i % InputColumns);
        inputButtons[size_t(i)] = button;
    }
    return inputGroup;
}

QWidget *SimulatorPanel::makeRemoteGroup()
{
    remoteGroup = new QGroupBox(this);
    keyLabel = new QLabel(remoteGroup);
    keyBox = new QSpinBox(remoteGroup);
    keyBox->setObjectName(QStringLiteral("sbSimKey"));
    keyBox->setRange(1, RcuKeyCount);
    addressLabel = new QLabel(remoteGroup);
    addressBox = new QSpinBox(remoteGroup);
    addressBox->setObjectName(QStringLiteral("sbSimAddress"));
    addressBox->setRange(0, MaxRcuSysAddr);
    addressBox->setValue(kelvo.autoPressAddress);
    // The automatic presses come from the same remote.
    connect(addressBox, &QSpinBox::valueChanged, this,
            [this](int address) { kelvo.autoPressAddress = u8(address); });
    keyButton = new QPushButton(remoteGroup);
    keyButton->setObjectName(QStringLiteral("pbSimKey"));
    connect(keyButton, &QPushButton::clicked, this, &SimulatorPanel::pressKey);

    auto *layout = new QGridLayout(remoteGroup);
    layout->addWidget(keyLabel, 0, 0);
    layout->addWidget(keyBox, 0, 1);
    layout->addWidget(keyButton, 0, 2);
    layout->addWidget(addressLabel, 1, 0);
    layout->addWidget(addressBox, 1, 1);
    layout->setColumnStretch(2, 1);
    return remoteGroup;
}

void SimulatorPanel::retranslate()
{
    setWindowTitle(tr("Simulated controller %1").arg(kelvo.serialNumber()));
    modeCaption->setText(tr("Mode:"));
    outputGroup->setTitle(tr("DMX output"));
    outputNote->setText(tr("In normal mode the bars preview the show as this program expects the "
                           "controller to play it; in live mode they show the levels the program "
                           "sends."));
    inputGroup->setTitle(tr("Inputs"));
    for (int i = 0; i < InputCount; ++i)
        inputButtons[size_t(i)]->setToolTip(tr("Operate input %1").arg(i + 1));
    remoteGroup->setTitle(tr("Remote control"));
    keyLabel->setText(tr("Key:"));
    addressLabel->setText(tr("System address:"));
    keyButton->setText(tr("Press key"));
    forgetButton->setText(tr("Forget"));
    hint->setText(tr("In normal mode a press does what the configuration says. It also waits "
                     "until the program asks for an input or key (Select from device, Select "
                     "from RCU, Accept from RCU)."));
    autoBox->setText(tr("Someone operates an input or key a second after each request"));
    refresh();
}

QString SimulatorPanel::modeText() const
{
    if (!kelvo.isPlugged())
        return tr("unplugged");
    if (!kelvo.isOnBus())
        return tr("restarting");
    switch (kelvo.mode()) {
    case MODE_CONF:
        return tr("configuration");
    case MODE_LIVE:
        return tr("live");
    case MODE_LOADER:
        return tr("firmware loader");
    default:
        return tr("normal");
    }
}

void SimulatorPanel::refresh()
{
    modeLabel->setText(modeText());
    bars->setLevels(kelvo.outputLevels());
    bars->setEnabled(kelvo.isOnBus() && (kelvo.mode() == MODE_LIVE || kelvo.mode() == MODE_NORMAL));
    const int pending = kelvo.pendingPresses();
    pendingLabel->setText(tr("Presses waiting for the program: %1").arg(pending));
    forgetButton->setEnabled(pending > 0);
}

void SimulatorPanel::pressInput(int input)
{
    kelvo.queuePress(SimulatedController::PressKind::Input, input, HandPressDelayMs);
    kelvo.operate(SimulatedController::PressKind::Input, input);
    refresh();
}

void SimulatorPanel::pressKey()
{
    kelvo.queuePress(SimulatedController::PressKind::RemoteKey, keyBox->value() - 1,
                     HandPressDelayMs, u8(addressBox->value()));
    kelvo.operate(SimulatedController::PressKind::RemoteKey, keyBox->value() - 1,
                  u8(addressBox->value()));
    refresh();
}

void SimulatorPanel::forgetPresses()
{
    kelvo.forgetPresses();
    refresh();
}

void SimulatorPanel::setAutoPress(bool on)
{
    kelvo.autoPressDelayMs = on ? AutoPressDelayMs : -1;
}

void SimulatorPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void SimulatorPanel::showEvent(QShowEvent *event)
{
    refresh();
    timer->start();
    QWidget::showEvent(event);
}

void SimulatorPanel::hideEvent(QHideEvent *event)
{
    timer->stop();
    QWidget::hideEvent(event);
}

void SimulatorPanel::placeBeside(const QWidget &window)
{
    if (!isVisible())
        adjustSize(); // the size it opens with, in the language now in force
    const QRect beside = window.frameGeometry();
    const QRect room = window.screen()->availableGeometry();
    // The frame the window system adds around the panel, as it adds it around the window.
    const QSize frame = size() + (beside.size() - window.size());
    const int top
        = qBound(room.top(), beside.top(), qMax(room.top(), room.bottom() - frame.height() + 1));
    int left = beside.right() + 1;
    if (left + frame.width() - 1 > room.right()) {
        // No room on the right: on the left, or else where it hides as little as it can.
        const int leftOf = beside.left() - frame.width();
        left = leftOf >= room.left() ? leftOf : qMax(room.left(), room.right() - frame.width() + 1);
    }
    move(left, top);
}
