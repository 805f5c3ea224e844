#pragma once

#include <QObject>

// A device job blocks the GUI thread, so whatever the user clicks or types meanwhile waits in the
// window system's queue and would act on the controls once they are enabled again. flush()
// delivers everything queued (paints, exposes, the bus's word, timers) and drops the input.
class QueuedInputDrop : public QObject
{
public:
    static void flush();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QueuedInputDrop();

    // A dialog opened by something delivered meanwhile runs a loop of its own: its input counts.
    int loopLevel;
};
