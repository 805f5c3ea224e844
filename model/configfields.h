#pragma once

#include "common/types.h"

#include <QString>

#include <functional>
#include <span>

// Every field of the configuration image, declared once: where it sits in the JSON document and
// in the image, how its value is written, and the words the diff and kelvoctl's summary use.
// The JSON reader and writer, the diff and the summary loop over this table, so a field added
// or renamed here is added or renamed everywhere.
namespace ConfigFields {

// How many of a field there are, and so where each sits.
enum class Shape {
    Single, // one value, at the root or in a group object
    Scene, // $.scenes[s], page 0 step s
    Program, // $.programs[p], page p + 1
    ProgramStep, // $.programs[p].steps[s], page p + 1 step s
    Input, // $.inputs[i]
    RemoteKey, // $.remoteKeys[k]
    TimePage, // $.reserved.timePageTails[p], page p
};

// How a value is stored and written.
enum class Kind {
    Number, // one byte, an integer in JSON
    Levels, // a level for each channel, an array of integers
    Time, // tenths of a second in two bytes, or one of the field's named markers
    Action, // a function code: {"code", "text", "parameter"}
    Contact, // an input's bits of the used and normally-open masks: {"mode", "normallyOpenBit"}
    Choice, // one byte by name, an integer for values without one
    Address, // the remote's system address: a number, shown "not used" above the largest
    Hex, // reserved bytes, kept as hexadecimal text
    StepCount, // a program's length, read off its fall times: stored nowhere
    RunMode, // a program's run mode, read off its fall times: stored nowhere
};

// One place of a shape: the page and the scene, step, input, key or channel group in it.
struct Instance
{
    int page = 0;
    int index = 0;
};

// A value with a name: its JSON spelling and the text the diff and summary show.
struct Name
{
    u16 value;
    const char *json;
    const char *text;
};

struct Field
{
    Shape shape;
    const char *key; // the JSON member; nullptr for an array of bare values
    Kind kind;
    // The first byte, through the layout's helpers; nullptr for derived values.
    int (*place)(Instance at) = nullptr;
    int size = 1; // bytes of one value
    int max = 255; // the largest plain number JSON takes
    std::span<const Name> names = {};
    int shownFrom = 0; // 1 for channel numbers, which the user counts from 1
    int span = 1; // channels from this one that belong to it: the preview's three
    const char *group = nullptr; // the JSON object holding a single value; nullptr: the root
    // The diff's words after the place's name ("rise time"); "" for the place alone, nullptr
    // for bytes left to the diff's byte lines.
    const char *diff = nullptr;
    // kelvoctl info's words, %1 the value (%2 the last channel of a span); text starting with
    // ',', ';' or '.' goes on with the line of the field before. nullptr: not summarised.
    const char *info = nullptr;
    bool infoLeads = false; // first in its place's line, whatever its place in the table
};

// The table, in the order the diff and the summary list the fields.
std::span<const Field> fields();

// The JSON array a shape's places form, the object holding that array (nullptr: the object of
// the enclosing shape, or the root), and how many places.
const char *arrayName(Shape shape);
const char *arrayGroup(Shape shape);
int count(Shape shape);
// The shape a shape's array sits in (ProgramStep in Program); Single for the root.
Shape parent(Shape shape);
// The shape directly inside `outer` that holds places of `shape`.
Shape within(Shape shape, Shape outer);
// Goes through `run`, fields of places inside `outer` in table order: each field of `outer`
// itself to `own`, each run of fields inside one shape directly inside it to `inner`.
void forEachPart(std::span<const Field> run, Shape outer,
                 const std::function<void(const Field &)> &own,
                 const std::function<void(std::span<const Field>, Shape)> &inner);
// Place i of a shape inside `outer`, a place of its parent shape.
Instance element(Shape shape, Instance outer, int i);
// Every place of a shape, in order.
void forEachInstance(Shape shape, const std::function<void(Instance)> &visit);
// "scene 3", "program 2 step 4", "input 1", "remote key 7"; empty for single values.
QString placeName(Shape shape, Instance at);

// Values per place: ChannelCount for levels, 1 for the rest.
int elements(const Field &field);
int offset(const Field &field, Instance at, int element = 0);
// A stored number of one or two bytes (Number, Levels, Time, Action, Choice, Address).
uint value(const Field &field, const u8 *image, Instance at, int element = 0);
void setValue(const Field &field, u8 *image, Instance at, uint value, int element = 0);
// The name of a stored value, or nullptr.
const Name *nameOf(const Field &field, uint value);
// The bits of the image a field keeps at a place, as (offset, mask) pairs.
void forEachBits(const Field &field, Instance at, const std::function<void(int, u8)> &visit);

// A value as the diff and the summary show it (actions with " : " before the parameter).
QString text(const Field &field, const u8 *image, Instance at, int element = 0);
QString seconds(u16 units);

} // namespace ConfigFields
