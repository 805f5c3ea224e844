#include "recentfiles.h"

#include "places.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const QString key = QStringLiteral("files/recent");
} // namespace

QStringList RecentFiles::stored()
{
    return Places::settings()->value(key).toStringList();
}

void RecentFiles::store(const QStringList &files)
{
    Places::settings()->setValue(key, files);
}

QStringList RecentFiles::existing()
{
    const QStringList files = stored();
    QStringList kept;
    for (const QString &file : files) {
        if (QFileInfo(file).isFile())
            kept << file;
    }
    if (kept != files)
        store(kept);
    return kept;
}

void RecentFiles::add(const QString &fileName)
{
    const QString path = QFileInfo(fileName).absoluteFilePath();
    QStringList files = stored();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > MaxFiles)
        files.removeLast();
    store(files);
}

void RecentFiles::clear()
{
    store({});
}
