#pragma once

#include <QByteArray>
#include <QString>

// Where a kelvoctl command's output and messages go: the standard streams in the program, buffers
// when a test runs the commands in-process.
class Console
{
public:
    enum Status { Ok = 0, Failed = 1, Usage = 2 };

    virtual ~Console() = default;

    // Everything for standard output in one go, so that a full disk or a closed descriptor is
    // seen; false (and the message given) when it could not be written.
    bool out(const QByteArray &bytes);
    // "kelvoctl: message" on standard error; the status of a failed command.
    int fail(const QString &message);
    // The same for wrong usage, with the hint to --help.
    int usage(const QString &message);

protected:
    // False with the system's reason when the bytes could not all be written.
    virtual bool writeOut(const QByteArray &bytes, QString *reason) = 0;
    virtual void writeErr(const QString &text) = 0;
};

// The process's standard output and error.
class StandardConsole : public Console
{
protected:
    bool writeOut(const QByteArray &bytes, QString *reason) override;
    void writeErr(const QString &text) override;
};

// Output and messages kept, for running commands in-process.
class BufferConsole : public Console
{
public:
    QByteArray output;
    QString errors;
    // Standard output fails with this reason (a full disk, a closed descriptor).
    QString outputFails;

protected:
    bool writeOut(const QByteArray &bytes, QString *reason) override;
    void writeErr(const QString &text) override;
};
