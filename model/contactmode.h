#pragma once

#include "common/types.h"

// How an input's contact is wired, read off the used and normally-open bits of the image.
enum class ContactMode { NormallyOpen, NormallyClosed, NotUsed };

ContactMode contactMode(const u8 *image, int input);

// "N/O", "N/C", "N/U": the one spelling for kelvoctl and JSON.
const char *contactModeName(ContactMode mode);
