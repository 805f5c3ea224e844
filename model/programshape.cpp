#include "programshape.h"

#include "configlayout.h"

using namespace ConfigLayout;

namespace ProgramShape {

Shape read(const u8 *image, int page)
{
    for (int step = 0; step < StepsPerPage; ++step) {
        const u16 fall = stepTime(image, page, step, FallTime);
        if (fall != FallNextStep)
            return {step + 1, fall == FallLoop ? pgmLoop : pgmNormal};
    }
    return {StepsPerPage, pgmContinued};
}

const char *runModeName(pgmModesType mode)
{
    switch (mode) {
    case pgmLoop:
        return "loop";
    case pgmContinued:
        return "continued";
    case pgmNormal:
        break;
    }
    return "normal";
}

pgmModesType setStepCount(u8 *image, int page, int n, pgmModesType mode)
{
    for (int step = 0; step < n - 1; ++step)
        setStepTime(image, page, step, FallTime, FallNextStep);
    if (n >= StepsPerPage)
        return mode;

    const int last = n - 1;
    switch (mode) {
    case pgmLoop:
        setStepTime(image, page, last, FallTime, FallLoop);
        break;
    case pgmContinued:
        setStepTime(image, page, last, FallTime, 0);
        mode = pgmNormal;
        break;
    case pgmNormal:
        if (stepTime(image, page, last, FallTime) > MaxFallTime)
            setStepTime(image, page, last, FallTime, 0);
        break;
    }
    return mode;
}

void setLoop(u8 *image, int page, int stepCount, bool on)
{
    if (stepCount < 1)
        return;
    const int last = stepCount - 1;
    if (on)
        setStepTime(image, page, last, FallTime, FallLoop);
    else if (stepTime(image, page, last, FallTime) > MaxFallTime)
        setStepTime(image, page, last, FallTime, 0);
}

void setContinued(u8 *image, int page, bool on)
{
    const int last = StepsPerPage - 1;
    if (on) {
        setStepCount(image, page, StepsPerPage, pgmNormal);
        setStepTime(image, page, last, FallTime, FallNextStep);
    } else if (stepTime(image, page, last, FallTime) == FallNextStep) {
        setStepTime(image, page, last, FallTime, 0);
    }
}

} // namespace ProgramShape
