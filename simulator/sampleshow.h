#pragma once

#include <QByteArray>

// A configuration image that shows what the controller can do, for the demo's controller: colour
// scenes for eight RGB fixtures on channels 1 to 24, a looping, a continued and an ending
// program, inputs, remote keys and power-on with actions, the special scene and the remote's
// system address. It keeps every rule of the program, so reading it changes nothing.
QByteArray sampleShowImage();
