#pragma once

#include "common/types.h"

#include <QJsonObject>
#include <QString>

// The whole configuration image as JSON: named fields for what the editors show, and every
// reserved byte, so that fromJson(toJson(image)) gives the image back byte for byte.
class ConfigJson
{
public:
    static QJsonObject toJson(const u8 *image);
    // Fills image only when the whole document is valid; otherwise returns false and names the
    // offending field (as a JSON path) and what it allows in *error.
    static bool fromJson(const QJsonObject &json, u8 *image, QString *error);
};
