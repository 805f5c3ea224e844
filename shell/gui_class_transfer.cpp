// Sending the configuration to the controller and reading it back.

#include "gui_class.h"

#include "common/connectlog.h"
#include "common/prompts.h"
#include "controller/boxtitles.h"
#include "controller/kelvo_controller_class.h"
#include "ui_mainwindow.h"
#include "worksession.h"

void gui_class::connectTransferControls()
{
    logConnection(connect(ui->pbSendConf, &QPushButton::clicked, this, &gui_class::sendConfClick));
    logConnection(connect(ui->pbReadConf, &QPushButton::clicked, this, &gui_class::readConfClick));
    logConnection(
        connect(&kelvo, &kelvo_controller_class::readKelvoFinished, this, &gui_class::confRead));
}

void gui_class::sendConfClick(bool)
{
    const auto job = deviceJob();
    if (!kelvo.usbDevice.isOpen()) {
        prompts().critical(this, BoxTitles::result(),
                           tr("Not connected !\nConfiguration not sent!"));
        return;
    }
    if (refusedInLoader())
        return;
    slotNormalMode(); // live values must not mix with the transfer
    if (kelvo.send_alldata())
        session->saved().inController();
    else
        session->saved().controllerUnknown(); // part of it may have arrived
}

void gui_class::readConfClick(bool)
{
    const auto job = deviceJob();
    if (!kelvo.usbDevice.isOpen()) {
        prompts().critical(this, BoxTitles::result(),
                           tr("Not connected !\nConfiguration not read!"));
        return;
    }
    if (refusedInLoader() || !mayReplaceWork())
        return;
    slotNormalMode();
    if (kelvo.read_alldata())
        session->saved().inController();
    refresh();
}

bool gui_class::refusedInLoader()
{
    // Connected, but neither live nor normal mode can be had: the loader is running.
    if (!kelvo.usbDevice.isOpen() || modesAvailable)
        return false;
    prompts().warning(this, BoxTitles::usb(),
                      tr("The controller waits for its firmware: an upgrade did not end.\n"
                         "Run \"Upgrade Kelvo\" again with the upgrade file to finish it."));
    return true;
}
