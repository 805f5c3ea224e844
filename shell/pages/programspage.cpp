#include "programspage.h"

#include "common/connectlog.h"
#include "controller/kelvo_controller_class.h"
#include "editors/program_conf_widget.h"
#include "model/configlayout.h"
#include "model/programshape.h"
#include "shell/gui_class.h"
#include "ui_programspage.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

using ConfigLayout::StepsPerPage;

ProgramsPage::ProgramsPage(kelvo_controller_class &kelvo, QWidget *parent)
    : WindowPage(parent)
    , kelvo(kelvo)
    , ui(std::make_unique<Ui::MainWindowProgramsPage>())
{
    ui->setupUi(this);
    ui->sbProgP->setRange(1, 8);
    programTable = new program_conf_widget(kelvo.document(), kelvo.liveOutput(), this);
    programTable->setObjectName(QStringLiteral("programTable"));
    programTable->setGeometry(145, 80, 552, 357);
    programTable->setProgramNumber(1);

    // The window's texts keep their translations.
    stepCountLabel = new QLabel(gui_class::tr("Number of steps in program:"), this);
    stepCountLabel->setObjectName(QStringLiteral("lbStepCount"));
    stepCountLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    stepCountLabel->setGeometry(150, 500, 240, 20);

    stepCountBox = new QSpinBox(this);
    stepCountBox->setObjectName(QStringLiteral("sbStepCount"));
    stepCountBox->setRange(1, 16);
    stepCountBox->setGeometry(395, 500, 40, 20);
    // Every count reshapes the program: "12" typed must not make a 1-step program on the way.
    stepCountBox->setKeyboardTracking(false);

    continuedBox = new QCheckBox(gui_class::tr("Continued"), this);
    continuedBox->setObjectName(QStringLiteral("cbContinued"));
    continuedBox->setGeometry(450, 500, 120, 20);

    loopBox = new QCheckBox(gui_class::tr("Loop"), this);
    loopBox->setObjectName(QStringLiteral("cbLoop"));
    loopBox->setGeometry(590, 500, 150, 20);

    editStepButton = new QPushButton(gui_class::tr("Edit step"), this);
    editStepButton->setObjectName(QStringLiteral("pbEditStep"));
    editStepButton->setGeometry(145, 445, 90, 25);

    insertStepButton = new QPushButton(gui_class::tr("Insert"), this);
    insertStepButton->setObjectName(QStringLiteral("pbInsertStep"));
    insertStepButton->setGeometry(490, 445, 90, 25);

    deleteStepButton = new QPushButton(gui_class::tr("Delete"), this);
    deleteStepButton->setObjectName(QStringLiteral("pbDeleteStep"));
    deleteStepButton->setGeometry(610, 445, 90, 25);

    ui->lbProgP->setBuddy(ui->sbProgP);
    stepCountLabel->setBuddy(stepCountBox);

    logConnection(connect(ui->sbProgP, &QSpinBox::valueChanged, programTable,
                          &program_conf_widget::setProgramNumber));
    logConnection(
        connect(programTable, &program_conf_widget::goToEdit, this, &ProgramsPage::editStep));
    logConnection(
        connect(programTable, &program_conf_widget::pgmMode2Gui, this, &ProgramsPage::pgmMode));
    logConnection(
        connect(programTable, &program_conf_widget::setLen, this, &ProgramsPage::setPgmLen));
    connectStepCountBox();
    connectRunModeBoxes();
    logConnection(
        connect(editStepButton, &QPushButton::clicked, programTable, &program_conf_widget::toEdit));
    logConnection(connect(insertStepButton, &QPushButton::clicked, programTable,
                          &program_conf_widget::insertStep));
    logConnection(connect(deleteStepButton, &QPushButton::clicked, programTable,
                          &program_conf_widget::deleteStep));
}

ProgramsPage::~ProgramsPage() = default;

QList<QWidget *> ProgramsPage::tabOrder() const
{
    return {ui->sbProgP,      programTable, editStepButton, insertStepButton,
            deleteStepButton, stepCountBox, continuedBox,   loopBox};
}

int ProgramsPage::program() const
{
    return ui->sbProgP->value();
}

int ProgramsPage::row() const
{
    return programTable->currentIndex().row();
}

void ProgramsPage::showRow(int program, int row)
{
    ui->sbProgP->setValue(program);
    programTable->setCurrentIndex(programTable->model()->index(row, 0));
}

void ProgramsPage::connectStepCountBox()
{
    logConnection(
        connect(stepCountBox, &QSpinBox::valueChanged, this, &ProgramsPage::stepCountChange));
}

void ProgramsPage::connectRunModeBoxes()
{
    logConnection(connect(continuedBox, &QCheckBox::stateChanged, this, &ProgramsPage::pgmCont));
    logConnection(connect(loopBox, &QCheckBox::stateChanged, this, &ProgramsPage::pgmLoop));
}

void ProgramsPage::refresh()
{
    programTable->reRead();
    programTable->refresh();
}

void ProgramsPage::showOnController()
{
    kelvo.liveOutput().showStep(ui->sbProgP->value(), programTable->currentIndex().row() + 1);
}

void ProgramsPage::stepCountChange(int v)
{
    programTable->setStepCount(v);
}

void ProgramsPage::setPgmLen(int n)
{
    // Showing the count must not set it again.
    disconnect(stepCountBox, &QSpinBox::valueChanged, this, &ProgramsPage::stepCountChange);
    stepCountBox->setValue(n);
    connectStepCountBox();
}

void ProgramsPage::pgmMode(int m)
{
    disconnect(continuedBox, &QCheckBox::stateChanged, this, &ProgramsPage::pgmCont);
    disconnect(loopBox, &QCheckBox::stateChanged, this, &ProgramsPage::pgmLoop);
    continuedBox->setChecked(m == pgmContinued);
    loopBox->setChecked(m == ::pgmLoop);
    connectRunModeBoxes();
}

void ProgramsPage::pgmLoop(int state)
{
    const int count = programTable->stepCount();
    if (count == 0)
        return;
    if (state == Qt::Checked)
        continuedBox->setChecked(false);
    programTable->setLoop(state == Qt::Checked);
}

void ProgramsPage::pgmCont(int state)
{
    if (state == Qt::Checked) {
        stepCountBox->setValue(StepsPerPage);
        loopBox->setChecked(false);
    }
    programTable->setContinued(state == Qt::Checked);
}
