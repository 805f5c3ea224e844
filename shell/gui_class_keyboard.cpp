// How screen readers and the keyboard find the window's controls: the names read out for them and
// the order Tab visits them in.

#include "gui_class.h"

#include "editors/admx32_sliders_widget.h"
#include "editors/admx_slider_widget.h"
#include "editors/funcsetter.h"
#include "editors/guardedspinbox.h"
#include "editors/mytimeedit.h"
#include "editors/program_conf_widget.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QScrollBar>
#include <QSlider>
#include <QTabBar>

void gui_class::nameControls()
{
    // A label read out with its control: Qt names the control after its buddy.
    const std::pair<QLabel *, QWidget *> buddies[] = {
        {ui->lbProg, ui->sbProgram},        {ui->lbScene, ui->sbStep},
        {ui->lbProgP, ui->sbProgP},         {stepCountLabel, stepCountBox},
        {ui->lbPreview, ui->sbPreview},     {firstChannelLabel, firstChannelBox},
        {lastChannelLabel, lastChannelBox}, {riseTimeLabel, specialRiseEdit},
        {ui->lbSrcSc, ui->sbSrcSc},         {ui->lbNoSc, ui->sbNoSc},
        {ui->lbDscSc, ui->sbDstSc},         {ui->lbSrcPgm, ui->sbSrcPgm},
        {ui->lbSrcStep, ui->sbSrcStep},     {ui->lbNoPgm, ui->sbNoPgms},
        {ui->lbDstPgm, ui->sbDstPgm},       {ui->lbDstStep, ui->sbDstStep},
    };
    for (const auto &[label, control] : buddies)
        label->setBuddy(control);
    // Both step boxes of the copy are captioned "step"; the name says which.
    ui->sbSrcStep->setAccessibleName(tr("Source step"));
    ui->sbDstStep->setAccessibleName(tr("Destination step"));
    // The simulator's group title alone would name both of its boxes.
    ui->cbInputType->setAccessibleName(tr("Kind of input to simulate"));
    ui->sbInputNo->setAccessibleName(tr("Number of the input or key to simulate"));
}

void gui_class::orderTabs()
{
    // Created in code after the form, the editors would come after the command column. After the
    // tab bars (the form puts them first), each page's controls go row by row, then the command
    // column; Tab skips the pages not shown.
    QList<QWidget *> order {ui->tabWidget_settings->tabBar(),
                            inputTable,
                            ui->btnKeyFromDev,
                            powerOnTable,
                            remoteKeyTable,
                            ui->btnRcFromDev};
    for (const auto &column : specialColumns)
        order << column->slider() << column->spinBox();
    order << firstChannelBox << lastChannelBox << specialRiseEdit << ui->btnGetRcu << ui->sbSetValue
          << ui->btnSend2Rcu << ui->btnAcceptAdr << ui->sbPreview << ui->rbBiggerWin
          << ui->rbProportional << ui->cbInputType << ui->sbInputNo << ui->btnGenerate;

    order << ui->sbProgram << ui->sbStep;
    for (int i = 0; i < admx32_sliders_widget::VisibleColumns; ++i)
        order << sceneEditor->column(i)->slider() << sceneEditor->column(i)->spinBox();
    order << sceneEditor->scrollBar() << sceneEditor->riseEdit() << sceneEditor->lastEdit()
          << sceneEditor->infiniteBox() << sceneEditor->fallEdit() << sceneEditor->lastStepBox();

    order << ui->sbProgP << programTable << editStepButton << insertStepButton << deleteStepButton
          << stepCountBox << continuedBox << loopBox;

    order << ui->sbSrcSc << ui->sbNoSc << ui->sbDstSc << ui->btnCopySc << ui->sbSrcPgm
          << ui->sbSrcStep << ui->sbNoPgms << ui->rbCopyPgm << ui->rbCopySteps << ui->sbDstPgm
          << ui->sbDstStep << ui->btnCopyPgm;

    order << ui->pbSendConf << ui->pbReadConf << ui->pbSaveFile << ui->pbReadFile << ui->pbClrConf
          << ui->pbConnect << ui->pbLiveMode << ui->pbNormalMode << ui->pbReset;

    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}
