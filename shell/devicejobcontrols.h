#pragma once

// The window's controls that start a device job, by object name: while one job runs they are
// disabled together. The window and its tests read this one list.
namespace DeviceJobControls {

inline constexpr const char *buttons[] = {
    "pbSendConf",   "pbReadConf", "pbConnect",   "pbReset",      "btnKeyFromDev",
    "btnRcFromDev", "btnGetRcu",  "btnSend2Rcu", "btnAcceptAdr", "btnGenerate",
};
// These also need a connected controller that is not in its firmware loader.
inline constexpr const char *modeButtons[] = {"pbLiveMode", "pbNormalMode"};

} // namespace DeviceJobControls
