#pragma once

#include <QString>

// name="value" on a tag of the parameters file.
struct ParamAttribute
{
    QString name;
    QString value;
};
