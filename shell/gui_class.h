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

class admx32_sliders_widget;
class admx_slider_widget;
class funcSetter;
class program_conf_widget;
class guardedSpinBox;
class kelvo_controller_class;
class MyTimeEdit;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QSpinBox;
class QTime;
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
    void createProgramControls();
    void createProgramTable();
    void connectProgramControls();
    void connectStepCountBox();
    void connectRunModeBoxes();
    void refreshProgramsPage();
    void createSpecialSceneControls();
    void createSceneEditor();
    void createSpecialSceneEditors();
    void connectSceneControls();
    void connectSpecialSceneControls();
    void refreshScenesPage();
    void loadSpecialScene();
    void connectFileControls();
    void connectCopyControls();
    void connectConnectionControls();
    void connectSettingsControls();
    void connectTransferControls();
    void connectFirmwareActions();
    void refreshOtherPage();
    void createFunctionTables();
    void refreshFunctionTables();
    // Names for screen readers where no label names a control, and the labels that do.
    void nameControls();
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
    // "N / A", "not used" or the address.
    void showAddress(int address);
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

    QPushButton *editStepButton = nullptr;
    QPushButton *insertStepButton = nullptr;
    QPushButton *deleteStepButton = nullptr;
    QSpinBox *stepCountBox = nullptr;
    QLabel *stepCountLabel = nullptr;
    QCheckBox *continuedBox = nullptr;
    QCheckBox *loopBox = nullptr;
    QLabel *riseTimeLabel = nullptr;
    QLabel *firstChannelLabel = nullptr;
    QLabel *lastChannelLabel = nullptr;
    program_conf_widget *programTable = nullptr;

    std::unique_ptr<admx32_sliders_widget> sceneEditor;
    std::array<std::unique_ptr<admx_slider_widget>, 3> specialColumns; // red, green, blue
    guardedSpinBox *firstChannelBox = nullptr;
    guardedSpinBox *lastChannelBox = nullptr;
    MyTimeEdit *specialRiseEdit = nullptr;

    int runningJobs = 0;
    QList<UsbBackend::HotplugEvent> pendingHotplug;
    // Connected, and not in the firmware loader: live and normal mode can be asked for.
    bool modesAvailable = false;

    funcSetter *inputTable = nullptr;
    funcSetter *powerOnTable = nullptr;
    funcSetter *remoteKeyTable = nullptr;
};
