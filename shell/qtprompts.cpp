#include "qtprompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>

namespace {

// The seam's buttons are Qt's own values.
static_assert(int(Prompts::Ok) == int(QMessageBox::Ok)
              && int(Prompts::Save) == int(QMessageBox::Save)
              && int(Prompts::Open) == int(QMessageBox::Open)
              && int(Prompts::Yes) == int(QMessageBox::Yes)
              && int(Prompts::YesToAll) == int(QMessageBox::YesToAll)
              && int(Prompts::No) == int(QMessageBox::No)
              && int(Prompts::Abort) == int(QMessageBox::Abort)
              && int(Prompts::Retry) == int(QMessageBox::Retry)
              && int(Prompts::Ignore) == int(QMessageBox::Ignore)
              && int(Prompts::Close) == int(QMessageBox::Close)
              && int(Prompts::Cancel) == int(QMessageBox::Cancel)
              && int(Prompts::Discard) == int(QMessageBox::Discard));

// The window a dialog belongs to; the seam hands on any object.
QWidget *widgetOf(QObject *parent)
{
    return qobject_cast<QWidget *>(parent);
}

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

Prompts::Button QtPrompts::message(Kind kind, QObject *parent, const QString &title,
                                   const QString &text, Buttons buttons, Button defaultButton)
{
    QMessageBox box(iconOf(kind), title, text,
                    QMessageBox::StandardButtons::fromInt(buttons.toInt()), widgetOf(parent));
    box.setDefaultButton(QMessageBox::StandardButton(defaultButton));
    return Button(box.exec());
}

Prompts::Button QtPrompts::choose(Kind kind, QObject *parent, const QString &title,
                                  const QString &text, const QList<Choice> &choices,
                                  Button defaultButton)
{
    QMessageBox box(iconOf(kind), title, text, QMessageBox::NoButton, widgetOf(parent));
    for (const Choice &choice : choices)
        box.addButton(QMessageBox::StandardButton(choice.role))->setText(choice.text);
    box.setDefaultButton(QMessageBox::StandardButton(defaultButton));
    return Button(box.exec());
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

QString QtPrompts::openFileName(QObject *parent, const QString &caption, const QString &dir,
                                const QString &filter)
{
    return QFileDialog::getOpenFileName(widgetOf(parent), caption, dir, qtNameFilter(filter));
}

QString QtPrompts::saveFileName(QObject *parent, const QString &caption, const QString &dir,
                                const QString &filter)
{
    return QFileDialog::getSaveFileName(widgetOf(parent), caption, dir, qtNameFilter(filter));
}

std::unique_ptr<ProgressPrompt> QtPrompts::progress(QObject *parent, const QString &label,
                                                    const QString &cancelText, int maximum,
                                                    bool autoClose)
{
    return std::make_unique<QtProgress>(widgetOf(parent), label, cancelText, maximum, autoClose);
}
