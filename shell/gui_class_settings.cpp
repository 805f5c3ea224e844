// The settings pages' controls that ask the controller: learning an input or key, the remote's
// system address, the input simulator.

#include "gui_class.h"

#include "controller/kelvo_controller_class.h"
#include "device/kelvoprotocol.h"
#include "model/configlayout.h"
#include "pages/inputspage.h"
#include "pages/othersettingspage.h"
#include "pages/remotekeyspage.h"
#include "ui_mainwindow.h"

#include <QStatusBar>

using namespace ConfigLayout;

namespace {
enum SettingsTab { InputsTab = 0, RemoteKeysTab = 1 };
enum MainTab { ScenesTab = 1 };
} // namespace

void gui_class::selKeyDev()
{
    const int page = ui->tabWidget_settings->currentIndex();
    if (page != InputsTab && page != RemoteKeysTab)
        return;
    const auto job = deviceJob();
    const bool remote = page == RemoteKeysTab;
    const auto showLearned = [&](int row) {
        if (remote)
            remoteKeys().showLearned(row);
        else
            inputs().showLearned(row);
    };
    showLearned(-1);
    if (kelvo.usbDevice.isOpen())
        showWaitHint(remote ? tr("Press a key on the remote now") : tr("Operate the input now"));
    const int learned = kelvo.learnKey(remote);
    showWaitHint(QString());
    if (learned >= 0 && learned < (remote ? RcuKeyCount : InputCount))
        showLearned(learned);
}

void gui_class::sysAdrFromDev()
{
    const auto job = deviceJob();
    if (deviceOpen())
        otherSettings().showAddress(kelvo.readSysAddress());
}

void gui_class::sysAdr2Dev()
{
    const auto job = deviceJob();
    // -1 ("not used") goes out as 255.
    if (deviceOpen())
        otherSettings().showAddress(kelvo.writeSysAddress(u8(otherSettings().addressToSend())));
}

void gui_class::acceptRCUaddr()
{
    const auto job = deviceJob();
    if (!deviceOpen())
        return;
    showWaitHint(tr("Press a key on the remote now"));
    const int address = kelvo.writeSysAddress(ADDRESS_FROM_KEY);
    showWaitHint(QString());
    otherSettings().showAddress(address);
}

void gui_class::Wygeneruj()
{
    const auto job = deviceJob();
    if (deviceOpen())
        kelvo.simulateInput(otherSettings().simulatedKind(), otherSettings().simulatedNumber());
}

void gui_class::turnOnLiveButton()
{
    if (ui->tabWidget_main->currentIndex() == ScenesTab)
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
