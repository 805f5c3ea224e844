#pragma once

#include "common/types.h"

#include <QByteArray>
#include <QObject>

class ConfigDocument;
class LiveLink;
struct ConfigEdit;

// The one place that decides what the controller shows in live mode. A page says what it shows
// (a step of a page, the special scene) and the scene editor each level it changes there; the
// levels come from the document, and its edits reach the controller as they are made: a
// special-scene colour spread over its channels, a snapshot put back (undo, redo) as the whole
// scene.
class LiveOutput : public QObject
{
    Q_OBJECT

public:
    // The prepare request's name for the special scene: page 0, step 16.
    static constexpr int SpecialScenePage = 0;
    static constexpr int SpecialSceneStep = 16;

    LiveOutput(ConfigDocument &document, LiveLink &link, QObject *parent = nullptr);

    // The 64 levels shown for a page (0 independent scenes, 1..8 programs) and a step counted
    // from 1: (0, 16) is the special scene, a step below 0 a blackout, step 0 the first step.
    void levels(int page, int step, u8 *into) const;

public slots:
    // What the page on screen shows; in live mode the controller shows it at once.
    void showStep(int page, int step);
    void showSpecialScene() { showStep(SpecialScenePage, SpecialSceneStep); }
    // A channel (0..63) of the step shown now has this level: the scene editor's liveNewValue.
    void showLevel(int channel, int level);
    // Sends what is shown again (another image is in place).
    void resend();

private:
    void edited(const ConfigEdit &edit, const QByteArray &before);

    ConfigDocument &document;
    LiveLink &link;
    int shownPage = 0;
    int shownStep = 1;
};
