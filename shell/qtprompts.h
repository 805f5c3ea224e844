#pragma once

#include "common/prompts.h"

// The real dialogs: modal Qt message boxes, file dialogs and progress dialogs. The program and
// the demo install them at start-up.
class QtPrompts : public Prompts
{
public:
    Button message(Kind kind, QObject *parent, const QString &title, const QString &text,
                   Buttons buttons, Button defaultButton) override;
    Button choose(Kind kind, QObject *parent, const QString &title, const QString &text,
                  const QList<Choice> &choices, Button defaultButton) override;
    QString openFileName(QObject *parent, const QString &caption, const QString &dir,
                         const QString &filter) override;
    QString saveFileName(QObject *parent, const QString &caption, const QString &dir,
                         const QString &filter) override;
    std::unique_ptr<ProgressPrompt> progress(QObject *parent, const QString &label,
                                             const QString &cancelText, int maximum,
                                             bool autoClose) override;

    // The filter as Qt's own file dialog understands it: it separates patterns with blanks, so
    // "(*.cfgkv;*.cfg)" would match no file at all.
    static QString qtNameFilter(const QString &filter);
};
