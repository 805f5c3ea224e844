#pragma once

#include <QFlags>
#include <QList>
#include <QString>

#include <memory>

class QObject;

// A modal progress dialog with Cancel, as the long device jobs show it. Destroying it closes it.
class ProgressPrompt
{
public:
    virtual ~ProgressPrompt() = default;

    virtual void setValue(int value) = 0;
    // Lets the dialog handle pending events first: that is when a Cancel click is noticed, so a
    // job that waits can poll this and stay cancellable.
    virtual bool wasCanceled() = 0;
    virtual void setLabelText(const QString &text) = 0;
    virtual void reset() = 0;
};

// Every box, file dialog and progress dialog the program shows goes through here, so that tests
// can script the answers and a program without windows can answer on its own terms. Qt Core
// only: the dialogs themselves are installed by the program that has a window.
//
// `parent` is the object a dialog belongs to (a window, or null). It is handed on to whoever
// shows the dialog and never used here.
class Prompts
{
public:
    enum class Kind { Information, Warning, Critical, Question };

    // The buttons of a box, and the answer: which one was pressed. The values are the ones Qt's
    // message boxes use, so that a dialog can pass them through.
    enum Button {
        NoButton = 0x00000000,
        Ok = 0x00000400,
        Save = 0x00000800,
        Open = 0x00002000,
        Yes = 0x00004000,
        YesToAll = 0x00008000,
        No = 0x00010000,
        Abort = 0x00040000,
        Retry = 0x00080000,
        Ignore = 0x00100000,
        Close = 0x00200000,
        Cancel = 0x00400000,
        Discard = 0x00800000,
    };
    Q_DECLARE_FLAGS(Buttons, Button)

    // A button of a box that carries the program's own text; the answer is its role.
    struct Choice
    {
        Button role;
        QString text;
    };

    virtual ~Prompts() = default;

    virtual Button message(Kind kind, QObject *parent, const QString &title, const QString &text,
                           Buttons buttons = Ok, Button defaultButton = NoButton)
        = 0;
    // A box whose buttons show their own texts instead of the standard ones. Unless overridden
    // it is the plain message() with the roles, which is what scripted prompts record.
    virtual Button choose(Kind kind, QObject *parent, const QString &title, const QString &text,
                          const QList<Choice> &choices, Button defaultButton);
    // An empty result means the user cancelled.
    virtual QString openFileName(QObject *parent, const QString &caption, const QString &dir,
                                 const QString &filter)
        = 0;
    virtual QString saveFileName(QObject *parent, const QString &caption, const QString &dir,
                                 const QString &filter)
        = 0;
    // Shown at once, modal, at 0 of 0..maximum. With autoClose it hides and resets itself when
    // the value reaches maximum.
    virtual std::unique_ptr<ProgressPrompt> progress(QObject *parent, const QString &label,
                                                     const QString &cancelText, int maximum,
                                                     bool autoClose)
        = 0;

    void critical(QObject *parent, const QString &title, const QString &text)
    {
        message(Kind::Critical, parent, title, text);
    }
    void warning(QObject *parent, const QString &title, const QString &text)
    {
        message(Kind::Warning, parent, title, text);
    }
    void information(QObject *parent, const QString &title, const QString &text)
    {
        message(Kind::Information, parent, title, text);
    }

    // The prompts in force. Until a program installs its own these are unattended prompts: a box
    // is logged as a warning and answered with its default button, a file dialog is
    // cancelled and a progress dialog is never cancelled.
    static Prompts &current();
    // Not owned; nullptr restores the unattended prompts. Returns the prompts installed before,
    // so that whoever installs some can put the previous ones back.
    static Prompts *install(Prompts *prompts);
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Prompts::Buttons)

inline Prompts &prompts()
{
    return Prompts::current();
}
