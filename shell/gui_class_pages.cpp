// The pages in the tabs: each built when its tab is first shown, wired to the window, and the
// window's slots that moved into a page.

#include "gui_class.h"

#include "common/connectlog.h"
#include "pages/copypage.h"
#include "pages/inputspage.h"
#include "pages/othersettingspage.h"
#include "pages/programspage.h"
#include "pages/remotekeyspage.h"
#include "pages/scenespage.h"
#include "ui_mainwindow.h"
#include "worksession.h"

#include <QVBoxLayout>

namespace {
enum MainTab { ScenesTab = 1 };

// The page fills its tab page, which stays the form's container.
void place(QWidget *page, QWidget *container)
{
    auto *layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);
    page->show();
}
} // namespace

WindowPage *gui_class::buildPage(QWidget *container)
{
    WindowPage *page = nullptr;
    if (container == ui->tab_settings_Inputs) {
        if (inputsPage)
            return inputsPage;
        page = inputsPage = new InputsPage(kelvo, container);
        logConnection(
            connect(inputsPage, &InputsPage::learnRequested, this, &gui_class::selKeyDev));
    } else if (container == ui->tab_settings_ired) {
        if (remoteKeysPage)
            return remoteKeysPage;
        page = remoteKeysPage = new RemoteKeysPage(kelvo, container);
        logConnection(
            connect(remoteKeysPage, &RemoteKeysPage::learnRequested, this, &gui_class::selKeyDev));
    } else if (container == ui->tab_settings_other) {
        if (otherSettingsPage)
            return otherSettingsPage;
        page = otherSettingsPage = new OtherSettingsPage(kelvo, container);
        logConnection(connect(otherSettingsPage, &OtherSettingsPage::readAddressRequested, this,
                              &gui_class::sysAdrFromDev));
        logConnection(connect(otherSettingsPage, &OtherSettingsPage::sendAddressRequested, this,
                              &gui_class::sysAdr2Dev));
        logConnection(connect(otherSettingsPage, &OtherSettingsPage::acceptAddressRequested, this,
                              &gui_class::acceptRCUaddr));
        logConnection(connect(otherSettingsPage, &OtherSettingsPage::simulateRequested, this,
                              &gui_class::Wygeneruj));
    } else if (container == ui->tab_scenes) {
        if (scenesPage)
            return scenesPage;
        page = scenesPage = new ScenesPage(kelvo, container);
        logConnection(connect(scenesPage, &ScenesPage::sceneChosen, this, &gui_class::refresh));
    } else if (container == ui->tab_programs) {
        if (programsPage)
            return programsPage;
        page = programsPage = new ProgramsPage(kelvo, container);
        logConnection(connect(programsPage, &ProgramsPage::editStep, this, &gui_class::goToStep));
    } else if (container == ui->tab_copy) {
        if (copyPage)
            return copyPage;
        page = copyPage = new CopyPage(kelvo, container);
    } else if (container == ui->tab_settings) {
        return buildPage(ui->tabWidget_settings->currentWidget());
    } else {
        return nullptr;
    }
    place(page, container);
    showKeptView(page);
    updateDeviceControls();
    orderTabs();
    return page;
}

void gui_class::buildAllPages()
{
    for (QWidget *container :
         {ui->tab_settings_Inputs, ui->tab_settings_ired, ui->tab_settings_other, ui->tab_scenes,
          ui->tab_programs, ui->tab_copy})
        buildPage(container);
}

void gui_class::showKeptView(WindowPage *page)
{
    const WorkSession::View &view = session->view;
    if (!view.kept)
        return;
    if (page == scenesPage)
        scenesPage->showStep(view.sceneProgram, view.sceneStep);
    else if (page == programsPage)
        programsPage->showRow(view.program, view.programRow);
}

InputsPage &gui_class::inputs()
{
    buildPage(ui->tab_settings_Inputs);
    return *inputsPage;
}

RemoteKeysPage &gui_class::remoteKeys()
{
    buildPage(ui->tab_settings_ired);
    return *remoteKeysPage;
}

OtherSettingsPage &gui_class::otherSettings()
{
    buildPage(ui->tab_settings_other);
    return *otherSettingsPage;
}

ScenesPage &gui_class::scenes()
{
    buildPage(ui->tab_scenes);
    return *scenesPage;
}

ProgramsPage &gui_class::programs()
{
    buildPage(ui->tab_programs);
    return *programsPage;
}

CopyPage &gui_class::copying()
{
    buildPage(ui->tab_copy);
    return *copyPage;
}

void gui_class::goToStep(int program, int step)
{
    ui->tabWidget_main->setCurrentIndex(ScenesTab);
    scenes().showStep(program + 1, step + 1);
}

void gui_class::progChgd(int v)
{
    scenes().progChgd(v);
}

void gui_class::stepChgd(int v)
{
    scenes().stepChgd(v);
}

void gui_class::stepCountChange(int v)
{
    programs().stepCountChange(v);
}

void gui_class::setPgmLen(int n)
{
    programs().setPgmLen(n);
}

void gui_class::pgmMode(int m)
{
    programs().pgmMode(m);
}

void gui_class::pgmLoop(int state)
{
    programs().pgmLoop(state);
}

void gui_class::pgmCont(int state)
{
    programs().pgmCont(state);
}

void gui_class::copyScenes()
{
    copying().copyScenes();
}

void gui_class::copyProgs()
{
    copying().copyProgs();
}

void gui_class::modiCopyPgm(bool on)
{
    copying().modiCopyPgm(on);
}

void gui_class::chgdExtra(int idx, int val)
{
    otherSettings().chgdExtra(idx, val);
}

void gui_class::validFirst(int v)
{
    otherSettings().validFirst(v);
}

void gui_class::validLast(int v)
{
    otherSettings().validLast(v);
}

void gui_class::chgdSSRT(QTime &time)
{
    otherSettings().chgdSSRT(time);
}

void gui_class::chgdPrev(int value)
{
    otherSettings().chgdPrev(value);
}

void gui_class::mixModeProp(bool proportional)
{
    otherSettings().mixModeProp(proportional);
}

void gui_class::evTypeChanged(int type)
{
    otherSettings().evTypeChanged(type);
}
