// The Preview menu: the window's configuration played without a controller.

#include "gui_class.h"

#include "lazyicon.h"
#include "pages/programspage.h"
#include "pages/scenespage.h"
#include "showpreviewwindow.h"
#include "ui_mainwindow.h"

#include "controller/kelvo_controller_class.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>

void gui_class::createPreviewMenu()
{
    using Source = ShowPreviewWindow::Source;
    previewMenu = menuBar()->addMenu(tr("Pre&view"));
    previewMenu->setStatusTip(tr("Play the configuration here, without a controller"));
    const auto add = [this](const char *name, const QString &text, const QString &tip, auto what) {
        QAction *action = previewMenu->addAction(
            lazyThemeIcon(QStringLiteral("media-playback-start"), QStyle::SP_MediaPlay), text);
        action->setObjectName(QString::fromLatin1(name));
        action->setStatusTip(tip);
        connect(action, &QAction::triggered, this, what);
        return action;
    };
    add("actPreviewScene", tr("Play the &scene being edited"),
        tr("Play the scene or program shown on the scenes page"), [this] {
            // A program's step is edited there too: then its program plays.
            const int program = scenes().program();
            if (program == 0)
                openPreview(Source::Scene, scenes().step());
            else
                openPreview(Source::Program, program);
        });
    add("actPreviewProgram", tr("Play the &program being edited"),
        tr("Play the program shown on the programs page"),
        [this] { openPreview(Source::Program, programs().program()); });
    QAction *show = add("actPreviewShow", tr("Play the whole s&how from power-on"),
                        tr("Play from power-on, with the inputs and the remote to try"),
                        [this] { openPreview(Source::Show, 1); });
    show->setShortcut(QKeySequence(Qt::Key_F5));
}

ShowPreviewWindow *gui_class::previewWindow()
{
    if (!showPreview) {
        showPreview = new ShowPreviewWindow(kelvo.document(), this);
        showPreview->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    return showPreview;
}

void gui_class::openPreview(ShowPreviewWindow::Source source, int number)
{
    ShowPreviewWindow *preview = previewWindow();
    preview->show();
    preview->raise();
    preview->activateWindow();
    preview->play(source, number);
}
