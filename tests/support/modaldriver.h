#pragma once

#include <QApplication>
#include <QObject>
#include <QTimer>

#include <functional>

// Acts on a modal dialog once the event loop shows it, the way Qt's own tests drive them: a timer
// that looks for QApplication::activeModalWidget().
class ModalDriver : public QObject
{
public:
    // `act` runs on the active modal dialog of type T: the first time it is there, or with
    // `everyTime` whenever it is (until stop()).
    template<class T> void when(std::function<void(T *)> act, bool everyTime = false)
    {
        timer.disconnect();
        connect(&timer, &QTimer::timeout, this, [this, act, everyTime] {
            if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
                if (!everyTime)
                    timer.stop();
                act(dialog);
            }
        });
        timer.start(0);
    }
    void stop()
    {
        timer.stop();
        timer.disconnect();
    }

private:
    QTimer timer;
};
