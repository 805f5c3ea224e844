#include "debugcapture.h"

namespace {
DebugCapture *active = nullptr;
}

DebugCapture::DebugCapture()
    : previous(qInstallMessageHandler(&DebugCapture::handler))
    , outer(active)
{
    active = this;
}

DebugCapture::~DebugCapture()
{
    active = outer;
    qInstallMessageHandler(previous);
}

void DebugCapture::handler(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (active && type == QtDebugMsg)
        active->lines << text;
}
