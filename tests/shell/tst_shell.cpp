#include "common/version.h"
#include "controller/kelvo_controller_class.h"
#include "model/configlayout.h"
#include "shell/appstate.h"
#include "shell/gui_class.h"
#include "shell/startup.h"
#include "shell/worksession.h"
#include "support/debugcapture.h"
#include "support/scriptedprompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>

using namespace ConfigLayout;

// Drives the real window against one controller, as start-up would build them.
class tst_Shell : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startupReturnsEventLoopStatus_data();
    void startupReturnsEventLoopStatus();
    void startupWithoutImageShowsNoWindow();
    void sameLanguageKeepsWindow();

    void commandColumn_data();
    void commandColumn();
    void spinBoxRanges_data();
    void spinBoxRanges();
    void initialPagesAndFrame();
    void pageBuiltWhenFirstShown_data();
    void pageBuiltWhenFirstShown();
    void viewOfPageNeverShownIsKept();
    void windowKeepsTheCommandColumn_data();
    void windowKeepsTheCommandColumn();
    void everyConnectionIsLogged();
    void menus_data();
    void menus();
    void hoveringMenuTitleShowsItsTip_data();
    void hoveringMenuTitleShowsItsTip();
    void mixModeBothWays();
    void learnedAddressDisplay_data();
    void learnedAddressDisplay();
    void switchingPagesChangesNoByte();
    void helpAndAbout();
    void webPageThroughCommandInterpreter_data();
    void webPageThroughCommandInterpreter();

private:
    std::unique_ptr<kelvo_controller_class> kelvo;
    std::unique_ptr<gui_class> window;
    std::unique_ptr<ScriptedPrompts> script;

    gui_class *build()
    {
        window = std::make_unique<gui_class>(*kelvo);
        window->buildAllPages(); // the tests look into every page
        return window.get();
    }
    template<class T> T *child(const char *name)
    {
        T *w = window->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qWarning("no %s named %s", T::staticMetaObject.className(), name);
        return w;
    }
};

void tst_Shell::init()
{
    script = std::make_unique<ScriptedPrompts>();
    kelvo = std::make_unique<kelvo_controller_class>();
    languageTable.clear();
    LanguageEntry english;
    english.name = QStringLiteral("English");
    english.code = QStringLiteral("en");
    languageTable.push_back(std::move(english));
}

void tst_Shell::cleanup()
{
    window.reset();
    kelvo.reset();
    script.reset();
    // One list: each call builds a new one, and iterators of two lists must not be mixed.
    const QWidgetList topLevel = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(topLevel.cbegin(), topLevel.cend(),
                         [](QWidget *w) { return w->isVisible(); }));
}

void tst_Shell::startupReturnsEventLoopStatus_data()
{
    QTest::addColumn<int>("how");
    QTest::addColumn<int>("status");
    QTest::newRow("window closed") << 0 << 0;
    QTest::newRow("File > Exit") << 1 << 0;
    QTest::newRow("loop ends with 3") << 2 << 3;
}

void tst_Shell::startupReturnsEventLoopStatus()
{
    QFETCH(int, how);
    QFETCH(int, status);
    gui_class *seen = nullptr;
    bool controllerHadImage = false;
    QTimer::singleShot(0, [&] {
        seen = mainWindow;
        controllerHadImage = mainWindow && mainWindow->controller().configImage();
        if (how == 0) {
            mainWindow->close();
        } else if (how == 1) {
            for (QAction *a : mainWindow->findChildren<QAction *>())
                if (a->text() == QLatin1String("&Exit"))
                    a->trigger();
        } else {
            QCoreApplication::exit(3);
        }
    });
    QCOMPARE(runKelvoDesk(), status);
    QVERIFY(seen);
    QVERIFY(controllerHadImage);
    QVERIFY(!mainWindow);
    QCOMPARE(languageTable.size(), std::size_t(1));
    QCOMPARE(languageTable[0].code, QStringLiteral("en"));
    QCOMPARE(currentLanguage, 0);
    QCOMPARE(requestedLanguage, -1);
    QVERIFY(script->shown.isEmpty());
}

void tst_Shell::startupWithoutImageShowsNoWindow()
{
    bool windowSeen = false;
    QTimer::singleShot(0, [&] { windowSeen = true; });
    StartupSeams seams;
    seams.allocateImage = [](std::size_t) {
        return std::unique_ptr<u8[]>();
    };
    QCOMPARE(runKelvoDesk(seams), -1);
    QVERIFY(!mainWindow);
    QCOMPARE(script->shown.size(), 1);
    QCOMPARE(script->shown[0].kind, Prompts::Kind::Critical);
    QCOMPARE(script->shown[0].parent, nullptr);
    QCOMPARE(script->shown[0].title, QStringLiteral("Critical error !"));
    QCOMPARE(script->shown[0].text, QStringLiteral("Not enough memory !"));
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<gui_class *>(w));
    QCoreApplication::processEvents();
    QVERIFY(windowSeen); // the timer ran outside any event loop of start-up
}

void tst_Shell::sameLanguageKeepsWindow()
{
    QList<gui_class *> windows;
    QTimer step;
    connect(&step, &QTimer::timeout, [&] {
        // Act on a window the platform shows, as a user would (closing one that was never
        // exposed does not end the event loop), and not again before the loop asked to end has
        // ended.
        if (requestedLanguage >= 0 || !mainWindow->windowHandle()
            || !mainWindow->windowHandle()->isExposed())
            return;
        windows << mainWindow;
        if (windows.size() == 1) {
            mainWindow->buildAllPages();
            mainWindow->findChild<QSpinBox *>(QStringLiteral("sbPreview"))->setValue(7);
            requestedLanguage = 0;
            QCoreApplication::exit(0);
        } else {
            step.stop();
            // The change is still unsaved: closing asks, and goes on without it.
            script->answers = {Prompts::Discard};
            mainWindow->close();
        }
    });
    step.start(0);
    QCOMPARE(runKelvoDesk(), 0);
    QCOMPARE(windows.size(), 2);
    QCOMPARE(windows[0], windows[1]);
    QCOMPARE(script->shown.size(), 1);
    QCOMPARE(script->shown[0].kind, Prompts::Kind::Warning);
}

void tst_Shell::commandColumn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("enabled");

    const auto row = [](const char *name, const char *text, QRect g, bool enabled = true) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(text) << g << enabled;
    };
    row("lbConfig", "Configuration", {870, 24, 131, 20});
    row("pbSendConf", "Send conf. to Kelvo", {860, 50, 151, 23});
    row("pbReadConf", "Read conf. from Kelvo", {860, 90, 151, 23});
    row("pbSaveFile", "Save conf. to file", {860, 130, 151, 23});
    row("pbReadFile", "Read conf. from file", {860, 170, 151, 23});
    row("pbClrConf", "Clear configuration", {860, 210, 151, 23});
    row("lbKelvo", "Kelvo Controller", {870, 280, 131, 20});
    row("lbStatus", "status :", {856, 310, 51, 21});
    row("lbConn", "Disconnected", {897, 310, 121, 20});
    row("pbConnect", "Connect to Kelvo", {870, 340, 131, 41});
    row("lbMode", "Kelvo working mode", {870, 420, 131, 20});
    row("lbWMode", "Normal", {860, 450, 151, 20});
    row("pbLiveMode", "Live", {880, 480, 111, 23}, false);
    row("pbNormalMode", "Normal", {880, 510, 111, 23}, false);
    row("pbReset", "Reset Kelvo", {870, 580, 131, 23});
    row("gbVerSer", "", {869, 620, 131, 80});
    row("lbSerial", "S/N ----", {10, 16, 111, 21});
    row("lbFirmWare", "F/W ver. ", {10, 40, 111, 31});
    row("tabWidget_main", "", {0, 0, 851, 701});
    row("tabWidget_settings", "", {0, 0, 851, 681});
    row("lbProg", "Choose program :", {120, 40, 131, 22});
    row("sbProgram", "", {260, 40, 181, 22});
    row("lbScene", "Scene / Step No.", {480, 40, 131, 22});
    row("sbStep", "", {630, 40, 52, 22});
    row("lbProgP", "Choose program :", {270, 40, 131, 22});
    row("sbProgP", "", {410, 40, 71, 23});
    row("btnKeyFromDev", "Select from device", {650, 330, 161, 31});
    row("btnRcFromDev", "Select from RCU", {650, 550, 161, 31});
    row("gbExtra", "Special scene", {20, 20, 451, 311});
    row("gbSysAdr", "RCU system address", {500, 20, 321, 311});
    row("gbPreview", "Three-channel preview", {20, 350, 801, 91});
    row("gbMixMode", "Scene mixing mode", {20, 460, 281, 121});
    row("gbSimuli", "Input simulator", {330, 460, 491, 121});
    row("gbCopySc", "Copy independent scenes", {160, 110, 531, 131});
    row("gbCopyPgm", "Copy programs", {160, 280, 531, 211});
    row("lbPreview", "Show on the controller three channels starting from  :  ", {});
    row("btnGetRcu", "Read from controller", {});
    row("lbGot", "Got value :", {});
    row("gbSetValue", "Set value", {});
    row("btnSend2Rcu", "Send", {});
    row("btnAcceptAdr", "Accept from RCU", {});
    row("rbBiggerWin", "Standard (bigger win) mode", {});
    row("rbProportional", "Proportional mode", {});
    row("btnGenerate", "Generate", {});
    row("rbCopyPgm", "programs", {});
    row("rbCopySteps", "steps", {});
    row("btnCopySc", "Copy", {});
    row("btnCopyPgm", "Copy", {});
    row("lbStepCount", "Number of steps in program:", {150, 500, 240, 20});
    row("sbStepCount", "", {395, 500, 40, 20});
    row("cbContinued", "Continued", {450, 500, 120, 20});
    row("cbLoop", "Loop", {590, 500, 150, 20});
    row("pbEditStep", "Edit step", {145, 445, 90, 25});
    row("pbInsertStep", "Insert", {490, 445, 90, 25});
    row("pbDeleteStep", "Delete", {610, 445, 90, 25});
    row("lbFirstChannel", "First channel :", {30, 240, 120, 18});
    row("lbLastChannel", "Last channel :", {220, 240, 120, 18});
    row("lbRiseTime", "Rise time", {70, 280, 120, 18});
}

void tst_Shell::commandColumn()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    QFETCH(bool, enabled);

    build();
    QWidget *w = window->findChild<QWidget *>(name);
    QVERIFY2(w, qPrintable(name));
    if (auto *label = qobject_cast<QLabel *>(w))
        QCOMPARE(label->text(), text);
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        QCOMPARE(button->text(), text);
    else if (auto *group = qobject_cast<QGroupBox *>(w))
        QCOMPARE(group->title(), text);
    if (!geometry.isNull())
        QCOMPARE(w->geometry(), geometry);
    QCOMPARE(w->isEnabled(), enabled);
}

void tst_Shell::spinBoxRanges_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("shown"); // text for the current value
    QTest::addColumn<bool>("enabled");

    QTest::newRow("sbProgram") << "sbProgram" << 0 << 8 << 0 << "Independent scenes" << true;
    QTest::newRow("sbStep") << "sbStep" << 1 << 16 << 1 << "1" << true;
    QTest::newRow("sbProgP") << "sbProgP" << 1 << 8 << 1 << "1" << true;
    QTest::newRow("sbStepCount") << "sbStepCount" << 1 << 16 << 1 << "1" << true;
    QTest::newRow("sbSetValue") << "sbSetValue" << -1 << 31 << -1 << "not used" << true;
    QTest::newRow("sbPreview") << "sbPreview" << 1 << 30 << 1 << "1" << true;
    QTest::newRow("sbInputNo") << "sbInputNo" << 1 << 8 << 1 << "1" << true;
    QTest::newRow("sbSrcSc") << "sbSrcSc" << 1 << 16 << 1 << "1" << true;
    QTest::newRow("sbNoSc") << "sbNoSc" << 1 << 15 << 1 << "1" << true;
    QTest::newRow("sbDstSc") << "sbDstSc" << 1 << 16 << 1 << "1" << true;
    QTest::newRow("sbSrcPgm") << "sbSrcPgm" << 1 << 8 << 1 << "1" << true;
    QTest::newRow("sbSrcStep") << "sbSrcStep" << 0 << 16 << 0 << "----" << false;
    QTest::newRow("sbNoPgms") << "sbNoPgms" << 1 << 7 << 1 << "1" << true;
    QTest::newRow("sbDstPgm") << "sbDstPgm" << 1 << 8 << 1 << "1" << true;
    QTest::newRow("sbDstStep") << "sbDstStep" << 0 << 16 << 0 << "----" << false;
}

void tst_Shell::spinBoxRanges()
{
    QFETCH(QString, name);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(QString, shown);
    QFETCH(bool, enabled);

    build();
    auto *box = window->findChild<QSpinBox *>(name);
    QVERIFY2(box, qPrintable(name));
    QCOMPARE(box->minimum(), minimum);
    QCOMPARE(box->maximum(), maximum);
    QCOMPARE(box->value(), value);
    QCOMPARE(box->text(), shown);
    QCOMPARE(box->isEnabled(), enabled);
    if (name == QLatin1String("sbProgram")) {
        box->setValue(3);
        QCOMPARE(box->text(), QStringLiteral("Program 3"));
    }
}

void tst_Shell::initialPagesAndFrame()
{
    build();
    QCOMPARE(window->objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(window->windowTitle(), QStringLiteral("untitled[*] - KelvoDesk"));
    QVERIFY(!window->isWindowModified());
    QCOMPARE(window->size(), QSize(1024, 749));
    QCOMPARE(window->maximumSize(), QSize(1024, 768));
    QVERIFY(!window->windowIcon().isNull());
    QCOMPARE(window->font().family(), QStringLiteral("MS Shell Dlg"));
    QCOMPARE(window->font().pointSize(), 10);
    QCOMPARE(window->statusBar()->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(window->statusBar()->font().pointSize(), 9);
    QVERIFY(window->statusBar()->autoFillBackground());

    auto *mainTabs = child<QTabWidget>("tabWidget_main");
    auto *settingsTabs = child<QTabWidget>("tabWidget_settings");
    // The first tab of each.
    QCOMPARE(mainTabs->currentWidget()->objectName(), QStringLiteral("tab_settings"));
    QCOMPARE(settingsTabs->currentWidget()->objectName(), QStringLiteral("tab_settings_Inputs"));
    QVERIFY(mainTabs->font().bold());
    QVERIFY(settingsTabs->font().bold());

    const QStringList mainTabTexts {"Settings", "Scenes, Steps", "Programs", "Copying"};
    const QStringList mainTabNames {"tab_settings", "tab_scenes", "tab_programs", "tab_copy"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(mainTabs->tabText(i), mainTabTexts[i]);
        QCOMPARE(mainTabs->widget(i)->objectName(), mainTabNames[i]);
    }
    const QStringList settingsTexts {"Inputs", "RCU keys", "Other"};
    const QStringList settingsNames {"tab_settings_Inputs", "tab_settings_ired",
                                     "tab_settings_other"};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(settingsTabs->tabText(i), settingsTexts[i]);
        QCOMPARE(settingsTabs->widget(i)->objectName(), settingsNames[i]);
    }

    auto *conn = child<QLabel>("lbConn");
    QVERIFY(conn->font().bold());
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(conn->palette().color(group, QPalette::WindowText), QColor(220, 0, 0));
    QVERIFY(child<QLabel>("lbWMode")->font().bold());

    auto *input = child<QComboBox>("cbInputType");
    QCOMPARE(input->count(), 2);
    QCOMPARE(input->itemText(0), QStringLiteral("Standard input"));
    QCOMPARE(input->itemText(1), QStringLiteral("RCU key"));
    QVERIFY(child<QRadioButton>("rbCopyPgm")->isChecked());

    window->show();
    window->resize(2000, 2000);
    QVERIFY(window->width() <= 1024);
    QVERIFY(window->height() <= 768);
}

void tst_Shell::pageBuiltWhenFirstShown_data()
{
    QTest::addColumn<int>("main");
    QTest::addColumn<int>("settings");
    QTest::addColumn<QString>("control");
    QTest::newRow("RCU keys") << 0 << 1 << "remoteKeyTable";
    QTest::newRow("Other") << 0 << 2 << "sbPreview";
    QTest::newRow("Scenes, Steps") << 1 << -1 << "sbProgram";
    QTest::newRow("Programs") << 2 << -1 << "programTable";
    QTest::newRow("Copying") << 3 << -1 << "btnCopySc";
}

void tst_Shell::pageBuiltWhenFirstShown()
{
    QFETCH(int, main);
    QFETCH(int, settings);
    QFETCH(QString, control);

    // A window with every page built, to compare with.
    gui_class whole(*kelvo);
    whole.buildAllPages();
    whole.show();
    QVERIFY(QTest::qWaitForWindowExposed(&whole));

    window = std::make_unique<gui_class>(*kelvo);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // Only the page the window opens on is there, and the window's size does not show it.
    QVERIFY(window->findChild<QWidget *>(QStringLiteral("inputTable")));
    QVERIFY(!window->findChild<QWidget *>(control));
    QCOMPARE(window->size(), whole.size());
    QCOMPARE(window->sizeHint(), whole.sizeHint());
    QCOMPARE(window->minimumSizeHint(), whole.minimumSizeHint());

    if (settings >= 0)
        child<QTabWidget>("tabWidget_settings")->setCurrentIndex(settings);
    child<QTabWidget>("tabWidget_main")->setCurrentIndex(main);
    QWidget *shown = window->findChild<QWidget *>(control);
    QVERIFY(shown);
    QVERIFY(shown->isVisible());
    // Where the window with every page built has it.
    QWidget *built = whole.findChild<QWidget *>(control);
    QCOMPARE(QRect(shown->mapTo(window.get(), QPoint(0, 0)), shown->size()),
             QRect(built->mapTo(&whole, QPoint(0, 0)), built->size()));
}

void tst_Shell::viewOfPageNeverShownIsKept()
{
    WorkSession session(kelvo->document());
    const auto box = [](gui_class &w, const char *name) {
        return w.findChild<QSpinBox *>(QString::fromLatin1(name));
    };
    {
        gui_class first(*kelvo, &session);
        first.buildAllPages();
        box(first, "sbProgram")->setValue(3);
        box(first, "sbStep")->setValue(5);
        box(first, "sbProgP")->setValue(4);
    }
    {
        // A language change in which the scenes and programs pages were not visited.
        gui_class second(*kelvo, &session);
        QVERIFY(!box(second, "sbProgram"));
        QVERIFY(!box(second, "sbProgP"));
    }
    gui_class third(*kelvo, &session);
    third.buildAllPages();
    QCOMPARE(box(third, "sbProgram")->value(), 3);
    QCOMPARE(box(third, "sbStep")->value(), 5);
    QCOMPARE(box(third, "sbProgP")->value(), 4);
}

void tst_Shell::windowKeepsTheCommandColumn_data()
{
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<QSize>("size");

    QTest::newRow("much smaller") << QSize(600, 400) << QSize(1024, 749);
    QTest::newRow("a pixel narrower") << QSize(1023, 749) << QSize(1024, 749);
    QTest::newRow("a pixel lower") << QSize(1024, 748) << QSize(1024, 749);
    QTest::newRow("narrower, taller") << QSize(900, 760) << QSize(1024, 760);
    QTest::newRow("larger") << QSize(2000, 2000) << QSize(1024, 768);
}

void tst_Shell::windowKeepsTheCommandColumn()
{
    QFETCH(QSize, requested);
    QFETCH(QSize, size);

    build();
    window->show();
    QCOMPARE(window->minimumSize(), QSize(1024, 749));
    QCOMPARE(window->maximumSize(), QSize(1024, 768));
    window->resize(requested);
    QCOMPARE(window->size(), size);

    // Every command of the right-hand column is inside the window, whole.
    QWidget *central = window->centralWidget();
    QVERIFY(central->rect().translated(central->pos()).bottom() < window->height());
    for (const char *name :
         {"pbSendConf", "pbReadConf", "pbSaveFile", "pbReadFile", "pbClrConf", "lbConn",
          "pbConnect", "lbWMode", "pbLiveMode", "pbNormalMode", "pbReset", "gbVerSer"}) {
        auto *w = child<QWidget>(name);
        QVERIFY2(w, name);
        const QRect inWindow(w->mapTo(window.get(), QPoint(0, 0)), w->size());
        QVERIFY2(window->rect().contains(inWindow), name);
        QVERIFY2(central->rect().contains(QRect(w->mapTo(central, QPoint(0, 0)), w->size())), name);
    }
}

void tst_Shell::everyConnectionIsLogged()
{
    DebugCapture debug;
    build();
    // Tabs 2, menu bar 1, mixing mode 1, file controls 4, transfer controls 3, copy controls 3,
    // connection and mode controls 5, settings controls 8; scenes page: program and step boxes 2,
    // the scene editor 64 (10 columns x 3, 3 time editors, its own 27, its first refresh 4);
    // special scene: 3 columns x 3, the rise editor 1, the group's own 6; the three function
    // tables 1 each (the delegate's refresh); programs page: the step table's own 2, its
    // controls 10; the pages' requests to the window 8 (learning 2, remote address and simulator
    // 4, scene chosen 1, step to edit 1).
    QCOMPARE(debug.lines.count(QStringLiteral("O.K. !")), 132);
    QVERIFY(!debug.lines.contains(QStringLiteral("Oops!")));
}

void tst_Shell::menus_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("statusTip");
    QTest::addColumn<QStringList>("actions"); // text, status tip, text, status tip ...

    QTest::newRow("File") << 0 << "&File"
                          << "File operations and exit"
                          << QStringList {"&Open file",
                                          "Open configuration file",
                                          "&Save file",
                                          "Save configuration file",
                                          "Save file &as...",
                                          "Save configuration file under another name",
                                          "&Clear",
                                          "Clear current configuration",
                                          "&Recent files",
                                          "Open a configuration file used lately",
                                          "&Exit",
                                          "Turn off application"};
    QTest::newRow("Edit") << 1 << "&Edit"
                          << "Undo and redo changes of the configuration"
                          << QStringList {"&Undo", "Take back the last change of the configuration",
                                          "&Redo", "Make the change taken back again"};
    QTest::newRow("Preview") << 2 << "Pre&view"
                             << "Play the configuration here, without a controller"
                             << QStringList {"Play the &scene being edited",
                                             "Play the scene or program shown on the scenes page",
                                             "Play the &program being edited",
                                             "Play the program shown on the programs page",
                                             "Play the whole s&how from power-on",
                                             "Play from power-on, with the inputs and the remote "
                                             "to try"};
    QTest::newRow("Language") << 3 << "&Language"
                              << "Change application language"
                              << QStringList {"English", "Change language to : English"};
    QTest::newRow("Upgrade") << 4 << "&Upgrade"
                             << "FirmWare version management"
                             << QStringList {"&Upgrade Kelvo", "Send upgrade to Kelvo device",
                                             "&Verify Firmware", "Verify firmware"};
    QTest::newRow("Help") << 5 << "&Help"
                          << "Some short informations about this program"
                          << QStringList {"&Help", "How to get help", "&About",
                                          "Information about application."};
}

void tst_Shell::menus()
{
    QFETCH(int, index);
    QFETCH(QString, title);
    QFETCH(QString, statusTip);
    QFETCH(QStringList, actions);

    build();
    const QList<QAction *> bar = window->menuBar()->actions();
    QCOMPARE(bar.size(), 6);
    QMenu *menu = bar[index]->menu();
    QVERIFY(menu);
    QCOMPARE(menu->title(), title);
    QCOMPARE(menu->statusTip(), statusTip);
    const QList<QAction *> items = menu->actions();
    QCOMPARE(items.size(), actions.size() / 2);
    for (int i = 0; i < items.size(); ++i) {
        QCOMPARE(items[i]->text(), actions[2 * i]);
        QCOMPARE(items[i]->statusTip(), actions[2 * i + 1]);
        QVERIFY2(!items[i]->icon().isNull(), qPrintable(items[i]->text()));
    }
    if (title == QLatin1String("&Language")) {
        QCOMPARE(menu->toolTip(), QStringLiteral("Language"));
        QCOMPARE(languageTable[0].action, items[0]);
    }
}

void tst_Shell::hoveringMenuTitleShowsItsTip_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("tip");
    QTest::newRow("File") << 0 << "File operations and exit";
    QTest::newRow("Edit") << 1 << "Undo and redo changes of the configuration";
    QTest::newRow("Preview") << 2 << "Play the configuration here, without a controller";
    QTest::newRow("Language") << 3 << "Change application language";
    QTest::newRow("Upgrade") << 4 << "FirmWare version management";
    QTest::newRow("Help") << 5 << "Some short informations about this program";
}

void tst_Shell::hoveringMenuTitleShowsItsTip()
{
    QFETCH(int, index);
    QFETCH(QString, tip);

    build();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QMenuBar *bar = window->menuBar();
    QAction *title = bar->actions()[index];
    const QPoint at = bar->actionGeometry(title).center();
    QMouseEvent move(QEvent::MouseMove, at, bar->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    QCOMPARE(window->statusBar()->currentMessage(), tip);

    // Stays until something else replaces it.
    QCoreApplication::processEvents();
    QCOMPARE(window->statusBar()->currentMessage(), tip);

    // An action that is no menu title leaves the status bar alone.
    window->statusBar()->showMessage(QStringLiteral("kept"));
    emit bar->hovered(languageTable[0].action);
    QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("kept"));
}

void tst_Shell::mixModeBothWays()
{
    u8 *image = kelvo->configImage();
    image[MixMode] = 0;
    build();
    child<QTabWidget>("tabWidget_settings")->setCurrentIndex(2); // the settings page "Other"
    auto *proportional = child<QRadioButton>("rbProportional");
    auto *bigger = child<QRadioButton>("rbBiggerWin");
    QVERIFY(proportional->isChecked());
    QVERIFY(!bigger->isChecked());

    // A non-zero value other than 0xFF is shown, and left as it is.
    image[MixMode] = 0x05;
    window->refresh();
    QVERIFY(bigger->isChecked());
    QCOMPARE(image[MixMode], u8(0x05));

    proportional->click();
    QCOMPARE(image[MixMode], u8(0));
    bigger->click();
    QCOMPARE(image[MixMode], u8(0xFF));

    image[MixMode] = 0;
    window->refresh();
    QVERIFY(proportional->isChecked());
    QCOMPARE(image[MixMode], u8(0));
}

void tst_Shell::learnedAddressDisplay_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing learned") << 128 << "N / A";
    QTest::newRow("not used") << 200 << "not used";
    QTest::newRow("32 is not used") << 32 << "not used";
    QTest::newRow("address 5") << 5 << "5";
    QTest::newRow("address 0") << 0 << "0";
    QTest::newRow("address 31") << 31 << "31";
}

void tst_Shell::learnedAddressDisplay()
{
    QFETCH(int, shown);
    QFETCH(QString, text);
    kelvo->rcuAddrShown = u8(shown);
    kelvo->configImage()[PreviewFirstChannel] = 11;
    build();
    // Not shown yet: the window opens on the inputs.
    QCOMPARE(child<QLabel>("lbGotValue")->text(), QStringLiteral("N / A"));
    child<QTabWidget>("tabWidget_settings")->setCurrentIndex(2);
    QCOMPARE(child<QLabel>("lbGotValue")->text(), text);
    QCOMPARE(child<QSpinBox>("sbPreview")->value(), 12);
}

void tst_Shell::switchingPagesChangesNoByte()
{
    u8 *image = kelvo->configImage();
    for (int i = 0; i < ImageSize; ++i)
        image[i] = u8(i * 7 + 3);
    const QByteArray before(reinterpret_cast<const char *>(image), ImageSize);
    build();
    auto *mainTabs = child<QTabWidget>("tabWidget_main");
    auto *settingsTabs = child<QTabWidget>("tabWidget_settings");
    for (int sub : {0, 1, 2}) {
        mainTabs->setCurrentIndex(0);
        settingsTabs->setCurrentIndex(sub);
        for (int page : {1, 2, 3, 0})
            mainTabs->setCurrentIndex(page);
    }
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(image), ImageSize), before);
}

void tst_Shell::helpAndAbout()
{
    build();
    const QList<QAction *> bar = window->menuBar()->actions();
    const QList<QAction *> help = bar[5]->menu()->actions();
    help[0]->trigger();
    help[1]->trigger();
    QCOMPARE(script->shown.size(), 2);
    QCOMPARE(script->shown[0].kind, Prompts::Kind::Information);
    QCOMPARE(script->shown[0].parent, window.get());
    QCOMPARE(script->shown[0].title, QStringLiteral("Ovra KelvoDesk - Help"));
    QVERIFY(script->shown[0].text.startsWith(QStringLiteral("Please call or send an email.\n\n")));
    QCOMPARE(script->shown[1].title, QStringLiteral("Ovra KelvoDesk - About"));
    QVERIFY(script->shown[1].text.startsWith(
        QStringLiteral("Software to configure Kelvo controller.\nRelease :   %1\n\n")
            .arg(QLatin1String(kelvoRelease))));
    QCOMPARE(script->shown[1].parent, window.get());
}

void tst_Shell::webPageThroughCommandInterpreter_data()
{
    QTest::addColumn<bool>("osSet");
    QTest::addColumn<QString>("arguments");
    QTest::newRow("OS set") << true << "/c start http://www.kelvo-lighting.example/";
    QTest::newRow("OS not set") << false << "start http://www.kelvo-lighting.example/";
}

void tst_Shell::webPageThroughCommandInterpreter()
{
    QFETCH(bool, osSet);
    QFETCH(QString, arguments);

    // A stand-in command interpreter that records how it was started.
    QTemporaryDir dir;
    const QString record = dir.filePath(QStringLiteral("args"));
    const QString interpreter = dir.filePath(QStringLiteral("cmd.sh"));
    QFile script(interpreter);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\necho \"$*\" > %1.tmp && mv %1.tmp %1\n")
                     .arg(record)
                     .toLocal8Bit());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QByteArray oldComSpec = qgetenv("ComSpec");
    const QByteArray oldOs = qgetenv("OS");
    qputenv("ComSpec", interpreter.toLocal8Bit());
    if (osSet)
        qputenv("OS", "Windows_NT");
    else
        qunsetenv("OS");

    build();
    QVERIFY(QMetaObject::invokeMethod(window.get(), "slotMenuUpgradeUpgradeSearch"));
    QTRY_VERIFY(QFile::exists(record));
    QFile result(record);
    QVERIFY(result.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLocal8Bit(result.readAll()).trimmed(), arguments);

    qunsetenv("ComSpec");
    if (!oldComSpec.isEmpty())
        qputenv("ComSpec", oldComSpec);
    if (!oldOs.isEmpty())
        qputenv("OS", oldOs);
    else
        qunsetenv("OS");
}

QTEST_MAIN(tst_Shell)
#include "tst_shell.moc"
