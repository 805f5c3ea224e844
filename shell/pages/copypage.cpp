#include "copypage.h"

#include "common/connectlog.h"
#include "common/prompts.h"
#include "controller/kelvo_controller_class.h"
#include "model/configcopy.h"
#include "model/configlayout.h"
#include "shell/gui_class.h"
#include "ui_copypage.h"

#include <algorithm>
#include <functional>

using ConfigCopy::runsOverlap;
using ConfigLayout::StepsPerPage;

namespace {

constexpr int programCount = ConfigLayout::PageCount - 1;

// The page's texts are the window's and keep their translations.
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

CopyPage::CopyPage(kelvo_controller_class &kelvo, QWidget *parent)
    : WindowPage(parent)
    , kelvo(kelvo)
    , ui(std::make_unique<Ui::MainWindowCopyPage>())
{
    ui->setupUi(this);
    ui->sbSrcSc->setRange(1, 16);
    ui->sbNoSc->setRange(1, 15);
    ui->sbDstSc->setRange(1, 16);
    ui->sbSrcPgm->setRange(1, 8);
    ui->sbSrcStep->setRange(0, 16);
    ui->sbNoPgms->setRange(1, 7);
    ui->sbDstPgm->setRange(1, 8);
    ui->sbDstStep->setRange(0, 16);
    ui->sbSrcStep->setEnabled(false);
    ui->sbDstStep->setEnabled(false);

    // A label read out with its control: Qt names the control after its buddy.
    const std::pair<QLabel *, QWidget *> buddies[] = {
        {ui->lbSrcSc, ui->sbSrcSc},   {ui->lbNoSc, ui->sbNoSc},       {ui->lbDscSc, ui->sbDstSc},
        {ui->lbSrcPgm, ui->sbSrcPgm}, {ui->lbSrcStep, ui->sbSrcStep}, {ui->lbNoPgm, ui->sbNoPgms},
        {ui->lbDstPgm, ui->sbDstPgm}, {ui->lbDstStep, ui->sbDstStep},
    };
    for (const auto &[label, control] : buddies)
        label->setBuddy(control);
    // Both step boxes of the copy are captioned "step"; the name says which.
    ui->sbSrcStep->setAccessibleName(gui_class::tr("Source step"));
    ui->sbDstStep->setAccessibleName(gui_class::tr("Destination step"));

    logConnection(connect(ui->rbCopyPgm, &QRadioButton::toggled, this, &CopyPage::modiCopyPgm));
    logConnection(connect(ui->btnCopySc, &QPushButton::clicked, this, &CopyPage::copyScenes));
    logConnection(connect(ui->btnCopyPgm, &QPushButton::clicked, this, &CopyPage::copyProgs));
}

CopyPage::~CopyPage() = default;

QList<QWidget *> CopyPage::tabOrder() const
{
    return {ui->sbSrcSc,     ui->sbNoSc,    ui->sbDstSc,   ui->btnCopySc,
            ui->sbSrcPgm,    ui->sbSrcStep, ui->sbNoPgms,  ui->rbCopyPgm,
            ui->rbCopySteps, ui->sbDstPgm,  ui->sbDstStep, ui->btnCopyPgm};
}

void CopyPage::modiCopyPgm(bool on)
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

void CopyPage::copyScenes()
{
    const int src = ui->sbSrcSc->value();
    const int dst = ui->sbDstSc->value();
    if (src == dst) {
        refuseSame(window());
        return;
    }
    if (runsFit(window(), src, dst, StepsPerPage, ui->sbNoSc,
                //: "\r\n" breaks the line in the box; keep both characters.
                gui_class::tr("Number of scenes to copy exceeds possible range !\r\nTo accept "
                              "corrected value press the Copy button again"),
                true))
        copyInImage(kelvo.document(), [&](u8 *image) {
            ConfigCopy::copyScenes(image, src - 1, dst - 1, ui->sbNoSc->value());
        });
}

void CopyPage::copyProgs()
{
    const int srcPgm = ui->sbSrcPgm->value();
    const int dstPgm = ui->sbDstPgm->value();

    if (ui->rbCopyPgm->isChecked()) {
        if (srcPgm == dstPgm) {
            refuseSame(window());
            return;
        }
        if (runsFit(window(), srcPgm, dstPgm, programCount, ui->sbNoPgms,
                    //: "\r\n" breaks the line in the box; keep both characters.
                    gui_class::tr("Number of programs to copy exceeds possible range !\r\nTo "
                                  "accept corrected value press the Copy button again"),
                    true))
            copyInImage(kelvo.document(), [&](u8 *image) {
                ConfigCopy::copyPrograms(image, srcPgm, dstPgm, ui->sbNoPgms->value());
            });
        return;
    }

    const int srcStep = ui->sbSrcStep->value();
    const int dstStep = ui->sbDstStep->value();
    if (srcPgm == dstPgm && srcStep == dstStep) {
        refuseSame(window());
        return;
    }
    if (runsFit(window(), srcStep, dstStep, StepsPerPage, ui->sbNoPgms,
                //: "\r\n" breaks the line in the box; keep both characters.
                gui_class::tr("Number of steps to copy exceeds possible range !\r\nTo accept "
                              "corrected value press the Copy button again"),
                srcPgm == dstPgm))
        copyInImage(kelvo.document(), [&](u8 *image) {
            ConfigCopy::copySteps(image, srcPgm, srcStep - 1, dstPgm, dstStep - 1,
                                  ui->sbNoPgms->value());
        });
}
