#include "debugcapture.h"

#include "common/debuglog.h"

#include <cstring>

namespace {
DebugCapture *active = nullptr;
}

DebugCapture::DebugCapture()
    : previous(qInstallMessageHandler(&DebugCapture::handler))
    , outer(active)
    , wasEnabled(lcKelvo().isDebugEnabled())
{
    active = this;
    // The category object itself is not const; Qt only hands out const references to it.
    const_cast<QLoggingCategory &>(lcKelvo()).setEnabled(QtDebugMsg, true);
}

DebugCapture::~DebugCapture()
{
    const_cast<QLoggingCategory &>(lcKelvo()).setEnabled(QtDebugMsg, wasEnabled);
    active = outer;
    qInstallMessageHandler(previous);
}

void DebugCapture::handler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (active && type == QtDebugMsg && context.category
        && std::strcmp(context.category, lcKelvo().categoryName()) == 0)
        active->lines << text;
}
