#pragma once

#include "common/types.h"

#include <optional>

// How an input's contact is wired, read off the used and normally-open bits of the image.
// The values are the mode editor's item data.
enum class ContactMode { NormallyOpen = 0, NormallyClosed = 1, NotUsed = -1 };

ContactMode contactMode(const u8 *image, int input);
// Writes the input's bits for `mode`. An unused input keeps its normally-open bit unless
// `normallyOpenBit` says what it is to be.
void setContactMode(u8 *image, int input, ContactMode mode,
                    std::optional<bool> normallyOpenBit = std::nullopt);

// "N/O", "N/C", "N/U": the one spelling for kelvoctl and JSON.
const char *contactModeName(ContactMode mode);
