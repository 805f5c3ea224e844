// The function tables of the settings tab: inputs and power-on on the "Inputs" page, the remote
// keys on the "RCU keys" page.

#include "gui_class.h"

#include "controller/kelvo_controller_class.h"
#include "editors/funcsetter.h"
#include "model/configlayout.h"
#include "ui_mainwindow.h"

using namespace ConfigLayout;

void gui_class::createFunctionTables()
{
    u8 *image = kelvo.configImage();
    ConfigDocument *document = &kelvo.document();
    inputTable
        = new funcSetter(InputCount, image + InputFunc, true, ui->tab_settings_Inputs, document);
    inputTable->setObjectName(QStringLiteral("inputTable"));
    inputTable->setGeometry(10, 20, 821, 267);
    powerOnTable = new funcSetter(1, image + PowerOnFunc, false, ui->tab_settings_Inputs, document);
    powerOnTable->setObjectName(QStringLiteral("powerOnTable"));
    powerOnTable->setGeometry(10, 420, 821, 33);
    remoteKeyTable
        = new funcSetter(RcuKeyCount, image + RcuKeyFunc, false, ui->tab_settings_ired, document);
    remoteKeyTable->setObjectName(QStringLiteral("remoteKeyTable"));
    remoteKeyTable->setGeometry(10, 20, 821, 507);
}

void gui_class::refreshFunctionTables()
{
    QWidget *page = ui->tabWidget_settings->currentWidget();
    if (page == ui->tab_settings_Inputs) {
        inputTable->refresh();
        powerOnTable->refresh();
    } else if (page == ui->tab_settings_ired) {
        remoteKeyTable->refresh();
    }
}
