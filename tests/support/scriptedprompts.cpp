#include "scriptedprompts.h"

#include "common/qtprompts.h"

QMessageBox::StandardButton ScriptedPrompts::message(Kind kind, QWidget *parent,
                                                     const QString &title, const QString &text,
                                                     QMessageBox::StandardButtons,
                                                     QMessageBox::StandardButton defaultButton)
{
    shown.append({kind, parent, title, text, {}});
    if (duringPrompt)
        duringPrompt();
    if (!answers.isEmpty())
        return answers.takeFirst();
    return defaultButton == QMessageBox::NoButton ? QMessageBox::Ok : defaultButton;
}

QMessageBox::StandardButton ScriptedPrompts::choose(Kind kind, QWidget *parent,
                                                    const QString &title, const QString &text,
                                                    const QList<Button> &buttons,
                                                    QMessageBox::StandardButton defaultButton)
{
    const QMessageBox::StandardButton answer
        = Prompts::choose(kind, parent, title, text, buttons, defaultButton);
    for (const Button &button : buttons)
        shown.last().buttons << button.text;
    return answer;
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

std::unique_ptr<ProgressPrompt> ScriptedPrompts::progress(QWidget *parent, const QString &label,
                                                          const QString &cancelText, int maximum,
                                                          bool autoClose)
{
    if (realProgress)
        return QtPrompts().progress(parent, label, cancelText, maximum, autoClose);
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
