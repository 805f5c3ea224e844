#pragma once

#include <QStringList>

// The configuration files last read or saved successfully, newest first, kept between runs in the
// program's settings.
class RecentFiles
{
public:
    static constexpr int MaxFiles = 8;

    // The kept list without the files that are gone; they are forgotten for good.
    static QStringList existing();
    // `fileName` becomes the newest entry (once, as an absolute path).
    static void add(const QString &fileName);
    static void clear();

private:
    static QStringList stored();
    static void store(const QStringList &files);
};
