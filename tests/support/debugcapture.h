#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects the debug lines written while it lives.
class DebugCapture
{
public:
    DebugCapture();
    ~DebugCapture();

    QStringList lines;

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text);
    QtMessageHandler previous;
    DebugCapture *outer;
};
