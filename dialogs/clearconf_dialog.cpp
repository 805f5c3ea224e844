#include "clearconf_dialog.h"

#include "common/connectlog.h"
#include "model/configclear.h"
#include "ui_clearconf.h"

clearConf_dialog::clearConf_dialog(QWidget *parent, std::function<void(u16 flags)> clear)
    : QDialog(parent)
    , ui(std::make_unique<Ui::clearConf>())
{
    // The form connects "Yes !" to accept() first, so the dialog is accepted before the clear.
    ui->setupUi(this);
    logConnection(connect(ui->cbAll, &QCheckBox::stateChanged, this, &clearConf_dialog::chgAll));
    logConnection(connect(ui->okButton, &QPushButton::clicked, this, &clearConf_dialog::clearExec));
    if (clear)
        logConnection(connect(this, &clearConf_dialog::clearByFlags, this, std::move(clear)));
}

clearConf_dialog::~clearConf_dialog() = default;

void clearConf_dialog::chgAll(int state)
{
    // Unchecking "All" gives the areas back to the user as they were shown: checked.
    for (QCheckBox *box : {ui->cbScenes, ui->cbPrograms, ui->cbInputs, ui->cbRemote}) {
        if (state)
            box->setChecked(true);
        box->setEnabled(!state);
    }
}

void clearConf_dialog::clearExec()
{
    u16 flags = ui->cbAll->isChecked() ? ClearFlags::All : 0;
    if (ui->cbScenes->isChecked())
        flags |= ClearFlags::Scenes;
    if (ui->cbPrograms->isChecked())
        flags |= ClearFlags::Programs;
    if (ui->cbRemote->isChecked())
        flags |= ClearFlags::Remote;
    if (ui->cbInputs->isChecked())
        flags |= ClearFlags::Inputs;
    emit clearByFlags(flags);
}
