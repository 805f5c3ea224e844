#pragma once

#include <QString>

#include <memory>

class QSettings;

// Where the program keeps what it remembers between runs: the user's configuration folder, except
// for a parameters file that already lies in the working directory, which older setups rely on.
namespace Places {

// The program's folder among the user's configuration folders; not created here.
QString configFolder();

// The parameters file to read and to write: the working directory's when there is one, else the
// one in the configuration folder.
QString parametersFile();

// The window's own settings (its place, the recent files), in the configuration folder.
std::unique_ptr<QSettings> settings();

// Where file dialogs start when there is no last file: the user's documents, else home.
QString documentsFolder();

} // namespace Places
