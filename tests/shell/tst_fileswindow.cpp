#include "controller/kelvo_controller_class.h"
#include "dialogs/clearconf_dialog.h"
#include "model/configclear.h"
#include "model/configfile.h"
#include "model/configlayout.h"
#include "shell/appstate.h"
#include "shell/gui_class.h"
#include "support/configfilefixtures.h"
#include "support/debugcapture.h"
#include "support/imageoracle.h"
#include "support/modaldriver.h"
#include "support/scriptedprompts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <functional>
#include <memory>

using namespace ConfigLayout;

namespace {

const QString readFailed = QStringLiteral("Data read from file\n       Failed!\n\nFile is broken.");
const QString readOk = QStringLiteral("Data read from file\n    Sucessfull!");
const QString same = QStringLiteral("Source and destination shouldn't be the same !");
const QString overlap = QStringLiteral("Source and destination ranges intersects !");
const QString scenesRange
    = QStringLiteral("Number of scenes to copy exceeds possible range !\r\nTo accept corrected "
                     "value press the Copy button again");
const QString programsRange
    = QStringLiteral("Number of programs to copy exceeds possible range !\r\nTo accept "
                     "corrected value press the Copy button again");
const QString stepsRange
    = QStringLiteral("Number of steps to copy exceeds possible range !\r\nTo accept corrected "
                     "value press the Copy button again");
const QString caption = QStringLiteral("Choose a conf. and data file for Kelvo controller");
const QString filter = QStringLiteral("KelvoDesk conf and data (*.cfgkv;*.cfg);;All files (*)");

QByteArray randomImage(quint32 seed)
{
    return ConfigFileFixtures::randomBytes(seed, ImageSize);
}

using ConfigFileFixtures::withCrc;

// Records the translation context of every text looked up while installed.
class ContextRecorder : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        seen.insert(QString::fromUtf8(sourceText), QString::fromUtf8(context));
        return {};
    }
    bool isEmpty() const override { return false; }
    mutable QHash<QString, QString> seen;
};

} // namespace

// The file commands, the clear dialog and the copy tab, driven through the real window.
class tst_FilesWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fileDialogs_data();
    void fileDialogs();
    void saveNames_data();
    void saveNames();
    void failedSaveIsReported();
    void readResults_data();
    void readResults();

    void clearFlags_data();
    void clearFlags();
    void clearDialogForm();
    void allChecksAndGreysTheOthers();
    void clearThroughWindow_data();
    void clearThroughWindow();
    void clearingInputsKeepsOtherSettings();
    void clearExecWithoutDialog();

    void copy_data();
    void copy();
    void copyModeSwitch();

private:
    std::unique_ptr<kelvo_controller_class> kelvo;
    std::unique_ptr<gui_class> window;
    std::unique_ptr<ScriptedPrompts> script;
    std::unique_ptr<QTemporaryDir> tmp;
    ModalDriver modal;

    template<class T> T *child(const QString &name)
    {
        T *w = window->findChild<T *>(name);
        if (!w)
            qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
        return w;
    }
    u8 *image() { return kelvo->configImage(); }
    QByteArray imageBytes()
    {
        return QByteArray(reinterpret_cast<const char *>(image()), ImageSize);
    }
    void setImage(const QByteArray &bytes) { std::memcpy(image(), bytes.constData(), ImageSize); }
    void command(const QString &name);
    void showOtherPage();
    // Runs `act` on the next modal dialog from inside its own event loop.
};

void tst_FilesWindow::init()
{
    script = std::make_unique<ScriptedPrompts>();
    kelvo = std::make_unique<kelvo_controller_class>();
    languageTable.clear();
    window = std::make_unique<gui_class>(*kelvo);
    window->buildAllPages(); // the tests look into every page
    mainWindow = window.get();
    kelvo->dialogParent = window.get();
    tmp = std::make_unique<QTemporaryDir>();
}

void tst_FilesWindow::cleanup()
{
    modal.stop();
    mainWindow = nullptr;
    window.reset();
    kelvo.reset();
    script.reset();
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList());
}

void tst_FilesWindow::command(const QString &name)
{
    if (name.startsWith(QLatin1String("pb"))) {
        child<QPushButton>(name)->click();
        return;
    }
    for (QAction *action : window->findChildren<QAction *>()) {
        if (action->text() == name) {
            action->trigger();
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no action ") + name));
}

void tst_FilesWindow::showOtherPage()
{
    child<QTabWidget>(QStringLiteral("tabWidget_main"))->setCurrentIndex(0);
    child<QTabWidget>(QStringLiteral("tabWidget_settings"))->setCurrentIndex(2);
}

void tst_FilesWindow::fileDialogs_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("expectedFilter");
    const QString saveFilter = filter;
    QTest::newRow("pbReadFile") << "pbReadFile" << false << filter;
    QTest::newRow("File > Open file") << "&Open file" << false << filter;
    QTest::newRow("pbSaveFile") << "pbSaveFile" << true << saveFilter;
    QTest::newRow("File > Save file") << "&Save file" << true << saveFilter;
}

void tst_FilesWindow::fileDialogs()
{
    QFETCH(QString, trigger);
    QFETCH(bool, save);
    QFETCH(QString, expectedFilter);

    const QString name = tmp->filePath(QStringLiteral("dialogs.cfgkv"));
    const QByteArray stored = randomImage(1);
    // A home without a documents folder: the first dialog starts there.
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    const auto restoreHome = qScopeGuard([&oldHome] { qputenv("HOME", oldHome); });
    QVERIFY(ConfigFile::write(name, reinterpret_cast<const u8 *>(stored.constData())));
    const QByteArray before = imageBytes();
    QSignalSpy finished(kelvo.get(), &kelvo_controller_class::readFileFinished);

    // Cancel changes nothing, not even the start path.
    script->fileNames = {QString(), name, name};
    command(trigger);
    QVERIFY(script->shown.isEmpty());
    QVERIFY(kelvo->lastFilePath.isEmpty());
    QCOMPARE(imageBytes(), before);
    QCOMPARE(finished.count(), 0);

    command(trigger);
    command(trigger);
    QCOMPARE(script->fileDialogs.size(), 3);
    QCOMPARE(script->fileDialogs[0], (QStringList {caption, home.path(), expectedFilter}));
    QCOMPARE(script->fileDialogs[1], script->fileDialogs[0]);
    QCOMPARE(script->fileDialogs[2], (QStringList {caption, name, expectedFilter}));
    QCOMPARE(kelvo->lastFilePath, name);
    QCOMPARE(script->shown.size(), 2);
    QCOMPARE(finished.count(), save ? 0 : 2);
    if (!save)
        QCOMPARE(imageBytes(), stored);
}

void tst_FilesWindow::saveNames_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("conf") << "conf"
                          << "conf.cfgkv";
    QTest::newRow("conf.kvg") << "conf.kvg"
                              << "conf.kvg";
    QTest::newRow("conf.cfgkv") << "conf.cfgkv"
                                << "conf.cfgkv";
    QTest::newRow("CONF.CFGKV") << "CONF.CFGKV"
                                << "CONF.CFGKV.cfgkv";
    QTest::newRow("setup.cfg") << "setup.cfg"
                               << "setup.cfg.cfgkv";
}

void tst_FilesWindow::saveNames()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);

    const QByteArray saved = randomImage(2);
    setImage(saved);
    script->fileNames = {tmp->filePath(chosen)};
    command(QStringLiteral("pbSaveFile"));

    const QString path = tmp->filePath(written);
    QCOMPARE(QDir(tmp->path()).entryList(QDir::Files), QStringList {written});
    QCOMPARE(kelvo->lastFilePath, QFileInfo(path).filePath());
    QCOMPARE(script->shown.size(), 1);
    QCOMPARE(script->shown[0].kind, Prompts::Kind::Information);
    QCOMPARE(script->shown[0].parent, window.get());
    QCOMPARE(script->shown[0].title, QStringLiteral("KelvoDesk"));
    QCOMPARE(script->shown[0].text,
             QStringLiteral("Data write to file ") + path + QStringLiteral("\nSucessfull!"));
    QByteArray loaded(ImageSize, '\0');
    QVERIFY(ConfigFile::read(path, reinterpret_cast<u8 *>(loaded.data())));
    QCOMPARE(loaded, saved);
    QVERIFY(QFile::remove(path));
}

void tst_FilesWindow::failedSaveIsReported()
{
    const QString chosen = tmp->filePath(QStringLiteral("missing/conf"));
    script->fileNames = {chosen};
    command(QStringLiteral("&Save file"));
    QCOMPARE(script->shown.size(), 1);
    QCOMPARE(script->shown[0].kind, Prompts::Kind::Critical);
    QCOMPARE(script->shown[0].parent, window.get());
    QCOMPARE(script->shown[0].title, QStringLiteral("KelvoDesk"));
    // The specified text, and the system's reason under it.
    QCOMPARE(script->shown[0].text,
             QStringLiteral("Data write to file ") + chosen
                 + QStringLiteral(".cfgkv\nFailed!\nNo such file or directory"));
    QCOMPARE(kelvo->lastFilePath, chosen + QStringLiteral(".cfgkv"));
}

void tst_FilesWindow::readResults_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no file at all
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("label"); // remote address shown afterwards

    const auto good = [](int address) {
        QByteArray image = randomImage(3);
        image[RcuSysAddr] = char(address);
        image[PreviewFirstChannel] = 20;
        return ConfigFile::encode(reinterpret_cast<const u8 *>(image.constData()),
                                  ConfigFileFixtures::fixedTime());
    };
    QTest::newRow("address 5") << good(5) << true << "5";
    QTest::newRow("address 0") << good(0) << true << "0";
    QTest::newRow("address 31") << good(31) << true << "31";
    QTest::newRow("address 32: not used") << good(32) << true << "not used";
    QTest::newRow("address 0xFF: not used") << good(0xFF) << true << "not used";

    const QByteArray valid = good(5);
    QByteArray changed = valid;
    changed[12] = char(changed[12] ^ 0x20);
    QByteArray magic = valid.chopped(2);
    magic[0] = 'K';
    QByteArray unpacked = valid.chopped(2);
    unpacked[unpacked.indexOf('\0') + 3] = 0x01; // announces 10497
    // The image's own address (7) stays and is what is shown.
    QTest::newRow("missing") << QByteArray() << false << "7";
    QTest::newRow("one byte") << QByteArray("k") << false << "7";
    QTest::newRow("header byte changed") << changed << false << "7";
    QTest::newRow("trailing junk") << valid + "junk" << false << "7";
    QTest::newRow("wrong magic, CRC fixed") << withCrc(magic) << false << "7";
    QTest::newRow("wrong length, CRC fixed") << withCrc(unpacked) << false << "7";
}

void tst_FilesWindow::readResults()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, ok);
    QFETCH(QString, label);

    const QString name = tmp->filePath(QStringLiteral("read.cfgkv"));
    QFile::remove(name);
    if (!file.isNull()) {
        QFile out(name);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
    }
    QByteArray before = randomImage(4);
    before[RcuSysAddr] = 7;
    setImage(before);
    showOtherPage();
    QCOMPARE(child<QLabel>(QStringLiteral("lbGotValue"))->text(), QStringLiteral("N / A"));
    // Changed behind the widgets' back: only a refresh shows it.
    image()[PreviewFirstChannel] = 9;
    before[PreviewFirstChannel] = 9;

    QSignalSpy finished(kelvo.get(), &kelvo_controller_class::readFileFinished);
    script->fileNames = {name};
    const DebugCapture quiet;
    command(QStringLiteral("pbReadFile"));

    QCOMPARE(script->shown.size(), 1);
    QCOMPARE(script->shown[0].kind, ok ? Prompts::Kind::Information : Prompts::Kind::Critical);
    QCOMPARE(script->shown[0].parent, window.get());
    QCOMPARE(script->shown[0].title, QStringLiteral("KelvoDesk"));
    QCOMPARE(script->shown[0].text, ok ? readOk : readFailed);
    QCOMPARE(finished.count(), 1);
    if (ok)
        QVERIFY(ConfigFile::decode(file, reinterpret_cast<u8 *>(before.data())));
    QCOMPARE(imageBytes(), before);
    const u8 address = image()[RcuSysAddr];
    QCOMPARE(kelvo->rcuAddrShown, address <= 31 ? address : u8(0xFF));
    QCOMPARE(child<QLabel>(QStringLiteral("lbGotValue"))->text(), label);
    QCOMPARE(child<QSpinBox>(QStringLiteral("sbPreview"))->value(), ok ? 21 : 10);
}

void tst_FilesWindow::clearFlags_data()
{
    QTest::addColumn<QStringList>("boxes"); // ticked in this order
    QTest::addColumn<int>("flags");

    QTest::newRow("none") << QStringList {} << 0x0;
    QTest::newRow("scenes") << QStringList {"cbScenes"} << 0x1;
    QTest::newRow("programs") << QStringList {"cbPrograms"} << 0x2;
    QTest::newRow("scenes programs") << QStringList {"cbScenes", "cbPrograms"} << 0x3;
    QTest::newRow("inputs") << QStringList {"cbInputs"} << 0x4;
    QTest::newRow("scenes inputs") << QStringList {"cbScenes", "cbInputs"} << 0x5;
    QTest::newRow("programs inputs") << QStringList {"cbPrograms", "cbInputs"} << 0x6;
    QTest::newRow("scenes programs inputs")
        << QStringList {"cbScenes", "cbPrograms", "cbInputs"} << 0x7;
    QTest::newRow("remote") << QStringList {"cbRemote"} << 0x8;
    QTest::newRow("scenes remote") << QStringList {"cbScenes", "cbRemote"} << 0x9;
    QTest::newRow("programs remote") << QStringList {"cbPrograms", "cbRemote"} << 0xA;
    QTest::newRow("scenes programs remote")
        << QStringList {"cbScenes", "cbPrograms", "cbRemote"} << 0xB;
    QTest::newRow("inputs remote") << QStringList {"cbInputs", "cbRemote"} << 0xC;
    QTest::newRow("scenes inputs remote")
        << QStringList {"cbScenes", "cbInputs", "cbRemote"} << 0xD;
    QTest::newRow("programs inputs remote")
        << QStringList {"cbPrograms", "cbInputs", "cbRemote"} << 0xE;
    QTest::newRow("four areas") << QStringList {"cbScenes", "cbPrograms", "cbInputs", "cbRemote"}
                                << 0xF;
    QTest::newRow("all") << QStringList {"cbAll"} << 0xFFFF;
    QTest::newRow("all after scenes") << QStringList {"cbScenes", "cbAll"} << 0xFFFF;
    QTest::newRow("all, then unchecked") << QStringList {"cbAll", "cbAll"} << 0xF;
}

void tst_FilesWindow::clearFlags()
{
    QFETCH(QStringList, boxes);
    QFETCH(int, flags);

    const QByteArray before = randomImage(5);
    setImage(before);
    kelvo->rcuAddrShown = 9;
    clearConf_dialog dialog(window.get(), [this](u16 flags) { kelvo->ClearConfig(flags); });
    QSignalSpy emitted(&dialog, &clearConf_dialog::clearByFlags);
    int resultWhenEmitted = -1; // the dialog is accepted before the image is cleared
    connect(&dialog, &clearConf_dialog::clearByFlags, this,
            [&] { resultWhenEmitted = dialog.result(); });
    for (const QString &box : boxes)
        dialog.findChild<QCheckBox *>(box)->click();
    dialog.findChild<QPushButton *>(QStringLiteral("okButton"))->click();

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(resultWhenEmitted, int(QDialog::Accepted));
    QCOMPARE(emitted.count(), 1);
    QCOMPARE(emitted[0][0].value<u16>(), u16(flags));
    QByteArray expected = before;
    clearImage(reinterpret_cast<u8 *>(expected.data()), u16(flags));
    QCOMPARE(imageBytes(), expected);
    QCOMPARE(kelvo->rcuAddrShown, (flags & 0x8) ? u8(0x80) : u8(9));
}

void tst_FilesWindow::clearDialogForm()
{
    ContextRecorder recorder;
    QCoreApplication::installTranslator(&recorder);
    DebugCapture debug;
    auto dialog = std::make_unique<clearConf_dialog>(
        window.get(), [this](u16 flags) { kelvo->ClearConfig(flags); });
    QCoreApplication::removeTranslator(&recorder);

    QCOMPARE(dialog->parent(), window.get());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Configuration clear"));
    QVERIFY(!dialog->windowIcon().isNull());
    const QList<QPair<QString, QString>> texts {
        {"label", "What to clear ?"},  {"cbAll", "All"},       {"cbScenes", "Scenes"},
        {"cbPrograms", "Programs"},    {"cbInputs", "Inputs"}, {"cbRemote", "Remote control"},
        {"label_2", "Are you sure ?"}, {"okButton", "Yes !"},  {"cancelButton", "Cancel"}};
    for (const auto &[name, text] : texts) {
        QWidget *w = dialog->findChild<QWidget *>(name);
        QVERIFY2(w, qPrintable(name));
        const QString shown = qobject_cast<QLabel *>(w)
            ? qobject_cast<QLabel *>(w)->text()
            : qobject_cast<QAbstractButton *>(w)->text();
        QCOMPARE(shown, text);
        QCOMPARE(recorder.seen.value(text), QStringLiteral("clearConf"));
        if (auto *box = qobject_cast<QCheckBox *>(w)) {
            QVERIFY(!box->isChecked());
            QVERIFY(box->isEnabled());
        }
    }
    QCOMPARE(recorder.seen.value(QStringLiteral("Configuration clear")),
             QStringLiteral("clearConf"));
    QCOMPARE(debug.lines, QStringList(3, QStringLiteral("O.K. !")));
}

void tst_FilesWindow::allChecksAndGreysTheOthers()
{
    clearConf_dialog dialog(window.get());
    QList<QCheckBox *> areas;
    for (const char *name : {"cbScenes", "cbPrograms", "cbInputs", "cbRemote"})
        areas << dialog.findChild<QCheckBox *>(QLatin1String(name));
    auto *all = dialog.findChild<QCheckBox *>(QStringLiteral("cbAll"));
    areas[1]->click();

    all->click();
    for (QCheckBox *box : areas) {
        QVERIFY(box->isChecked());
        QVERIFY(!box->isEnabled());
    }
    all->click();
    for (QCheckBox *box : areas) {
        QVERIFY(box->isChecked());
        QVERIFY(box->isEnabled());
    }
    areas[0]->click();
    QVERIFY(!areas[0]->isChecked());
}

void tst_FilesWindow::clearThroughWindow_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<int>("flags"); // what the image must have been cleared with
    QTest::addColumn<QString>("label");

    QTest::newRow("button, remote")
        << "pbClrConf" << QStringList {"cbRemote"} << true << 0x8 << "N / A";
    QTest::newRow("menu, remote") << "&Clear" << QStringList {"cbRemote"} << true << 0x8 << "N / A";
    QTest::newRow("button, all") << "pbClrConf" << QStringList {"cbAll"} << true << 0xFFFF
                                 << "N / A";
    QTest::newRow("button, programs")
        << "pbClrConf" << QStringList {"cbPrograms"} << true << 0x2 << "6";
    QTest::newRow("button, nothing ticked") << "pbClrConf" << QStringList {} << true << 0x0 << "6";
    QTest::newRow("button, cancelled")
        << "pbClrConf" << QStringList {"cbAll"} << false << 0x0 << "6";
    QTest::newRow("menu, cancelled") << "&Clear" << QStringList {"cbRemote"} << false << 0x0 << "6";
}

void tst_FilesWindow::clearThroughWindow()
{
    QFETCH(QString, trigger);
    QFETCH(QStringList, boxes);
    QFETCH(bool, confirm);
    QFETCH(int, flags);
    QFETCH(QString, label);

    QByteArray before = randomImage(6);
    before[PreviewFirstChannel] = 4;
    setImage(before);
    kelvo->rcuAddrShown = 6;
    showOtherPage();
    image()[PreviewFirstChannel] = 11; // seen only after a refresh
    before[PreviewFirstChannel] = 11;

    bool sawDialog = false;
    modal.when<QDialog>([&](QDialog *dialog) {
        sawDialog = qobject_cast<clearConf_dialog *>(dialog) && dialog->parent() == window.get();
        for (const QString &box : boxes)
            dialog->findChild<QCheckBox *>(box)->click();
        dialog
            ->findChild<QPushButton *>(confirm ? QStringLiteral("okButton")
                                               : QStringLiteral("cancelButton"))
            ->click();
    });
    command(trigger);

    QVERIFY(sawDialog);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(window->findChildren<clearConf_dialog *>().isEmpty());
    QByteArray expected = before;
    clearImage(reinterpret_cast<u8 *>(expected.data()), u16(flags));
    QCOMPARE(imageBytes(), expected);
    QCOMPARE(child<QLabel>(QStringLiteral("lbGotValue"))->text(), label);
    QCOMPARE(child<QSpinBox>(QStringLiteral("sbPreview"))->value(),
             int(expected[PreviewFirstChannel]) + 1);
    QVERIFY(script->shown.isEmpty());
}

void tst_FilesWindow::clearingInputsKeepsOtherSettings()
{
    QByteArray before = randomImage(7);
    before[MixMode] = 0;
    before[PreviewFirstChannel] = 17;
    setImage(before);
    showOtherPage();
    modal.when<QDialog>([](QDialog *dialog) {
        dialog->findChild<QCheckBox *>(QStringLiteral("cbInputs"))->click();
        dialog->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
    });
    command(QStringLiteral("pbClrConf"));

    QCOMPARE(image()[InputUsedMask], u8(0xFF));
    QCOMPARE(image()[InputNoMask], u8(0xFF));
    for (int input = 0; input < InputCount; ++input)
        QCOMPARE(image()[InputFunc + input], u8(0xFF));
    QCOMPARE(image()[PowerOnFunc], u8(before[PowerOnFunc]));
    for (const int offset : std::initializer_list<int> {
             RcuSysAddr, SpecialLevelRed, SpecialLevelGreen, SpecialLevelBlue, SpecialRiseTime,
             SpecialRiseTime + 1, PreviewFirstChannel, SpecialFirstChannel, SpecialLastChannel,
             MixMode})
        QCOMPARE(image()[offset], u8(before[offset]));
    QCOMPARE(child<QSpinBox>(QStringLiteral("sbPreview"))->value(), 18);
    QVERIFY(child<QRadioButton>(QStringLiteral("rbProportional"))->isChecked());
}

void tst_FilesWindow::clearExecWithoutDialog()
{
    const QByteArray before = randomImage(8);
    setImage(before);
    QVERIFY(QMetaObject::invokeMethod(window.get(), "ClearExec", Q_ARG(u16, ClearFlags::Scenes)));
    QByteArray expected = before;
    clearImage(reinterpret_cast<u8 *>(expected.data()), ClearFlags::Scenes);
    QCOMPARE(imageBytes(), expected);
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_FilesWindow::copy_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("src"); // scene or program
    QTest::addColumn<int>("srcStep");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("dst");
    QTest::addColumn<int>("dstStep");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QStringList>("warnings");
    QTest::addColumn<int>("nAfter");
    QTest::addColumn<bool>("copied");

    using L = QStringList;
    QTest::newRow("scenes 3->10 x8: corrected to 7")
        << "scenes" << 3 << 0 << 8 << 10 << 0 << 1 << L {scenesRange} << 7 << false;
    QTest::newRow("scenes 3->10 x8: second press copies 3..9 onto 10..16")
        << "scenes" << 3 << 0 << 8 << 10 << 0 << 2 << L {scenesRange} << 7 << true;
    QTest::newRow("scenes 1->4 x4: overlap")
        << "scenes" << 1 << 0 << 4 << 4 << 0 << 1 << L {overlap} << 4 << false;
    QTest::newRow("scenes 1->5 x4: copies")
        << "scenes" << 1 << 0 << 4 << 5 << 0 << 1 << L {} << 4 << true;
    QTest::newRow("scenes 9->2 x7: backwards copies")
        << "scenes" << 9 << 0 << 7 << 2 << 0 << 1 << L {} << 7 << true;
    QTest::newRow("scenes same") << "scenes" << 6 << 0 << 2 << 6 << 0 << 1 << L {same} << 2
                                 << false;
    QTest::newRow("scenes 10->12 x8: both warnings")
        << "scenes" << 10 << 0 << 8 << 12 << 0 << 1 << L {scenesRange, overlap} << 5 << false;
    QTest::newRow("scenes 14->1 x5: source run corrected, then copies")
        << "scenes" << 14 << 0 << 5 << 1 << 0 << 2 << L {scenesRange} << 3 << true;

    QTest::newRow("programs 2->7 x3: corrected to 2")
        << "programs" << 2 << 0 << 3 << 7 << 0 << 1 << L {programsRange} << 2 << false;
    QTest::newRow("programs 2->7 x3: second press copies 2,3 onto 7,8")
        << "programs" << 2 << 0 << 3 << 7 << 0 << 2 << L {programsRange} << 2 << true;
    QTest::newRow("programs 1->2 x2: overlap")
        << "programs" << 1 << 0 << 2 << 2 << 0 << 1 << L {overlap} << 2 << false;
    QTest::newRow("programs same")
        << "programs" << 4 << 0 << 1 << 4 << 0 << 1 << L {same} << 1 << false;
    QTest::newRow("programs 1->5 x4: copies")
        << "programs" << 1 << 0 << 4 << 5 << 0 << 1 << L {} << 4 << true;
    QTest::newRow("programs 8->1 x3: source run corrected, then copies")
        << "programs" << 8 << 0 << 3 << 1 << 0 << 2 << L {programsRange} << 1 << true;

    QTest::newRow("steps within program 2, 1->3 x3: overlap")
        << "steps" << 2 << 1 << 3 << 2 << 3 << 1 << L {overlap} << 3 << false;
    QTest::newRow("steps program 2 -> 3, 1->3 x3: copies")
        << "steps" << 2 << 1 << 3 << 3 << 3 << 1 << L {} << 3 << true;
    QTest::newRow("steps within program 2, 1->4 x3: copies")
        << "steps" << 2 << 1 << 3 << 2 << 4 << 1 << L {} << 3 << true;
    QTest::newRow("steps same") << "steps" << 5 << 7 << 2 << 5 << 7 << 1 << L {same} << 2 << false;
    QTest::newRow("steps same number, other program")
        << "steps" << 1 << 5 << 1 << 2 << 5 << 1 << L {} << 1 << true;
    QTest::newRow("steps dest 14 x5: corrected to 3, then copies")
        << "steps" << 1 << 1 << 5 << 2 << 14 << 2 << L {stepsRange} << 3 << true;
    QTest::newRow("steps source 15 of program 8 x4: corrected, then copies")
        << "steps" << 8 << 15 << 4 << 1 << 1 << 2 << L {stepsRange} << 2 << true;
    QTest::newRow("steps whole program 1 onto 8")
        << "steps" << 1 << 1 << 16 << 8 << 1 << 1 << L {} << 16 << true;
    QTest::newRow("steps within program, corrected then overlap")
        << "steps" << 3 << 10 << 9 << 3 << 12 << 1 << L {stepsRange, overlap} << 5 << false;
}

void tst_FilesWindow::copy()
{
    QFETCH(QString, mode);
    QFETCH(int, src);
    QFETCH(int, srcStep);
    QFETCH(int, n);
    QFETCH(int, dst);
    QFETCH(int, dstStep);
    QFETCH(int, presses);
    QFETCH(QStringList, warnings);
    QFETCH(int, nAfter);
    QFETCH(bool, copied);

    const QByteArray before = randomImage(quint32(src * 37 + dst));
    setImage(before);
    QSpinBox *count = nullptr;
    QPushButton *button = nullptr;
    if (mode == QLatin1String("scenes")) {
        child<QSpinBox>(QStringLiteral("sbSrcSc"))->setValue(src);
        child<QSpinBox>(QStringLiteral("sbDstSc"))->setValue(dst);
        count = child<QSpinBox>(QStringLiteral("sbNoSc"));
        button = child<QPushButton>(QStringLiteral("btnCopySc"));
    } else {
        if (mode == QLatin1String("steps"))
            child<QRadioButton>(QStringLiteral("rbCopySteps"))->click();
        child<QSpinBox>(QStringLiteral("sbSrcPgm"))->setValue(src);
        child<QSpinBox>(QStringLiteral("sbDstPgm"))->setValue(dst);
        child<QSpinBox>(QStringLiteral("sbSrcStep"))->setValue(srcStep);
        child<QSpinBox>(QStringLiteral("sbDstStep"))->setValue(dstStep);
        count = child<QSpinBox>(QStringLiteral("sbNoPgms"));
        button = child<QPushButton>(QStringLiteral("btnCopyPgm"));
    }
    count->setValue(n);
    QCOMPARE(count->value(), n);
    for (int press = 0; press < presses; ++press)
        button->click();

    QStringList shown;
    for (const ScriptedPrompts::Shown &prompt : script->shown) {
        QCOMPARE(prompt.kind, Prompts::Kind::Warning);
        QCOMPARE(prompt.title, QStringLiteral("Refusing !"));
        QCOMPARE(prompt.parent, window.get());
        shown << prompt.text;
    }
    QCOMPARE(shown, warnings);
    QCOMPARE(count->value(), nAfter);

    QByteArray expected = before;
    if (copied) {
        if (mode == QLatin1String("scenes"))
            ImageOracle::copyStepsByHand(reinterpret_cast<u8 *>(expected.data()), 0, src - 1, 0,
                                         dst - 1, nAfter);
        else if (mode == QLatin1String("programs"))
            for (int k = 0; k < nAfter; ++k)
                ImageOracle::copyStepsByHand(reinterpret_cast<u8 *>(expected.data()), src + k, 0,
                                             dst + k, 0, 16);
        else
            ImageOracle::copyStepsByHand(reinterpret_cast<u8 *>(expected.data()), src, srcStep - 1,
                                         dst, dstStep - 1, nAfter);
        QVERIFY(expected != before);
    }
    QCOMPARE(imageBytes(), expected);
}

void tst_FilesWindow::copyModeSwitch()
{
    auto *srcStep = child<QSpinBox>(QStringLiteral("sbSrcStep"));
    auto *dstStep = child<QSpinBox>(QStringLiteral("sbDstStep"));
    auto *count = child<QSpinBox>(QStringLiteral("sbNoPgms"));
    const QByteArray before = imageBytes();

    child<QRadioButton>(QStringLiteral("rbCopySteps"))->click();
    for (QSpinBox *box : {srcStep, dstStep}) {
        QVERIFY(box->isEnabled());
        QCOMPARE(box->value(), 1);
        QCOMPARE(box->text(), QStringLiteral("1"));
        QCOMPARE(box->minimum(), 1); // "----" is no step to copy
        QCOMPARE(box->maximum(), 16);
    }
    QCOMPARE(count->minimum(), 1);
    QCOMPARE(count->maximum(), 16);
    count->setValue(12);

    child<QRadioButton>(QStringLiteral("rbCopyPgm"))->click();
    for (QSpinBox *box : {srcStep, dstStep}) {
        QVERIFY(!box->isEnabled());
        QCOMPARE(box->value(), 0);
        QCOMPARE(box->text(), QStringLiteral("----"));
    }
    QCOMPARE(count->minimum(), 1);
    QCOMPARE(count->maximum(), 8);
    QCOMPARE(count->value(), 8);
    QCOMPARE(imageBytes(), before);
    QVERIFY(script->shown.isEmpty());
}

QTEST_MAIN(tst_FilesWindow)
#include "tst_fileswindow.moc"
