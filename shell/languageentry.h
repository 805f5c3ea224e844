#pragma once

#include <QString>
#include <QTranslator>

#include <memory>

class QAction;

// One selectable language; entry 0 is English, which needs no translator.
struct LanguageEntry
{
    QString name;
    QString code;
    std::unique_ptr<QTranslator> translator;
    QAction *action = nullptr; // owned by the current window
};
