#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Where a kelvoctl command's output and messages go: the standard streams in the program, buffers
// when a test runs the commands in-process.
class Console
{
public:
    // Exit statuses; diff and verify-config use 1 for "different" and 2 for every trouble, as
    // diff(1) does.
    enum Status {
        Ok = 0,
        Failed = 1,
        Usage = 2,
        NoController = 3, // none found, not the one named, or several and none named
        ControllerLost = 4, // it left the bus or stopped answering during the job
        InLoader = 5, // it waits for its firmware: only flash can help
        Busy = 6, // another program holds the controller
        Cancelled = 130, // Ctrl+C, as shells report an interrupted command
    };

    virtual ~Console() = default;

    // Everything for standard output in one go, so that a full disk or a closed descriptor is
    // seen; false (and the message given) when it could not be written.
    bool out(const QByteArray &bytes);
    // "kelvoctl: message" on standard error; the status of a failed command.
    int fail(const QString &message);
    // The same for wrong usage, with the hint to --help.
    int usage(const QString &message);

    // A question for the user on the terminal; false unless answered yes.
    bool confirm(const QString &question);
    virtual bool inputIsTerminal() const { return false; }
    virtual bool errorIsTerminal() const { return false; }
    // The progress line, written over the previous one; an empty text ends it.
    virtual void progress(const QString &text) { Q_UNUSED(text) }

protected:
    // False with the system's reason when the bytes could not all be written.
    virtual bool writeOut(const QByteArray &bytes, QString *reason) = 0;
    virtual void writeErr(const QString &text) = 0;
    // A line typed on standard input; nothing at its end.
    virtual std::optional<QString> readLine() { return std::nullopt; }
};

// The process's standard output and error.
class StandardConsole : public Console
{
public:
    // A line is waited for until `interruptFd` (when not -1) becomes readable: Ctrl+C ends the
    // wait without an answer.
    explicit StandardConsole(int interruptFd = -1)
        : interruptFd(interruptFd)
    { }

    bool inputIsTerminal() const override;
    bool errorIsTerminal() const override;
    void progress(const QString &text) override;

protected:
    std::optional<QString> readLine() override;
    bool writeOut(const QByteArray &bytes, QString *reason) override;
    void writeErr(const QString &text) override;

private:
    int interruptFd;
};

// Output and messages kept, for running commands in-process.
class BufferConsole : public Console
{
public:
    QByteArray output;
    QString errors;
    // Standard output fails with this reason (a full disk, a closed descriptor).
    QString outputFails;
    // What a terminal would be: typed answers, and whether there is one.
    QStringList input;
    bool terminal = false;
    // Every progress line shown; the hook runs after each (a test presses Ctrl+C there).
    QStringList progressLines;
    std::function<void(const QString &)> onProgress;
    // Runs while a question waits for its answer (a test presses Ctrl+C there).
    std::function<void()> onQuestion;

    bool inputIsTerminal() const override { return terminal; }
    bool errorIsTerminal() const override { return terminal; }
    void progress(const QString &text) override;

protected:
    std::optional<QString> readLine() override;
    bool writeOut(const QByteArray &bytes, QString *reason) override;
    void writeErr(const QString &text) override;
};
