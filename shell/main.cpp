#include "qtprompts.h"
#include "startup.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Wayland matches the window to the installed menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(KELVO_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kelvodesk.png")));
    QtPrompts dialogs;
    Prompts::install(&dialogs);
    return runKelvoDesk();
}
