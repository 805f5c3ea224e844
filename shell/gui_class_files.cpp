#include "gui_class.h"

#include "appstate.h"
#include "common/connectlog.h"
#include "common/prompts.h"
#include "controller/kelvo_controller_class.h"
#include "dialogs/clearconf_dialog.h"
#include "model/configfile.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QFileInfo>

void gui_class::connectFileControls()
{
    connect(openAct, &QAction::triggered, this, &gui_class::slotMenuFileOpen);
    connect(saveAct, &QAction::triggered, this, &gui_class::slotMenuFileSave);
    connect(clearAct, &QAction::triggered, this, qOverload<>(&gui_class::ClearConfig));

    logConnection(
        connect(ui->pbReadFile, &QPushButton::clicked, this, &gui_class::slotMenuFileOpen));
    logConnection(
        connect(ui->pbSaveFile, &QPushButton::clicked, this, &gui_class::slotMenuFileSave));
    logConnection(connect(ui->pbClrConf, &QPushButton::clicked, this,
                          qOverload<bool>(&gui_class::ClearConfig)));
    logConnection(
        connect(controller, &kelvo_controller_class::readFileFinished, this, &gui_class::confRead));
}

namespace {

QString fileDialogStart()
{
    return controller->lastFilePath.isEmpty() ? QStringLiteral("./") : controller->lastFilePath;
}

} // namespace

void gui_class::slotMenuFileOpen()
{
    const QString name = prompts().openFileName(
        nullptr, tr("Choose a conf. and data file for Kelvo controller"), fileDialogStart(),
        tr("KelvoDesk conf and data (*.cfgkv;*.cfg);;All files (*)"));
    if (name.isEmpty())
        return;
    controller->lastFilePath = QFileInfo(name).filePath();
    controller->read_confDataFromFile(name);
}

void gui_class::slotMenuFileSave()
{
    const QString filter
        = tr("KelvoDesk conf and data (*.cfgkv;*.cfg)") + QLatin1String(";;") + tr("All files (*)");
    const QString chosen
        = prompts().saveFileName(nullptr, tr("Choose a conf. and data file for Kelvo controller"),
                                 fileDialogStart(), filter);
    if (chosen.isEmpty())
        return;
    const QString name = ConfigFile::saveName(chosen);
    controller->lastFilePath = QFileInfo(name).filePath();
    controller->write_confDataToFile(name);
}

void gui_class::ClearConfig(bool)
{
    ClearConfig();
}

void gui_class::ClearConfig()
{
    clearConf_dialog dialog(this, controller);
    dialog.exec();
    // Cancelled or not, the widgets show the image as it now is.
    confRead();
}

void gui_class::ClearExec(u16 flags)
{
    controller->ClearConfig(flags);
}
