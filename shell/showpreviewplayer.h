#pragma once

#include "show/showengine.h"

#include <QObject>
#include <QTimer>

#include <memory>

// Plays a configuration for the window's preview: the show engine on the clock seam's time, at
// a speed, with pause. It plays a copy of the image and never reaches the controller. While it
// plays a timer asks for a frame at the display's rate; paused or stopped, nothing runs.
class ShowPreviewPlayer : public QObject
{
    Q_OBJECT

public:
    enum class State { Stopped, Playing, Paused };

    static constexpr int MaxSpeed = 10;

    explicit ShowPreviewPlayer(QObject *parent = nullptr);
    ~ShowPreviewPlayer() override;

    // Another configuration to play from now on: the time and the events so far stay.
    void setImage(const QByteArray &image);
    // What a play from the start begins with (loading a scene, power-on ...), at time 0.
    void setOpening(const QList<ShowEvent> &events);

    void play();
    void pause();
    // Back to the start, dark; the events made while playing are forgotten.
    void stop();
    // From the start again, playing.
    void restart();
    // 1..MaxSpeed times the clock.
    void setSpeed(int factor);
    int speed() const { return factor; }
    // Milliseconds between two frames while playing.
    void setFrameInterval(int ms);
    int frameInterval() const { return timer.interval(); }

    // Something happens at the controller now: `event`'s time is set to now. A stopped player
    // starts from the beginning first, so that a button pressed in a stopped preview plays.
    void happen(ShowEvent event);

    State state() const { return current; }
    // Where the show is, in milliseconds from its start.
    qint64 time() const;
    ShowEngine::Levels levels() const;
    ShowEngine::Status status() const;
    // The configuration being played; null before the first image.
    const ShowEngine *engine() const { return player.get(); }
    bool ticking() const { return timer.isActive(); }

signals:
    // Something to show: a frame while playing, or a change of state, time or configuration.
    void changed();

private:
    void fromStart();
    // The show time becomes the base from which the clock counts on.
    void rebase(qint64 showTime);

    std::unique_ptr<ShowEngine> player;
    QList<ShowEvent> opening;
    State current = State::Stopped;
    int factor = 1;
    qint64 baseShow = 0; // show time when the clock read baseClock
    qint64 baseClock = 0;
    QTimer timer;
};
