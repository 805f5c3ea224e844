#pragma once

#include "common/types.h"
#include "device/usbbackend.h"
#include "showpreviewwindow.h"

#include <QColor>
#include <QList>
#include <QMainWindow>
#include <QScopeGuard>

#include <array>
#include <functional>
#include <memory>

class CopyPage;
class InputsPage;
class kelvo_controller_class;
class OtherSettingsPage;
class ProgramsPage;
class QAction;
class QMenu;
class QTime;
class RemoteKeysPage;
class ScenesPage;
class WindowPage;
class WorkSession;

namespace Ui {
class MainWindow;
}

// The main window: a frame around the editors. It keeps no configuration data of its own, so it
// can be rebuilt at any time (that is how a language change takes effect).
class gui_class : public QMainWindow
{
    Q_OBJECT

public:
    // The window works on `session` (not owned), which outlives it when the window is rebuilt;
    // without one it keeps a session of its own.
    explicit gui_class(kelvo_controller_class &kelvo, WorkSession *session = nullptr,
                       QWidget *parent = nullptr);
    ~gui_class() override;

    // Shown after the program's name in the title (the demo says what it runs on).
    void setTitleNote(const QString &note);
    // Reads the configuration from this file as "Open file" does, asking first about unsaved work.
    void openFile(const QString &fileName);
    // The controller the window works with.
    kelvo_controller_class &controller() const { return kelvo; }
    // A page is built when its tab is first shown; this builds the ones not built yet.
    void buildAllPages();

signals:
    void currentTabChanged();

public slots:
    void tabChange(int index);
    void tabSettingsChange(int index);
    void turnOnLiveButton();
    void refresh();
    void confRead();
    void connectionStatusChange(bool connectionStatus);
    void copyScenes();
    void copyProgs();
    void modiCopyPgm(bool on);
    void progChgd(int v);
    void stepChgd(int v);
    void chgdSSRT(QTime &time);
    void validFirst(int v);
    void validLast(int v);
    void stepCountChange(int v);
    void setPgmLen(int n);
    void pgmMode(int m);
    void pgmLoop(int state);
    void pgmCont(int state);

private slots:
    void goToStep(int program, int step);
    void chgdExtra(int idx, int val);
    void Wygeneruj();
    void slotConnect();
    void selKeyDev();
    void evTypeChanged(int type);
    void sysAdrFromDev();
    void sysAdr2Dev();
    void acceptRCUaddr();
    void sendConfClick(bool);
    void readConfClick(bool);
    void mixModeProp(bool proportional);
    void slotMenuFileQuit();
    void slotMenuFileOpen();
    void slotMenuFileSave();
    void slotMenuFileSaveAs();
    void slotMenuUpgradeUpgradeSearch();
    void slotMenuUpgradeUpgradeKelvo();
    void slotMenuUpgradeVerify();
    void slotMenuHelpHelp();
    void slotMenuHelpAbout();
    void slotMenuHovered(QAction *action);
    void ClearConfig(bool);
    void ClearConfig();
    void ClearExec(u16 flags);
    void slotLiveMode();
    void slotNormalMode();
    void slotReset();
    void chgdPrev(int value);
    void changeUiLanguage(int index);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The connection status colours as chosen; each is shown as ReadableColour makes it on the
    // palette in force.
    static inline const QColor Disconnected {220, 0, 0};
    static inline const QColor Connected {0, 155, 0};

    void createActions();
    void createMenus();
    void connectFileControls();
    void connectConnectionControls();
    void connectTransferControls();
    void connectFirmwareActions();
    // The page in this tab page, built now if it was not.
    WindowPage *buildPage(QWidget *container);
    // The page on screen (on the settings tab, the settings tab's), built now if it was not.
    WindowPage *shownPage();
    // The pages shown now (the main tab's and, on the settings tab, the settings tab's), built.
    void buildShownPages();
    void connectPage(WindowPage *page);
    // What a window built before on this session showed on the page.
    void showKeptView(WindowPage *page);
    // Each page, built if it was not.
    InputsPage &inputs();
    RemoteKeysPage &remoteKeys();
    OtherSettingsPage &otherSettings();
    ScenesPage &scenes();
    ProgramsPage &programs();
    CopyPage &copying();
    // Tab goes through each page row by row, then the command column.
    void orderTabs();
    // False, with "Not connected!" shown, when no device is open.
    bool deviceOpen();
    // One device job at a time: while the returned guard lives, the controls that would start
    // another one (device buttons, the Upgrade menu) are disabled. Jobs may nest.
    [[nodiscard]] QScopeGuard<std::function<void()>> deviceJob();
    void updateDeviceControls();
    void showConnectionColour(const QColor &colour);
    // A controller arrived or left. While a job runs the event waits for its end: the job
    // reports a lost link its own way.
    void hotplugEvent(const UsbBackend::HotplugEvent &event);
    void actOnHotplug();
    QString controllerFoundMessage() const;
    // True, after a box that says how to finish, while the controller waits in its firmware
    // loader for the rest of an upgrade.
    bool refusedInLoader();
    // Says what the user must do at the controller while the program waits for it; painted at
    // once, because the wait blocks the event loop. An empty text clears it.
    void showWaitHint(const QString &text);

    // Work that is in neither a file nor the controller: asks whether to save it first. True when
    // the caller may go on (saved, discarded, or nothing at risk).
    bool mayReplaceWork();
    // The save dialog, then the file; true when the image was written.
    bool saveWithDialog();
    // Where the file dialogs start: the last file chosen if it worked, else its folder; the
    // user's documents before any.
    QString fileDialogStart() const;
    // The image was read from or saved to this file (ok) or that failed.
    void fileUsed(const QString &fileName, bool ok);
    // The recent files as they are now, each one opening its file.
    void fillRecentMenu();
    // The window's size and place, kept for the next window and the next run.
    void keepPlace() const;
    void restorePlace();
    void connectWorkSession();
    // The tabs and pages the user had open, kept in the session and shown again.
    void keepView();
    void showKeptView();
    void createEditMenu();
    void createPreviewMenu();
    // The preview window, made when first needed; it closes with this window.
    ShowPreviewWindow *previewWindow();
    void openPreview(ShowPreviewWindow::Source source, int number);
    void updateTitle();
    void updateUndoActions();
    // Undo or redo put another image in place: show it, and in live mode send it.
    void imageRestored();

    kelvo_controller_class &kelvo;
    std::unique_ptr<Ui::MainWindow> ui;

    std::unique_ptr<WorkSession> ownSession;
    WorkSession *session;
    QString titleNote;
    QColor connectionColour;

    QMenu *fileMenu = nullptr;
    QMenu *recentMenu = nullptr;
    QMenu *editMenu = nullptr;
    QMenu *previewMenu = nullptr;
    QMenu *upgradeMenu = nullptr;
    QMenu *languageMenu = nullptr;
    QMenu *helpMenu = nullptr;

    QAction *exitAct = nullptr;
    QAction *openAct = nullptr;
    QAction *saveAct = nullptr;
    QAction *saveAsAct = nullptr;
    QAction *undoAct = nullptr;
    QAction *redoAct = nullptr;
    QAction *clearAct = nullptr;
    QAction *upgradeAct = nullptr;
    QAction *verifyAct = nullptr;
    QAction *helpAct = nullptr;
    QAction *aboutAct = nullptr;

    ShowPreviewWindow *showPreview = nullptr;

    InputsPage *inputsPage = nullptr;
    RemoteKeysPage *remoteKeysPage = nullptr;
    OtherSettingsPage *otherSettingsPage = nullptr;
    ScenesPage *scenesPage = nullptr;
    ProgramsPage *programsPage = nullptr;
    CopyPage *copyPage = nullptr;

    int runningJobs = 0;
    QList<UsbBackend::HotplugEvent> pendingHotplug;
    // Connected, and not in the firmware loader: live and normal mode can be asked for.
    bool modesAvailable = false;
};
