#pragma once

#include "prompts.h"

// What answers when no program installed prompts of its own: nobody is there to ask, so nothing
// waits. A box goes to the log as a warning and is answered with its default button (NoButton when
// it has none, which no question takes for a yes), a file dialog is cancelled, and a progress
// dialog runs to its end without being cancelled.
class UnattendedPrompts : public Prompts
{
public:
    Button message(Kind kind, QObject *parent, const QString &title, const QString &text,
                   Buttons buttons, Button defaultButton) override;
    QString openFileName(QObject *parent, const QString &caption, const QString &dir,
                         const QString &filter) override;
    QString saveFileName(QObject *parent, const QString &caption, const QString &dir,
                         const QString &filter) override;
    std::unique_ptr<ProgressPrompt> progress(QObject *parent, const QString &label,
                                             const QString &cancelText, int maximum,
                                             bool autoClose) override;
};
