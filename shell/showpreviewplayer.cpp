#include "showpreviewplayer.h"

#include "common/clock.h"

ShowPreviewPlayer::ShowPreviewPlayer(QObject *parent)
    : QObject(parent)
{
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(16);
    connect(&timer, &QTimer::timeout, this, &ShowPreviewPlayer::changed);
}

ShowPreviewPlayer::~ShowPreviewPlayer() = default;

void ShowPreviewPlayer::setImage(const QByteArray &image)
{
    QList<ShowEvent> events = player ? player->events() : opening;
    player = std::make_unique<ShowEngine>(image);
    player->setEvents(std::move(events));
    emit changed();
}

void ShowPreviewPlayer::setOpening(const QList<ShowEvent> &events)
{
    opening = events;
}

void ShowPreviewPlayer::rebase(qint64 showTime)
{
    baseShow = showTime;
    baseClock = Clock::current().now();
}

qint64 ShowPreviewPlayer::time() const
{
    if (current != State::Playing)
        return baseShow;
    return baseShow + (Clock::current().now() - baseClock) * factor;
}

void ShowPreviewPlayer::fromStart()
{
    if (player)
        player->setEvents(opening);
    rebase(0);
}

void ShowPreviewPlayer::play()
{
    if (current == State::Playing)
        return;
    if (current == State::Stopped)
        fromStart();
    else
        rebase(baseShow);
    current = State::Playing;
    timer.start();
    emit changed();
}

void ShowPreviewPlayer::pause()
{
    if (current != State::Playing)
        return;
    rebase(time());
    current = State::Paused;
    timer.stop();
    emit changed();
}

void ShowPreviewPlayer::stop()
{
    current = State::Stopped;
    timer.stop();
    fromStart();
    emit changed();
}

void ShowPreviewPlayer::restart()
{
    current = State::Stopped;
    play();
}

void ShowPreviewPlayer::setSpeed(int speed)
{
    speed = qBound(1, speed, MaxSpeed);
    if (speed == factor)
        return;
    rebase(time());
    factor = speed;
}

void ShowPreviewPlayer::setFrameInterval(int ms)
{
    timer.setInterval(qMax(1, ms));
}

void ShowPreviewPlayer::happen(ShowEvent event)
{
    if (!player)
        return;
    if (current == State::Stopped)
        play();
    event.atMs = time();
    player->addEvent(event);
    emit changed();
}

ShowEngine::Levels ShowPreviewPlayer::levels() const
{
    if (!player || current == State::Stopped)
        return {};
    return player->levelsAt(time());
}

ShowEngine::Status ShowPreviewPlayer::status() const
{
    if (!player || current == State::Stopped)
        return {};
    return player->statusAt(time());
}
