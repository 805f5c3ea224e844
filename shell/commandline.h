#pragma once

#include <QString>
#include <QStringList>

// kelvodesk's command line: --help, --version and a configuration file to open at start. Its texts
// are printed before a language is chosen and make the man page: English, as kelvoctl's.
class CommandLine
{
public:
    // Reads the arguments (the program's name first). False when the program is to end at once
    // with exitStatus, having said why (help and version on stdout, mistakes on stderr).
    bool read(const QStringList &arguments);

    int exitStatus = 0;
    QString fileToOpen; // empty: none
};
