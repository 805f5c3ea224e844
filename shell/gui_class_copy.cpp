#include "gui_class.h"

#include "appstate.h"
#include "common/connectlog.h"
#include "common/prompts.h"
#include "controller/kelvo_controller_class.h"
#include "model/configcopy.h"
#include "model/configlayout.h"
#include "ui_mainwindow.h"

#include <algorithm>

using ConfigCopy::runsOverlap;
using ConfigLayout::StepsPerPage;

namespace {

constexpr int programCount = ConfigLayout::PageCount - 1;

QString refusing()
{
    return gui_class::tr("Refusing !");
}

// Runs of the count box's value from src and dst must end by last; a run that does not is
// refused and the count corrected, so the next press copies. The source run is held to the
// range as well, or it would read whatever lies behind it in the image. Within one area the runs
// must not share an element either.
bool runsFit(QWidget *parent, int src, int dst, int last, QSpinBox *countBox,
             const QString &rangeText, bool sameArea)
{
    bool fit = true;
    int n = countBox->value();
    const int furthest = std::max(src, dst);
    if (furthest - 1 + n > last) {
        prompts().warning(parent, refusing(), rangeText);
        n = last + 1 - furthest;
        countBox->setValue(n);
        fit = false;
    }
    if (sameArea && runsOverlap(src, dst, n)) {
        prompts().warning(parent, refusing(),
                          gui_class::tr("Source and destination ranges intersects !"));
        fit = false;
    }
    return fit;
}

// A copy is one edit of the image, however many scenes or steps it moves.
void copyInImage(ConfigDocument &document, const std::function<void(u8 *image)> &copy)
{
    document.edit({ConfigEdit::Kind::Copy}, copy);
}

void refuseSame(QWidget *parent)
{
    prompts().warning(parent, refusing(),
                      gui_class::tr("Source and destination shouldn't be the same !"));
}

} // namespace

void gui_class::connectCopyControls()
{
    logConnection(connect(ui->rbCopyPgm, &QRadioButton::toggled, this, &gui_class::modiCopyPgm));
    logConnection(connect(ui->btnCopySc, &QPushButton::clicked, this, &gui_class::copyScenes));
    logConnection(connect(ui->btnCopyPgm, &QPushButton::clicked, this, &gui_class::copyProgs));
}

void gui_class::modiCopyPgm(bool on)
{
    for (QSpinBox *box : {ui->sbSrcStep, ui->sbDstStep}) {
        // "----" (0) stands for "no step": copying steps may not pick it, or the run would
        // start in the page before.
        box->setSpecialValueText(on ? QCoreApplication::translate("MainWindow", "----")
                                    : QString());
        box->setMinimum(on ? 0 : 1);
        box->setValue(on ? 0 : 1);
        box->setEnabled(!on);
    }
    ui->sbNoPgms->setRange(1, on ? programCount : StepsPerPage);
}

void gui_class::copyScenes()
{
    const int src = ui->sbSrcSc->value();
    const int dst = ui->sbDstSc->value();
    if (src == dst) {
        refuseSame(this);
        return;
    }
    if (runsFit(this, src, dst, StepsPerPage, ui->sbNoSc,
                //: "\r\n" breaks the line in the box; keep both characters.
                tr("Number of scenes to copy exceeds possible range !\r\nTo accept corrected "
                   "value press the Copy button again"),
                true))
        copyInImage(kelvo.document(), [&](u8 *image) {
            ConfigCopy::copyScenes(image, src - 1, dst - 1, ui->sbNoSc->value());
        });
}

void gui_class::copyProgs()
{
    const int srcPgm = ui->sbSrcPgm->value();
    const int dstPgm = ui->sbDstPgm->value();

    if (ui->rbCopyPgm->isChecked()) {
        if (srcPgm == dstPgm) {
            refuseSame(this);
            return;
        }
        if (runsFit(this, srcPgm, dstPgm, programCount, ui->sbNoPgms,
                    //: "\r\n" breaks the line in the box; keep both characters.
                    tr("Number of programs to copy exceeds possible range !\r\nTo accept "
                       "corrected value press the Copy button again"),
                    true))
            copyInImage(kelvo.document(), [&](u8 *image) {
                ConfigCopy::copyPrograms(image, srcPgm, dstPgm, ui->sbNoPgms->value());
            });
        return;
    }

    const int srcStep = ui->sbSrcStep->value();
    const int dstStep = ui->sbDstStep->value();
    if (srcPgm == dstPgm && srcStep == dstStep) {
        refuseSame(this);
        return;
    }
    if (runsFit(this, srcStep, dstStep, StepsPerPage, ui->sbNoPgms,
                //: "\r\n" breaks the line in the box; keep both characters.
                tr("Number of steps to copy exceeds possible range !\r\nTo accept corrected "
                   "value press the Copy button again"),
                srcPgm == dstPgm))
        copyInImage(kelvo.document(), [&](u8 *image) {
            ConfigCopy::copySteps(image, srcPgm, srcStep - 1, dstPgm, dstStep - 1,
                                  ui->sbNoPgms->value());
        });
}
