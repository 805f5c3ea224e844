#pragma once

#include "common/prompts.h"

#include <QList>
#include <QStringList>

// Records every prompt and answers from a script instead of showing a dialog.
class ScriptedPrompts : public Prompts
{
public:
    struct Shown
    {
        Kind kind;
        QWidget *parent;
        QString title;
        QString text;
    };

    ScriptedPrompts() { Prompts::install(this); }
    ~ScriptedPrompts() override { Prompts::install(nullptr); }

    QMessageBox::StandardButton message(Kind kind, QWidget *parent, const QString &title,
                                        const QString &text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter) override;

    QList<Shown> shown;
    // Answers to questions, taken in order; Ok or the default button once it runs out.
    QList<QMessageBox::StandardButton> answers;
    // File names the next dialogs return, in order; empty string = Cancel.
    QStringList fileNames;
    // What the file dialogs were asked: caption, start directory, filter.
    QList<QStringList> fileDialogs;
};
