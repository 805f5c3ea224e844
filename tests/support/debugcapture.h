#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects the program's debug lines written while it lives; the category they go to is
// enabled for that time.
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
    bool wasEnabled;
};
