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

    void setValue(int value) override
    {
        if (dialog)
            dialog->setValue(value);
    }
    bool wasCanceled() override
    {
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

Prompts *Prompts::install(Prompts *prompts)
{
    return std::exchange(installedPrompts, prompts);
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

int QtPrompts::choice(Kind kind, QWidget *parent, const QString &title, const QString &text,
                      const QStringList &buttons, int defaultButton)
{
    QMessageBox box(kind == Kind::Critical ? QMessageBox::Critical
                        : kind == Kind::Warning ? QMessageBox::Warning
                        : kind == Kind::Information ? QMessageBox::Information
                                                    : QMessageBox::Question,
                    title, text, QMessageBox::NoButton, parent);
    QList<QAbstractButton *> added;
    for (const QString &label : buttons)
        added << box.addButton(label, QMessageBox::AcceptRole);
    if (defaultButton >= 0 && defaultButton < added.size())
        box.setDefaultButton(qobject_cast<QPushButton *>(added[defaultButton]));
    box.exec();
    return int(added.indexOf(box.clickedButton()));
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
