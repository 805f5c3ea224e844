// The settings pages' controls that ask the controller: learning an input or key, the remote's
// system address, the input simulator; and the preview channel.

#include "gui_class.h"

#include "common/connectlog.h"
#include "controller/kelvo_controller_class.h"
#include "device/kelvoprotocol.h"
#include "editors/funcsetter.h"
#include "model/configlayout.h"
#include "ui_mainwindow.h"

#include <QStatusBar>

using namespace ConfigLayout;

namespace {
enum SettingsPage { InputsPage = 0, RemoteKeysPage = 1 };
enum MainPage { ScenesPage = 1 };
} // namespace

void gui_class::connectSettingsControls()
{
    logConnection(connect(ui->btnKeyFromDev, &QPushButton::clicked, this, &gui_class::selKeyDev));
    logConnection(connect(ui->btnRcFromDev, &QPushButton::clicked, this, &gui_class::selKeyDev));
    logConnection(connect(ui->sbPreview, &QSpinBox::valueChanged, this, &gui_class::chgdPrev));
    logConnection(
        connect(ui->cbInputType, &QComboBox::currentIndexChanged, this, &gui_class::evTypeChanged));
    logConnection(connect(ui->btnGetRcu, &QPushButton::clicked, this, &gui_class::sysAdrFromDev));
    logConnection(connect(ui->btnSend2Rcu, &QPushButton::clicked, this, &gui_class::sysAdr2Dev));
    logConnection(
        connect(ui->btnAcceptAdr, &QPushButton::clicked, this, &gui_class::acceptRCUaddr));
    logConnection(connect(ui->btnGenerate, &QPushButton::clicked, this, &gui_class::Wygeneruj));
}

void gui_class::chgdPrev(int value)
{
    // Reaches the controller with the next configuration write.
    kelvo.document().setByte(PreviewFirstChannel, u8(value - 1),
                             {ConfigEdit::Kind::Setting, -1, -1, -1, ui->sbPreview});
}

void gui_class::selKeyDev()
{
    const int page = ui->tabWidget_settings->currentIndex();
    if (page != InputsPage && page != RemoteKeysPage)
        return;
    const auto job = deviceJob();
    const bool remote = page == RemoteKeysPage;
    funcSetter *table = remote ? remoteKeyTable : inputTable;
    table->selRow(-1);
    if (kelvo.usbDevice.isOpen())
        showWaitHint(remote ? tr("Press a key on the remote now") : tr("Operate the input now"));
    const int learned = kelvo.learnKey(remote);
    showWaitHint(QString());
    if (learned >= 0 && learned < (remote ? RcuKeyCount : InputCount))
        table->selRow(learned);
}

void gui_class::showAddress(int address)
{
    if (address < 0)
        ui->lbGotValue->setText(tr("N / A"));
    else if (address > MaxRcuSysAddr)
        ui->lbGotValue->setText(tr("not used"));
    else
        ui->lbGotValue->setText(QString::number(address));
}

void gui_class::sysAdrFromDev()
{
    const auto job = deviceJob();
    if (deviceOpen())
        showAddress(kelvo.readSysAddress());
}

void gui_class::sysAdr2Dev()
{
    const auto job = deviceJob();
    // -1 ("not used") goes out as 255.
    if (deviceOpen())
        showAddress(kelvo.writeSysAddress(u8(ui->sbSetValue->value())));
}

void gui_class::acceptRCUaddr()
{
    const auto job = deviceJob();
    if (!deviceOpen())
        return;
    showWaitHint(tr("Press a key on the remote now"));
    const int address = kelvo.writeSysAddress(ADDRESS_FROM_KEY);
    showWaitHint(QString());
    showAddress(address);
}

void gui_class::Wygeneruj()
{
    const auto job = deviceJob();
    if (deviceOpen())
        kelvo.simulateInput(ui->cbInputType->currentIndex(), ui->sbInputNo->value() - 1);
}

void gui_class::evTypeChanged(int type)
{
    ui->sbInputNo->setRange(1, type == 0 ? InputCount : RcuKeyCount);
}

void gui_class::turnOnLiveButton()
{
    if (ui->tabWidget_main->currentIndex() == ScenesPage)
        emit currentTabChanged();
}

void gui_class::showWaitHint(const QString &text)
{
    if (text.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(text);
    statusBar()->repaint();
}
