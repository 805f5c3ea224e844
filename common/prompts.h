#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

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

// Every box, file dialog and progress dialog the program shows goes through here, so tests can
// script the answers.
class Prompts
{
public:
    enum class Kind { Information, Warning, Critical, Question };

    virtual ~Prompts() = default;

    virtual QMessageBox::StandardButton
    message(Kind kind, QWidget *parent, const QString &title, const QString &text,
            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton)
        = 0;
    // A button of a box that carries the program's own text; the answer is its role.
    struct Button
    {
        QMessageBox::StandardButton role;
        QString text;
    };
    // A box whose buttons show their own texts instead of Qt's standard ones. Unless overridden
    // it is the plain message() with the roles, which is what scripted prompts record.
    virtual QMessageBox::StandardButton choose(Kind kind, QWidget *parent, const QString &title,
                                               const QString &text, const QList<Button> &buttons,
                                               QMessageBox::StandardButton defaultButton);
    // An empty result means the user cancelled.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter)
        = 0;
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter)
        = 0;
    // Shown at once, modal, at 0 of 0..maximum. With autoClose it hides and resets itself when
    // the value reaches maximum.
    virtual std::unique_ptr<ProgressPrompt> progress(QWidget *parent, const QString &label,
                                                     const QString &cancelText, int maximum,
                                                     bool autoClose)
        = 0;

    void critical(QWidget *parent, const QString &title, const QString &text)
    {
        message(Kind::Critical, parent, title, text);
    }
    void warning(QWidget *parent, const QString &title, const QString &text)
    {
        message(Kind::Warning, parent, title, text);
    }
    void information(QWidget *parent, const QString &title, const QString &text)
    {
        message(Kind::Information, parent, title, text);
    }

    // The prompts in force; the Qt dialogs unless a test installed its own.
    static Prompts &current();
    // Not owned; nullptr restores the Qt dialogs. Returns the prompts installed before, so that
    // whoever installs some can put the previous ones back.
    static Prompts *install(Prompts *prompts);
};

inline Prompts &prompts()
{
    return Prompts::current();
}
