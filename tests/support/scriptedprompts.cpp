#include "scriptedprompts.h"

QMessageBox::StandardButton ScriptedPrompts::message(Kind kind, QWidget *parent,
                                                     const QString &title, const QString &text,
                                                     QMessageBox::StandardButtons,
                                                     QMessageBox::StandardButton defaultButton)
{
    shown.append({kind, parent, title, text});
    if (!answers.isEmpty())
        return answers.takeFirst();
    return defaultButton == QMessageBox::NoButton ? QMessageBox::Ok : defaultButton;
}

QString ScriptedPrompts::openFileName(QWidget *, const QString &caption, const QString &dir,
                                      const QString &filter)
{
    fileDialogs.append({caption, dir, filter});
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QString ScriptedPrompts::saveFileName(QWidget *, const QString &caption, const QString &dir,
                                      const QString &filter)
{
    fileDialogs.append({caption, dir, filter});
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}
