#pragma once

#include "common/types.h"

#include <QByteArray>
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

    // Text above this is refused unread: a full export is 270 to 291 KiB indented, 30 to 50
    // KiB compact.
    static constexpr int MaxTextSize = 1 << 20;
    // A whole document as text: refuses, with the reason in *error, text over MaxTextSize,
    // malformed JSON, a document that is not an object, a key repeated within an object, and
    // whatever fromJson refuses. Fills image only when all is well.
    static bool parse(const QByteArray &text, u8 *image, QString *error);
    // The JSON path of the first key repeated within its object ("$.scenes[3].riseTime"), or
    // an empty string. QJsonDocument keeps the last of them silently; only for text it accepted.
    static QString duplicateKey(const QByteArray &text);
};
