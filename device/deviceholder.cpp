#include "deviceholder.h"

#include <QFile>

#ifdef Q_OS_LINUX
#include <dirent.h>
#include <unistd.h>

#include <climits>
#include <memory>
#endif

namespace {

#ifdef Q_OS_LINUX
struct DirClose
{
    void operator()(DIR *dir) const { closedir(dir); }
};
using Dir = std::unique_ptr<DIR, DirClose>;

bool isNumber(const char *name)
{
    if (!*name)
        return false;
    for (; *name; ++name) {
        if (*name < '0' || *name > '9')
            return false;
    }
    return true;
}

// Whether one of the process's descriptors points at `node`; false where they may not be read.
bool holds(const QByteArray &process, const QByteArray &node)
{
    const QByteArray fdDir = "/proc/" + process + "/fd";
    const Dir fds(opendir(fdDir.constData()));
    if (!fds)
        return false;
    char target[PATH_MAX];
    while (const dirent *fd = readdir(fds.get())) {
        if (!isNumber(fd->d_name))
            continue;
        const QByteArray link = fdDir + '/' + fd->d_name;
        const ssize_t length = readlink(link.constData(), target, sizeof target);
        if (length == node.size() && node == QByteArrayView(target, length))
            return true;
    }
    return false;
}
#endif

} // namespace

DeviceHolder DeviceHolder::of(const QString &node)
{
    DeviceHolder holder;
#ifdef Q_OS_LINUX
    const QByteArray path = QFile::encodeName(node);
    const QByteArray self = QByteArray::number(qint64(getpid()));
    const Dir processes(opendir("/proc"));
    if (!processes)
        return holder;
    while (const dirent *entry = readdir(processes.get())) {
        if (!isNumber(entry->d_name) || self == entry->d_name || !holds(entry->d_name, path))
            continue;
        holder.pid = QByteArray(entry->d_name).toLongLong();
        QFile comm(QStringLiteral("/proc/%1/comm").arg(holder.pid));
        if (comm.open(QIODevice::ReadOnly))
            holder.program = QString::fromLocal8Bit(comm.readAll()).trimmed();
        break;
    }
#else
    Q_UNUSED(node);
#endif
    return holder;
}
