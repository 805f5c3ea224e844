#include "prompts.h"

#include "qtprompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QIcon>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>

#include <utility>

namespace {

Prompts *installedPrompts = nullptr;

QMessageBox::Icon iconOf(Prompts::Kind kind)
{
    switch (kind) {
    case Prompts::Kind::Information:
        return QMessageBox::Information;
    case Prompts::Kind::Warning:
        return QMessageBox::Warning;
    case Prompts::Kind::Critical:
        return QMessageBox::Critical;
    case Prompts::Kind::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

class QtProgress : public ProgressPrompt
{
public:
    QtProgress(QWidget *parent, const QString &label, const QString &cancelText, int maximum,
               bool autoClose)
        : dialog(new QProgressDialog(label, cancelText, 0, maximum, parent))
    {
        dialog->hide();
        dialog->setValue(0);
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->setAutoClose(autoClose);
        dialog->setAutoReset(autoClose);
        dialog->setWindowIcon(QIcon(QStringLiteral(":/xl_sh.png")));
        dialog->show();
    }
    ~QtProgress() override { delete dialog; }

    // Events are only processed while the dialog is shown: once it hides (cancelled, or reset at
    // the end) the window is no longer blocked, and a queued click would start another job inside
    // the running one. A modal QProgressDialog processes events in setValue() itself.
    void setValue(int value) override
    {
        if (dialog && dialog->isVisible())
            dialog->setValue(value);
    }
    bool wasCanceled() override
    {
        if (dialog && dialog->isVisible())
            QCoreApplication::processEvents();
        return dialog && dialog->wasCanceled();
    }
    void setLabelText(const QString &text) override
    {
        if (!dialog)
            return;
        dialog->hide();
        dialog->setLabelText(text);
        dialog->show();
    }
    void reset() override
    {
        if (dialog)
            dialog->reset();
    }

private:
    // Guarded: a parent that goes away takes the dialog with it.
    QPointer<QProgressDialog> dialog;
};

} // namespace

Prompts &Prompts::current()
{
    static QtPrompts qtPrompts;
    return installedPrompts ? *installedPrompts : qtPrompts;
}

QMessageBox::StandardButton Prompts::choose(Kind kind, QWidget *parent, const QString &title,
                                            const QString &text, const QList<Button> &buttons,
                                            QMessageBox::StandardButton defaultButton)
{
    QMessageBox::StandardButtons roles;
    for (const Button &button : buttons)
        roles |= button.role;
    return message(kind, parent, title, text, roles, defaultButton);
}

Prompts *Prompts::install(Prompts *prompts)
{
    return std::exchange(installedPrompts, prompts);
}

QMessageBox::StandardButton QtPrompts::message(Kind kind, QWidget *parent, const QString &title,
                                               const QString &text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(iconOf(kind), title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton QtPrompts::choose(Kind kind, QWidget *parent, const QString &title,
                                              const QString &text, const QList<Button> &buttons,
                                              QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(iconOf(kind), title, text, QMessageBox::NoButton, parent);
    for (const Button &button : buttons)
        box.addButton(button.role)->setText(button.text);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString QtPrompts::qtNameFilter(const QString &filter)
{
    // Only the pattern list in the parentheses that end each filter changes.
    static const QRegularExpression patterns(QStringLiteral("\\(([^()]*)\\)(?=;;|$)"));
    QString result = filter;
    for (auto it = patterns.globalMatch(filter); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        for (qsizetype i = m.capturedStart(1); i < m.capturedEnd(1); ++i) {
            if (result[i] == QLatin1Char(';'))
                result[i] = QLatin1Char(' ');
        }
    }
    return result;
}

QString QtPrompts::openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, qtNameFilter(filter));
}

QString QtPrompts::saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, qtNameFilter(filter));
}

std::unique_ptr<ProgressPrompt> QtPrompts::progress(QWidget *parent, const QString &label,
                                                    const QString &cancelText, int maximum,
                                                    bool autoClose)
{
    return std::make_unique<QtProgress>(parent, label, cancelText, maximum, autoClose);
}
