#include "gui_class.h"

#include "appstate.h"
#include "common/connectlog.h"
#include "common/prompts.h"
#include "controller/kelvo_controller_class.h"
#include "dialogs/clearconf_dialog.h"
#include "model/configfile.h"
#include "ui_mainwindow.h"
#include "worksession.h"

#include <QAction>
#include <QFileInfo>

void gui_class::connectFileControls()
{
    connect(openAct, &QAction::triggered, this, &gui_class::slotMenuFileOpen);
    connect(saveAct, &QAction::triggered, this, &gui_class::slotMenuFileSave);
    connect(saveAsAct, &QAction::triggered, this, &gui_class::slotMenuFileSaveAs);
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

QString gui_class::fileDialogStart() const
{
    const QString last = controller->lastFilePath;
    if (last.isEmpty())
        return QStringLiteral("./");
    // A name that could not be read or written is not offered again; its folder is.
    return session->lastChoiceWorked() ? last : QFileInfo(last).path();
}

void gui_class::slotMenuFileOpen()
{
    if (!mayReplaceWork())
        return;
    const QString name = prompts().openFileName(
        nullptr, tr("Choose a conf. and data file for Kelvo controller"), fileDialogStart(),
        tr("KelvoDesk conf and data (*.cfgkv;*.cfg);;All files (*)"));
    if (name.isEmpty())
        return;
    controller->lastFilePath = QFileInfo(name).filePath();
    session->fileUsed(name, controller->read_confDataFromFile(name));
}

void gui_class::slotMenuFileSave()
{
    saveWithDialog();
}

// The save dialog always asks for the name, so both commands are the same; the second is where
// users of other programs look for it.
void gui_class::slotMenuFileSaveAs()
{
    saveWithDialog();
}

bool gui_class::saveWithDialog()
{
    const QString filter
        = tr("KelvoDesk conf and data (*.cfgkv;*.cfg)") + QLatin1String(";;") + tr("All files (*)");
    const QString chosen
        = prompts().saveFileName(nullptr, tr("Choose a conf. and data file for Kelvo controller"),
                                 fileDialogStart(), filter);
    if (chosen.isEmpty())
        return false;
    const QString name = ConfigFile::saveName(chosen);
    controller->lastFilePath = QFileInfo(name).filePath();
    const bool saved = controller->write_confDataToFile(name);
    session->fileUsed(name, saved);
    return saved;
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
