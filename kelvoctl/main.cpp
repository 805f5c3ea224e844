// kelvoctl: configuration and upgrade files and controllers from the command line. The commands are
// in commands.cpp and controllercommands.cpp; this is what only a process needs.

#include "commandtable.h"
#include "common/version.h"
#include "interrupt.h"
#include "jobreport.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A closed standard descriptor would be handed to the next file opened, and output meant for
// the terminal would land in it. Hold it with a read-only /dev/null: writes to it then fail.
void holdClosedStandardDescriptors()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            const int held = open("/dev/null", O_RDONLY);
            if (held != fd && held >= 0)
                close(held);
        }
    }
}

// Bytes other than printable ASCII shown as \xNN: the name is not valid text anyway.
QString rawName(const QByteArray &name)
{
    QString shown;
    for (const char c : name) {
        if (uchar(c) < 0x20 || uchar(c) >= 0x7F || c == '\\')
            shown += QStringLiteral("\\x%1").arg(uint(uchar(c)), 2, 16, QLatin1Char('0'));
        else
            shown += QLatin1Char(c);
    }
    return shown;
}

// Qt decodes arguments in the locale's encoding and replaces what does not decode; working on
// such a name would touch a different file.
bool argumentsEncodeBack(Console &console, int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        if (QFile::encodeName(QString::fromLocal8Bit(raw)) != raw) {
            console.fail(
                QStringLiteral("%1: not valid in the locale's encoding").arg(rawName(raw)));
            return false;
        }
    }
    return true;
}

Interrupt interruption;
int interruptWrite = -1; // wakes a wait for an answer on the terminal

// The first Ctrl+C asks the running job to stop where it safely can and says at once what will
// happen; a second one ends the program at once, saying what that leaves behind. Only
// async-signal-safe calls here.
extern "C" void onInterrupt(int)
{
    const int savedErrno = errno;
    const int press = interruption.press();
    const std::string &notice = interruption.notice(press);
    if (!notice.empty()) [[maybe_unused]]
        const ssize_t written = write(STDERR_FILENO, notice.data(), notice.size());
    if (press > 1)
        _exit(128 + SIGINT);
    if (interruptWrite >= 0) [[maybe_unused]]
        const ssize_t woken = write(interruptWrite, "", 1);
    errno = savedErrno;
}

void handleInterrupts(int *readEnd)
{
    int ends[2];
    *readEnd = -1;
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) == 0) {
        *readEnd = ends[0];
        interruptWrite = ends[1];
    }
    struct sigaction action
    {
    };
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
}

} // namespace

int main(int argc, char *argv[])
{
    holdClosedStandardDescriptors();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvoctl"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kelvoRelease));

    int interruptRead = -1;
    handleInterrupts(&interruptRead);
    StandardConsole console(interruptRead);
    if (!argumentsEncodeBack(console, argc, argv))
        return Kelvoctl::JobReport::doneOrFailed(false);
    Kelvoctl::Environment environment;
    environment.interrupt = &interruption;
    return Kelvoctl::run(QCoreApplication::arguments(), console, environment);
}
