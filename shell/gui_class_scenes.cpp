// The scenes page around the scene editor, and the special scene on the "Other" page.

#include "gui_class.h"

#include "common/connectlog.h"
#include "controller/kelvo_controller_class.h"
#include "editors/admx32_sliders_widget.h"
#include "editors/admx_slider_widget.h"
#include "editors/guardedspinbox.h"
#include "editors/mytimeedit.h"
#include "model/configlayout.h"
#include "model/devicetime.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QSignalBlocker>
#include <QSlider>

using namespace ConfigLayout;

namespace {
enum MainPage { ScenesPage = 1 };
const char *const colourNames[] = {"columnRed", "columnGreen", "columnBlue"};

bool liveMode(const kelvo_controller_class &kelvo)
{
    return kelvo.requestedMode == kelvo_controller_class::RequestedLive;
}
} // namespace

void gui_class::createSceneEditor()
{
    sceneEditor = std::make_unique<admx32_sliders_widget>(&kelvo, ui->tab_scenes);
}

void gui_class::connectSceneControls()
{
    logConnection(connect(ui->sbProgram, &QSpinBox::valueChanged, this, &gui_class::progChgd));
    logConnection(connect(ui->sbStep, &QSpinBox::valueChanged, this, &gui_class::stepChgd));
}

void gui_class::progChgd(int v)
{
    sceneEditor->page = v;
    sceneEditor->step = ui->sbStep->value() - 1;
    refresh();
}

void gui_class::stepChgd(int v)
{
    sceneEditor->setSceneNumber(v - 1);
    refresh();
}

void gui_class::goToStep(int program, int step)
{
    ui->tabWidget_main->setCurrentIndex(ScenesPage);
    ui->sbProgram->setValue(program + 1);
    ui->sbStep->setValue(step + 1);
}

void gui_class::refreshScenesPage()
{
    sceneEditor->lastStepBox()->setVisible(ui->sbProgram->value() != 0);
    sceneEditor->refresh();
}

void gui_class::createSpecialSceneEditors()
{
    QWidget *group = ui->gbExtra;
    for (int i = 0; i < 3; ++i) {
        specialColumns[i] = std::make_unique<admx_slider_widget>(-1 - i, 60 + 120 * i, 20, group);
        specialColumns[i]->container()->setObjectName(QString::fromLatin1(colourNames[i]));
    }

    firstChannelBox = new guardedSpinBox(group);
    firstChannelBox->setObjectName(QStringLiteral("sbFirstChannel"));
    firstChannelBox->setRange(1, ChannelCount);
    firstChannelBox->setGeometry(160, 238, 40, 20);

    lastChannelBox = new guardedSpinBox(group);
    lastChannelBox->setObjectName(QStringLiteral("sbLastChannel"));
    lastChannelBox->setRange(1, ChannelCount);
    lastChannelBox->setValue(ChannelCount);
    lastChannelBox->setGeometry(360, 238, 40, 20);

    specialRiseEdit = new MyTimeEdit(group);
    specialRiseEdit->setObjectName(QStringLiteral("teSpecialRise"));
    specialRiseEdit->setLargestTime(fromDeviceTime(MaxSpecialRiseTime));
    specialRiseEdit->setGeometry(210, 278, 120, 20);
}

void gui_class::connectSpecialSceneControls()
{
    for (const auto &column : specialColumns)
        logConnection(
            connect(column.get(), &admx_slider_widget::chValCh, this, &gui_class::chgdExtra));
    logConnection(
        connect(firstChannelBox, &guardedSpinBox::valueAccepted, this, &gui_class::validFirst));
    logConnection(
        connect(lastChannelBox, &guardedSpinBox::valueAccepted, this, &gui_class::validLast));
    logConnection(connect(specialRiseEdit, &MyTimeEdit::timeChanged, this, &gui_class::chgdSSRT));
}

void gui_class::chgdExtra(int idx, int val)
{
    const int colour = -idx - 1; // 0 red, 1 green, 2 blue
    if (colour < 0 || colour > 2)
        return;
    kelvo.document().setByte(
        SpecialLevelRed + colour, u8(val),
        {ConfigEdit::Kind::SpecialScene, -1, -1, colour, specialColumns[colour].get()});
    if (!liveMode(kelvo))
        return;
    for (int ch = 0; ch < ChannelCount; ++ch) {
        if (liveSpecialColour(ch) == colour)
            kelvo.send_new_val(ch, val);
    }
}

void gui_class::validFirst(int v)
{
    kelvo.document().edit({ConfigEdit::Kind::SpecialScene, -1, -1, -1, firstChannelBox},
                          [&](u8 *image) {
                              image[SpecialFirstChannel] = u8(v - 1);
                              // Setting the other box does not report it, so its byte is
                              // written here.
                              if (lastChannelBox->value() < v) {
                                  lastChannelBox->setValue(v);
                                  image[SpecialLastChannel] = u8(v - 1);
                              }
                          });
}

void gui_class::validLast(int v)
{
    kelvo.document().edit({ConfigEdit::Kind::SpecialScene, -1, -1, -1, lastChannelBox},
                          [&](u8 *image) {
                              image[SpecialLastChannel] = u8(v - 1);
                              if (v < firstChannelBox->value()) {
                                  firstChannelBox->setValue(v);
                                  image[SpecialFirstChannel] = u8(v - 1);
                              }
                          });
}

void gui_class::chgdSSRT(QTime &time)
{
    const u16 rise = toDeviceTime(time);
    kelvo.document().edit({ConfigEdit::Kind::SpecialScene, -1, -1, -1, specialRiseEdit},
                          [rise](u8 *image) { writeU16(image, SpecialRiseTime, rise); });
}

void gui_class::loadSpecialScene()
{
    const u8 *image = kelvo.configImage();
    for (int i = 0; i < 3; ++i) {
        // Showing the levels must not write them back or send them live; the page's scene
        // preparation shows them on the controller.
        const QSignalBlocker blocker(specialColumns[i].get());
        specialColumns[i]->slider()->setValue(image[SpecialLevelRed + i]);
    }
    firstChannelBox->setValue(image[SpecialFirstChannel] + 1);
    lastChannelBox->setValue(image[SpecialLastChannel] + 1);
    // A stored time beyond the editor's range would come back clamped.
    const QSignalBlocker blocker(specialRiseEdit);
    specialRiseEdit->setTime(fromDeviceTime(readU16(image, SpecialRiseTime)));
}
