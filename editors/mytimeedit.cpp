#include "mytimeedit.h"

#include "common/connectlog.h"

MyTimeEdit::MyTimeEdit(QWidget *parent)
    : QTimeEdit(parent)
{
    setDisplayFormat(QStringLiteral("hh:mm:ss.zzz"));
    connectSnapping();
}

void MyTimeEdit::connectSnapping()
{
    logConnection(connect(this, &QDateTimeEdit::timeChanged, this, &MyTimeEdit::updateDisplay));
}

void MyTimeEdit::updateDisplay(QTime time)
{
    const int ms = time.msec();
    const int r = ms % 100;
    if (r == 0) {
        emit timeChanged(time);
        return;
    }
    // One step from a whole tenth (.300 -> .301 or .299) must land on the next tenth in that
    // direction, so small remainders go up and large ones down. Capped at 900 so that snapping
    // never carries into the seconds.
    int snapped;
    if (ms > 900)
        snapped = 900;
    else if (r > 50)
        snapped = ms - r;
    else
        snapped = ms - r + 100;

    QTime shown(time.hour(), time.minute(), time.second(), snapped);
    disconnect(this, &QDateTimeEdit::timeChanged, this, &MyTimeEdit::updateDisplay);
    setTime(shown);
    connectSnapping();
    emit timeChanged(shown);
}
