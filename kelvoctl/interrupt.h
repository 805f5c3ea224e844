#pragma once

#include <QString>

#include <atomic>
#include <list>
#include <string>

// Ctrl+C while a command runs. The first press asks the running job to stop where it safely can
// and is acknowledged at once with what will happen; a second press ends the program at once and
// is told what that leaves behind. The job keeps both notices up to date as it goes; press() and
// notice() may be called from a signal handler.
class Interrupt
{
public:
    // Counts a press; how many there were, this one included.
    int press() noexcept;
    bool pressed() const noexcept { return presses.load() > 0; }

    // What the user is told on the first press, and on a second one that ends the program; each a
    // line, or empty for nothing. Not for a signal handler.
    void setNotices(const QString &first, const QString &second);
    // The notice for press number `press` (1 or 2 and later), as bytes with their length; valid
    // for this object's lifetime.
    const std::string &notice(int press) const noexcept;

private:
    std::atomic<int> presses {0};
    std::atomic<const std::string *> first {&none};
    std::atomic<const std::string *> second {&none};
    // Every notice ever set: a handler may still be reading one that was replaced.
    std::list<std::string> kept;
    static const std::string none;
};
