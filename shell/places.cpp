#include "places.h"

#include "languages.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

QString Places::configFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QString Places::parametersFile()
{
    const QString here = QString::fromLatin1(Languages::ParametersFile);
    if (QFileInfo::exists(here))
        return here;
    return configFolder() + QLatin1Char('/') + here;
}

std::unique_ptr<QSettings> Places::settings()
{
    return std::make_unique<QSettings>(configFolder() + QStringLiteral("/kelvodesk.conf"),
                                       QSettings::IniFormat);
}

QString Places::documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}
