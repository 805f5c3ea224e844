// The translations: every text of the program has a finished translation in every language, with
// its placeholders and line breaks, and the compiled files the build puts next to the programs
// carry them.

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

const QString sourceDir = QStringLiteral(KELVO_SOURCE_DIR);

struct Message
{
    QString translation;
    bool finished = false;
};

// (context, source text) -> translation, from a Qt Linguist file.
QMap<QPair<QString, QString>, Message> messages(const QString &fileName)
{
    QMap<QPair<QString, QString>, Message> result;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == QLatin1String("translation")) {
            Message m;
            m.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            m.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            result.insert({context, source}, m);
        }
    }
    return result;
}

const QStringList languages {"de", "en", "es", "fr", "it", "pl", "ru"};

// What a translation must keep of its source: the placeholders and the number of line breaks.
QString shape(const QString &text)
{
    QStringList placeholders;
    const QRegularExpression marker(QStringLiteral("%(\\d+|n)"));
    for (auto it = marker.globalMatch(text); it.hasNext();)
        placeholders << it.next().captured();
    placeholders.sort();
    return placeholders.join(QLatin1Char(' '))
        + QStringLiteral(" / %1 line breaks").arg(text.count(QLatin1Char('\n')));
}

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void compiledTranslationIsUsed_data();
    void compiledTranslationIsUsed();

private:
    QTemporaryDir tmp;
    QMap<QPair<QString, QString>, Message> current;
};

void tst_Translations::initTestCase()
{
    // What the sources hold today, gathered the way scripts/update-translations.sh does.
    const QString fresh = tmp.filePath(QStringLiteral("fresh.ts"));
    QStringList arguments {QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                           QStringLiteral("none")};
    for (const char *folder : {"common", "model", "firmware", "controller", "dialogs", "editors",
                               "shell", "simulator", "demo"}) {
        if (QDir(sourceDir).exists(QLatin1String(folder)))
            arguments << QDir(sourceDir).filePath(QLatin1String(folder));
    }
    arguments << QStringLiteral("-ts") << fresh;
    QProcess lupdate;
    lupdate.start(QStringLiteral(KELVO_LUPDATE), arguments);
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    current = messages(fresh);
    QVERIFY(current.size() > 100);
}

void tst_Translations::everyTextIsTranslated_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : languages)
        QTest::newRow(qPrintable(language)) << language;
}

void tst_Translations::everyTextIsTranslated()
{
    QFETCH(QString, language);
    const auto committed = messages(QDir(sourceDir).filePath(
        QStringLiteral("resources/translations/KelvoDesk_%1.ts").arg(language)));
    QStringList missing;
    QStringList misshapen;
    for (auto it = current.cbegin(); it != current.cend(); ++it) {
        const auto found = committed.constFind(it.key());
        const QString where = it.key().first + QStringLiteral(": ") + it.key().second;
        if (found == committed.cend() || !found->finished || found->translation.trimmed().isEmpty())
            missing << where;
        // Plural forms come one after the other in the element's text: only simple texts here.
        else if (!it.key().second.contains(QLatin1String("%n"))
                 && shape(found->translation) != shape(it.key().second))
            misshapen << where + QStringLiteral(" -> ") + found->translation;
    }
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("run scripts/update-translations.sh and translate:\n")
                        + missing.join(QLatin1Char('\n'))));
    QVERIFY2(misshapen.isEmpty(),
             qPrintable(QStringLiteral("placeholders or line breaks differ from the source:\n")
                        + misshapen.join(QLatin1Char('\n'))));
}

void tst_Translations::compiledTranslationIsUsed_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QTest::newRow("form") << "pl"
                          << "MainWindow"
                          << "Settings"
                          << "Ustawienia";
    QTest::newRow("window") << "pl"
                            << "gui_class"
                            << "Connected"
                            << "Połączony";
    QTest::newRow("controller") << "pl"
                                << "kelvo_controller_class"
                                << "Read configuration\nSucessfull!"
                                << "Odczyt konfiguracji\nUdany!";
    QTest::newRow("function names") << "pl"
                                    << "funcChooser"
                                    << "No action"
                                    << "Brak akcji";
    QTest::newRow("with a carriage return")
        << "pl"
        << "gui_class"
        << "Number of steps to copy exceeds possible range !\r\nTo accept corrected value press "
           "the Copy button again"
        << "Liczba kroków do skopiowania przekracza możliwy zakres !\r\nAby przyjąć poprawioną "
           "wartość, naciśnij ponownie przycisk Kopiuj";
    QTest::newRow("English mends spelling") << "en"
                                            << "kelvo_controller_class"
                                            << "Read configuration\nSucessfull!"
                                            << "Read configuration\nSuccessful!";
    QTest::newRow("English keeps the rest") << "en"
                                            << "gui_class"
                                            << "Connected"
                                            << "Connected";
    QTest::newRow("German") << "de"
                            << "MainWindow"
                            << "Settings"
                            << "Einstellungen";
    QTest::newRow("French") << "fr"
                            << "MainWindow"
                            << "Settings"
                            << "Réglages";
    QTest::newRow("Italian") << "it"
                             << "MainWindow"
                             << "Settings"
                             << "Impostazioni";
    QTest::newRow("Spanish") << "es"
                             << "MainWindow"
                             << "Settings"
                             << "Ajustes";
    QTest::newRow("Russian") << "ru"
                             << "MainWindow"
                             << "Settings"
                             << "Настройки";
}

void tst_Translations::compiledTranslationIsUsed()
{
    QFETCH(QString, language);
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(KELVO_BIN_DIR "/KelvoDesk_%1.qm").arg(language)));
    QCOMPARE(translator.translate(qPrintable(context), qPrintable(source)), translation);
}

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_translations.moc"
