#pragma once

#include "common/types.h"

#include <QString>

// The actions an input, a remote key or power-on can trigger, as groups of consecutive codes.
namespace FunctionCode {

struct Group
{
    u8 first;
    int count; // parameter values; 0 only for "No action"
    const char *text;
};

constexpr int GroupCount = 18;
extern const Group groups[GroupCount];

constexpr u8 NoAction = 0xFF;
// The codes that load one scene or program: the first, the others follow in order.
constexpr u8 LoadChosenScene = 13; // scene 1
constexpr u8 LoadSpecialScene = 29;
constexpr u8 RunChosenProgram = 30; // program 1

// Group index and parameter offset of a stored code; codes past the table's last real group
// fall into "Toggle chosen scene".
struct Decoded
{
    int group;
    int offset;
};
Decoded decode(u8 code);

// Whether the code's label is followed by its parameter (offset + 1) when shown.
inline bool showsParameter(const Decoded &decoded)
{
    return groups[decoded.group].count > 1 || decoded.offset > 0;
}

} // namespace FunctionCode

// The translated label of a stored code.
QString functionCodeText(u8 code);
