#pragma once

#include <QMetaType>

// What one edit of the configuration changed, in the user's terms: for undo texts, and so that
// consecutive changes made by one control (a slider being dragged) can count as one.
struct ConfigEdit
{
    enum class Kind {
        SceneLevel, // page, step, channel (all 0-based; page 0 holds the scenes)
        StepTime, // page, step
        ProgramShape, // page: step count, loop or run-on
        Steps, // page: steps inserted, deleted or moved
        Copy, // scenes, programs or steps copied
        Clear, // parts of the configuration cleared
        Action, // an input's, a remote key's or the power-on action: index is the row
        ContactMode, // index is the input
        SpecialScene,
        Setting, // preview channels, mix mode
        RemoteAddress,
        FileRead,
        ControllerRead,
        Restore, // a snapshot put back
    };

    Kind kind = Kind::Restore;
    int page = -1;
    int step = -1;
    int index = -1;
    // The control that made the edit, never dereferenced: the same control twice in a row is one
    // gesture. Null for edits that stand alone.
    const void *source = nullptr;
};

Q_DECLARE_METATYPE(ConfigEdit)
