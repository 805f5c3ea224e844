#include "languages.h"

#include "appstate.h"
#include "common/debuglog.h"
#include "model/fileio.h"
#include "params/paramelement.h"
#include "places.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>

#include <algorithm>

namespace {

// Far above any parameters file; a larger one is not read at all.
constexpr qint64 MaxParametersFileSize = 64 * 1024;

const QString iniName = QStringLiteral("ini");
const QString deviceName = QStringLiteral("Kelvo");

QString installedFolder; // empty: beside the executable

// "KelvoDesk_pl.qm" -> "pl"
QString codeOf(const QFileInfo &file)
{
    return file.fileName().right(5).left(2);
}

QFileInfoList translationsIn(const QString &folder)
{
    return QDir(folder).entryInfoList({QStringLiteral("KelvoDesk_*.qm")},
                                      QDir::Files | QDir::Readable, QDir::Name);
}

QString fixedName(const QString &code)
{
    static const QList<QPair<QString, QString>> names = {
        {QStringLiteral("pl"), QStringLiteral("Polski")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("ru"), QStringLiteral("Русский")},
    };
    for (const auto &[c, name] : names) {
        if (c == code)
            return name;
    }
    return QString();
}

// Reads the parameters file into `root`; its "ini" element when the file is one of this
// program's, else null.
ParamElement *readIni(const QString &fileName, ParamElement &root)
{
    QByteArray bytes;
    QString reason;
    if (FileIo::read(fileName, MaxParametersFileSize, &bytes, &reason) != FileIo::ReadResult::Ok)
        return nullptr;
    QTextStream stream(bytes);
    stream.setEncoding(QStringConverter::Utf8);
    QString line;
    while (root.parseNext(stream, line)) { }
    if (!root.isValid())
        return nullptr;
    ParamElement *ini = root.findElement(iniName, false);
    if (!ini || ini->attribute(QStringLiteral("device")) != deviceName)
        return nullptr;
    return ini;
}

// Qt's translation of its own texts, from where Qt keeps them.
std::unique_ptr<QTranslator> qtTranslation(const QString &code)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + code,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}

// Before any choice: the user's own language when there is a translation for it, else Polish.
QString firstLanguage(const QLocale &userLocale, const QStringList &translated)
{
    for (const QString &name : userLocale.uiLanguages()) {
        const QString code = name.section(QLatin1Char('-'), 0, 0).toLower();
        if (code == QLatin1String("en") || translated.contains(code))
            return code;
    }
    return QStringLiteral("pl");
}

} // namespace

void Languages::discover(const QLocale &userLocale)
{
    QString code;
    QString configuredName;
    ParamElement root;
    root.name = QStringLiteral("@root");
    if (const ParamElement *ini = readIni(Places::parametersFile(), root)) {
        code = ini->itemText(QStringLiteral("lang"), false).value_or(QString());
        configuredName = ini->itemText(QStringLiteral("lang_name"), false).value_or(QString());
    }

    // The working directory's translations come first: one there replaces the installed one of
    // its language.
    QFileInfoList files = translationsIn(QDir::currentPath());
    QStringList codes;
    for (const QFileInfo &file : files)
        codes << codeOf(file);
    for (const QFileInfo &file : translationsIn(installedTranslations())) {
        if (!codes.contains(codeOf(file))) {
            files << file;
            codes << codeOf(file);
        }
    }

    if (code.isEmpty())
        code = firstLanguage(userLocale, codes);
    if (code == QLatin1String("en"))
        requestedLanguage = 0;
    // Sorted by name, so that which translation counts as the last one does not depend on the
    // file system (nor on the folder it came from).
    std::stable_sort(files.begin(), files.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.fileName() < b.fileName();
    });
    for (const QFileInfo &file : files) {
        LanguageEntry entry;
        entry.code = codeOf(file);
        entry.translator = std::make_unique<QTranslator>();
        // A file that does not load stays selectable; it just translates nothing.
        if (entry.translator->load(file.fileName(), file.absolutePath()))
            qCDebug(lcKelvo).noquote() << "Translation loaded:" << file.absoluteFilePath();
        else
            qCDebug(lcKelvo).noquote() << "Translation not loaded:" << file.absoluteFilePath();
        entry.qtTranslator = qtTranslation(entry.code);
        // English is the first entry already: its file only mends spelling.
        if (entry.code == QLatin1String("en") && !languageTable.empty()) {
            languageTable.front().translator = std::move(entry.translator);
            continue;
        }
        if (entry.code == code)
            requestedLanguage = int(languageTable.size());
        entry.name = fixedName(entry.code);
        if (entry.name.isEmpty())
            entry.name = entry.code == code ? configuredName : QObject::tr("unknown");
        languageTable.push_back(std::move(entry));
    }
    if (languageTable.size() > 1 && requestedLanguage < 0)
        requestedLanguage = int(languageTable.size()) - 1;
}

QString Languages::installedTranslations()
{
    if (!installedFolder.isEmpty())
        return installedFolder;
    return QDir::cleanPath(QCoreApplication::applicationDirPath()
                           + QStringLiteral("/" KELVO_TRANSLATIONS_FROM_BIN));
}

void Languages::setInstalledTranslations(const QString &folder)
{
    installedFolder = folder;
}

bool Languages::storeChoice(const LanguageEntry &entry)
{
    const QString fileName = Places::parametersFile();
    ParamElement root;
    root.name = QStringLiteral("@root");
    ParamElement *ini = readIni(fileName, root);
    if (!ini) {
        root = ParamElement();
        ini = &root.addElement(iniName);
        ini->setAttribute(QStringLiteral("device"), deviceName);
    }
    ini->setItem(QStringLiteral("desc"), QStringLiteral("Kelvo parameters file"));
    ini->setItem(QStringLiteral("lang"), entry.code);
    ini->setItem(QStringLiteral("lang_name"), entry.name);

    // The file is replaced by renaming a new one over it, which would not ask whether the user
    // made it read-only.
    if (QFileInfo::exists(fileName) && !(QFile::permissions(fileName) & QFileDevice::WriteOwner))
        return false;
    QByteArray bytes;
    {
        QTextStream stream(&bytes, QIODevice::WriteOnly);
        stream.setEncoding(QStringConverter::Utf8);
        writeElement(stream, *ini); // only "ini": other top-level elements are dropped
    }
    QString reason;
    if (!QDir().mkpath(QFileInfo(fileName).path())) {
        qCDebug(lcKelvo).noquote() << "Kelvo.kvi: cannot make" << QFileInfo(fileName).path();
        return false;
    }
    if (!FileIo::write(fileName, bytes, &reason)) {
        qCDebug(lcKelvo).noquote() << "Kelvo.kvi:" << reason;
        return false;
    }
    return true;
}
