// The Upgrade menu: a firmware file sent to the controller or compared with what it runs.

#include "gui_class.h"

#include "common/prompts.h"
#include "controller/boxtitles.h"
#include "controller/kelvo_controller_class.h"

#include <QAction>

void gui_class::connectFirmwareActions()
{
    // The menu actions' connections are not logged.
    connect(upgradeAct, &QAction::triggered, this, &gui_class::slotMenuUpgradeUpgradeKelvo);
    connect(verifyAct, &QAction::triggered, this, &gui_class::slotMenuUpgradeVerify);
    kelvo.confirmUpgrade = [this](const QString &from, const QString &to) {
        return prompts().message(Prompts::Kind::Question, this, BoxTitles::firmware(),
                                 tr("Upgrade the controller from %1 to %2?").arg(from, to),
                                 Prompts::Yes | Prompts::No, Prompts::Yes)
            == Prompts::Yes;
    };
}

namespace {

QString chooseUpgradeFile(QWidget *window)
{
    return prompts().openFileName(window,
                                  gui_class::tr("Choose a file to upgrade Ovra - Kelvo controller"),
                                  QStringLiteral("./"), gui_class::tr("Upgrade (*.upg)"));
}

} // namespace

void gui_class::slotMenuUpgradeUpgradeKelvo()
{
    const auto job = deviceJob();
    const QString name = chooseUpgradeFile(this);
    if (!name.isEmpty())
        kelvo.upgradeFirmware(name, true);
}

void gui_class::slotMenuUpgradeVerify()
{
    const auto job = deviceJob();
    const QString name = chooseUpgradeFile(this);
    if (!name.isEmpty())
        kelvo.upgradeFirmware(name, false);
}
