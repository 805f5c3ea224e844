#include "programtimeline.h"

#include "model/configlayout.h"
#include "model/programshape.h"

using namespace ConfigLayout;

namespace {
constexpr qint64 MsPerUnit = 100; // the image counts tenths of a second
} // namespace

ProgramTimeline::ProgramTimeline(const u8 *image, int program)
    : number(program)
{
    const ProgramShape::Shape shape = ProgramShape::read(image, program);
    for (int s = 0; s < shape.steps; ++s) {
        Step step;
        step.rise = stepTime(image, program, s, RiseTime) * MsPerUnit;
        const u16 last = stepTime(image, program, s, LastTime);
        step.hold = last == LastInfinite ? Forever : last * MsPerUnit;
        stepList.append(step);
        if (pass != Forever)
            pass = step.hold == Forever ? Forever : pass + step.rise + step.hold;
    }
    if (shape.mode == pgmLoop)
        ending = End::Loop;
    else if (shape.mode == pgmContinued)
        ending = End::Continued;
    else
        fallMs = stepTime(image, program, shape.steps - 1, FallTime) * MsPerUnit;
}

ProgramTimeline::Position ProgramTimeline::within(qint64 ms, bool firstPass) const
{
    Position at;
    at.firstPass = firstPass;
    for (int s = 0; s < stepList.size(); ++s) {
        const Step &step = stepList[s];
        at.step = s;
        if (step.hold == Forever || ms < step.rise + step.hold) {
            at.inStep = ms;
            return at;
        }
        ms -= step.rise + step.hold;
    }
    // Past the last step: only a program that ends gets here.
    at.fadingOut = true;
    at.inStep = ms;
    at.ended = ms >= fallMs;
    return at;
}

ProgramTimeline::Position ProgramTimeline::at(qint64 ms) const
{
    ms = qMax<qint64>(0, ms);
    if (pass == Forever || ending == End::FadeOut || ms < pass)
        return within(ms, true);
    if (pass == 0)
        return within(0, true); // a loop that takes no time holds its first step
    // Every pass after the first is the same: where in it is a remainder, not a sum of frames.
    return within((ms - pass) % pass, false);
}
