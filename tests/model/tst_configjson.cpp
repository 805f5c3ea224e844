#include "model/configjson.h"
#include "model/configlayout.h"
#include "model/contactmode.h"
#include "model/printabletext.h"
#include "support/configfilefixtures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTest>

using namespace ConfigLayout;
using namespace ConfigFileFixtures;

namespace {

QJsonObject defaultJson()
{
    return ConfigJson::toJson(bytes(defaultImage()));
}

QJsonValue changedValue(const QJsonValue &node, QStringList parts, const QJsonValue &value)
{
    if (parts.isEmpty())
        return value;
    const QString part = parts.takeFirst();
    if (part.startsWith(QLatin1Char('['))) {
        QJsonArray array = node.toArray();
        const int i = part.mid(1, part.size() - 2).toInt();
        array[i] = changedValue(array[i], parts, value);
        return array;
    }
    QJsonObject object = node.toObject();
    if (parts.isEmpty() && value.isUndefined())
        object.remove(part);
    else
        object[part] = changedValue(object.value(part), parts, value);
    return object;
}

// The default configuration with one change at a JSON path like "scenes[3].levels[5]"; an
// undefined value removes the key.
QJsonObject changed(const QJsonObject &root, const QString &path, const QJsonValue &value)
{
    QStringList parts;
    static const QRegularExpression token(QStringLiteral("([A-Za-z0-9_]+)|(\\[\\d+\\])"));
    auto it = token.globalMatch(path);
    while (it.hasNext())
        parts << it.next().captured(0);
    return changedValue(root, parts, value).toObject();
}

QByteArray withChange(const QString &path, const QJsonValue &value)
{
    return QJsonDocument(changed(defaultJson(), path, value)).toJson(QJsonDocument::Compact);
}

// The default document with two more members named `rawKey` (JSON string content, escapes
// allowed) in the object at `path`.
QByteArray withDuplicate(const QString &path, const QByteArray &rawKey)
{
    const QString prefix = path.isEmpty() ? QString() : path + QLatin1Char('.');
    QJsonObject json = changed(defaultJson(), prefix + QStringLiteral("placeholderA"), 7);
    json = changed(json, prefix + QStringLiteral("placeholderB"), 8);
    QByteArray text = QJsonDocument(json).toJson(QJsonDocument::Compact);
    text.replace("\"placeholderA\":", "\"" + rawKey + "\":");
    text.replace("\"placeholderB\":", "\"" + rawKey + "\":");
    return text;
}

} // namespace

class tst_ConfigJson : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void refusals_data();
    void refusals();
    void duplicateKey_data();
    void duplicateKey();
    void printableText_data();
    void printableText();
    void contactModes_data();
    void contactModes();
};

void tst_ConfigJson::roundTrip_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::newRow("defaults") << defaultImage();
    QTest::newRow("all zero") << QByteArray(ImageSize, '\0');
    QTest::newRow("all 0xFF") << QByteArray(ImageSize, '\xFF');
    for (quint32 seed = 10; seed < 16; ++seed)
        QTest::newRow(qPrintable(QStringLiteral("random %1").arg(seed)))
            << randomBytes(seed, ImageSize);
}

void tst_ConfigJson::roundTrip()
{
    QFETCH(QByteArray, image);
    const QJsonDocument document(ConfigJson::toJson(bytes(image)));
    for (const auto format : {QJsonDocument::Indented, QJsonDocument::Compact}) {
        const QByteArray text = document.toJson(format);
        QVERIFY(text.size() < ConfigJson::MaxTextSize / 2);
        QByteArray back = randomBytes(99, ImageSize);
        QString error;
        QVERIFY2(ConfigJson::parse(text, reinterpret_cast<u8 *>(back.data()), &error),
                 qPrintable(error));
        QCOMPARE(back, image);
    }
}

void tst_ConfigJson::refusals_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error");

    const auto row = [](const char *name, const QByteArray &text, const QString &error) {
        QTest::newRow(name) << text << error;
    };
    const QByteArray good = QJsonDocument(defaultJson()).toJson();

    row("malformed", "{\"format\": ", "malformed JSON at offset 11: unterminated object");
    row("not an object", "[1, 2]", "$: must be an object");
    row("over the size bound", good + QByteArray(ConfigJson::MaxTextSize - good.size() + 1, ' '),
        "larger than 1048576 bytes");
    row("unknown root key", withChange("colour", "red"), "$.colour: unknown key");
    row("missing key", withChange("powerOn", QJsonValue::Undefined), "$.powerOn: missing");
    row("wrong format", withChange("format", "something"),
        "$.format: must be \"kelvodesk-configuration\"");
    row("newer version", withChange("version", 2), "$.version: must be an integer from 1 to 1");
    row("level too high", withChange("scenes[3].levels[5]", 256),
        "$.scenes[3].levels[5]: must be an integer from 0 to 255");
    row("level negative", withChange("programs[0].steps[1].levels[63]", -1),
        "$.programs[0].steps[1].levels[63]: must be an integer from 0 to 255");
    row("level not whole", withChange("scenes[0].levels[0]", 1.5),
        "$.scenes[0].levels[0]: must be an integer from 0 to 255");
    row("too few levels", withChange("scenes[0].levels", QJsonArray {1, 2, 3}),
        "$.scenes[0].levels: must be an array of 64 elements");
    row("scene rise too long", withChange("scenes[2].riseTime", 65536),
        "$.scenes[2].riseTime: must be an integer from 0 to 65535");
    row("last time marker unknown", withChange("scenes[2].lastTime", "forever"),
        "$.scenes[2].lastTime: must be an integer from 0 to 65534 (tenths of a second) or "
        "\"infinite\"");
    row("program fall is a marker value", withChange("programs[1].steps[0].fallTime", 65535),
        "$.programs[1].steps[0].fallTime: must be an integer from 0 to 65533");
    row("step count disagrees", withChange("programs[2].stepCount", 4),
        "$.programs[2].stepCount: must be 16, as the steps' fall times say");
    row("run mode disagrees", withChange("programs[2].runMode", "loop"),
        "$.programs[2].runMode: must be \"continued\", as the steps' fall times say");
    row("run mode in another spelling", withChange("programs[2].runMode", "Continued"),
        "$.programs[2].runMode: must be \"continued\", as the steps' fall times say");
    row("unknown step key", withChange("programs[0].steps[0].holdTime", 5),
        "$.programs[0].steps[0].holdTime: unknown key");
    row("action code too high", withChange("inputs[1].action.code", 256),
        "$.inputs[1].action.code: must be an integer from 0 to 255");
    row("action text disagrees", withChange("remoteKeys[7].text", "Load next scene"),
        "$.remoteKeys[7].text: must be \"No action\" for code 255");
    row("contact mode unknown", withChange("inputs[0].contact.mode", "N/X"),
        "$.inputs[0].contact.mode: must be \"N/O\", \"N/C\" or \"N/U\"");
    row("special level too high", withChange("specialScene.red", 300),
        "$.specialScene.red: must be an integer from 0 to 255");
    row("mix mode unknown", withChange("mixMode", "bright"),
        "$.mixMode: must be \"proportional\", \"standard\" or an integer from 0 to 255");
    row("system address too high", withChange("systemAddress", 256),
        "$.systemAddress: must be an integer from 0 to 255");
    row("reserved head too short", withChange("reserved.head", "ffff"),
        "$.reserved.head: must be a string of 16 hexadecimal digits");
    row("reserved tail not hex", withChange("reserved.timePageTails[8]", QString(64, 'g')),
        "$.reserved.timePageTails[8]: must be a string of 64 hexadecimal digits");

    // Doubles far outside every integer type: refused, never converted.
    row("version 1e300", withChange("version", 1e300), "$.version: must be an integer from 1 to 1");
    row("level -1e300", withChange("scenes[0].levels[0]", -1e300),
        "$.scenes[0].levels[0]: must be an integer from 0 to 255");
    row("rise time just past 64-bit", withChange("scenes[1].riseTime", 9.3e18),
        "$.scenes[1].riseTime: must be an integer from 0 to 65535");
    row("mix mode 1e300", withChange("mixMode", 1e300),
        "$.mixMode: must be an integer from 0 to 255");

    row("duplicate root key", withDuplicate(QString(), "version"), "$.version: duplicate key");
    row("duplicate key in a scene", withDuplicate("scenes[3]", "riseTime"),
        "$.scenes[3].riseTime: duplicate key");
    row("duplicate key in the last step", withDuplicate("programs[7].steps[15]", "fallTime"),
        "$.programs[7].steps[15].fallTime: duplicate key");
    row("duplicate key spelled with an escape", withDuplicate("inputs[2].contact", "mod\\u0065"),
        "$.inputs[2].contact.mode: duplicate key");

    // Keys from the file are echoed cut short and with their control characters escaped.
    QJsonObject hostile = defaultJson();
    hostile.insert(QStringLiteral("evil\n\x1b[2J") + QString(100, 'x'), 1);
    row("hostile unknown key", QJsonDocument(hostile).toJson(),
        "$.evil\\n\\x1b[2J" + QString(55, 'x') + "...: unknown key");
    row("hostile duplicate key", withDuplicate("specialScene", "\\u202eder\\r\\u0007"),
        "$.specialScene.\\u202eder\\r\\x07: duplicate key");
}

void tst_ConfigJson::refusals()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, error);
    const QByteArray before = randomBytes(98, ImageSize);
    QByteArray image = before;
    QString why;
    QVERIFY(!ConfigJson::parse(text, reinterpret_cast<u8 *>(image.data()), &why));
    QCOMPARE(why, error);
    QCOMPARE(image, before);
}

void tst_ConfigJson::duplicateKey_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("path");

    QTest::newRow("none") << QByteArray(R"({"a": 1, "b": {"a": 2}, "c": [{"a": 3}, {"a": 4}]})")
                          << QString();
    QTest::newRow("not an object") << QByteArray(R"([1, 2, "a", "a"])") << QString();
    QTest::newRow("at the root") << QByteArray(R"({"a": 1, "b": 2, "a": 3})") << "$.a";
    QTest::newRow("same value twice") << QByteArray(R"({"a": 1, "a": 1})") << "$.a";
    QTest::newRow("nested object") << QByteArray(R"({"a": {"b": {"c": 1, "c": 2}}})") << "$.a.b.c";
    QTest::newRow("object in an array")
        << QByteArray(R"({"list": [{"x": 1}, [], {"y": 1, "y": 2}]})") << "$.list[2].y";
    QTest::newRow("array of arrays")
        << QByteArray(R"({"m": [[1, 2], [3, {"k": 0, "k": 0}]]})") << "$.m[1][1].k";
    QTest::newRow("first of two repeats")
        << QByteArray(R"({"a": {"p": 1, "p": 2}, "b": 1, "b": 2})") << "$.a.p";
    QTest::newRow("same key, different objects")
        << QByteArray(R"({"a": {"a": {"a": 1}}})") << QString();
    QTest::newRow("keys as values do not count")
        << QByteArray(R"({"a": "a", "b": ["a", "a"], "c": "\"a\": 1"})") << QString();
    QTest::newRow("brackets and commas inside strings")
        << QByteArray(R"({"{a,": "}],[", "x": 1, "{a,": 2})") << "$.{a,";
    QTest::newRow("escaped quote in a key")
        << QByteArray(R"({"a\"b": 1, "a\u0022b": 2})") << "$.a\"b";
    QTest::newRow("escape equals plain letter") << QByteArray(R"({"a": 1, "\u0061": 2})") << "$.a";
    QTest::newRow("case differs: no repeat") << QByteArray(R"({"a": 1, "A": 2})") << QString();
    QTest::newRow("surrogate pair and UTF-8")
        << QByteArray("{\"\\ud83d\\ude00\": 1, \"\xF0\x9F\x98\x80\": 2}")
        << QString::fromUtf8("$.\xF0\x9F\x98\x80");
    QTest::newRow("after a byte order mark")
        << QByteArray("\xEF\xBB\xBF{\"a\": 1, \"a\": 2}") << "$.a";
    QTest::newRow("control character in the key is escaped")
        << QByteArray(R"({"a\nb": 1, "a\nb": 2})") << "$.a\\nb";
}

void tst_ConfigJson::duplicateKey()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, path);
    QVERIFY(!QJsonDocument::fromJson(text).isNull()); // only valid JSON is scanned
    QCOMPARE(ConfigJson::duplicateKey(text), path);
}

void tst_ConfigJson::printableText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    QTest::newRow("plain") << "riseTime"
                           << "riseTime";
    QTest::newRow("line ends and tab") << "a\r\nb\tc"
                                       << "a\\r\\nb\\tc";
    QTest::newRow("terminal escape") << "\x1b]0;title\x07"
                                     << "\\x1b]0;title\\x07";
    QTest::newRow("NUL and DEL") << QString::fromLatin1("a\0b\x7f", 4) << "a\\x00b\\x7f";
    QTest::newRow("C1 control from Latin-1") << QString::fromLatin1("x\x9by") << "x\\x9by";
    QTest::newRow("right-to-left override") << QString::fromUtf8("ab\u202Ecd") << "ab\\u202ecd";
    QTest::newRow("backslash doubled") << "C:\\x"
                                       << "C:\\\\x";
    QTest::newRow("letters outside ASCII kept") << QString::fromUtf8("Zażółć \xF0\x9F\x98\x80")
                                                << QString::fromUtf8("Zażółć \xF0\x9F\x98\x80");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << "\\ud800";
    QTest::newRow("64 characters: not cut") << QString(64, 'k') << QString(64, 'k');
    QTest::newRow("65 characters: cut") << QString(65, 'k') << QString(64, 'k') + "...";
    QTest::newRow("cut counts characters, not escapes")
        << QString(70, '\n') << QStringLiteral("\\n").repeated(64) + "...";
    QTest::newRow("surrogate pair counts once")
        << QString::fromUtf8("\xF0\x9F\x98\x80").repeated(65)
        << QString::fromUtf8("\xF0\x9F\x98\x80").repeated(64) + "...";
}

void tst_ConfigJson::printableText()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(::printableText(text), shown);
}

void tst_ConfigJson::contactModes_data()
{
    QTest::addColumn<bool>("used");
    QTest::addColumn<bool>("normallyOpen");
    QTest::addColumn<QString>("name");
    QTest::newRow("used, normally open") << true << true << "N/O";
    QTest::newRow("used, normally closed") << true << false << "N/C";
    QTest::newRow("unused, open bit set") << false << true << "N/U";
    QTest::newRow("unused, open bit clear") << false << false << "N/U";
}

void tst_ConfigJson::contactModes()
{
    QFETCH(bool, used);
    QFETCH(bool, normallyOpen);
    QFETCH(QString, name);
    const int input = 5;
    QByteArray image = defaultImage();
    u8 *data = reinterpret_cast<u8 *>(image.data());
    // The other inputs carry the opposite bits, so a wrong bit index shows.
    data[InputUsedMask] = used ? u8(1u << input) : u8(~(1u << input));
    data[InputNoMask] = normallyOpen ? u8(1u << input) : u8(~(1u << input));
    QCOMPARE(QLatin1String(contactModeName(contactMode(data, input))), name);

    const QJsonObject contact = ConfigJson::toJson(data)
                                    .value("inputs")
                                    .toArray()
                                    .at(input)
                                    .toObject()
                                    .value("contact")
                                    .toObject();
    QCOMPARE(contact.value("mode").toString(), name);
    QCOMPARE(contact.contains("normallyOpenBit"), !used);
    QByteArray back(ImageSize, '\0');
    QString error;
    QVERIFY2(ConfigJson::parse(QJsonDocument(ConfigJson::toJson(data)).toJson(),
                               reinterpret_cast<u8 *>(back.data()), &error),
             qPrintable(error));
    QCOMPARE(back, image);
}

QTEST_GUILESS_MAIN(tst_ConfigJson)
#include "tst_configjson.moc"
