#include "gui_class.h"

#include "appstate.h"
#include "common/connectlog.h"
#include "common/prompts.h"
#include "common/version.h"
#include "controller/kelvo_controller_class.h"
#include "editors/admx32_sliders_widget.h"
#include "editors/admx_slider_widget.h"
#include "editors/guardedspinbox.h"
#include "editors/mytimeedit.h"
#include "editors/program_conf_widget.h"
#include "model/configlayout.h"
#include "ui_mainwindow.h"
#include "worksession.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QUrl>

using namespace ConfigLayout;

namespace {

const char makerWebPage[] = "http://www.kelvo-lighting.example/";

QAction *makeAction(QWidget *window, const QString &text, const QString &statusTip,
                    const char *icon)
{
    auto *action = new QAction(QIcon(QString::fromLatin1(icon)), text, window);
    action->setStatusTip(statusTip);
    return action;
}

} // namespace

gui_class::gui_class(kelvo_controller_class &kelvo, WorkSession *work, QWidget *parent)
    : QMainWindow(parent)
    , kelvo(kelvo)
    , ui(std::make_unique<Ui::MainWindow>())
    , ownSession(work ? nullptr : std::make_unique<WorkSession>(kelvo.document()))
    , session(work ? work : ownSession.get())
{
    ui->setupUi(this);
    // Where the form's font is replaced by a wider one, a serial number overflows its label;
    // narrowed, it fits at the same size.
    QFont serialFont = ui->lbSerial->font();
    serialFont.setStretch(QFont::SemiCondensed);
    ui->lbSerial->setFont(serialFont);

    logConnection(
        connect(ui->tabWidget_main, &QTabWidget::currentChanged, this, &gui_class::tabChange));
    logConnection(connect(ui->tabWidget_settings, &QTabWidget::currentChanged, this,
                          &gui_class::tabSettingsChange));

    createActions();
    createMenus();
    connectFirmwareActions();

    updateDeviceControls(); // live and normal mode off until a controller is connected
    connectFileControls();
    connectTransferControls();
    connectConnectionControls();

    showConnectionColour(Disconnected);

    ui->sbProgram->setMaximum(8);
    ui->sbProgram->setPrefix(tr("Program "));
    ui->sbStep->setRange(1, 16);
    createSceneEditor();
    connectSceneControls();

    createProgramControls();
    connectProgramControls();

    ui->sbSrcSc->setRange(1, 16);
    ui->sbNoSc->setRange(1, 15);
    ui->sbDstSc->setRange(1, 16);
    ui->sbSrcPgm->setRange(1, 8);
    ui->sbSrcStep->setRange(0, 16);
    ui->sbNoPgms->setRange(1, 7);
    ui->sbDstPgm->setRange(1, 8);
    ui->sbDstStep->setRange(0, 16);
    ui->sbSrcStep->setEnabled(false);
    ui->sbDstStep->setEnabled(false);
    connectCopyControls();

    createSpecialSceneControls();
    connectSpecialSceneControls();
    createFunctionTables();
    connectSettingsControls();

    logConnection(
        connect(ui->rbProportional, &QRadioButton::toggled, this, &gui_class::mixModeProp));
    nameControls();
    orderTabs();

    const QString rcu = tr("RCU: the controller's infra-red remote control");
    for (QWidget *w : std::initializer_list<QWidget *> {ui->btnRcFromDev, ui->gbSysAdr,
                                                        ui->btnAcceptAdr, ui->btnGetRcu})
        w->setToolTip(rcu);
    ui->tabWidget_settings->setTabToolTip(ui->tabWidget_settings->indexOf(ui->tab_settings_ired),
                                          rcu);

    // A window rebuilt for another language finds the controller connected.
    if (kelvo.usbDevice.isOpen()) {
        connectionStatusChange(true);
        if (kelvo.requestedMode == kelvo_controller_class::RequestedLive)
            ui->lbWMode->setText(tr("Live"));
    }

    connectWorkSession();
    showKeptView();
    restorePlace();
    refresh();
}

gui_class::~gui_class()
{
    keepView();
    keepPlace();
    kelvo.reconnectPrompt = nullptr; // it would ask this window
    kelvo.confirmUpgrade = nullptr;
    kelvo.usbDevice.watchHotplug(nullptr); // it would tell this window

    // Tearing the pages down moves the focus, and a box losing it would call a slot of this
    // half-destroyed window.
    for (QObject *child : findChildren<QObject *>())
        disconnect(child, nullptr, this, nullptr);

    // The language actions die with this window.
    for (LanguageEntry &entry : languageTable)
        entry.action = nullptr;
}

void gui_class::createActions()
{
    exitAct = makeAction(this, tr("&Exit"), tr("Turn off application"), ":/exit.png");
    openAct = makeAction(this, tr("&Open file"), tr("Open configuration file"), ":/fileopen.png");
    saveAct = makeAction(this, tr("&Save file"), tr("Save configuration file"), ":/filesave.png");
    saveAsAct = makeAction(this, tr("Save file &as..."),
                           tr("Save configuration file under another name"), ":/filesave.png");
    openAct->setShortcut(QKeySequence::Open);
    saveAct->setShortcut(QKeySequence::Save);
    // Not every platform has a standard key for it.
    saveAsAct->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    clearAct = makeAction(this, tr("&Clear"), tr("Clear current configuration"), ":/filenew.png");
    upgradeAct = makeAction(this, tr("&Upgrade Kelvo"), tr("Send upgrade to Kelvo device"),
                            ":/wrench.png");
    verifyAct = makeAction(this, tr("&Verify Firmware"), tr("Verify firmware"), ":/verify.png");
    helpAct = makeAction(this, tr("&Help"), tr("How to get help"), ":/message.png");
    aboutAct = makeAction(this, tr("&About"), tr("Information about application."), ":/xl_sh.png");

    connect(exitAct, &QAction::triggered, this, &gui_class::slotMenuFileQuit);
    connect(helpAct, &QAction::triggered, this, &gui_class::slotMenuHelpHelp);
    connect(aboutAct, &QAction::triggered, this, &gui_class::slotMenuHelpAbout);
}

void gui_class::createMenus()
{
    QMenuBar *bar = menuBar();

    fileMenu = bar->addMenu(tr("&File"));
    fileMenu->setStatusTip(tr("File operations and exit"));
    fileMenu->addAction(openAct);
    fileMenu->addAction(saveAct);
    fileMenu->addAction(saveAsAct);
    fileMenu->addAction(clearAct);
    recentMenu = fileMenu->addMenu(QIcon(QStringLiteral(":/fileopen.png")), tr("&Recent files"));
    recentMenu->setObjectName(QStringLiteral("recentFilesMenu"));
    recentMenu->menuAction()->setStatusTip(tr("Open a configuration file used lately"));
    connect(recentMenu, &QMenu::aboutToShow, this, &gui_class::fillRecentMenu);
    fillRecentMenu();
    fileMenu->addAction(exitAct);

    createEditMenu();
    createPreviewMenu();

    languageMenu = bar->addMenu(tr("&Language"));
    languageMenu->setToolTip(tr("Language"));
    languageMenu->setStatusTip(tr("Change application language"));
    for (int i = 0; i < int(languageTable.size()); ++i) {
        LanguageEntry &entry = languageTable[size_t(i)];
        auto *action
            = new QAction(QIcon(QStringLiteral(":/%1.png").arg(entry.code)), entry.name, this);
        action->setStatusTip(tr("Change language to : %1").arg(entry.name));
        languageMenu->addAction(action);
        entry.action = action;
        connect(action, &QAction::triggered, this, [this, i] { changeUiLanguage(i); });
    }

    upgradeMenu = bar->addMenu(tr("&Upgrade"));
    upgradeMenu->setStatusTip(tr("FirmWare version management"));
    upgradeMenu->addAction(upgradeAct);
    upgradeMenu->addAction(verifyAct);

    helpMenu = bar->addMenu(tr("&Help"));
    helpMenu->setStatusTip(tr("Some short informations about this program"));
    helpMenu->addAction(helpAct);
    helpMenu->addAction(aboutAct);

    // Qt shows a hovered title's own status tip right after the hovered signal; give each title
    // its menu's tip so that what slotMenuHovered shows stays.
    for (QMenu *menu : {fileMenu, editMenu, previewMenu, languageMenu, upgradeMenu, helpMenu})
        menu->menuAction()->setStatusTip(menu->statusTip());

    logConnection(connect(bar, &QMenuBar::hovered, this, &gui_class::slotMenuHovered));
}

void gui_class::createProgramControls()
{
    QWidget *page = ui->tab_programs;
    ui->sbProgP->setRange(1, 8);
    createProgramTable();

    stepCountLabel = new QLabel(tr("Number of steps in program:"), page);
    stepCountLabel->setObjectName(QStringLiteral("lbStepCount"));
    stepCountLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    stepCountLabel->setGeometry(150, 500, 240, 20);

    stepCountBox = new QSpinBox(page);
    stepCountBox->setObjectName(QStringLiteral("sbStepCount"));
    stepCountBox->setRange(1, 16);
    stepCountBox->setGeometry(395, 500, 40, 20);
    // Every count reshapes the program: "12" typed must not make a 1-step program on the way.
    stepCountBox->setKeyboardTracking(false);

    continuedBox = new QCheckBox(tr("Continued"), page);
    continuedBox->setObjectName(QStringLiteral("cbContinued"));
    continuedBox->setGeometry(450, 500, 120, 20);

    loopBox = new QCheckBox(tr("Loop"), page);
    loopBox->setObjectName(QStringLiteral("cbLoop"));
    loopBox->setGeometry(590, 500, 150, 20);

    editStepButton = new QPushButton(tr("Edit step"), page);
    editStepButton->setObjectName(QStringLiteral("pbEditStep"));
    editStepButton->setGeometry(145, 445, 90, 25);

    insertStepButton = new QPushButton(tr("Insert"), page);
    insertStepButton->setObjectName(QStringLiteral("pbInsertStep"));
    insertStepButton->setGeometry(490, 445, 90, 25);

    deleteStepButton = new QPushButton(tr("Delete"), page);
    deleteStepButton->setObjectName(QStringLiteral("pbDeleteStep"));
    deleteStepButton->setGeometry(610, 445, 90, 25);
}

void gui_class::createSpecialSceneControls()
{
    QWidget *group = ui->gbExtra;
    const auto label = [group](const QString &text, const char *name, QRect geometry) {
        auto *l = new QLabel(text, group);
        l->setObjectName(QString::fromLatin1(name));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setGeometry(geometry);
        return l;
    };
    firstChannelLabel = label(tr("First channel :"), "lbFirstChannel", QRect(30, 240, 120, 18));
    lastChannelLabel = label(tr("Last channel :"), "lbLastChannel", QRect(220, 240, 120, 18));
    riseTimeLabel = label(tr("Rise time"), "lbRiseTime", QRect(70, 280, 120, 18));
    createSpecialSceneEditors();

    ui->sbSetValue->setRange(-1, 31);
    ui->sbSetValue->setValue(-1);
    ui->cbInputType->addItem(tr("Standard input"));
    ui->cbInputType->addItem(tr("RCU key"));
    ui->sbInputNo->setRange(1, 8);
}

void gui_class::tabChange(int)
{
    refresh();
}

void gui_class::tabSettingsChange(int)
{
    refresh();
}

void gui_class::confRead()
{
    refresh();
}

void gui_class::refresh()
{
    // In live mode the controller shows what the page shows.
    const bool live = kelvo.requestedMode == kelvo_controller_class::RequestedLive;
    QWidget *page = ui->tabWidget_main->currentWidget();
    if (page == ui->tab_settings
        && ui->tabWidget_settings->currentWidget() == ui->tab_settings_other) {
        refreshOtherPage();
        if (live)
            kelvo.send_sc_prep(0, 16); // the special scene
    } else if (page == ui->tab_settings) {
        refreshFunctionTables();
    } else if (page == ui->tab_scenes) {
        refreshScenesPage();
        if (live)
            kelvo.send_sc_prep(ui->sbProgram->value(), ui->sbStep->value());
    } else if (page == ui->tab_programs) {
        refreshProgramsPage();
        if (live)
            kelvo.send_sc_prep(ui->sbProgP->value(), programTable->currentIndex().row() + 1);
    }
}

void gui_class::refreshOtherPage()
{
    loadSpecialScene();
    const u8 *image = kelvo.configImage();
    {
        // Showing the image must not write it back (a stored value above the box's range would).
        const QSignalBlocker blocker(ui->sbPreview);
        ui->sbPreview->setValue(image[PreviewFirstChannel] + 1);
    }
    {
        const QSignalBlocker blocker(ui->rbProportional);
        if (image[MixMode])
            ui->rbBiggerWin->setChecked(true);
        else
            ui->rbProportional->setChecked(true);
    }

    const u8 shown = kelvo.rcuAddrShown;
    showAddress(shown == RcuAddrUnknown ? -1 : shown);
}

void gui_class::mixModeProp(bool proportional)
{
    kelvo.document().setByte(MixMode, proportional ? 0 : 0xFF,
                             {ConfigEdit::Kind::Setting, -1, -1, -1, ui->rbProportional});
}

void gui_class::slotMenuFileQuit()
{
    // The program ends with this window; closing the others first would lose them to a Cancel.
    close();
}

void gui_class::slotMenuHovered(QAction *action)
{
    // Hovering a menu title shows that menu's status tip; Qt shows an action's own tip itself.
    const std::pair<QString, QMenu *> titles[]
        = {{tr("File"), fileMenu},       {tr("Edit"), editMenu}, {tr("Preview"), previewMenu},
           {tr("Upgrade"), upgradeMenu}, {tr("Help"), helpMenu}, {tr("Language"), languageMenu}};
    for (const auto &[title, menu] : titles) {
        if (action->toolTip() == title) {
            statusBar()->showMessage(menu->statusTip());
            return;
        }
    }
}

void gui_class::slotMenuUpgradeUpgradeSearch()
{
    const QString url = QString::fromLatin1(makerWebPage);
    const QByteArray comSpec = qgetenv("ComSpec");
    if (comSpec.isEmpty()) {
        // No command interpreter to start (not Windows): let the desktop open the page.
        QDesktopServices::openUrl(QUrl(url));
        return;
    }
    QStringList arguments;
    if (qEnvironmentVariableIsSet("OS"))
        arguments << QStringLiteral("/c");
    arguments << QStringLiteral("start") << url;
    QProcess::startDetached(QString::fromLocal8Bit(comSpec), arguments);
}

void gui_class::slotMenuHelpHelp()
{
    prompts().information(this, tr("Ovra KelvoDesk - Help"),
                          tr("Please call or send an email.\n\n"
                             "Phone:  +48 12 345 67 89\n"
                             "Fax:    +48 12 345 67 90\n"
                             "E-mail: support@kelvo-lighting.example"));
}

void gui_class::slotMenuHelpAbout()
{
    prompts().information(this, tr("Ovra KelvoDesk - About"),
                          tr("Software to configure Kelvo controller.\nRelease :   %1\n\n"
                             "Ovra Lighting Systems\n"
                             "ul. Przykladowa 12\n"
                             "30-001 Krakow, Poland\n"
                             "www.kelvo-lighting.example")
                              .arg(QString::fromLatin1(kelvoRelease)));
}
