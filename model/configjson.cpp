#include "configjson.h"

#include "configlayout.h"
#include "contactmode.h"
#include "functioncode.h"
#include "printabletext.h"
#include "programshape.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>

#include <cmath>
#include <vector>

using namespace ConfigLayout;

namespace {

const QString formatName = QStringLiteral("kelvodesk-configuration");
constexpr int formatVersion = 1;

// Reserved bytes: where they are and their JSON key.
struct ReservedRun
{
    const char *key;
    int offset;
    int size;
};

QString hex(const u8 *bytes, int size)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(bytes), size).toHex());
}

QJsonObject actionToJson(u8 code)
{
    const FunctionCode::Decoded d = FunctionCode::decode(code);
    QJsonObject action {{"code", code}, {"text", FunctionCode::groups[d.group].text}};
    if (FunctionCode::showsParameter(d))
        action.insert(QStringLiteral("parameter"), d.offset + 1);
    return action;
}

QJsonValue timeToJson(u16 value, u16 marker, const char *markerName, u16 marker2 = 0,
                      const char *marker2Name = nullptr)
{
    if (value == marker)
        return QString::fromLatin1(markerName);
    if (marker2Name && value == marker2)
        return QString::fromLatin1(marker2Name);
    return value;
}

QJsonArray levelsToJson(const u8 *image, int page, int step)
{
    QJsonArray levels;
    for (int c = 0; c < ChannelCount; ++c)
        levels.append(level(image, page, step, c));
    return levels;
}

QJsonObject contactToJson(const u8 *image, int input)
{
    const ContactMode mode = contactMode(image, input);
    QJsonObject contact {{"mode", QLatin1String(contactModeName(mode))}};
    // Not shown by the editor, but kept by the controller.
    if (mode == ContactMode::NotUsed)
        contact.insert(QStringLiteral("normallyOpenBit"), inputNormallyOpen(image, input));
    return contact;
}

std::vector<ReservedRun> reservedRuns()
{
    std::vector<ReservedRun> runs {{"head", ReservedHead, ReservedHeadSize},
                                   {"byte5C", Reserved5C, 1},
                                   {"globals", ReservedGlobals, ReservedGlobalsSize}};
    return runs;
}

// Walks a JSON document, remembering where it is so that every refusal names its field.
class Reader
{
public:
    QString error;

    bool failed() const { return !error.isEmpty(); }

    void fail(const QString &path, const QString &what)
    {
        if (error.isEmpty())
            error = path + QStringLiteral(": ") + what;
    }

    // Refuses keys the format does not know, and missing ones.
    bool keys(const QJsonObject &object, const QString &path, const QStringList &required,
              const QStringList &optional = {})
    {
        for (const QString &key : object.keys()) {
            if (!required.contains(key) && !optional.contains(key)) {
                fail(join(path, printableText(key)), QStringLiteral("unknown key"));
                return false;
            }
        }
        for (const QString &key : required) {
            if (!object.contains(key)) {
                fail(join(path, key), QStringLiteral("missing"));
                return false;
            }
        }
        return true;
    }

    QJsonObject object(const QJsonValue &value, const QString &path)
    {
        if (!value.isObject())
            fail(path, QStringLiteral("must be an object"));
        return value.toObject();
    }

    QJsonArray array(const QJsonValue &value, const QString &path, int size)
    {
        if (!value.isArray() || value.toArray().size() != size) {
            fail(path, QStringLiteral("must be an array of %1 elements").arg(size));
            return QJsonArray();
        }
        return value.toArray();
    }

    int integer(const QJsonValue &value, const QString &path, int min, int max)
    {
        const double d = value.toDouble(-1.5);
        // The range first: converting a huge double to an integer is undefined.
        if (!value.isDouble() || !(d >= min && d <= max) || d != std::trunc(d)) {
            fail(path, QStringLiteral("must be an integer from %1 to %2").arg(min).arg(max));
            return min;
        }
        return int(d);
    }

    // A time in tenths of a second, or one of the named markers.
    u16 time(const QJsonValue &value, const QString &path, int max,
             const QList<QPair<QString, u16>> &markers)
    {
        if (value.isString()) {
            for (const auto &[name, marker] : markers) {
                if (value.toString() == name)
                    return marker;
            }
        } else if (value.isDouble()) {
            return u16(integer(value, path, 0, max));
        }
        QString allowed = QStringLiteral("an integer from 0 to %1 (tenths of a second)").arg(max);
        for (const auto &marker : markers)
            allowed += QStringLiteral(" or \"%1\"").arg(marker.first);
        fail(path, QStringLiteral("must be ") + allowed);
        return 0;
    }

    bool boolean(const QJsonValue &value, const QString &path)
    {
        if (!value.isBool())
            fail(path, QStringLiteral("must be true or false"));
        return value.toBool();
    }

    QByteArray bytes(const QJsonValue &value, const QString &path, int size)
    {
        const QString text = value.toString();
        static const QRegularExpression hexDigits(QStringLiteral("^[0-9a-fA-F]*$"));
        if (!value.isString() || text.size() != 2 * size || !hexDigits.match(text).hasMatch()) {
            fail(path, QStringLiteral("must be a string of %1 hexadecimal digits").arg(2 * size));
            return QByteArray(size, '\0');
        }
        return QByteArray::fromHex(text.toLatin1());
    }

    u8 action(const QJsonValue &value, const QString &path)
    {
        const QJsonObject a = object(value, path);
        if (failed() || !keys(a, path, {"code"}, {"text", "parameter"}))
            return 0;
        const u8 code = u8(integer(a.value("code"), join(path, "code"), 0, 255));
        if (failed())
            return 0;
        // The readable parts are optional; when given they must agree with the code.
        const QJsonObject expected = actionToJson(code);
        if (a.contains("text") && a.value("text") != expected.value("text"))
            fail(join(path, "text"),
                 QStringLiteral("must be \"%1\" for code %2")
                     .arg(expected.value("text").toString())
                     .arg(code));
        if (a.contains("parameter") && a.value("parameter") != expected.value("parameter")) {
            if (expected.contains("parameter"))
                fail(join(path, "parameter"),
                     QStringLiteral("must be %1 for code %2")
                         .arg(expected.value("parameter").toInt())
                         .arg(code));
            else
                fail(join(path, "parameter"), QStringLiteral("not allowed for code %1").arg(code));
        }
        return code;
    }

    static QString join(const QString &path, const QString &key)
    {
        return path + QLatin1Char('.') + key;
    }
    static QString index(const QString &path, int i)
    {
        return path + QStringLiteral("[%1]").arg(i);
    }
};

// Decodes the JSON string starting after its opening quote; `at` ends after the closing quote.
QString jsonString(const QByteArray &text, qsizetype &at)
{
    QString decoded;
    qsizetype run = at;
    const auto flush = [&] {
        decoded += QString::fromUtf8(text.constData() + run, at - run);
    };
    while (at < text.size() && text[at] != '"') {
        if (text[at] != '\\') {
            ++at;
            continue;
        }
        flush();
        const char escape = at + 1 < text.size() ? text[at + 1] : '"';
        at = qMin(at + 2, text.size());
        switch (escape) {
        case 'b':
            decoded += QLatin1Char('\b');
            break;
        case 'f':
            decoded += QLatin1Char('\f');
            break;
        case 'n':
            decoded += QLatin1Char('\n');
            break;
        case 'r':
            decoded += QLatin1Char('\r');
            break;
        case 't':
            decoded += QLatin1Char('\t');
            break;
        case 'u':
            // Surrogate pairs come as two escapes; appending both code units joins them.
            decoded += QChar(char16_t(text.mid(at, 4).toUShort(nullptr, 16)));
            at = qMin(at + 4, text.size());
            break;
        default: // " \ /
            decoded += QLatin1Char(escape);
            break;
        }
        run = at;
    }
    flush();
    ++at;
    return decoded;
}

// One open object or array while scanning for repeated keys.
struct Container
{
    QString path;
    bool isObject;
    bool expectKey = true; // objects: the next string is a key
    int index = 0; // arrays: the current element
    QString key; // objects: the current member
    QSet<QString> keys;
};

void readLevels(Reader &r, const QJsonValue &value, const QString &path, u8 *image, int page,
                int step)
{
    const QJsonArray levels = r.array(value, path, ChannelCount);
    for (int c = 0; c < levels.size() && !r.failed(); ++c)
        setLevel(image, page, step, c, u8(r.integer(levels[c], Reader::index(path, c), 0, 255)));
}

} // namespace

QJsonObject ConfigJson::toJson(const u8 *image)
{
    QJsonObject json;
    json.insert("format", formatName);
    json.insert("version", formatVersion);

    QJsonArray scenes;
    for (int s = 0; s < StepsPerPage; ++s) {
        scenes.append(QJsonObject {
            {"levels", levelsToJson(image, 0, s)},
            {"riseTime", stepTime(image, 0, s, RiseTime)},
            {"lastTime", timeToJson(stepTime(image, 0, s, LastTime), LastInfinite, "infinite")},
            {"fallTime", stepTime(image, 0, s, FallTime)},
        });
    }
    json.insert("scenes", scenes);

    QJsonArray programs;
    for (int p = 1; p < PageCount; ++p) {
        const ProgramShape::Shape shape = ProgramShape::read(image, p);
        QJsonArray steps;
        for (int s = 0; s < StepsPerPage; ++s) {
            steps.append(QJsonObject {
                {"levels", levelsToJson(image, p, s)},
                {"riseTime", stepTime(image, p, s, RiseTime)},
                {"lastTime", timeToJson(stepTime(image, p, s, LastTime), LastInfinite, "infinite")},
                {"fallTime",
                 timeToJson(stepTime(image, p, s, FallTime), FallNextStep, "next", FallLoop,
                            "loop")},
            });
        }
        programs.append(
            QJsonObject {{"stepCount", shape.steps},
                         {"runMode", QLatin1String(ProgramShape::runModeName(shape.mode))},
                         {"steps", steps}});
    }
    json.insert("programs", programs);

    QJsonArray inputs;
    for (int i = 0; i < InputCount; ++i) {
        inputs.append(QJsonObject {{"action", actionToJson(image[InputFunc + i])},
                                   {"contact", contactToJson(image, i)}});
    }
    json.insert("inputs", inputs);

    QJsonArray keys;
    for (int k = 0; k < RcuKeyCount; ++k)
        keys.append(actionToJson(image[RcuKeyFunc + k]));
    json.insert("remoteKeys", keys);
    json.insert("powerOn", actionToJson(image[PowerOnFunc]));

    json.insert("specialScene",
                QJsonObject {{"red", image[SpecialLevelRed]},
                             {"green", image[SpecialLevelGreen]},
                             {"blue", image[SpecialLevelBlue]},
                             {"firstChannel", image[SpecialFirstChannel]},
                             {"lastChannel", image[SpecialLastChannel]},
                             {"riseTime", readU16(image, SpecialRiseTime)}});
    json.insert("previewFirstChannel", image[PreviewFirstChannel]);
    const u8 mix = image[MixMode];
    json.insert("mixMode",
                mix == 0          ? QJsonValue(QStringLiteral("proportional"))
                    : mix == 0xFF ? QJsonValue(QStringLiteral("standard"))
                                  : QJsonValue(mix));
    json.insert("systemAddress", image[RcuSysAddr]);

    QJsonObject reserved;
    for (const ReservedRun &run : reservedRuns())
        reserved.insert(run.key, hex(image + run.offset, run.size));
    QJsonArray pageTails;
    for (int p = 0; p < PageCount; ++p)
        pageTails.append(
            hex(image + timeRecordOffset(p, 0) + TimePageUsed, TimePageSize - TimePageUsed));
    reserved.insert("timePageTails", pageTails);
    json.insert("reserved", reserved);
    return json;
}

bool ConfigJson::fromJson(const QJsonObject &json, u8 *target, QString *error)
{
    std::vector<u8> staging(target, target + ImageSize);
    u8 *image = staging.data();
    Reader r;
    const QString root = QStringLiteral("$");

    if (!r.keys(json, root,
                {"format", "version", "scenes", "programs", "inputs", "remoteKeys", "powerOn",
                 "specialScene", "previewFirstChannel", "mixMode", "systemAddress", "reserved"})) {
        *error = r.error;
        return false;
    }
    if (json.value("format") != formatName)
        r.fail("$.format", QStringLiteral("must be \"%1\"").arg(formatName));
    if (!r.failed())
        r.integer(json.value("version"), "$.version", formatVersion, formatVersion);

    const auto readTimes = [&r, image](const QJsonObject &step, const QString &path, int page,
                                       int s) {
        setStepTime(image, page, s, RiseTime,
                    r.time(step.value("riseTime"), Reader::join(path, "riseTime"), 0xFFFF, {}));
        setStepTime(image, page, s, LastTime,
                    r.time(step.value("lastTime"), Reader::join(path, "lastTime"), MaxLastTime,
                           {{"infinite", LastInfinite}}));
    };

    const QJsonArray scenes
        = r.failed() ? QJsonArray() : r.array(json.value("scenes"), "$.scenes", StepsPerPage);
    for (int s = 0; s < scenes.size() && !r.failed(); ++s) {
        const QString path = Reader::index("$.scenes", s);
        const QJsonObject scene = r.object(scenes[s], path);
        if (r.failed() || !r.keys(scene, path, {"levels", "riseTime", "lastTime", "fallTime"}))
            break;
        readLevels(r, scene.value("levels"), Reader::join(path, "levels"), image, 0, s);
        readTimes(scene, path, 0, s);
        setStepTime(image, 0, s, FallTime,
                    r.time(scene.value("fallTime"), Reader::join(path, "fallTime"), 0xFFFF, {}));
    }

    const QJsonArray programs
        = r.failed() ? QJsonArray() : r.array(json.value("programs"), "$.programs", PageCount - 1);
    for (int p = 0; p < programs.size() && !r.failed(); ++p) {
        const QString path = Reader::index("$.programs", p);
        const QJsonObject program = r.object(programs[p], path);
        if (r.failed() || !r.keys(program, path, {"steps"}, {"stepCount", "runMode"}))
            break;
        const QString stepsPath = Reader::join(path, "steps");
        const QJsonArray steps = r.array(program.value("steps"), stepsPath, StepsPerPage);
        for (int s = 0; s < steps.size() && !r.failed(); ++s) {
            const QString stepPath = Reader::index(stepsPath, s);
            const QJsonObject step = r.object(steps[s], stepPath);
            if (r.failed()
                || !r.keys(step, stepPath, {"levels", "riseTime", "lastTime", "fallTime"}))
                break;
            readLevels(r, step.value("levels"), Reader::join(stepPath, "levels"), image, p + 1, s);
            readTimes(step, stepPath, p + 1, s);
            setStepTime(image, p + 1, s, FallTime,
                        r.time(step.value("fallTime"), Reader::join(stepPath, "fallTime"),
                               MaxFallTime, {{"next", FallNextStep}, {"loop", FallLoop}}));
        }
        if (r.failed())
            break;
        // Length and mode follow from the fall times; when given they must say the same.
        const ProgramShape::Shape shape = ProgramShape::read(image, p + 1);
        if (program.contains("stepCount")
            && r.integer(program.value("stepCount"), Reader::join(path, "stepCount"), 1, 16)
                != shape.steps
            && !r.failed())
            r.fail(Reader::join(path, "stepCount"),
                   QStringLiteral("must be %1, as the steps' fall times say").arg(shape.steps));
        if (program.contains("runMode") && !r.failed()
            && program.value("runMode") != QLatin1String(ProgramShape::runModeName(shape.mode)))
            r.fail(Reader::join(path, "runMode"),
                   QStringLiteral("must be \"%1\", as the steps' fall times say")
                       .arg(QLatin1String(ProgramShape::runModeName(shape.mode))));
    }

    const QJsonArray inputs
        = r.failed() ? QJsonArray() : r.array(json.value("inputs"), "$.inputs", InputCount);
    for (int i = 0; i < inputs.size() && !r.failed(); ++i) {
        const QString path = Reader::index("$.inputs", i);
        const QJsonObject input = r.object(inputs[i], path);
        if (r.failed() || !r.keys(input, path, {"action", "contact"}))
            break;
        image[InputFunc + i] = r.action(input.value("action"), Reader::join(path, "action"));
        const QString contactPath = Reader::join(path, "contact");
        const QJsonObject contact = r.object(input.value("contact"), contactPath);
        if (r.failed())
            break;
        const QString mode = contact.value("mode").toString();
        const auto is = [&mode](ContactMode m) {
            return mode == QLatin1String(contactModeName(m));
        };
        if (is(ContactMode::NotUsed)) {
            if (!r.keys(contact, contactPath, {"mode", "normallyOpenBit"}))
                break;
            setContactMode(image, i, ContactMode::NotUsed,
                           r.boolean(contact.value("normallyOpenBit"),
                                     Reader::join(contactPath, "normallyOpenBit")));
        } else if (is(ContactMode::NormallyOpen) || is(ContactMode::NormallyClosed)) {
            if (!r.keys(contact, contactPath, {"mode"}))
                break;
            setContactMode(image, i,
                           is(ContactMode::NormallyOpen) ? ContactMode::NormallyOpen
                                                         : ContactMode::NormallyClosed);
        } else {
            r.fail(Reader::join(contactPath, "mode"),
                   QStringLiteral("must be \"%1\", \"%2\" or \"%3\"")
                       .arg(QLatin1String(contactModeName(ContactMode::NormallyOpen)),
                            QLatin1String(contactModeName(ContactMode::NormallyClosed)),
                            QLatin1String(contactModeName(ContactMode::NotUsed))));
        }
    }

    const QJsonArray keys = r.failed()
        ? QJsonArray()
        : r.array(json.value("remoteKeys"), "$.remoteKeys", RcuKeyCount);
    for (int k = 0; k < keys.size() && !r.failed(); ++k)
        image[RcuKeyFunc + k] = r.action(keys[k], Reader::index("$.remoteKeys", k));
    if (!r.failed())
        image[PowerOnFunc] = r.action(json.value("powerOn"), "$.powerOn");

    if (!r.failed()) {
        const QJsonObject special = r.object(json.value("specialScene"), "$.specialScene");
        if (!r.failed()
            && r.keys(special, "$.specialScene",
                      {"red", "green", "blue", "firstChannel", "lastChannel", "riseTime"})) {
            const auto byte = [&](const char *key) {
                return u8(r.integer(special.value(key),
                                    Reader::join("$.specialScene", QLatin1String(key)), 0, 255));
            };
            image[SpecialLevelRed] = byte("red");
            image[SpecialLevelGreen] = byte("green");
            image[SpecialLevelBlue] = byte("blue");
            image[SpecialFirstChannel] = byte("firstChannel");
            image[SpecialLastChannel] = byte("lastChannel");
            writeU16(image, SpecialRiseTime,
                     r.time(special.value("riseTime"), "$.specialScene.riseTime", 0xFFFF, {}));
        }
    }
    if (!r.failed())
        image[PreviewFirstChannel]
            = u8(r.integer(json.value("previewFirstChannel"), "$.previewFirstChannel", 0, 255));
    if (!r.failed()) {
        const QJsonValue mix = json.value("mixMode");
        if (mix == QLatin1String("proportional"))
            image[MixMode] = 0;
        else if (mix == QLatin1String("standard"))
            image[MixMode] = 0xFF;
        else if (mix.isDouble())
            image[MixMode] = u8(r.integer(mix, "$.mixMode", 0, 255));
        else
            r.fail("$.mixMode",
                   QStringLiteral("must be \"proportional\", \"standard\" or an integer from 0 "
                                  "to 255"));
    }
    if (!r.failed())
        image[RcuSysAddr] = u8(r.integer(json.value("systemAddress"), "$.systemAddress", 0, 255));

    if (!r.failed()) {
        const QJsonObject reserved = r.object(json.value("reserved"), "$.reserved");
        if (!r.failed()
            && r.keys(reserved, "$.reserved", {"head", "byte5C", "globals", "timePageTails"})) {
            for (const ReservedRun &run : reservedRuns()) {
                const QByteArray bytes
                    = r.bytes(reserved.value(run.key),
                              Reader::join("$.reserved", QLatin1String(run.key)), run.size);
                std::copy(bytes.cbegin(), bytes.cend(), image + run.offset);
            }
            const int tail = TimePageSize - TimePageUsed;
            const QJsonArray tails
                = r.array(reserved.value("timePageTails"), "$.reserved.timePageTails", PageCount);
            for (int p = 0; p < tails.size() && !r.failed(); ++p) {
                const QByteArray bytes
                    = r.bytes(tails[p], Reader::index("$.reserved.timePageTails", p), tail);
                std::copy(bytes.cbegin(), bytes.cend(),
                          image + timeRecordOffset(p, 0) + TimePageUsed);
            }
        }
    }

    if (r.failed()) {
        *error = r.error;
        return false;
    }
    std::copy(staging.cbegin(), staging.cend(), target);
    return true;
}

QString ConfigJson::duplicateKey(const QByteArray &text)
{
    // Valid JSON only: strings, brackets, commas and colons carry the structure; numbers and
    // literals are skipped.
    std::vector<Container> open;
    const auto childPath = [&open] {
        if (open.empty())
            return QStringLiteral("$");
        const Container &parent = open.back();
        return parent.isObject ? Reader::join(parent.path, printableText(parent.key))
                               : Reader::index(parent.path, parent.index);
    };
    for (qsizetype at = 0; at < text.size();) {
        const char c = text[at++];
        switch (c) {
        case '{':
        case '[':
            open.push_back(Container {childPath(), c == '{', true, 0, {}, {}});
            break;
        case '}':
        case ']':
            if (!open.empty())
                open.pop_back();
            break;
        case ',':
            if (!open.empty()) {
                ++open.back().index;
                open.back().expectKey = true;
            }
            break;
        case '"': {
            const QString string = jsonString(text, at);
            if (open.empty() || !open.back().isObject || !open.back().expectKey)
                break;
            Container &object = open.back();
            object.expectKey = false;
            object.key = string;
            if (object.keys.contains(string))
                return childPath();
            object.keys.insert(string);
            break;
        }
        default:
            break;
        }
    }
    return {};
}

bool ConfigJson::parse(const QByteArray &text, u8 *image, QString *error)
{
    if (text.size() > MaxTextSize) {
        *error = QStringLiteral("larger than %1 bytes").arg(MaxTextSize);
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("malformed JSON at offset %1: %2")
                     .arg(parseError.offset)
                     .arg(parseError.errorString());
        return false;
    }
    if (!document.isObject()) {
        *error = QStringLiteral("$: must be an object");
        return false;
    }
    const QString duplicate = duplicateKey(text);
    if (!duplicate.isEmpty()) {
        *error = duplicate + QStringLiteral(": duplicate key");
        return false;
    }
    return fromJson(document.object(), image, error);
}
