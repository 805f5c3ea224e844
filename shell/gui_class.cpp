#include "gui_class.h"

#include "appstate.h"
#include "common/connectlog.h"
#include "common/prompts.h"
#include "common/version.h"
#include "controller/kelvo_controller_class.h"
#include "lazyicon.h"
#include "model/configlayout.h"
#include "pages/windowpage.h"
#include "ui_mainwindow.h"
#include "worksession.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QMenuBar>
#include <QProcess>
#include <QStatusBar>
#include <QUrl>

using namespace ConfigLayout;

namespace {

const char makerWebPage[] = "http://www.kelvo-lighting.example/";

QAction *makeAction(QWidget *window, const QString &text, const QString &statusTip,
                    const char *icon)
{
    auto *action = new QAction(lazyIcon(QString::fromLatin1(icon)), text, window);
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

    createActions();
    createMenus();
    connectFirmwareActions();

    updateDeviceControls(); // live and normal mode off until a controller is connected
    connectFileControls();
    connectTransferControls();
    connectConnectionControls();

    showConnectionColour(Disconnected);
    orderTabs();

    ui->tabWidget_settings->setTabToolTip(ui->tabWidget_settings->indexOf(ui->tab_settings_ired),
                                          tr("RCU: the controller's infra-red remote control"));

    // A window rebuilt for another language finds the controller connected.
    if (kelvo.usbDevice.isOpen()) {
        connectionStatusChange(true);
        if (kelvo.requestedMode == kelvo_controller_class::RequestedLive)
            ui->lbWMode->setText(tr("Live"));
    }

    connectWorkSession();
    showKeptView();
    // Only the page shown is built now; the others when their tab is first shown.
    logConnection(
        connect(ui->tabWidget_main, &QTabWidget::currentChanged, this, &gui_class::tabChange));
    logConnection(connect(ui->tabWidget_settings, &QTabWidget::currentChanged, this,
                          &gui_class::tabSettingsChange));
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
    recentMenu = fileMenu->addMenu(lazyIcon(QStringLiteral(":/fileopen.png")), tr("&Recent files"));
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
            = new QAction(lazyIcon(QStringLiteral(":/%1.png").arg(entry.code)), entry.name, this);
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

WindowPage *gui_class::shownPage()
{
    QWidget *shown = ui->tabWidget_main->currentWidget();
    if (shown == ui->tab_settings)
        shown = ui->tabWidget_settings->currentWidget();
    return buildPage(shown);
}

void gui_class::refresh()
{
    if (WindowPage *page = shownPage()) {
        page->refresh();
        page->showOnController();
    }
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
