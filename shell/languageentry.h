#pragma once

#include <QString>
#include <QTranslator>

#include <memory>

class QAction;

// One selectable language; entry 0 is English, whose translator (when there is one) only mends
// the spelling of the program's texts.
struct LanguageEntry
{
    QString name;
    QString code;
    std::unique_ptr<QTranslator> translator;
    // Qt's own texts (standard buttons, file dialogs) in this language; null when Qt has none.
    std::unique_ptr<QTranslator> qtTranslator;
    QAction *action = nullptr; // owned by the current window
};
