#pragma once

#include "common/types.h"

// The wire side of live mode, as the live output needs it; the controller implements it.
class LiveLink
{
public:
    virtual ~LiveLink() = default;

    // Live mode was asked for and a controller is open: a scene may be sent (it sets the
    // controller's live mode first when needed).
    virtual bool liveRequested() const = 0;
    // The 64 levels on the controller's outputs at once.
    virtual void sendScene(const u8 *levels) = 0;
    // One channel (0..63) at a level; nothing unless the controller is in live mode.
    virtual void sendLevel(int channel, int level) = 0;
};
