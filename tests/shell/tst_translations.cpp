// The translations: every text of the program has a finished Polish translation, and the
// compiled file the build puts next to the programs carries them.

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
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

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void everyTextIsTranslated();
    void compiledTranslationIsUsed_data();
    void compiledTranslationIsUsed();
};

void tst_Translations::everyTextIsTranslated()
{
    // What the sources hold today, gathered the way scripts/update-translations.sh does.
    QTemporaryDir tmp;
    const QString fresh = tmp.filePath(QStringLiteral("fresh_pl.ts"));
    QStringList arguments {QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                           QStringLiteral("none")};
    for (const char *folder :
         {"common", "model", "controller", "dialogs", "editors", "shell", "simulator", "demo"}) {
        if (QDir(sourceDir).exists(QLatin1String(folder)))
            arguments << QDir(sourceDir).filePath(QLatin1String(folder));
    }
    arguments << QStringLiteral("-ts") << fresh;
    QProcess lupdate;
    lupdate.start(QStringLiteral(KELVO_LUPDATE), arguments);
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);

    const auto current = messages(fresh);
    const auto committed = messages(
        QDir(sourceDir).filePath(QStringLiteral("resources/translations/KelvoDesk_pl.ts")));
    QVERIFY(current.size() > 100);
    QStringList missing;
    for (auto it = current.cbegin(); it != current.cend(); ++it) {
        const auto found = committed.constFind(it.key());
        if (found == committed.cend() || !found->finished || found->translation.isEmpty())
            missing << it.key().first + QStringLiteral(": ") + it.key().second;
    }
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("run scripts/update-translations.sh and translate:\n")
                        + missing.join(QLatin1Char('\n'))));
}

void tst_Translations::compiledTranslationIsUsed_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("polish");
    QTest::newRow("form") << "MainWindow"
                          << "Settings"
                          << "Ustawienia";
    QTest::newRow("window") << "gui_class"
                            << "Connected"
                            << "Połączony";
    QTest::newRow("controller") << "kelvo_controller_class"
                                << "Read configuration\nSucessfull!"
                                << "Odczyt konfiguracji\nUdany!";
    QTest::newRow("function names") << "funcChooser"
                                    << "No action"
                                    << "Brak akcji";
    QTest::newRow("with a carriage return")
        << "gui_class"
        << "Number of steps to copy exceeds possible range !\r\nTo accept corrected value press "
           "the Copy button again"
        << "Liczba kroków do skopiowania przekracza możliwy zakres !\r\nAby przyjąć poprawioną "
           "wartość, naciśnij ponownie przycisk Kopiuj";
}

void tst_Translations::compiledTranslationIsUsed()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, polish);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(KELVO_BIN_DIR "/KelvoDesk_pl.qm")));
    QCOMPARE(translator.translate(qPrintable(context), qPrintable(source)), polish);
}

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_translations.moc"
