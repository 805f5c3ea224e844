#pragma once

#include <QString>

// Text from a file or a JSON document, made safe to echo in a message: control and format
// characters escaped (\n, \x1b, \u202e ...), backslashes doubled, and cut after maxLength
// characters with "..." so a hostile input cannot flood or rewrite a terminal.
QString printableText(const QString &text, int maxLength = 64);
