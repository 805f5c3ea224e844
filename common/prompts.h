#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// Every box and file dialog the program shows goes through here, so tests can script the answers.
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
    // An empty result means the user cancelled.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter)
        = 0;
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter)
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
    // Not owned; nullptr restores the Qt dialogs.
    static void install(Prompts *prompts);
};

inline Prompts &prompts()
{
    return Prompts::current();
}
