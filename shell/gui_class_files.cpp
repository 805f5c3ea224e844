#include "gui_class.h"

#include "appstate.h"
#include "common/connectlog.h"
#include "common/prompts.h"
#include "controller/kelvo_controller_class.h"
#include "dialogs/clearconf_dialog.h"
#include "model/configfile.h"
#include "places.h"
#include "recentfiles.h"
#include "ui_mainwindow.h"
#include "worksession.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

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
        connect(&kelvo, &kelvo_controller_class::readFileFinished, this, &gui_class::confRead));
}

QString gui_class::fileDialogStart() const
{
    const QString last = kelvo.lastFilePath;
    if (last.isEmpty())
        return Places::documentsFolder();
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
    kelvo.lastFilePath = QFileInfo(name).filePath();
    fileUsed(name, kelvo.read_confDataFromFile(name));
}

void gui_class::openFile(const QString &fileName)
{
    if (!mayReplaceWork())
        return;
    kelvo.lastFilePath = QFileInfo(fileName).filePath();
    fileUsed(fileName, kelvo.read_confDataFromFile(fileName));
}

void gui_class::fileUsed(const QString &fileName, bool ok)
{
    session->fileUsed(fileName, ok);
    if (ok)
        RecentFiles::add(fileName);
}

void gui_class::fillRecentMenu()
{
    recentMenu->clear();
    const QStringList files = RecentFiles::existing();
    for (int i = 0; i < files.size(); ++i) {
        const QString &file = files[i];
        // Numbered for the keyboard; '&' in a file name would make a mnemonic of its own.
        QString name = QFileInfo(file).fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *action = recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        action->setStatusTip(QDir::toNativeSeparators(file));
        action->setToolTip(QDir::toNativeSeparators(file));
        connect(action, &QAction::triggered, this, [this, file] { openFile(file); });
    }
    recentMenu->addSeparator();
    QAction *clear = recentMenu->addAction(tr("Clear list"));
    clear->setStatusTip(tr("Forget the configuration files used lately"));
    clear->setEnabled(!files.isEmpty());
    // The menu is filled again when it is next shown; not here, in its own action's signal.
    connect(clear, &QAction::triggered, this, [] { RecentFiles::clear(); });
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
    kelvo.lastFilePath = QFileInfo(name).filePath();
    const bool saved = kelvo.write_confDataToFile(name);
    fileUsed(name, saved);
    return saved;
}

void gui_class::ClearConfig(bool)
{
    ClearConfig();
}

void gui_class::ClearConfig()
{
    clearConf_dialog dialog(this, [this](u16 flags) { kelvo.ClearConfig(flags); });
    dialog.exec();
    // Cancelled or not, the widgets show the image as it now is.
    confRead();
}

void gui_class::ClearExec(u16 flags)
{
    kelvo.ClearConfig(flags);
}
