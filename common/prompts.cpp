#include "prompts.h"

#include "qtprompts.h"

#include <QFileDialog>

namespace {
Prompts *installedPrompts = nullptr;
}

Prompts &Prompts::current()
{
    static QtPrompts qtPrompts;
    return installedPrompts ? *installedPrompts : qtPrompts;
}

void Prompts::install(Prompts *prompts)
{
    installedPrompts = prompts;
}

QMessageBox::StandardButton QtPrompts::message(Kind kind, QWidget *parent, const QString &title,
                                               const QString &text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (kind) {
    case Kind::Information:
        icon = QMessageBox::Information;
        break;
    case Kind::Warning:
        icon = QMessageBox::Warning;
        break;
    case Kind::Critical:
        icon = QMessageBox::Critical;
        break;
    case Kind::Question:
        icon = QMessageBox::Question;
        break;
    }
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString QtPrompts::openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString QtPrompts::saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}
