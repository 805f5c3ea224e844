#pragma once

#include "paramattribute.h"

#include <QList>
#include <QString>

#include <optional>

// A leaf of the parameters file: a tag with text and attributes but no nested tags.
class ParamItem
{
public:
    QString name;
    QString text; // as read: not trimmed, lines joined with CR LF
    QList<ParamAttribute> attributes;
    int level = 0;

    // The value of the first attribute with exactly this name.
    std::optional<QString> attribute(const QString &attributeName) const;
    // Replaces the first attribute with this name, or appends one.
    void setAttribute(const QString &attributeName, const QString &value);
};
