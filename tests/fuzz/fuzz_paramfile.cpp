// Any bytes as a parameters file: the reader never crashes or runs away, and a tree it accepts
// can be written out and read again.
#include "params/paramelement.h"

#include <QByteArray>
#include <QIODevice>
#include <QTextStream>

#include <cstdlib>

namespace {

ParamElement read(const QByteArray &bytes)
{
    ParamElement root;
    root.name = QStringLiteral("@root");
    QTextStream stream(bytes);
    stream.setEncoding(QStringConverter::Utf8);
    QString line;
    while (root.parseNext(stream, line)) { }
    return root;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ParamElement root = read(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!root.isValid())
        return 0;
    QByteArray written;
    {
        QTextStream stream(&written, QIODevice::WriteOnly);
        stream.setEncoding(QStringConverter::Utf8);
        writeElement(stream, root);
    }
    // The writer escapes nothing, so the text it makes need not read back as the same tree; it
    // must still be read without harm.
    read(written).isValid();
    return 0;
}
