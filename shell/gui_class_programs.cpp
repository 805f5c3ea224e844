// The programs page around the program step table: step count, run mode and the step buttons.

#include "gui_class.h"

#include "common/connectlog.h"
#include "controller/kelvo_controller_class.h"
#include "editors/program_conf_widget.h"
#include "model/configlayout.h"
#include "model/programshape.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>

using ConfigLayout::StepsPerPage;

void gui_class::createProgramTable()
{
    programTable = new program_conf_widget(&kelvo, ui->tab_programs);
    programTable->setObjectName(QStringLiteral("programTable"));
    programTable->setGeometry(145, 80, 552, 357);
    programTable->setProgramNumber(1);
}

void gui_class::connectProgramControls()
{
    logConnection(connect(ui->sbProgP, &QSpinBox::valueChanged, programTable,
                          &program_conf_widget::setProgramNumber));
    logConnection(
        connect(programTable, &program_conf_widget::goToEdit, this, &gui_class::goToStep));
    logConnection(
        connect(programTable, &program_conf_widget::pgmMode2Gui, this, &gui_class::pgmMode));
    logConnection(connect(programTable, &program_conf_widget::setLen, this, &gui_class::setPgmLen));
    connectStepCountBox();
    connectRunModeBoxes();
    logConnection(
        connect(editStepButton, &QPushButton::clicked, programTable, &program_conf_widget::toEdit));
    logConnection(connect(insertStepButton, &QPushButton::clicked, programTable,
                          &program_conf_widget::insertStep));
    logConnection(connect(deleteStepButton, &QPushButton::clicked, programTable,
                          &program_conf_widget::deleteStep));
}

void gui_class::connectStepCountBox()
{
    logConnection(
        connect(stepCountBox, &QSpinBox::valueChanged, this, &gui_class::stepCountChange));
}

void gui_class::connectRunModeBoxes()
{
    logConnection(connect(continuedBox, &QCheckBox::stateChanged, this, &gui_class::pgmCont));
    logConnection(connect(loopBox, &QCheckBox::stateChanged, this, &gui_class::pgmLoop));
}

void gui_class::refreshProgramsPage()
{
    programTable->reRead();
    programTable->refresh();
}

void gui_class::stepCountChange(int v)
{
    programTable->setStepCount(v);
}

void gui_class::setPgmLen(int n)
{
    // Showing the count must not set it again.
    disconnect(stepCountBox, &QSpinBox::valueChanged, this, &gui_class::stepCountChange);
    stepCountBox->setValue(n);
    connectStepCountBox();
}

void gui_class::pgmMode(int m)
{
    disconnect(continuedBox, &QCheckBox::stateChanged, this, &gui_class::pgmCont);
    disconnect(loopBox, &QCheckBox::stateChanged, this, &gui_class::pgmLoop);
    continuedBox->setChecked(m == pgmContinued);
    loopBox->setChecked(m == ::pgmLoop);
    connectRunModeBoxes();
}

void gui_class::pgmLoop(int state)
{
    const int count = programTable->stepCount();
    if (count == 0)
        return;
    if (state == Qt::Checked)
        continuedBox->setChecked(false);
    programTable->setLoop(state == Qt::Checked);
}

void gui_class::pgmCont(int state)
{
    if (state == Qt::Checked) {
        stepCountBox->setValue(StepsPerPage);
        loopBox->setChecked(false);
    }
    programTable->setContinued(state == Qt::Checked);
}
