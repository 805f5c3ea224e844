#pragma once

#include "common/types.h"
#include "model/configlayout.h"
#include "programtimeline.h"
#include "showevent.h"

#include <QByteArray>
#include <QList>

#include <array>
#include <optional>

// Plays a configuration as the controller would: from the image and the events so far, the 64
// output levels at any time. The same image and events give the same levels at the same time,
// whatever times were asked before. Where the controller's behaviour is not described, the
// rules of showrules.h decide.
class ShowEngine
{
public:
    using Levels = std::array<u8, ConfigLayout::ChannelCount>;

    // What runs at a time, for a display beside the levels.
    struct Status
    {
        bool stopped = false;
        int program = 0; // 1..8, 0: none
        ProgramTimeline::Position position;
        bool paused = false;
        int scenes = 0; // scenes on the outputs (rising, holding or falling), the special one too
    };

    // A copy of the image (ConfigLayout::ImageSize bytes) is played.
    explicit ShowEngine(const QByteArray &image);

    // The events, in any order; those at the same time take effect in the order given.
    void setEvents(QList<ShowEvent> events);
    // One more event, at or after the latest so far.
    void addEvent(const ShowEvent &event);
    const QList<ShowEvent> &events() const { return eventList; }

    Levels levelsAt(qint64 ms) const;
    Status statusAt(qint64 ms) const;

    // The 0-based first channels of the whole red, green, blue triples the special scene lights.
    QList<int> colourTriples() const;

private:
    static constexpr int Special = ConfigLayout::StepsPerPage; // the special scene's layer

    struct SceneLayer
    {
        int scene = 0; // 0..15, or Special
        qint64 start = 0;
        qint64 releasedAt = -1; // its fall began early; -1: it runs its own course
        Levels releasedFrom {};
    };

    struct ProgramRun
    {
        std::optional<ProgramTimeline> timeline;
        qint64 start = 0;
        Levels from {};
        qint64 pausedAt = -1;
        qint64 pausedFor = 0;
    };

    struct State
    {
        bool stopped = false;
        QList<SceneLayer> scenes;
        ProgramRun program;
        std::array<int, 3> colour {}; // the special scene's red, green, blue
        std::array<int, 3> colourDirection {1, 1, 1};
        int lastScene = -1;
        int lastProgram = 0;
    };

    // The state once every event up to `ms` took effect.
    const State &stateAt(qint64 ms) const;
    void apply(State &state, const ShowEvent &event) const;
    void act(State &state, u8 code, qint64 at) const;
    void loadScene(State &state, int scene, qint64 at) const;
    void toggleScene(State &state, int scene, qint64 at) const;
    void runProgram(State &state, int program, qint64 at) const;
    void changeColour(State &state, int channel, int direction) const;

    Levels levels(const State &state, qint64 ms) const;
    // One layer's levels, and whether it still lights anything.
    bool sceneLevels(const State &state, const SceneLayer &layer, qint64 ms, Levels &out) const;
    bool programLevels(const ProgramRun &run, qint64 ms, Levels &out) const;
    static qint64 programTime(const ProgramRun &run, qint64 ms);
    void stepLevels(int page, int step, Levels &out) const;
    void specialLevels(const State &state, Levels &out) const;
    // Drops the layers that are over by `ms`.
    void settle(State &state, qint64 ms) const;

    QByteArray image;
    const u8 *bytes() const { return reinterpret_cast<const u8 *>(image.constData()); }
    QList<ShowEvent> eventList;
    State initial;
    // Frames are asked for in order: the state after the events applied so far is kept.
    mutable State cached;
    mutable qsizetype cachedEvents = 0;
};
