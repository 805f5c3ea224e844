#pragma once

#include <QCoreApplication>
#include <QString>

// The pages' forms were cut out of the main window's form: their texts keep its translations.
// uic calls this for every text of a page form (see the forms' uic options in shell/).
inline QString formText(const char *text, const char *disambiguation = nullptr)
{
    return QCoreApplication::translate("MainWindow", text, disambiguation);
}
