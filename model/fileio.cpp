#include "fileio.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace FileIo {

namespace {

// Qt leaves the message empty or "Unknown error" when a call failed without setting its own
// error; errno still holds the system's reason then.
QString reasonOf(const QFileDevice &file, int savedErrno)
{
    if (file.error() != QFileDevice::NoError) {
        const QString text = file.errorString();
        if (!text.isEmpty() && text != QLatin1String("Unknown error"))
            return text;
    }
    return savedErrno ? qt_error_string(savedErrno)
                      : QCoreApplication::translate("FileIo", "write failed");
}

void setReason(QString *reason, const QString &text)
{
    if (reason)
        *reason = text;
}

} // namespace

bool readStart(const QString &fileName, qint64 maxSize, QByteArray *bytes, QString *reason)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        setReason(reason, file.errorString());
        return false;
    }
    // Pipes and devices deliver in pieces: read until the end or the bound.
    QByteArray data(maxSize, Qt::Uninitialized);
    qint64 total = 0;
    while (total < maxSize) {
        const qint64 n = file.read(data.data() + total, maxSize - total);
        if (n < 0) {
            setReason(reason, reasonOf(file, errno));
            return false;
        }
        if (n == 0)
            break;
        total += n;
    }
    data.truncate(total);
    *bytes = data;
    return true;
}

ReadResult read(const QString &fileName, qint64 maxSize, QByteArray *bytes, QString *reason)
{
    // One byte past the bound tells a file of exactly maxSize bytes from a larger one.
    QByteArray data;
    if (!readStart(fileName, maxSize + 1, &data, reason))
        return ReadResult::Failed;
    if (data.size() > maxSize) {
        setReason(reason, QStringLiteral("larger than %1 bytes").arg(maxSize));
        return ReadResult::TooLarge;
    }
    *bytes = data;
    return ReadResult::Ok;
}

bool write(const QString &fileName, const QByteArray &bytes, QString *reason)
{
    const QFileInfo existing(fileName);
    if (existing.exists() && !existing.isFile()) {
        setReason(reason, QCoreApplication::translate("FileIo", "not a regular file"));
        return false;
    }

    QSaveFile file(fileName);
    // Unbuffered: a short write (disk full) shows up here; Qt's buffered flush lets it through
    // and would commit a truncated file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        setReason(reason, reasonOf(file, errno));
        return false;
    }
    qint64 written = 0;
    while (written < bytes.size()) {
        errno = 0;
        // A partial write reports no error; the next call fails with the system's reason.
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const QString why = reasonOf(file, errno);
            file.cancelWriting();
            setReason(reason, why);
            return false;
        }
        written += n;
    }
    errno = 0;
    if (!file.commit()) {
        setReason(reason, reasonOf(file, errno));
        return false;
    }
    return true;
}

} // namespace FileIo
