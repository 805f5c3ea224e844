#include "showengine.h"

#include "model/functioncode.h"
#include "showrules.h"

#include <algorithm>

using namespace ConfigLayout;

namespace {

constexpr qint64 MsPerUnit = 100; // the image counts tenths of a second

enum ColourDirection { UpAndDown = 0, Up = 1, Down = -1 };

// From `from` to `to` over `length` ms, at `t` ms into it, rounded to the nearest level.
u8 fade(int from, int to, qint64 t, qint64 length)
{
    if (t >= length || length <= 0)
        return u8(to);
    if (t <= 0)
        return u8(from);
    return u8((from * (length - t) + to * t + length / 2) / length);
}

bool earlier(const ShowEvent &a, const ShowEvent &b)
{
    return a.atMs < b.atMs;
}

} // namespace

ShowEngine::ShowEngine(const QByteArray &configuration)
    : image(configuration.left(ImageSize))
{
    image.resize(ImageSize, char(0xFF)); // a short image plays as a cleared one
    initial.colour
        = {bytes()[SpecialLevelRed], bytes()[SpecialLevelGreen], bytes()[SpecialLevelBlue]};
    cached = initial;
}

void ShowEngine::setEvents(QList<ShowEvent> events)
{
    std::stable_sort(events.begin(), events.end(), earlier);
    eventList = std::move(events);
    cached = initial;
    cachedEvents = 0;
}

void ShowEngine::addEvent(const ShowEvent &event)
{
    const auto at = std::upper_bound(eventList.begin(), eventList.end(), event, earlier);
    const qsizetype index = at - eventList.begin();
    eventList.insert(index, event);
    if (index < cachedEvents) {
        cached = initial;
        cachedEvents = 0;
    }
}

const ShowEngine::State &ShowEngine::stateAt(qint64 ms) const
{
    const auto end = std::upper_bound(eventList.begin(), eventList.end(), ShowEvent {ms}, earlier);
    const qsizetype count = end - eventList.begin();
    if (count < cachedEvents) {
        cached = initial;
        cachedEvents = 0;
    }
    for (; cachedEvents < count; ++cachedEvents)
        apply(cached, eventList[cachedEvents]);
    return cached;
}

ShowEngine::Levels ShowEngine::levelsAt(qint64 ms) const
{
    return levels(stateAt(ms), ms);
}

ShowEngine::Status ShowEngine::statusAt(qint64 ms) const
{
    const State &state = stateAt(ms);
    Status status;
    status.stopped = state.stopped;
    Levels unused;
    for (const SceneLayer &layer : state.scenes)
        status.scenes += sceneLevels(state, layer, ms, unused) ? 1 : 0;
    const ProgramRun &run = state.program;
    if (run.timeline) {
        const ProgramTimeline::Position position = run.timeline->at(programTime(run, ms));
        if (!position.ended) {
            status.program = run.timeline->program();
            status.position = position;
            status.paused = run.pausedAt >= 0;
        }
    }
    return status;
}

void ShowEngine::apply(State &state, const ShowEvent &event) const
{
    const qint64 at = event.atMs;
    settle(state, at);
    switch (event.kind) {
    case ShowEvent::Kind::PowerOn:
        state = initial;
        act(state, bytes()[PowerOnFunc], at);
        return;
    case ShowEvent::Kind::InputClosed:
    case ShowEvent::Kind::InputOpened: {
        const int input = event.number - 1;
        if (input < 0 || input >= InputCount || !inputUsed(bytes(), input))
            return;
        // A normally open contact acts when it closes, a normally closed one when it opens.
        const bool closing = event.kind == ShowEvent::Kind::InputClosed;
        if (closing == inputNormallyOpen(bytes(), input))
            act(state, bytes()[InputFunc + input], at);
        return;
    }
    case ShowEvent::Kind::RemoteKey: {
        const int key = event.number - 1;
        const u8 address = bytes()[RcuSysAddr];
        if (key < 0 || key >= RcuKeyCount || address > MaxRcuSysAddr || address != event.address)
            return;
        act(state, bytes()[RcuKeyFunc + key], at);
        return;
    }
    case ShowEvent::Kind::Action:
        if (event.number >= 0 && event.number <= 0xFF)
            act(state, u8(event.number), at);
        return;
    }
}

void ShowEngine::act(State &state, u8 code, qint64 at) const
{
    const FunctionCode::Decoded decoded = FunctionCode::decode(code);
    const FunctionCode::Group &group = FunctionCode::groups[decoded.group];
    if (decoded.offset >= group.count)
        return; // codes 54..254 and "No action"
    constexpr u8 StartStop = 2;
    if (state.stopped && group.first != StartStop)
        return;
    const int parameter = decoded.offset;
    switch (group.first) {
    case 0:
        loadScene(state, (state.lastScene + 1) % StepsPerPage, at);
        break;
    case 1:
        runProgram(state, state.lastProgram % (PageCount - 1) + 1, at);
        break;
    case StartStop:
        if (state.stopped) {
            state.stopped = false; // and dark until the next action
        } else {
            state.stopped = true;
            state.scenes.clear();
            state.program = ProgramRun();
        }
        break;
    case 3:
        if (!state.program.timeline)
            break;
        if (state.program.pausedAt < 0) {
            state.program.pausedAt = at;
        } else {
            state.program.pausedFor += at - state.program.pausedAt;
            state.program.pausedAt = -1;
        }
        break;
    case 4:
    case 5:
    case 6:
        changeColour(state, group.first - 4, UpAndDown);
        break;
    case 7:
    case 9:
    case 11:
        changeColour(state, (group.first - 7) / 2, Up);
        break;
    case 8:
    case 10:
    case 12:
        changeColour(state, (group.first - 8) / 2, Down);
        break;
    case 13:
        loadScene(state, parameter, at);
        break;
    case 29:
        loadScene(state, Special, at);
        break;
    case 30:
        runProgram(state, parameter + 1, at);
        break;
    case 38:
        toggleScene(state, parameter, at);
        break;
    default:
        break;
    }
}

void ShowEngine::loadScene(State &state, int scene, qint64 at) const
{
    QList<SceneLayer> kept;
    for (SceneLayer &layer : state.scenes) {
        if (layer.scene == scene || layer.scene == Special)
            continue; // started again, or out at once
        if (layer.releasedAt < 0) {
            sceneLevels(state, layer, at, layer.releasedFrom);
            layer.releasedAt = at;
        }
        kept.append(layer);
    }
    kept.append({scene, at});
    state.scenes = kept;
    if (scene != Special)
        state.lastScene = scene;
}

void ShowEngine::toggleScene(State &state, int scene, qint64 at) const
{
    for (qsizetype i = 0; i < state.scenes.size(); ++i) {
        SceneLayer &layer = state.scenes[i];
        if (layer.scene != scene)
            continue;
        if (layer.releasedAt < 0) {
            sceneLevels(state, layer, at, layer.releasedFrom);
            layer.releasedAt = at;
            return;
        }
        state.scenes.removeAt(i);
        break;
    }
    state.scenes.append({scene, at});
}

void ShowEngine::runProgram(State &state, int program, qint64 at) const
{
    ProgramRun run;
    if (!programLevels(state.program, at, run.from))
        run.from.fill(0);
    run.timeline.emplace(bytes(), program);
    run.start = at;
    state.program = run;
    state.lastProgram = program;
}

void ShowEngine::changeColour(State &state, int channel, int direction) const
{
    int &level = state.colour[size_t(channel)];
    int &turn = state.colourDirection[size_t(channel)];
    if (direction == UpAndDown) {
        if (turn > 0 && level >= 255)
            turn = Down;
        else if (turn < 0 && level <= 0)
            turn = Up;
        direction = turn;
    }
    level = std::clamp(level + direction * ShowRules::ColourStep, 0, 255);
}

void ShowEngine::settle(State &state, qint64 ms) const
{
    Levels unused;
    state.scenes.removeIf(
        [&](const SceneLayer &layer) { return !sceneLevels(state, layer, ms, unused); });
    if (state.program.timeline && !programLevels(state.program, ms, unused))
        state.program = ProgramRun();
}

void ShowEngine::stepLevels(int page, int step, Levels &out) const
{
    const u8 *from = bytes() + levelOffset(page, step, 0);
    std::copy(from, from + ChannelCount, out.begin());
}

void ShowEngine::specialLevels(const State &state, Levels &out) const
{
    out.fill(0);
    const int first = bytes()[SpecialFirstChannel];
    const int last = std::min<int>(bytes()[SpecialLastChannel], ChannelCount - 1);
    for (int c = first; c <= last; ++c)
        out[size_t(c)] = u8(state.colour[size_t((c - first) % 3)]);
}

QList<int> ShowEngine::colourTriples() const
{
    QList<int> firsts;
    const int last = std::min<int>(bytes()[SpecialLastChannel], ChannelCount - 1);
    for (int c = bytes()[SpecialFirstChannel]; c + 2 <= last; c += 3)
        firsts << c;
    return firsts;
}

bool ShowEngine::sceneLevels(const State &state, const SceneLayer &layer, qint64 ms,
                             Levels &out) const
{
    Levels target;
    qint64 rise = 0;
    qint64 hold = ProgramTimeline::Forever;
    qint64 fall = 0;
    if (layer.scene == Special) {
        if (layer.releasedAt >= 0 && ms >= layer.releasedAt)
            return false;
        specialLevels(state, target);
        rise = readU16(bytes(), SpecialRiseTime) * MsPerUnit;
    } else {
        stepLevels(0, layer.scene, target);
        rise = stepTime(bytes(), 0, layer.scene, RiseTime) * MsPerUnit;
        const u16 last = stepTime(bytes(), 0, layer.scene, LastTime);
        hold = last == LastInfinite ? ProgramTimeline::Forever : last * MsPerUnit;
        fall = stepTime(bytes(), 0, layer.scene, FallTime) * MsPerUnit;
    }

    if (layer.releasedAt >= 0) {
        const qint64 t = ms - layer.releasedAt;
        if (t >= fall)
            return false;
        for (int c = 0; c < ChannelCount; ++c)
            out[size_t(c)] = fade(layer.releasedFrom[size_t(c)], 0, t, fall);
        return true;
    }
    const qint64 t = ms - layer.start;
    if (t < rise) {
        for (int c = 0; c < ChannelCount; ++c)
            out[size_t(c)] = fade(0, target[size_t(c)], t, rise);
        return true;
    }
    if (hold == ProgramTimeline::Forever || t < rise + hold) {
        out = target;
        return true;
    }
    const qint64 falling = t - rise - hold;
    if (falling >= fall)
        return false;
    for (int c = 0; c < ChannelCount; ++c)
        out[size_t(c)] = fade(target[size_t(c)], 0, falling, fall);
    return true;
}

qint64 ShowEngine::programTime(const ProgramRun &run, qint64 ms)
{
    return (run.pausedAt >= 0 ? run.pausedAt : ms) - run.start - run.pausedFor;
}

bool ShowEngine::programLevels(const ProgramRun &run, qint64 ms, Levels &out) const
{
    if (!run.timeline)
        return false;
    const ProgramTimeline &timeline = *run.timeline;
    const ProgramTimeline::Position at = timeline.at(programTime(run, ms));
    if (at.ended)
        return false;
    const int page = timeline.program();
    const int lastStep = int(timeline.steps().size()) - 1;
    Levels from;
    Levels to;
    qint64 length = 0;
    if (at.fadingOut) {
        stepLevels(page, lastStep, from);
        to.fill(0);
        length = timeline.fall();
    } else {
        if (at.step > 0)
            stepLevels(page, at.step - 1, from);
        else if (at.firstPass)
            from = run.from;
        else
            stepLevels(page, lastStep, from);
        stepLevels(page, at.step, to);
        length = timeline.steps()[at.step].rise;
    }
    for (int c = 0; c < ChannelCount; ++c)
        out[size_t(c)] = fade(from[size_t(c)], to[size_t(c)], at.inStep, length);
    return true;
}

ShowEngine::Levels ShowEngine::levels(const State &state, qint64 ms) const
{
    Levels mixed {};
    if (state.stopped)
        return mixed;
    const bool proportional = bytes()[MixMode] == 0;
    std::array<int, ChannelCount> sum {};
    Levels layer;
    const auto add = [&] {
        for (int c = 0; c < ChannelCount; ++c) {
            if (proportional)
                sum[size_t(c)] += layer[size_t(c)];
            else
                mixed[size_t(c)] = std::max(mixed[size_t(c)], layer[size_t(c)]);
        }
    };
    for (const SceneLayer &scene : state.scenes) {
        if (sceneLevels(state, scene, ms, layer))
            add();
    }
    if (programLevels(state.program, ms, layer))
        add();
    if (proportional) {
        for (int c = 0; c < ChannelCount; ++c)
            mixed[size_t(c)] = u8(std::min(sum[size_t(c)], 255));
    }
    return mixed;
}
