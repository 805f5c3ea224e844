#include "paramitem.h"

std::optional<QString> ParamItem::attribute(const QString &attributeName) const
{
    for (const ParamAttribute &a : attributes) {
        if (a.name == attributeName)
            return a.value;
    }
    return std::nullopt;
}

void ParamItem::setAttribute(const QString &attributeName, const QString &value)
{
    for (ParamAttribute &a : attributes) {
        if (a.name == attributeName) {
            a.value = value;
            return;
        }
    }
    attributes.append({attributeName, value});
}
