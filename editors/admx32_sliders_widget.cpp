#include "admx32_sliders_widget.h"

#include "admx_slider_widget.h"
#include "common/connectlog.h"
#include "live/liveoutput.h"
#include "model/configdocument.h"
#include "model/configlayout.h"
#include "model/devicetime.h"
#include "model/programshape.h"
#include "mytimeedit.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>

using namespace ConfigLayout;

namespace {

const QString timeFormat = QStringLiteral("hh'[h] 'mm'[m] 'ss'.'zzz'[s]'");

constexpr int ColumnSpacing = 60;

MyTimeEdit *timeEditor(QWidget *tab, const char *name, int y, u16 maximum)
{
    auto *edit = new MyTimeEdit(tab);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setDisplayFormat(timeFormat);
    edit->setLargestTime(fromDeviceTime(maximum));
    edit->setGeometry(320, y, 170, 20);
    // The page's bold font would cut the long format off at this width.
    QFont regular = edit->font();
    regular.setBold(false);
    edit->setFont(regular);
    return edit;
}

QLabel *caption(QWidget *tab, const QString &text, const char *name, int y)
{
    auto *label = new QLabel(text, tab);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(220, y, 100, 20);
    return label;
}

} // namespace

admx32_sliders_widget::admx32_sliders_widget(ConfigDocument &document, LiveOutput &live,
                                             QWidget *tab)
    : QWidget(nullptr)
    , document(document)
{
    sliderBox = new QWidget(tab);
    sliderBox->setObjectName(QStringLiteral("sceneChannels"));
    sliderBox->setGeometry(110, 150, 1000, 200);
    for (int i = 0; i < VisibleColumns; ++i)
        columns[i] = std::make_unique<admx_slider_widget>(i + 1, ColumnSpacing * i, 0, sliderBox);

    scroll = new QScrollBar(Qt::Horizontal, tab);
    scroll->setObjectName(QStringLiteral("scrollChannels"));
    scroll->setGeometry(120, 350, 587, 20);
    scroll->setRange(0, LastFirstChannel);
    scroll->setSingleStep(1);
    scroll->setValue(0);

    riseCaption = caption(tab, tr("Rise time:"), "lbSceneRise", 400);
    lastCaption = caption(tab, tr("Last time:"), "lbSceneLast", 430);
    fallCaption = caption(tab, tr("Fall time:"), "lbSceneFall", 460);
    rise = timeEditor(tab, "teSceneRise", 400, MaxRiseTime);
    last = timeEditor(tab, "teSceneLast", 430, MaxLastTime);
    fall = timeEditor(tab, "teSceneFall", 460, MaxFallTime);
    riseCaption->setBuddy(rise);
    lastCaption->setBuddy(last);
    fallCaption->setBuddy(fall);
    scroll->setAccessibleName(tr("Channels shown"));

    infinite = new QCheckBox(tr("Infinite"), tab);
    infinite->setObjectName(QStringLiteral("cbInfinite"));
    infinite->setGeometry(495, 430, 120, 20);
    lastStep = new QCheckBox(tr("Last Step"), tab);
    lastStep->setObjectName(QStringLiteral("cbLastStep"));
    lastStep->setGeometry(495, 460, 120, 20);
    lastStep->setEnabled(false);

    // Qt calls a signal's slots in connection order: the columns take their new channel numbers
    // before setSliders hands them the levels of those channels.
    for (const auto &c : columns) {
        logConnection(
            connect(scroll, &QScrollBar::valueChanged, c.get(), &admx_slider_widget::setChannel));
        logConnection(
            connect(c.get(), &admx_slider_widget::chValCh, this, &admx32_sliders_widget::sCh));
    }
    logConnection(
        connect(scroll, &QScrollBar::valueChanged, this, &admx32_sliders_widget::setSliders));
    columns.front()->slider()->installEventFilter(this);
    columns.back()->spinBox()->installEventFilter(this);
    logConnection(
        connect(this, &admx32_sliders_widget::liveNewValue, &live, &LiveOutput::showLevel));
    logConnection(
        connect(this, &admx32_sliders_widget::livePrepareScene, &live, &LiveOutput::showStep));
    connectTimeControls();

    refresh();
}

admx32_sliders_widget::~admx32_sliders_widget() = default;

bool admx32_sliders_widget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
    const bool back = key->key() == Qt::Key_Backtab
        || (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
    // Past the tenth column the next channel comes into it; before the first, the previous one.
    if (forward && watched == columns.back()->spinBox() && scroll->value() < LastFirstChannel) {
        scroll->setValue(scroll->value() + 1);
        columns.back()->slider()->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (back && watched == columns.front()->slider() && scroll->value() > 0) {
        scroll->setValue(scroll->value() - 1);
        columns.front()->spinBox()->setFocus(Qt::BacktabFocusReason);
        return true;
    }
    return false;
}

void admx32_sliders_widget::connectTimeControls()
{
    logConnection(
        connect(rise, &MyTimeEdit::timeChanged, this, &admx32_sliders_widget::chgdRiseTime));
    logConnection(
        connect(last, &MyTimeEdit::timeChanged, this, &admx32_sliders_widget::chgdLastTime));
    logConnection(
        connect(fall, &MyTimeEdit::timeChanged, this, &admx32_sliders_widget::chgdFallTime));
    logConnection(
        connect(infinite, &QCheckBox::stateChanged, this, &admx32_sliders_widget::chgdInfinite));
}

void admx32_sliders_widget::disconnectTimeControls()
{
    disconnect(rise, &MyTimeEdit::timeChanged, this, &admx32_sliders_widget::chgdRiseTime);
    disconnect(last, &MyTimeEdit::timeChanged, this, &admx32_sliders_widget::chgdLastTime);
    disconnect(fall, &MyTimeEdit::timeChanged, this, &admx32_sliders_widget::chgdFallTime);
    disconnect(infinite, &QCheckBox::stateChanged, this, &admx32_sliders_widget::chgdInfinite);
}

void admx32_sliders_widget::setSliders(int firstSliderNumber)
{
    // Compared as unsigned, so negative positions are refused too.
    if (unsigned(firstSliderNumber) > unsigned(LastFirstChannel))
        return;
    first = firstSliderNumber;
    const u8 *image = document.data();
    // Each level echoes back through sCh, which finds it stored already: paging writes nothing.
    for (int i = 0; i < VisibleColumns; ++i) {
        columns[i]->setChannel(first);
        columns[i]->slider()->setValue(level(image, page, step, first + i));
    }
}

void admx32_sliders_widget::sCh(int ch, int val)
{
    if (ch < 1 || ch > ChannelCount)
        return;
    if (level(document.data(), page, step, ch - 1) == val)
        return;
    document.edit({ConfigEdit::Kind::SceneLevel, page, step, ch - 1, this},
                  [&](u8 *image) { setLevel(image, page, step, ch - 1, u8(val)); });
    emit liveNewValue(ch - 1, val);
    if (ch > first && ch <= first + VisibleColumns)
        columns[ch - first - 1]->slider()->setValue(val);
}

void admx32_sliders_widget::setSceneNumber(int sc)
{
    if (sc < 0 || sc >= StepsPerPage)
        return;
    step = sc;
    setSliders(scroll->value());
    emit livePrepareScene(page, sc + 1);
}

void admx32_sliders_widget::refresh()
{
    // Showing the stored times must not write them back.
    disconnectTimeControls();
    setSliders(scroll->value());

    const u8 *image = document.data();
    rise->setTime(fromDeviceTime(stepTime(image, page, step, RiseTime)));

    // A marker is shown held to the editor's maximum, in a disabled editor: this scene's value,
    // not the previous scene's, is what unchecking "Infinite" stores.
    const u16 lastTime = stepTime(image, page, step, LastTime);
    const bool endless = lastTime == LastInfinite;
    last->setTime(fromDeviceTime(lastTime));
    last->setEnabled(!endless);
    infinite->setChecked(endless);

    const u16 fallTime = stepTime(image, page, step, FallTime);
    const bool marker = page != 0 && (fallTime == FallLoop || fallTime == FallNextStep);
    // Steps past the program's end keep whatever fall times they had.
    const bool programsLast = page != 0 && step == ProgramShape::read(image, page).steps - 1;
    lastStep->setChecked(programsLast && fallTime != FallNextStep);
    fall->setTime(fromDeviceTime(fallTime));
    fall->setEnabled(!marker);

    connectTimeControls();
}

void admx32_sliders_widget::storeTime(int field, u16 value)
{
    document.edit({ConfigEdit::Kind::StepTime, page, step, -1, this},
                  [&](u8 *image) { setStepTime(image, page, step, TimeField(field), value); });
}

void admx32_sliders_widget::chgdRiseTime(QTime &time)
{
    storeTime(RiseTime, toDeviceTime(time));
}

void admx32_sliders_widget::chgdLastTime(QTime &time)
{
    storeTime(LastTime, toDeviceTime(time));
}

void admx32_sliders_widget::chgdFallTime(QTime &time)
{
    storeTime(FallTime, toDeviceTime(time));
}

void admx32_sliders_widget::chgdInfinite(int state)
{
    const bool endless = state == Qt::Checked;
    const u16 value = endless ? LastInfinite : toDeviceTime(last->time());
    storeTime(LastTime, value);
    last->setEnabled(!endless);
}
