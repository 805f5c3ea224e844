// Keeping the user's work: the title with the file and the modified marker, the question before
// unsaved work is replaced, undo and redo, the window's place between runs.

#include "gui_class.h"

#include "common/prompts.h"
#include "controller/boxtitles.h"
#include "controller/kelvo_controller_class.h"
#include "lazyicon.h"
#include "pages/programspage.h"
#include "pages/scenespage.h"
#include "places.h"
#include "ui_mainwindow.h"
#include "worksession.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>

#include <algorithm>
#include <memory>

void gui_class::setTitleNote(const QString &note)
{
    titleNote = note;
    updateTitle();
}

void gui_class::connectWorkSession()
{
    connect(&session->saved(), &SavedState::atRiskChanged, this, &gui_class::setWindowModified);
    connect(session, &WorkSession::fileChanged, this, &gui_class::updateTitle);
    connect(&session->history(), &ImageHistory::restored, this, &gui_class::imageRestored);
    QUndoStack &stack = session->history().stack();
    connect(&stack, &QUndoStack::indexChanged, this, &gui_class::updateUndoActions);
    updateTitle();
    setWindowModified(session->saved().atRisk());
    updateUndoActions();
}

void gui_class::createEditMenu()
{
    undoAct = new QAction(lazyThemeIcon(QStringLiteral("edit-undo"), QStyle::SP_ArrowBack),
                          QString(), this);
    redoAct = new QAction(lazyThemeIcon(QStringLiteral("edit-redo"), QStyle::SP_ArrowForward),
                          QString(), this);
    undoAct->setShortcut(QKeySequence::Undo);
    redoAct->setShortcut(QKeySequence::Redo);
    undoAct->setStatusTip(tr("Take back the last change of the configuration"));
    redoAct->setStatusTip(tr("Make the change taken back again"));
    connect(undoAct, &QAction::triggered, this, [this] { session->history().undo(); });
    connect(redoAct, &QAction::triggered, this, [this] { session->history().redo(); });

    editMenu = menuBar()->addMenu(tr("&Edit"));
    editMenu->setStatusTip(tr("Undo and redo changes of the configuration"));
    editMenu->addAction(undoAct);
    editMenu->addAction(redoAct);
}

void gui_class::updateUndoActions()
{
    const ImageHistory &history = session->history();
    const QUndoStack &stack = session->history().stack();
    const QString undoText = history.undoText();
    const QString redoText = history.redoText();
    undoAct->setText(stack.canUndo() ? tr("&Undo %1").arg(undoText) : tr("&Undo"));
    redoAct->setText(stack.canRedo() ? tr("&Redo %1").arg(redoText) : tr("&Redo"));
    undoAct->setEnabled(stack.canUndo());
    redoAct->setEnabled(stack.canRedo());
}

void gui_class::updateTitle()
{
    const QString file = session->fileName();
    const QString name = file.isEmpty() ? tr("untitled") : QFileInfo(file).fileName();
    QString title = name + QStringLiteral("[*] - KelvoDesk");
    if (!titleNote.isEmpty())
        title += QStringLiteral(" - ") + titleNote;
    setWindowTitle(title);
}

void gui_class::imageRestored()
{
    kelvo.showRcuAddressOfImage();
    // The page shows what was put back; the live output sends it.
    if (WindowPage *page = shownPage())
        page->refresh();
}

bool gui_class::mayReplaceWork()
{
    if (!session->saved().atRisk())
        return true;
    const Prompts::Button answer = prompts().message(
        Prompts::Kind::Warning, this, BoxTitles::result(),
        tr("The configuration has changes that are neither saved in a file nor sent to the "
           "controller.\n\nSave them to a file first?"),
        Prompts::Save | Prompts::Discard | Prompts::Cancel, Prompts::Save);
    switch (answer) {
    case Prompts::Save:
        return saveWithDialog();
    case Prompts::Discard:
        return true;
    default:
        return false;
    }
}

void gui_class::closeEvent(QCloseEvent *event)
{
    if (mayReplaceWork()) {
        keepPlace();
        event->accept();
    } else {
        event->ignore();
    }
}

void gui_class::keepView()
{
    WorkSession::View &view = session->view;
    view.kept = true;
    view.mainTab = ui->tabWidget_main->currentIndex();
    view.settingsTab = ui->tabWidget_settings->currentIndex();
    // A page never shown keeps what the window before showed on it.
    if (scenesPage) {
        view.sceneProgram = scenesPage->program();
        view.sceneStep = scenesPage->step();
    }
    if (programsPage) {
        view.program = programsPage->program();
        view.programRow = qMax(0, programsPage->row());
    }
    view.previewShown = showPreview && showPreview->isVisible();
    if (showPreview) {
        view.previewSource = int(showPreview->source());
        view.previewNumber = showPreview->number();
    }
}

void gui_class::showKeptView()
{
    const WorkSession::View &view = session->view;
    // A first window opens on the first tab; a rebuilt one where the user was.
    ui->tabWidget_settings->setCurrentIndex(view.settingsTab);
    ui->tabWidget_main->setCurrentIndex(view.mainTab);
    // Each page shows its part of the view when it is built.
    if (view.kept && view.previewShown) {
        ShowPreviewWindow *preview = previewWindow();
        preview->choose(ShowPreviewWindow::Source(view.previewSource), view.previewNumber);
        preview->show();
    }
}

void gui_class::keepPlace() const
{
    std::unique_ptr<QSettings> settings = Places::settings();
    settings->setValue(QStringLiteral("window/geometry"), saveGeometry());
    settings->setValue(QStringLiteral("window/frame"), frameGeometry());
}

void gui_class::restorePlace()
{
    std::unique_ptr<QSettings> settings = Places::settings();
    const QRect frame = settings->value(QStringLiteral("window/frame")).toRect();
    // A screen that is no longer there (a projector, a second monitor) took the window along.
    const QList<QScreen *> screens = QGuiApplication::screens();
    const bool onScreen = std::any_of(screens.cbegin(), screens.cend(), [&frame](QScreen *screen) {
        return screen->availableGeometry().intersects(frame);
    });
    if (onScreen)
        restoreGeometry(settings->value(QStringLiteral("window/geometry")).toByteArray());
}
