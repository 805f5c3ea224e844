#pragma once

#include "paramattribute.h"
#include "paramitem.h"

#include <QList>
#include <QString>

#include <optional>
#include <vector>

class QTextStream;

// A node of the parameters file that holds items and further elements. The reader never fails:
// what it cannot understand it records in the tree as "@error" marks, which isValid() finds.
class ParamElement
{
public:
    explicit ParamElement(int level = -1)
        : level(level)
    { }

    QString name; // "@root" for the root of a read tree
    QString comment; // the last comment line met while the content was read
    QList<ParamAttribute> attributes;
    QList<ParamItem> items;
    std::vector<ParamElement> children;
    int level; // the root has -1

    // Reads the next element from the stream into this one's items or children. `line` holds what
    // is left of the current line between calls; the caller starts with it empty and hands it on
    // unchanged. False when nothing was read: the end of the input, or this element's own
    // closing tag.
    bool parseNext(QTextStream &stream, QString &line);

    // False when an error mark or an empty name is anywhere in the tree.
    bool isValid() const;

    // The first child element with this name (ignoreCase: compared upper-cased), or null.
    ParamElement *findElement(const QString &elementName, bool ignoreCase);
    std::optional<QString> attribute(const QString &attributeName) const;
    std::optional<QString> itemText(const QString &itemName, bool caseSensitive) const;

    ParamElement &addElement(const QString &elementName);
    void setAttribute(const QString &attributeName, const QString &value);
    // Replaces the text of the first item with exactly this name, or appends a new item.
    void setItem(const QString &itemName, const QString &text);

    // Nesting deeper than this is marked as an error instead of read: a hostile file must not
    // exhaust the stack.
    static constexpr int MaxLevel = 64;
};

// The writer: one tag per line, indented by level, every line ended by LF.
void writeElement(QTextStream &stream, const ParamElement &element);
void writeItem(QTextStream &stream, const ParamItem &item);
