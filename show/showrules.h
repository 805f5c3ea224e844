#pragma once

// How the preview plays what the controller's description leaves open. Each rule is one line
// with its reason; the numbers the engine uses for them are beside the table, and the README's
// "How the preview plays a show" lists the same rules for users with a real controller.
namespace ShowRules {

struct Rule
{
    const char *topic;
    const char *rule;
    const char *reason;
};

// A colour key changes its channel of the special scene by this much (of 255).
constexpr int ColourStep = 16;

inline constexpr Rule table[] = {
    {"Mixing, standard", "the highest level of everything running wins, channel by channel",
     "the mode's own name: bigger wins"},
    {"Mixing, proportional", "the levels of everything running add up, at most 255",
     "each scene lights a channel in proportion to its level"},
    {"Load a scene", "scenes on the outputs fade out over their fall times; the new one fades in",
     "load replaces, toggle adds: the two groups would be the same otherwise"},
    {"Toggle a scene", "a scene that is on fades out over its fall time, one that is off starts",
     "the other scenes and the program stay as they are"},
    {"A scene's fall", "starts from the level the scene has at that moment",
     "no jump when a scene is switched off while it rises"},
    {"Next scene, next program", "count on from the last one loaded; after 16 (or 8) comes 1",
     "a key pressed over and over goes round all of them"},
    {"A new program", "replaces the running one and fades from its levels into its first step",
     "the controller has one program position"},
    {"A program's first step", "fades from dark the first time, later from the last step",
     "nothing else is known before the program runs"},
    {"Continued", "after step 16 comes step 1 again, without an end",
     "step 16's marker says a step follows and a program has no 17th"},
    {"Steps that take no time", "a loop whose steps all take no time holds its first step",
     "it would otherwise go round without end in no time"},
    {"Pause", "freezes the program where it is, in the middle of a fade too; resume goes on",
     "nothing is lost or skipped by a pause"},
    {"Special scene",
     "its red, green and blue go to the channel triples from its first channel "
     "up to its last, over its rise time, and stay until a scene is loaded",
     "the same every-third-channel spread as the controller's live mode"},
    {"Special scene, out", "goes out at once when a scene is loaded", "it has no fall time"},
    {"Colour keys", "change the special scene's red, green or blue by 16 of 255, at once",
     "sixteen presses go from dark to full"},
    {"Colour up/down keys", "go up to 255, then down to 0, then up again",
     "one key both ways, turning at the ends"},
    {"Start/stop",
     "stop puts every output out and ignores every other action until start; "
     "start begins dark",
     "start says nothing of what to play"},
    {"Codes 54 to 254", "do nothing", "there are no scenes 17 and up to toggle"},
    {"Before power-on", "the outputs are dark and actions work as after it",
     "the preview may start anywhere"},
};

} // namespace ShowRules
