#pragma once

#include "prompts.h"

// The real dialogs: modal Qt message boxes, file dialogs and progress dialogs.
class QtPrompts : public Prompts
{
public:
    QMessageBox::StandardButton message(Kind kind, QWidget *parent, const QString &title,
                                        const QString &text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    QMessageBox::StandardButton choose(Kind kind, QWidget *parent, const QString &title,
                                       const QString &text, const QList<Button> &buttons,
                                       QMessageBox::StandardButton defaultButton) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter) override;
    std::unique_ptr<ProgressPrompt> progress(QWidget *parent, const QString &label,
                                             const QString &cancelText, int maximum,
                                             bool autoClose) override;

    // The filter as Qt's own file dialog understands it: it separates patterns with blanks, so
    // "(*.cfgkv;*.cfg)" would match no file at all.
    static QString qtNameFilter(const QString &filter);
};
