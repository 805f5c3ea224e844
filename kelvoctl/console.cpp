#include "console.h"

#include "jobreport.h"

#include <QTextStream>

#include <cerrno>

#include <poll.h>
#include <unistd.h>

bool Console::out(const QByteArray &bytes)
{
    QString reason;
    if (writeOut(bytes, &reason))
        return true;
    fail(QStringLiteral("standard output: cannot write: %1").arg(reason));
    return false;
}

int Console::fail(const QString &message)
{
    writeErr(QStringLiteral("kelvoctl: ") + message + QLatin1Char('\n'));
    return Kelvoctl::JobReport::status(Kelvoctl::JobReport::Ending::Failed, false);
}

int Console::usage(const QString &message)
{
    writeErr(QStringLiteral("kelvoctl: ") + message + QStringLiteral("\nTry 'kelvoctl --help'.\n"));
    return Kelvoctl::JobReport::status(Kelvoctl::JobReport::Ending::Usage, false);
}

bool Console::confirm(const QString &question)
{
    writeErr(question + QStringLiteral(" [y/N] "));
    const std::optional<QString> answer = readLine();
    if (!answer)
        writeErr(QStringLiteral("\n"));
    const QString word = answer.value_or(QString()).trimmed().toLower();
    return word == QLatin1String("y") || word == QLatin1String("yes");
}

bool StandardConsole::inputIsTerminal() const
{
    return isatty(STDIN_FILENO);
}

bool StandardConsole::errorIsTerminal() const
{
    return isatty(STDERR_FILENO);
}

void StandardConsole::progress(const QString &text)
{
    // Erase the rest of the previous line, so that a shorter one leaves nothing behind.
    writeErr(text.isEmpty() ? QStringLiteral("\r\x1b[K") : QStringLiteral("\r\x1b[K") + text);
}

std::optional<QString> StandardConsole::readLine()
{
    // Byte by byte, so that nothing is read ahead, and never past a Ctrl+C: whichever thread the
    // signal reached, its byte on interruptFd ends the wait.
    QByteArray line;
    for (;;) {
        pollfd watched[2] = {{STDIN_FILENO, POLLIN, 0}, {interruptFd, POLLIN, 0}};
        if (poll(watched, interruptFd >= 0 ? 2 : 1, -1) < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (interruptFd >= 0 && watched[1].revents)
            return std::nullopt;
        char c = 0;
        const ssize_t n = ::read(STDIN_FILENO, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (line.isEmpty())
                return std::nullopt;
            break;
        }
        if (c == '\n')
            break;
        line += c;
    }
    return QString::fromLocal8Bit(line);
}

bool StandardConsole::writeOut(const QByteArray &bytes, QString *reason)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n
            = ::write(STDOUT_FILENO, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            *reason = qt_error_string(n < 0 ? errno : EIO);
            return false;
        }
        written += n;
    }
    return true;
}

void StandardConsole::writeErr(const QString &text)
{
    static QTextStream stream(stderr);
    stream << text;
    stream.flush();
}

bool BufferConsole::writeOut(const QByteArray &bytes, QString *reason)
{
    if (!outputFails.isEmpty()) {
        *reason = outputFails;
        return false;
    }
    output += bytes;
    return true;
}

void BufferConsole::writeErr(const QString &text)
{
    errors += text;
}

void BufferConsole::progress(const QString &text)
{
    progressLines << text;
    if (onProgress)
        onProgress(text);
}

std::optional<QString> BufferConsole::readLine()
{
    if (onQuestion)
        onQuestion();
    if (input.isEmpty())
        return std::nullopt;
    return input.takeFirst();
}
