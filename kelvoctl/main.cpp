// kelvoctl: configuration and upgrade files and controllers from the command line. The commands are
// in commands.cpp; this is what only a process needs.

#include "commands.h"
#include "common/version.h"

#include <QCoreApplication>
#include <QFile>

#include <atomic>
#include <cerrno>
#include <csignal>

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

std::atomic<bool> interrupted {false};

// The first Ctrl+C asks the running transfer to stop between blocks; a second one ends the
// program at once, as it would have without the handler.
extern "C" void onInterrupt(int)
{
    if (interrupted.exchange(true))
        std::_Exit(128 + SIGINT);
}

} // namespace

int main(int argc, char *argv[])
{
    holdClosedStandardDescriptors();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvoctl"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kelvoRelease));

    StandardConsole console;
    if (!argumentsEncodeBack(console, argc, argv))
        return Console::Failed;
    std::signal(SIGINT, onInterrupt);
    Kelvoctl::Environment environment;
    environment.cancel = &interrupted;
    return Kelvoctl::run(QCoreApplication::arguments(), console, environment);
}
