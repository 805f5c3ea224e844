#include "prompts.h"

#include "debuglog.h"
#include "unattendedprompts.h"

#include <utility>

namespace {

Prompts *installedPrompts = nullptr;

class UnattendedProgress : public ProgressPrompt
{
public:
    void setValue(int) override { }
    bool wasCanceled() override { return false; }
    void setLabelText(const QString &) override { }
    void reset() override { }
};

} // namespace

Prompts &Prompts::current()
{
    static UnattendedPrompts unattended;
    return installedPrompts ? *installedPrompts : unattended;
}

Prompts *Prompts::install(Prompts *prompts)
{
    return std::exchange(installedPrompts, prompts);
}

Prompts::Button Prompts::choose(Kind kind, QObject *parent, const QString &title,
                                const QString &text, const QList<Choice> &choices,
                                Button defaultButton)
{
    Buttons roles;
    for (const Choice &choice : choices)
        roles |= choice.role;
    return message(kind, parent, title, text, roles, defaultButton);
}

Prompts::Button UnattendedPrompts::message(Kind, QObject *, const QString &title,
                                           const QString &text, Buttons, Button defaultButton)
{
    qCWarning(lcKelvo).noquote() << "unattended box:" << title << "-" << text;
    return defaultButton;
}

QString UnattendedPrompts::openFileName(QObject *, const QString &, const QString &,
                                        const QString &)
{
    return {};
}

QString UnattendedPrompts::saveFileName(QObject *, const QString &, const QString &,
                                        const QString &)
{
    return {};
}

std::unique_ptr<ProgressPrompt> UnattendedPrompts::progress(QObject *, const QString &,
                                                            const QString &, int, bool)
{
    return std::make_unique<UnattendedProgress>();
}
