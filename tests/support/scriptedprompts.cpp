#include "scriptedprompts.h"

Prompts::Button ScriptedPrompts::message(Kind kind, QObject *parent, const QString &title,
                                         const QString &text, Buttons, Button defaultButton)
{
    shown.append({kind, parent, title, text, {}});
    if (duringPrompt)
        duringPrompt();
    if (!answers.isEmpty())
        return answers.takeFirst();
    return defaultButton == NoButton ? Ok : defaultButton;
}

Prompts::Button ScriptedPrompts::choose(Kind kind, QObject *parent, const QString &title,
                                        const QString &text, const QList<Choice> &choices,
                                        Button defaultButton)
{
    const Button answer = Prompts::choose(kind, parent, title, text, choices, defaultButton);
    for (const Choice &choice : choices)
        shown.last().buttons << choice.text;
    return answer;
}

QString ScriptedPrompts::openFileName(QObject *, const QString &caption, const QString &dir,
                                      const QString &filter)
{
    fileDialogs.append({caption, dir, filter});
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QString ScriptedPrompts::saveFileName(QObject *, const QString &caption, const QString &dir,
                                      const QString &filter)
{
    fileDialogs.append({caption, dir, filter});
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

namespace {

class ScriptedProgress : public ProgressPrompt
{
public:
    ScriptedProgress(QList<ScriptedPrompts::Progress> &list, qsizetype index, int cancelAt,
                     const std::function<void()> &during)
        : list(list)
        , index(index)
        , cancelAt(cancelAt)
        , during(during)
    { }
    ~ScriptedProgress() override { record().closed = true; }

    void setValue(int value) override
    {
        record().values.append(value);
        canceled |= cancelAt >= 0 && value == cancelAt;
        if (during)
            during();
    }
    bool wasCanceled() override
    {
        if (during)
            during();
        return canceled;
    }
    void setLabelText(const QString &text) override { record().labels.append(text); }
    void reset() override { ++record().resets; }

private:
    ScriptedPrompts::Progress &record() { return list[index]; }

    QList<ScriptedPrompts::Progress> &list;
    qsizetype index;
    int cancelAt;
    const std::function<void()> &during;
    bool canceled = false;
};

} // namespace

std::unique_ptr<ProgressPrompt> ScriptedPrompts::progress(QObject *parent, const QString &label,
                                                          const QString &cancelText, int maximum,
                                                          bool autoClose)
{
    if (progressFrom)
        return progressFrom->progress(parent, label, cancelText, maximum, autoClose);
    Progress shownProgress;
    shownProgress.parent = parent;
    shownProgress.label = label;
    shownProgress.cancelText = cancelText;
    shownProgress.maximum = maximum;
    shownProgress.autoClose = autoClose;
    progressDialogs.append(shownProgress);
    return std::make_unique<ScriptedProgress>(progressDialogs, progressDialogs.size() - 1,
                                              cancelAtValue, duringPrompt);
}
