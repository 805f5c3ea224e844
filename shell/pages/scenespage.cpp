#include "scenespage.h"

#include "common/connectlog.h"
#include "controller/kelvo_controller_class.h"
#include "editors/admx32_sliders_widget.h"
#include "editors/admx_slider_widget.h"
#include "editors/mytimeedit.h"
#include "shell/gui_class.h"
#include "ui_scenespage.h"

#include <QCheckBox>
#include <QScrollBar>
#include <QSlider>

ScenesPage::ScenesPage(kelvo_controller_class &kelvo, QWidget *parent)
    : WindowPage(parent)
    , kelvo(kelvo)
    , ui(std::make_unique<Ui::MainWindowScenesPage>())
{
    ui->setupUi(this);
    ui->sbProgram->setMaximum(8);
    // The window's texts keep their translations.
    ui->sbProgram->setPrefix(gui_class::tr("Program "));
    ui->sbStep->setRange(1, 16);
    sceneEditor
        = std::make_unique<admx32_sliders_widget>(kelvo.document(), kelvo.liveOutput(), this);
    ui->lbProg->setBuddy(ui->sbProgram);
    ui->lbScene->setBuddy(ui->sbStep);
    logConnection(connect(ui->sbProgram, &QSpinBox::valueChanged, this, &ScenesPage::progChgd));
    logConnection(connect(ui->sbStep, &QSpinBox::valueChanged, this, &ScenesPage::stepChgd));
}

ScenesPage::~ScenesPage()
{
    disconnectControls();
}

QList<QWidget *> ScenesPage::tabOrder() const
{
    QList<QWidget *> order {ui->sbProgram, ui->sbStep};
    for (int i = 0; i < admx32_sliders_widget::VisibleColumns; ++i)
        order << sceneEditor->column(i)->slider() << sceneEditor->column(i)->spinBox();
    order << sceneEditor->scrollBar() << sceneEditor->riseEdit() << sceneEditor->lastEdit()
          << sceneEditor->infiniteBox() << sceneEditor->fallEdit() << sceneEditor->lastStepBox();
    return order;
}

int ScenesPage::program() const
{
    return ui->sbProgram->value();
}

int ScenesPage::step() const
{
    return ui->sbStep->value();
}

void ScenesPage::showStep(int program, int step)
{
    ui->sbProgram->setValue(program);
    ui->sbStep->setValue(step);
}

void ScenesPage::progChgd(int v)
{
    sceneEditor->page = v;
    sceneEditor->step = ui->sbStep->value() - 1;
    emit sceneChosen();
}

void ScenesPage::stepChgd(int v)
{
    sceneEditor->setSceneNumber(v - 1);
    emit sceneChosen();
}

void ScenesPage::refresh()
{
    sceneEditor->lastStepBox()->setVisible(ui->sbProgram->value() != 0);
    sceneEditor->refresh();
}

void ScenesPage::showOnController()
{
    kelvo.liveOutput().showStep(ui->sbProgram->value(), ui->sbStep->value());
}
