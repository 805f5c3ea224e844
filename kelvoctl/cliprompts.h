#pragma once

#include "common/prompts.h"

#include <QList>
#include <QString>

class Console;
class Interrupt;

// The controller's boxes and progress dialogs for a command line: boxes are kept for the
// command to report from (nothing is shown twice), a question gets its default answer (the
// commands give the jobs their answers beforehand), and a progress dialog becomes a bar on
// standard error that Ctrl+C cancels. Installed for its lifetime.
class CliPrompts : public Prompts
{
public:
    struct Box
    {
        Kind kind;
        QString title;
        QString text;
    };

    CliPrompts(Console &console, bool showProgress, const Interrupt *interrupt);
    ~CliPrompts() override;
    CliPrompts(const CliPrompts &) = delete;
    CliPrompts &operator=(const CliPrompts &) = delete;

    QList<Box> boxes;

    Button message(Kind kind, QObject *parent, const QString &title, const QString &text,
                   Buttons buttons, Button defaultButton) override;
    Button choose(Kind kind, QObject *parent, const QString &title, const QString &text,
                  const QList<Choice> &choices, Button defaultButton) override;
    QString openFileName(QObject *, const QString &, const QString &, const QString &) override
    {
        return QString();
    }
    QString saveFileName(QObject *, const QString &, const QString &, const QString &) override
    {
        return QString();
    }
    std::unique_ptr<ProgressPrompt> progress(QObject *parent, const QString &label,
                                             const QString &cancelText, int maximum,
                                             bool autoClose) override;

    // What the command is doing, shown before the bar ("backup KLV0000000A").
    QString task;

private:
    Console &console;
    bool showProgress;
    const Interrupt *interrupt;
    Prompts *previous;
};
