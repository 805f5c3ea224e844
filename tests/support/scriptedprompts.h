#pragma once

#include "common/prompts.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <memory>

// Records every prompt and answers from a script instead of showing a dialog. Installs itself
// for its lifetime and then puts back what was installed before.
class ScriptedPrompts : public Prompts
{
public:
    struct Shown
    {
        Kind kind;
        QObject *parent;
        QString title;
        QString text;
        QStringList buttons; // own button texts, for boxes asked with choose()
    };

    // Everything one progress dialog was asked to do.
    struct Progress
    {
        QObject *parent = nullptr;
        QString label;
        QString cancelText;
        int maximum = 0;
        bool autoClose = false;
        QList<int> values;
        QStringList labels; // later label changes
        int resets = 0;
        bool closed = false; // destroyed
    };

    ScriptedPrompts()
        : previous(Prompts::install(this))
    { }
    ~ScriptedPrompts() override { Prompts::install(previous); }

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

    QList<Shown> shown;
    // Answers to questions, taken in order; Ok or the default button once it runs out.
    QList<Button> answers;

    // File names the next dialogs return, in order; empty string = Cancel.
    QStringList fileNames;
    // What the file dialogs were asked: caption, start directory, filter.
    QList<QStringList> fileDialogs;
    // Every progress dialog shown, in order.
    QList<Progress> progressDialogs;
    // The user presses Cancel once a progress dialog has been set to this value (-1: never).
    int cancelAtValue = -1;
    // Progress dialogs come from these prompts instead (not recorded): the real dialogs, for what
    // they do with events.
    Prompts *progressFrom = nullptr;
    // Runs whenever a box is shown and whenever a progress dialog is updated or asked for
    // Cancel: what the user does meanwhile.
    std::function<void()> duringPrompt;

private:
    Prompts *previous;
};
