#include "paramelement.h"

#include <QTextStream>

namespace {

const QString errorMark = QStringLiteral("@error");
const QString rootName = QStringLiteral("@root");

ParamItem errorItem(const QString &text, int level)
{
    ParamItem item;
    item.name = errorMark;
    item.text = text;
    item.level = level;
    return item;
}

bool hasErrorAttribute(const QList<ParamAttribute> &attributes)
{
    for (const ParamAttribute &a : attributes) {
        if (a.name == errorMark)
            return true;
    }
    return false;
}

// name="value" pairs; the name is taken up to the '=', the value between the next two quotes,
// neither trimmed. A pair without quotes gets an empty value and ends the list.
QList<ParamAttribute> parseAttributes(QString list)
{
    QList<ParamAttribute> result;
    list = list.trimmed();
    while (!list.isEmpty()) {
        const qsizetype equals = list.indexOf(QLatin1Char('='));
        ParamAttribute attribute;
        attribute.name = equals < 0 ? list : list.left(equals);
        const qsizetype open = list.indexOf(QLatin1Char('"'));
        const qsizetype close = open < 0 ? -1 : list.indexOf(QLatin1Char('"'), open + 1);
        if (close < 0) {
            result.append(attribute);
            break;
        }
        attribute.value = list.mid(open + 1, close - open - 1);
        result.append(attribute);
        list = list.mid(close + 1).trimmed();
    }
    return result;
}

// Lines the reader passes over while it looks for a tag: processing instructions and
// declarations ("<?", "<!" but not a comment).
bool isDeclaration(const QString &line)
{
    return line.startsWith(QLatin1String("<?"))
        || (line.startsWith(QLatin1String("<!")) && !line.startsWith(QLatin1String("<!--")));
}

bool opensATag(const QString &line)
{
    const qsizetype lt = line.indexOf(QLatin1Char('<'));
    const qsizetype gt = line.indexOf(QLatin1Char('>'));
    return lt >= 0 && gt > lt;
}

QString indent(int level)
{
    return level > 0 ? QString(level, QLatin1Char(' ')) : QString();
}

void writeAttributes(QTextStream &stream, const QList<ParamAttribute> &attributes)
{
    for (const ParamAttribute &a : attributes) {
        stream << ' ';
        if (!a.name.isEmpty() || !a.value.isEmpty())
            stream << a.name.trimmed() << "=\"" << a.value << '"';
    }
}

} // namespace

bool ParamElement::parseNext(QTextStream &stream, QString &line)
{
    if (stream.status() != QTextStream::Ok)
        return false;
    while (line.isEmpty() && !stream.atEnd())
        line += stream.readLine();
    if (line.trimmed().startsWith(QLatin1String("</")))
        return false; // the caller's own closing tag

    ParamElement pending(level + 1);
    QString text;
    bool opened = false; // its opening tag is taken; a later round looks for its content
    for (;;) {
        // Find the opening tag.
        bool onTag = false;
        while (!stream.atEnd() && !onTag) {
            // Tested trimmed: the writer indents its comment lines, and the first line a step
            // sees comes untrimmed from the caller.
            const QString probe = line.trimmed();
            if (!probe.isEmpty() && isDeclaration(probe)) {
                // passed over
            } else if (probe.startsWith(QLatin1String("<!--"))) {
                const qsizetype end = probe.indexOf(QLatin1String("-->"));
                comment = end < 0 ? QString() : probe.mid(4, end - 4).trimmed();
            } else if (line.isEmpty()) {
                // passed over
            } else if (opensATag(line)) {
                onTag = true;
                break;
            } else {
                pending.items.append(errorItem(QStringLiteral("invalid line"), pending.level + 1));
            }
            line = stream.readLine().trimmed();
        }
        // A tag on the input's last line is not taken: files the writer makes end with a
        // closing tag. An element opened in an earlier round never got its closing tag.
        if (stream.atEnd()) {
            if (opened)
                pending.setAttribute(errorMark, QStringLiteral("unclosed"));
            break;
        }

        // The tag: name, attributes, self-closing.
        line = line.mid(line.indexOf(QLatin1Char('<')) + 1);
        QString tag = line.left(line.indexOf(QLatin1Char('>')));
        const bool selfClosing = tag.endsWith(QLatin1Char('/'));
        if (selfClosing)
            tag.chop(1);
        qsizetype blank = -1;
        for (qsizetype i = 1; i < tag.size() && blank < 0; ++i) {
            if (tag[i].isSpace())
                blank = i;
        }
        if (blank > 0) {
            pending.name = tag.left(blank);
            pending.attributes = parseAttributes(tag.mid(blank));
        } else {
            pending.name = tag;
        }
        if (line.contains(QLatin1Char('>')))
            line = line.mid(line.indexOf(QLatin1Char('>')) + 1);
        if (selfClosing)
            break;
        opened = true;

        // The content: nested elements, or text up to the next tag.
        if (line.isEmpty())
            line = stream.readLine();
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('<')) && !trimmed.startsWith(QLatin1String("</"))) {
            if (pending.level >= MaxLevel) {
                pending.items.append(
                    errorItem(QStringLiteral("nested too deep"), pending.level + 1));
                break;
            }
            while (pending.parseNext(stream, line)) { }
        } else if (!line.contains(QLatin1Char('<'))) {
            bool endOfInput = false;
            do {
                text += line + QLatin1String("\r\n");
                if (stream.atEnd()) {
                    pending.items.append(
                        errorItem(QStringLiteral("unexpected EOF !"), pending.level + 1));
                    endOfInput = true;
                    break;
                }
                line = stream.readLine();
            } while (!line.contains(QLatin1Char('<')));
            if (endOfInput)
                break;
        } else {
            const qsizetype lt = line.indexOf(QLatin1Char('<'));
            text += line.left(lt);
            line = line.mid(lt);
        }

        // The closing tag; without one the element is still open.
        if (!line.contains(QLatin1String("</")))
            continue;
        text += line.left(line.indexOf(QLatin1Char('<')));
        const qsizetype open = line.indexOf(QLatin1String("</")) + 2;
        const qsizetype close = line.indexOf(QLatin1Char('>'), open);
        const QString closingName = line.mid(open, close < 0 ? -1 : close - open);
        if (closingName != pending.name)
            pending.setAttribute(errorMark, QStringLiteral("unclosed")); // the caller sees the tag
        else
            line = line.mid(line.indexOf(QLatin1Char('>')) + 1);
        break;
    }

    if (pending.name.isEmpty() && pending.attributes.isEmpty() && pending.comment.isEmpty()
        && text.isEmpty() && pending.children.empty() && pending.items.isEmpty())
        return false; // nothing was read
    if (!pending.children.empty() || !pending.items.isEmpty()) {
        if (!text.trimmed().isEmpty()) {
            ParamItem value;
            value.name = QStringLiteral("value");
            value.text = text;
            value.level = pending.level + 1;
            pending.items.append(value);
        }
        children.push_back(std::move(pending));
        return true;
    }
    ParamItem item;
    item.name = pending.name;
    item.text = text;
    item.attributes = pending.attributes;
    item.level = level + 1;
    items.append(item);
    return true;
}

bool ParamElement::isValid() const
{
    if (name.isEmpty() || name == errorMark || hasErrorAttribute(attributes))
        return false;
    for (const ParamElement &child : children) {
        if (!child.isValid())
            return false;
    }
    for (const ParamItem &item : items) {
        if (item.name.isEmpty() || item.name == errorMark || hasErrorAttribute(item.attributes))
            return false;
    }
    return true;
}

ParamElement *ParamElement::findElement(const QString &elementName, bool ignoreCase)
{
    for (ParamElement &child : children) {
        if (ignoreCase ? child.name.toUpper() == elementName.toUpper() : child.name == elementName)
            return &child;
    }
    return nullptr;
}

std::optional<QString> ParamElement::attribute(const QString &attributeName) const
{
    for (const ParamAttribute &a : attributes) {
        if (a.name == attributeName)
            return a.value;
    }
    return std::nullopt;
}

std::optional<QString> ParamElement::itemText(const QString &itemName, bool caseSensitive) const
{
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (const ParamItem &item : items) {
        if (item.name.compare(itemName, cs) == 0)
            return item.text;
    }
    return std::nullopt;
}

ParamElement &ParamElement::addElement(const QString &elementName)
{
    ParamElement &child = children.emplace_back(level + 1);
    child.name = elementName;
    return child;
}

void ParamElement::setAttribute(const QString &attributeName, const QString &value)
{
    for (ParamAttribute &a : attributes) {
        if (a.name == attributeName) {
            a.value = value;
            return;
        }
    }
    attributes.append({attributeName, value});
}

void ParamElement::setItem(const QString &itemName, const QString &text)
{
    for (ParamItem &item : items) {
        if (item.name == itemName) {
            item.text = text;
            return;
        }
    }
    ParamItem item;
    item.name = itemName;
    item.text = text;
    item.level = level + 1;
    items.append(item);
}

void writeItem(QTextStream &stream, const ParamItem &item)
{
    const QString name = item.name.trimmed();
    stream << indent(item.level) << '<' << name;
    writeAttributes(stream, item.attributes);
    if (item.text.isEmpty())
        stream << "/>";
    else
        stream << '>' << item.text << "</" << name << '>';
    stream << '\n';
}

void writeElement(QTextStream &stream, const ParamElement &element)
{
    const bool root = element.name == rootName;
    const bool empty
        = element.comment.isEmpty() && element.items.isEmpty() && element.children.empty();
    const QString name = element.name.trimmed();
    if (!root) {
        stream << indent(element.level) << '<' << name;
        writeAttributes(stream, element.attributes);
        stream << (empty ? "/>" : ">") << '\n';
    }
    if (empty)
        return;
    if (!element.comment.isEmpty())
        stream << indent(element.level) << " <!-- " << element.comment << " -->\n";
    for (const ParamItem &item : element.items)
        writeItem(stream, item);
    for (const ParamElement &child : element.children)
        writeElement(stream, child);
    if (!root)
        stream << indent(element.level) << "</" << name << ">\n";
}
