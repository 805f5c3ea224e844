#include "commandline.h"
#include "common/version.h"
#include "qtprompts.h"
#include "startup.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Names the user's configuration folder too, whatever the executable is called.
    QCoreApplication::setApplicationName(QStringLiteral("kelvodesk"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kelvoRelease));
    CommandLine commandLine;
    if (!commandLine.read(QCoreApplication::arguments()))
        return commandLine.exitStatus;
    // Wayland matches the window to the installed menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(KELVO_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kelvodesk.png")));
    QtPrompts dialogs;
    Prompts::install(&dialogs);
    StartupSeams seams;
    seams.fileToOpen = commandLine.fileToOpen;
    return runKelvoDesk(seams);
}
