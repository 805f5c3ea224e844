#include "configjson.h"

#include "configfields.h"
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
using namespace ConfigFields;

namespace {

const QString formatName = QStringLiteral("kelvodesk-configuration");
constexpr int formatVersion = 1;

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

QJsonObject contactToJson(const u8 *image, int input)
{
    const ContactMode mode = contactMode(image, input);
    QJsonObject contact {{"mode", QLatin1String(contactModeName(mode))}};
    // Not shown by the editor, but kept by the controller.
    if (mode == ContactMode::NotUsed)
        contact.insert(QStringLiteral("normallyOpenBit"), inputNormallyOpen(image, input));
    return contact;
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

// The document's objects and arrays, made from the field table: an object's members in table
// order, an array's one element standing for each of its shape's places.
struct Node
{
    QString key; // the member's name in its object
    const Field *field = nullptr; // a value
    Shape array = Shape::Single; // an array of this shape's places
    std::vector<Node> members; // an object's members; an array's element

    Node &member(const QString &name)
    {
        for (Node &m : members) {
            if (m.key == name)
                return m;
        }
        members.push_back(Node {name, nullptr, Shape::Single, {}});
        return members.back();
    }

    bool derived() const { return field && !field->place; }
};

// The object (or bare value) standing for each place of `shape`.
Node &placeNode(Node &root, Shape shape)
{
    if (shape == Shape::Single)
        return root;
    Node &outer = placeNode(root, parent(shape));
    Node &holder = arrayGroup(shape) ? outer.member(QLatin1String(arrayGroup(shape))) : outer;
    Node &array = holder.member(QLatin1String(arrayName(shape)));
    if (array.members.empty()) {
        array.array = shape;
        array.members.push_back(Node {});
    }
    return array.members.front();
}

const Node &document()
{
    static const Node root = [] {
        Node root;
        for (const Field &field : fields()) {
            Node &place = placeNode(root, field.shape);
            Node &object = field.group ? place.member(QLatin1String(field.group)) : place;
            if (field.key)
                object.members.push_back(
                    Node {QLatin1String(field.key), &field, Shape::Single, {}});
            else
                object.field = &field;
        }
        return root;
    }();
    return root;
}

QJsonValue valueToJson(const Field &field, const u8 *image, Instance at)
{
    switch (field.kind) {
    case Kind::Levels: {
        QJsonArray levels;
        for (int c = 0; c < elements(field); ++c)
            levels.append(int(value(field, image, at, c)));
        return levels;
    }
    case Kind::Time:
    case Kind::Choice: {
        const uint stored = value(field, image, at);
        const Name *name = nameOf(field, stored);
        return name ? QJsonValue(QLatin1String(name->json)) : QJsonValue(int(stored));
    }
    case Kind::Action:
        return actionToJson(u8(value(field, image, at)));
    case Kind::Contact:
        return contactToJson(image, at.index);
    case Kind::Hex:
        return hex(image + offset(field, at), field.size);
    case Kind::StepCount:
        return ProgramShape::read(image, at.page).steps;
    case Kind::RunMode:
        return QLatin1String(ProgramShape::runModeName(ProgramShape::read(image, at.page).mode));
    case Kind::Number:
    case Kind::Address:
        break;
    }
    return int(value(field, image, at));
}

QJsonValue nodeToJson(const Node &node, const u8 *image, Instance at)
{
    if (node.field)
        return valueToJson(*node.field, image, at);
    if (node.array != Shape::Single) {
        QJsonArray array;
        for (int i = 0; i < count(node.array); ++i)
            array.append(nodeToJson(node.members.front(), image, element(node.array, at, i)));
        return array;
    }
    QJsonObject object;
    for (const Node &member : node.members)
        object.insert(member.key, nodeToJson(member, image, at));
    return object;
}

void readContact(Reader &r, const QJsonValue &value, const QString &path, u8 *image, int input)
{
    const QJsonObject contact = r.object(value, path);
    if (r.failed())
        return;
    const QString mode = contact.value("mode").toString();
    const auto is = [&mode](ContactMode m) {
        return mode == QLatin1String(contactModeName(m));
    };
    if (is(ContactMode::NotUsed)) {
        if (r.keys(contact, path, {"mode", "normallyOpenBit"}))
            setContactMode(
                image, input, ContactMode::NotUsed,
                r.boolean(contact.value("normallyOpenBit"), Reader::join(path, "normallyOpenBit")));
    } else if (is(ContactMode::NormallyOpen) || is(ContactMode::NormallyClosed)) {
        if (r.keys(contact, path, {"mode"}))
            setContactMode(image, input,
                           is(ContactMode::NormallyOpen) ? ContactMode::NormallyOpen
                                                         : ContactMode::NormallyClosed);
    } else {
        r.fail(Reader::join(path, "mode"),
               QStringLiteral("must be \"%1\", \"%2\" or \"%3\"")
                   .arg(QLatin1String(contactModeName(ContactMode::NormallyOpen)),
                        QLatin1String(contactModeName(ContactMode::NormallyClosed)),
                        QLatin1String(contactModeName(ContactMode::NotUsed))));
    }
}

void readValue(Reader &r, const Field &field, const QJsonValue &json, const QString &path,
               u8 *image, Instance at)
{
    switch (field.kind) {
    case Kind::Levels: {
        const QJsonArray levels = r.array(json, path, elements(field));
        for (int c = 0; c < levels.size() && !r.failed(); ++c)
            setValue(field, image, at,
                     uint(r.integer(levels[c], Reader::index(path, c), 0, field.max)), c);
        return;
    }
    case Kind::Time: {
        QList<QPair<QString, u16>> markers;
        for (const Name &name : field.names)
            markers.append({QLatin1String(name.json), name.value});
        setValue(field, image, at, r.time(json, path, field.max, markers));
        return;
    }
    case Kind::Action:
        setValue(field, image, at, r.action(json, path));
        return;
    case Kind::Contact:
        readContact(r, json, path, image, at.index);
        return;
    case Kind::Choice: {
        for (const Name &name : field.names) {
            if (json == QLatin1String(name.json)) {
                setValue(field, image, at, name.value);
                return;
            }
        }
        if (json.isDouble()) {
            setValue(field, image, at, uint(r.integer(json, path, 0, field.max)));
            return;
        }
        QString allowed;
        for (const Name &name : field.names)
            allowed += QStringLiteral("\"%1\", ").arg(QLatin1String(name.json));
        allowed.chop(2);
        r.fail(path,
               QStringLiteral("must be %1 or an integer from 0 to %2").arg(allowed).arg(field.max));
        return;
    }
    case Kind::Hex: {
        const QByteArray bytes = r.bytes(json, path, field.size);
        std::copy(bytes.cbegin(), bytes.cend(), image + offset(field, at));
        return;
    }
    case Kind::StepCount:
    case Kind::RunMode:
        return; // checked once the steps are read
    case Kind::Number:
    case Kind::Address:
        break;
    }
    setValue(field, image, at, uint(r.integer(json, path, 0, field.max)));
}

// A program's length and mode follow from its steps' fall times; when given they must say the
// same.
void checkDerived(Reader &r, const Field &field, const QJsonValue &json, const QString &path,
                  const u8 *image, Instance at)
{
    const ProgramShape::Shape shape = ProgramShape::read(image, at.page);
    if (field.kind == Kind::StepCount) {
        if (r.integer(json, path, 1, field.max) != shape.steps && !r.failed())
            r.fail(path,
                   QStringLiteral("must be %1, as the steps' fall times say").arg(shape.steps));
    } else if (json != QLatin1String(ProgramShape::runModeName(shape.mode))) {
        r.fail(path,
               QStringLiteral("must be \"%1\", as the steps' fall times say")
                   .arg(QLatin1String(ProgramShape::runModeName(shape.mode))));
    }
}

void readNode(Reader &r, const Node &node, const QJsonValue &json, const QString &path, u8 *image,
              Instance at);

// An object's members, once its keys are known to be the format's.
void readMembers(Reader &r, const Node &node, const QJsonObject &object, const QString &path,
                 u8 *image, Instance at)
{
    for (const Node &member : node.members) {
        if (r.failed())
            return;
        if (!member.derived())
            readNode(r, member, object.value(member.key), Reader::join(path, member.key), image,
                     at);
    }
    for (const Node &member : node.members) {
        if (member.derived() && object.contains(member.key) && !r.failed())
            checkDerived(r, *member.field, object.value(member.key), Reader::join(path, member.key),
                         image, at);
    }
}

// Derived values may be left out; everything else must be there.
bool knownKeys(Reader &r, const Node &node, const QJsonObject &object, const QString &path,
               const QStringList &more = {})
{
    QStringList required = more;
    QStringList optional;
    for (const Node &member : node.members)
        (member.derived() ? optional : required).append(member.key);
    return r.keys(object, path, required, optional);
}

void readNode(Reader &r, const Node &node, const QJsonValue &json, const QString &path, u8 *image,
              Instance at)
{
    if (node.field) {
        readValue(r, *node.field, json, path, image, at);
        return;
    }
    if (node.array != Shape::Single) {
        const QJsonArray array = r.array(json, path, count(node.array));
        for (int i = 0; i < array.size() && !r.failed(); ++i)
            readNode(r, node.members.front(), array[i], Reader::index(path, i), image,
                     element(node.array, at, i));
        return;
    }
    const QJsonObject object = r.object(json, path);
    if (!r.failed() && knownKeys(r, node, object, path))
        readMembers(r, node, object, path, image, at);
}

} // namespace

QJsonObject ConfigJson::toJson(const u8 *image)
{
    QJsonObject json = nodeToJson(document(), image, {}).toObject();
    json.insert("format", formatName);
    json.insert("version", formatVersion);
    return json;
}

bool ConfigJson::fromJson(const QJsonObject &json, u8 *target, QString *error)
{
    std::vector<u8> staging(target, target + ImageSize);
    u8 *image = staging.data();
    Reader r;
    const QString root = QStringLiteral("$");

    if (knownKeys(r, document(), json, root, {"format", "version"})) {
        if (json.value("format") != formatName)
            r.fail("$.format", QStringLiteral("must be \"%1\"").arg(formatName));
        if (!r.failed())
            r.integer(json.value("version"), "$.version", formatVersion, formatVersion);
        readMembers(r, document(), json, root, image, {});
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
