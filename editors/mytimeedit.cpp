#include "mytimeedit.h"

#include "common/connectlog.h"

#include <QKeyEvent>

MyTimeEdit::MyTimeEdit(QWidget *parent)
    : QTimeEdit(parent)
{
    setDisplayFormat(QStringLiteral("hh:mm:ss.zzz"));
    connectSnapping();
    connect(this, &QAbstractSpinBox::editingFinished, this, &MyTimeEdit::showLargestIfBeyond);
}

namespace {
const QTime longestTyped(23, 59, 59, 900);
} // namespace

void MyTimeEdit::setLargestTime(const QTime &time)
{
    largest = time;
    setTimeRange(QTime(0, 0), hasFocus() ? longestTyped : largest);
    setToolTip(tr("Largest time: %1").arg(time.toString(QStringLiteral("h:mm:ss.z"))));
}

void MyTimeEdit::stepBy(int steps)
{
    QTimeEdit::stepBy(steps);
    showLargestIfBeyond();
}

void MyTimeEdit::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool separator = text.size() == 1 && QStringLiteral(" :.,").contains(text);
    if (separator && movedOnByDigit) {
        movedOnByDigit = false;
        event->accept();
        return;
    }
    const int section = currentSectionIndex();
    QTimeEdit::keyPressEvent(event);
    movedOnByDigit = text.size() == 1 && text.front().isDigit() && currentSectionIndex() != section;
}

void MyTimeEdit::focusInEvent(QFocusEvent *event)
{
    if (largest.isValid())
        setMaximumTime(longestTyped);
    QTimeEdit::focusInEvent(event);
}

void MyTimeEdit::focusOutEvent(QFocusEvent *event)
{
    QTimeEdit::focusOutEvent(event);
    // Qt brings a larger time down to the maximum, and reports it.
    if (largest.isValid())
        setMaximumTime(largest);
}

void MyTimeEdit::connectSnapping()
{
    logConnection(connect(this, &QDateTimeEdit::timeChanged, this, &MyTimeEdit::updateDisplay));
}

void MyTimeEdit::show(const QTime &time)
{
    disconnect(this, &QDateTimeEdit::timeChanged, this, &MyTimeEdit::updateDisplay);
    setTime(time);
    connectSnapping();
}

void MyTimeEdit::showLargestIfBeyond()
{
    if (largest.isValid() && time() > largest)
        show(largest);
}

void MyTimeEdit::updateDisplay(QTime time)
{
    const int ms = time.msec();
    const int r = ms % 100;
    QTime shown = time;
    if (r != 0) {
        // One step from a whole tenth (.300 -> .301 or .299) must land on the next tenth in that
        // direction, so small remainders go up and large ones down. Capped at 900 so that
        // snapping never carries into the seconds.
        int snapped;
        if (ms > 900)
            snapped = 900;
        else if (r > 50)
            snapped = ms - r;
        else
            snapped = ms - r + 100;
        shown = QTime(time.hour(), time.minute(), time.second(), snapped);
        show(shown);
    }
    // While a larger time is being typed the largest is what counts; it is shown once the entry
    // ends, so that the digits still to come go where the user types them.
    if (largest.isValid() && shown > largest)
        shown = largest;
    emit timeChanged(shown);
}
