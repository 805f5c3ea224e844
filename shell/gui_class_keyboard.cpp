// The order Tab visits the window's controls in.

#include "gui_class.h"

#include "pages/copypage.h"
#include "pages/inputspage.h"
#include "pages/othersettingspage.h"
#include "pages/programspage.h"
#include "pages/remotekeyspage.h"
#include "pages/scenespage.h"
#include "ui_mainwindow.h"

#include <QTabBar>

void gui_class::orderTabs()
{
    // Built after the form, the pages would come after the command column. After the tab bars
    // (the form puts them first), each page's controls go row by row, then the command column;
    // Tab skips the pages not shown. Done again for each page built.
    QList<QWidget *> order {ui->tabWidget_settings->tabBar()};
    for (WindowPage *page : std::initializer_list<WindowPage *> {
             inputsPage, remoteKeysPage, otherSettingsPage, scenesPage, programsPage, copyPage}) {
        if (page)
            order << page->tabOrder();
    }
    order << ui->pbSendConf << ui->pbReadConf << ui->pbSaveFile << ui->pbReadFile << ui->pbClrConf
          << ui->pbConnect << ui->pbLiveMode << ui->pbNormalMode << ui->pbReset;

    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}
