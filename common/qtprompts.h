#pragma once

#include "prompts.h"

// The real dialogs: modal Qt message boxes and file dialogs.
class QtPrompts : public Prompts
{
public:
    QMessageBox::StandardButton message(Kind kind, QWidget *parent, const QString &title,
                                        const QString &text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter) override;
};
