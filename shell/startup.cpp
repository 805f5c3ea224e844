#include "startup.h"

#include "appstate.h"
#include "common/debuglog.h"
#include "common/prompts.h"
#include "gui_class.h"
#include "languages.h"
#include "worksession.h"

#include <QApplication>
#include <QTimer>

namespace {
// Enough of the bus traffic for a look in a debugger without growing for ever.
constexpr int KeptTransactions = 1000;
// The program's texts and Qt's own in the entry's language; English may have neither.
void useTranslators(const LanguageEntry &entry, bool use)
{
    for (QTranslator *translator : {entry.translator.get(), entry.qtTranslator.get()}) {
        if (!translator)
            continue;
        if (use)
            QCoreApplication::installTranslator(translator);
        else
            QCoreApplication::removeTranslator(translator);
    }
}

} // namespace

gui_class *mainWindow = nullptr;
std::vector<LanguageEntry> languageTable;
int requestedLanguage = -1;
int currentLanguage = -1;

int runKelvoDesk(const StartupSeams &seams)
{
    requestedLanguage = -1;
    currentLanguage = -1;
    languageTable.clear();

    LanguageEntry english;
    english.name = QStringLiteral("English");
    english.code = QStringLiteral("en");
    languageTable.push_back(std::move(english));
    Languages::discover();

    if (requestedLanguage < 0)
        requestedLanguage = 0;
    qCDebug(lcKelvo).noquote() << "Start language:"
                               << languageTable[size_t(requestedLanguage)].code;

    kelvo_controller_class kelvo(seams.allocateImage);
    kelvo.setUsbBackend(seams.usb);
    kelvo.usbDevice.transactionLog().capacity = KeptTransactions;
    if (!kelvo.configImage()) {
        prompts().critical(nullptr, QObject::tr("Critical error !"),
                           QObject::tr("Not enough memory !"));
        return -1;
    }

    WorkSession session(kelvo.document()); // outlives the windows of every language
    int status = 0;
    std::unique_ptr<gui_class> window;
    bool firstShown = false;
    while (requestedLanguage >= 0) {
        if (window && requestedLanguage != currentLanguage) {
            window->hide();
            window.reset();
            mainWindow = nullptr;
        }
        if (!window) {
            if (currentLanguage >= 0)
                useTranslators(languageTable[size_t(currentLanguage)], false);
            currentLanguage = requestedLanguage;
            useTranslators(languageTable[size_t(currentLanguage)], true);
            window = std::make_unique<gui_class>(kelvo, &session);
            window->setTitleNote(seams.windowTitleNote);
            mainWindow = window.get();
            kelvo.dialogParent = window.get();
            window->show();
            if (!firstShown) {
                firstShown = true;
                if (seams.firstWindowShown)
                    seams.firstWindowShown(*window);
                if (!seams.fileToOpen.isEmpty()) {
                    QTimer::singleShot(
                        0, window.get(),
                        [shown = window.get(), file = seams.fileToOpen] { shown->openFile(file); });
                }
            }
        }
        requestedLanguage = -1;
        status = QApplication::exec();
    }

    window.reset();
    mainWindow = nullptr;
    return status;
}
