#pragma once

#include "common/types.h"

#include <QJsonArray>
#include <QList>
#include <QString>

// What differs between two configuration images, named the way the user knows the places:
// scenes, program steps, inputs, keys and settings, numbered from 1.
namespace ConfigDiff {

struct Difference
{
    QString where; // "scene 3 channel 12", "program 2 step 4 rise time", "input 3", ...
    QString before; // "0", "1.0 s", "Load next scene", "not used"
    QString after;
    QString line() const; // where + ": " + before + " -> " + after
};

// Every difference between two images of ConfigLayout::ImageSize bytes, in a stable order
// (scenes, programs, inputs, power on, remote keys, special scene, settings), each place once.
// A differing byte no place names is listed by its address, so different images never compare
// as the same.
QList<Difference> compare(const u8 *a, const u8 *b);

// The differences as JSON: an array of objects {"where":..., "before":..., "after":...}.
QJsonArray toJson(const QList<Difference> &differences);

} // namespace ConfigDiff
