#include "othersettingspage.h"

#include "common/connectlog.h"
#include "controller/kelvo_controller_class.h"
#include "editors/admx_slider_widget.h"
#include "editors/guardedspinbox.h"
#include "editors/mytimeedit.h"
#include "model/configlayout.h"
#include "model/devicetime.h"
#include "shell/gui_class.h"
#include "ui_othersettingspage.h"

#include <QSignalBlocker>
#include <QSlider>

using namespace ConfigLayout;

namespace {
const char *const colourNames[] = {"columnRed", "columnGreen", "columnBlue"};
} // namespace

OtherSettingsPage::OtherSettingsPage(kelvo_controller_class &kelvo, QWidget *parent)
    : WindowPage(parent)
    , kelvo(kelvo)
    , ui(std::make_unique<Ui::MainWindowOtherSettingsPage>())
{
    ui->setupUi(this);
    QWidget *group = ui->gbExtra;
    const auto label = [group](const QString &text, const char *name, QRect geometry) {
        auto *l = new QLabel(text, group);
        l->setObjectName(QString::fromLatin1(name));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setGeometry(geometry);
        return l;
    };
    firstChannelLabel
        = label(gui_class::tr("First channel :"), "lbFirstChannel", QRect(30, 240, 120, 18));
    lastChannelLabel
        = label(gui_class::tr("Last channel :"), "lbLastChannel", QRect(220, 240, 120, 18));
    riseTimeLabel = label(gui_class::tr("Rise time"), "lbRiseTime", QRect(70, 280, 120, 18));

    for (int i = 0; i < 3; ++i) {
        specialColumns[i] = std::make_unique<admx_slider_widget>(-1 - i, 60 + 120 * i, 20, group);
        specialColumns[i]->container()->setObjectName(QString::fromLatin1(colourNames[i]));
    }
    firstChannelBox = new guardedSpinBox(group);
    firstChannelBox->setObjectName(QStringLiteral("sbFirstChannel"));
    firstChannelBox->setRange(1, ChannelCount);
    firstChannelBox->setGeometry(160, 238, 40, 20);
    lastChannelBox = new guardedSpinBox(group);
    lastChannelBox->setObjectName(QStringLiteral("sbLastChannel"));
    lastChannelBox->setRange(1, ChannelCount);
    lastChannelBox->setValue(ChannelCount);
    lastChannelBox->setGeometry(360, 238, 40, 20);
    specialRiseEdit = new MyTimeEdit(group);
    specialRiseEdit->setObjectName(QStringLiteral("teSpecialRise"));
    specialRiseEdit->setLargestTime(fromDeviceTime(MaxSpecialRiseTime));
    specialRiseEdit->setGeometry(210, 278, 120, 20);

    ui->sbSetValue->setRange(-1, 31);
    ui->sbSetValue->setValue(-1);
    ui->cbInputType->addItem(gui_class::tr("Standard input"));
    ui->cbInputType->addItem(gui_class::tr("RCU key"));
    ui->sbInputNo->setRange(1, 8);

    // A label read out with its control: Qt names the control after its buddy.
    ui->lbPreview->setBuddy(ui->sbPreview);
    firstChannelLabel->setBuddy(firstChannelBox);
    lastChannelLabel->setBuddy(lastChannelBox);
    riseTimeLabel->setBuddy(specialRiseEdit);
    // The simulator's group title alone would name both of its boxes.
    ui->cbInputType->setAccessibleName(gui_class::tr("Kind of input to simulate"));
    ui->sbInputNo->setAccessibleName(gui_class::tr("Number of the input or key to simulate"));
    const QString rcu = gui_class::tr("RCU: the controller's infra-red remote control");
    for (QWidget *w :
         std::initializer_list<QWidget *> {ui->gbSysAdr, ui->btnAcceptAdr, ui->btnGetRcu})
        w->setToolTip(rcu);

    for (const auto &column : specialColumns)
        logConnection(connect(column.get(), &admx_slider_widget::chValCh, this,
                              &OtherSettingsPage::chgdExtra));
    logConnection(connect(firstChannelBox, &guardedSpinBox::valueAccepted, this,
                          &OtherSettingsPage::validFirst));
    logConnection(connect(lastChannelBox, &guardedSpinBox::valueAccepted, this,
                          &OtherSettingsPage::validLast));
    logConnection(
        connect(specialRiseEdit, &MyTimeEdit::timeChanged, this, &OtherSettingsPage::chgdSSRT));
    logConnection(
        connect(ui->sbPreview, &QSpinBox::valueChanged, this, &OtherSettingsPage::chgdPrev));
    logConnection(connect(ui->cbInputType, &QComboBox::currentIndexChanged, this,
                          &OtherSettingsPage::evTypeChanged));
    logConnection(connect(ui->btnGetRcu, &QPushButton::clicked, this,
                          &OtherSettingsPage::readAddressRequested));
    logConnection(connect(ui->btnSend2Rcu, &QPushButton::clicked, this,
                          &OtherSettingsPage::sendAddressRequested));
    logConnection(connect(ui->btnAcceptAdr, &QPushButton::clicked, this,
                          &OtherSettingsPage::acceptAddressRequested));
    logConnection(connect(ui->btnGenerate, &QPushButton::clicked, this,
                          &OtherSettingsPage::simulateRequested));
    logConnection(
        connect(ui->rbProportional, &QRadioButton::toggled, this, &OtherSettingsPage::mixModeProp));
}

OtherSettingsPage::~OtherSettingsPage()
{
    disconnectControls();
}

QList<QWidget *> OtherSettingsPage::tabOrder() const
{
    QList<QWidget *> order;
    for (const auto &column : specialColumns)
        order << column->slider() << column->spinBox();
    order << firstChannelBox << lastChannelBox << specialRiseEdit << ui->btnGetRcu << ui->sbSetValue
          << ui->btnSend2Rcu << ui->btnAcceptAdr << ui->sbPreview << ui->rbBiggerWin
          << ui->rbProportional << ui->cbInputType << ui->sbInputNo << ui->btnGenerate;
    return order;
}

void OtherSettingsPage::refresh()
{
    loadSpecialScene();
    const u8 *image = kelvo.configImage();
    {
        // Showing the image must not write it back (a stored value above the box's range would).
        const QSignalBlocker blocker(ui->sbPreview);
        ui->sbPreview->setValue(image[PreviewFirstChannel] + 1);
    }
    {
        const QSignalBlocker blocker(ui->rbProportional);
        if (image[MixMode])
            ui->rbBiggerWin->setChecked(true);
        else
            ui->rbProportional->setChecked(true);
    }
    const u8 shown = kelvo.rcuAddrShown;
    showAddress(shown == RcuAddrUnknown ? -1 : shown);
}

void OtherSettingsPage::showOnController()
{
    kelvo.liveOutput().showSpecialScene();
}

void OtherSettingsPage::loadSpecialScene()
{
    const u8 *image = kelvo.configImage();
    for (int i = 0; i < 3; ++i) {
        // Showing the levels must not write them back or send them live; the page's scene
        // preparation shows them on the controller.
        const QSignalBlocker blocker(specialColumns[i].get());
        specialColumns[i]->slider()->setValue(image[SpecialLevelRed + i]);
    }
    firstChannelBox->setValue(image[SpecialFirstChannel] + 1);
    lastChannelBox->setValue(image[SpecialLastChannel] + 1);
    // A stored time beyond the editor's range would come back clamped.
    const QSignalBlocker blocker(specialRiseEdit);
    specialRiseEdit->setTime(fromDeviceTime(readU16(image, SpecialRiseTime)));
}

void OtherSettingsPage::showAddress(int address)
{
    if (address < 0)
        ui->lbGotValue->setText(gui_class::tr("N / A"));
    else if (address > MaxRcuSysAddr)
        ui->lbGotValue->setText(gui_class::tr("not used"));
    else
        ui->lbGotValue->setText(QString::number(address));
}

int OtherSettingsPage::addressToSend() const
{
    return ui->sbSetValue->value();
}

int OtherSettingsPage::simulatedKind() const
{
    return ui->cbInputType->currentIndex();
}

int OtherSettingsPage::simulatedNumber() const
{
    return ui->sbInputNo->value() - 1;
}

void OtherSettingsPage::chgdExtra(int idx, int val)
{
    const int colour = -idx - 1; // 0 red, 1 green, 2 blue
    if (colour < 0 || colour > 2)
        return;
    kelvo.document().setByte(
        SpecialLevelRed + colour, u8(val),
        {ConfigEdit::Kind::SpecialScene, -1, -1, colour, specialColumns[colour].get()});
}

void OtherSettingsPage::validFirst(int v)
{
    kelvo.document().edit({ConfigEdit::Kind::SpecialScene, -1, -1, -1, firstChannelBox},
                          [&](u8 *image) {
                              image[SpecialFirstChannel] = u8(v - 1);
                              // Setting the other box does not report it, so its byte is
                              // written here.
                              if (lastChannelBox->value() < v) {
                                  lastChannelBox->setValue(v);
                                  image[SpecialLastChannel] = u8(v - 1);
                              }
                          });
}

void OtherSettingsPage::validLast(int v)
{
    kelvo.document().edit({ConfigEdit::Kind::SpecialScene, -1, -1, -1, lastChannelBox},
                          [&](u8 *image) {
                              image[SpecialLastChannel] = u8(v - 1);
                              if (v < firstChannelBox->value()) {
                                  firstChannelBox->setValue(v);
                                  image[SpecialFirstChannel] = u8(v - 1);
                              }
                          });
}

void OtherSettingsPage::chgdSSRT(QTime &time)
{
    const u16 rise = toDeviceTime(time);
    kelvo.document().edit({ConfigEdit::Kind::SpecialScene, -1, -1, -1, specialRiseEdit},
                          [rise](u8 *image) { writeU16(image, SpecialRiseTime, rise); });
}

void OtherSettingsPage::chgdPrev(int value)
{
    // Reaches the controller with the next configuration write.
    kelvo.document().setByte(PreviewFirstChannel, u8(value - 1),
                             {ConfigEdit::Kind::Setting, -1, -1, -1, ui->sbPreview});
}

void OtherSettingsPage::mixModeProp(bool proportional)
{
    kelvo.document().setByte(MixMode, proportional ? 0 : 0xFF,
                             {ConfigEdit::Kind::Setting, -1, -1, -1, ui->rbProportional});
}

void OtherSettingsPage::evTypeChanged(int type)
{
    ui->sbInputNo->setRange(1, type == 0 ? InputCount : RcuKeyCount);
}
