// kelvoctl: configuration files from the command line (new, info, export, import).

#include "common/version.h"
#include "firmware/upgradefile.h"
#include "model/configclear.h"
#include "model/configfile.h"
#include "model/configjson.h"
#include "model/configlayout.h"
#include "model/contactmode.h"
#include "model/fileio.h"
#include "model/functioncode.h"
#include "model/printabletext.h"
#include "model/programshape.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTextStream>

#include <cerrno>
#include <limits>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ConfigLayout;

namespace {

enum Status { Ok = 0, Failed = 1, Usage = 2 };

// Header lines echoed by info; a hand-made header can hold thousands.
constexpr int MaxHeaderLines = 20;

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

int fail(const QString &message)
{
    err() << "kelvoctl: " << message << Qt::endl;
    return Failed;
}

int usage(const QString &message)
{
    err() << "kelvoctl: " << message << "\nTry 'kelvoctl --help'." << Qt::endl;
    return Usage;
}

// A closed standard descriptor would be handed to the next file opened, and output meant for
// the terminal would land in it. Hold it with a read-only /dev/null: writes to it then fail.
void holdClosedStandardDescriptors()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            const int held = open("/dev/null", O_RDONLY);
            if (held != fd && held >= 0)
                close(held);
        }
    }
}

// A file name or argument echoed in a message or output: escaped like text from a file, so that
// it cannot rewrite the terminal, but whole: the user must see which file is meant, and a cut
// could make two names look alike. System reasons go through it too: Qt's can hold the name.
QString shown(const QString &text)
{
    return printableText(text, std::numeric_limits<int>::max());
}

// Everything for standard output in one go, so that a full disk or a closed descriptor is seen.
bool writeStdout(const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n
            = ::write(STDOUT_FILENO, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            fail(QStringLiteral("standard output: cannot write: %1")
                     .arg(qt_error_string(n < 0 ? errno : EIO)));
            return false;
        }
        written += n;
    }
    return true;
}

// Bytes other than printable ASCII shown as \xNN: the name is not valid text anyway.
QString rawName(const QByteArray &name)
{
    QString shown;
    for (const char c : name) {
        if (uchar(c) < 0x20 || uchar(c) >= 0x7F || c == '\\')
            shown += QStringLiteral("\\x%1").arg(uint(uchar(c)), 2, 16, QLatin1Char('0'));
        else
            shown += QLatin1Char(c);
    }
    return shown;
}

// Qt decodes arguments in the locale's encoding and replaces what does not decode; working on
// such a name would touch a different file.
bool argumentsEncodeBack(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        if (QFile::encodeName(QString::fromLocal8Bit(raw)) != raw) {
            fail(QStringLiteral("%1: not valid in the locale's encoding").arg(rawName(raw)));
            return false;
        }
    }
    return true;
}

// Also through symbolic links, other spellings and hard links.
bool sameFile(const QString &a, const QString &b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    if (!canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath())
        return true;
    struct stat statA
    {
    };
    struct stat statB
    {
    };
    return stat(QFile::encodeName(a).constData(), &statA) == 0
        && stat(QFile::encodeName(b).constData(), &statB) == 0 && statA.st_dev == statB.st_dev
        && statA.st_ino == statB.st_ino;
}

bool distinctOutput(const QString &input, const QString &output)
{
    if (!sameFile(input, output))
        return true;
    fail(QStringLiteral("%1: is the input file %2; refusing to overwrite it")
             .arg(shown(output), shown(input)));
    return false;
}

using Image = std::vector<u8>;

// Reads and checks a configuration file; the message is the program's own for a broken file.
bool loadConfig(const QString &fileName, Image &image, QByteArray *bytes = nullptr)
{
    image.assign(ImageSize, 0);
    QString reason;
    if (!ConfigFile::read(fileName, image.data(), &reason, bytes)) {
        fail(QStringLiteral("%1: %2").arg(shown(fileName), shown(reason)));
        return false;
    }
    return true;
}

bool saveBytes(const QString &fileName, const QByteArray &bytes)
{
    QString reason;
    if (!FileIo::write(fileName, bytes, &reason)) {
        fail(QStringLiteral("%1: cannot write: %2").arg(shown(fileName), shown(reason)));
        return false;
    }
    return true;
}

bool saveConfig(const QString &fileName, const u8 *image)
{
    QString reason;
    if (!ConfigFile::write(fileName, image, &reason)) {
        fail(QStringLiteral("%1: cannot write: %2").arg(shown(fileName), shown(reason)));
        return false;
    }
    return true;
}

QString actionText(u8 code)
{
    const FunctionCode::Decoded d = FunctionCode::decode(code);
    QString text = functionCodeText(code);
    if (FunctionCode::showsParameter(d))
        text += QStringLiteral(" %1").arg(d.offset + 1);
    return text;
}

QString seconds(u16 units)
{
    return QStringLiteral("%1.%2 s").arg(units / 10).arg(units % 10);
}

QString numberList(const QList<int> &numbers)
{
    if (numbers.isEmpty())
        return QStringLiteral("none");
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(QStringLiteral(", "));
}

QList<int> stepsWithLevels(const u8 *image, int page)
{
    QList<int> steps;
    for (int s = 0; s < StepsPerPage; ++s) {
        for (int c = 0; c < ChannelCount; ++c) {
            if (level(image, page, s, c)) {
                steps << s + 1;
                break;
            }
        }
    }
    return steps;
}

int commandNew(const QStringList &args)
{
    if (args.size() != 1)
        return usage(QStringLiteral("new takes one file name: kelvoctl new OUT"));
    Image image(ImageSize);
    clearImage(image.data(), ClearFlags::All);
    return saveConfig(args[0], image.data()) ? Ok : Failed;
}

int commandInfo(const QStringList &args)
{
    if (args.size() != 1)
        return usage(QStringLiteral("info takes one file name: kelvoctl info FILE"));
    Image data;
    QByteArray bytes;
    if (!loadConfig(args[0], data, &bytes))
        return Failed;
    const u8 *image = data.data();
    QString text;
    QTextStream o(&text);

    o << "File: " << shown(args[0]) << "\nHeader:\n";
    const QString header = QString::fromLatin1(ConfigFile::headerText(bytes));
    int lines = 0;
    for (const QString &line : header.split(QStringLiteral("\r\n"))) {
        QString shown = line;
        shown.remove(QChar(0x1A));
        if (shown.isEmpty())
            continue;
        if (++lines > MaxHeaderLines) {
            o << "  ...\n";
            break;
        }
        o << "  " << printableText(shown) << '\n';
    }
    o << "CRC: OK\n";

    o << "Scenes with levels: " << numberList(stepsWithLevels(image, 0)) << '\n';
    o << "Programs:\n";
    for (int p = 1; p < PageCount; ++p) {
        const ProgramShape::Shape shape = ProgramShape::read(image, p);
        o << "  Program " << p << ": " << shape.steps << (shape.steps == 1 ? " step, " : " steps, ")
          << ProgramShape::runModeName(shape.mode)
          << "; steps with levels: " << numberList(stepsWithLevels(image, p)) << '\n';
    }
    o << "Inputs:\n";
    for (int i = 0; i < InputCount; ++i) {
        o << "  Input " << i + 1 << ": " << contactModeName(contactMode(image, i)) << ", "
          << actionText(image[InputFunc + i]) << '\n';
    }
    o << "Power on: " << actionText(image[PowerOnFunc]) << '\n';
    o << "Remote keys:";
    int keysWithAction = 0;
    for (int k = 0; k < RcuKeyCount; ++k) {
        if (image[RcuKeyFunc + k] != FunctionCode::NoAction) {
            o << "\n  Key " << k + 1 << ": " << actionText(image[RcuKeyFunc + k]);
            ++keysWithAction;
        }
    }
    o << (keysWithAction ? "\n" : " all No action\n");
    o << "Special scene: red " << image[SpecialLevelRed] << ", green " << image[SpecialLevelGreen]
      << ", blue " << image[SpecialLevelBlue] << ", channels " << image[SpecialFirstChannel] + 1
      << ".." << image[SpecialLastChannel] + 1 << ", rise time "
      << seconds(readU16(image, SpecialRiseTime)) << '\n';
    o << "Preview: channels " << image[PreviewFirstChannel] + 1 << ".."
      << image[PreviewFirstChannel] + 3 << '\n';
    o << "Scene mixing mode: "
      << (image[MixMode] ? "Standard (bigger win) mode" : "Proportional mode") << '\n';
    const u8 address = image[RcuSysAddr];
    o << "System address: "
      << (address <= MaxRcuSysAddr ? QString::number(address) : QStringLiteral("not used")) << '\n';
    o.flush();
    return writeStdout(text.toUtf8()) ? Ok : Failed;
}

int commandExport(const QStringList &args, const std::optional<QString> &output)
{
    if (args.size() != 1)
        return usage(
            QStringLiteral("export takes one file name: kelvoctl export FILE [-o OUT.json]"));
    // Standard output is chosen by leaving -o out; an empty name is a mistake (an unset variable).
    if (output && output->isEmpty())
        return usage(QStringLiteral("-o needs a file name (export writes to standard output "
                                    "without -o)"));
    if (output && !distinctOutput(args[0], *output))
        return Failed;
    Image image;
    if (!loadConfig(args[0], image))
        return Failed;
    const QByteArray json = QJsonDocument(ConfigJson::toJson(image.data())).toJson();
    if (!output)
        return writeStdout(json) ? Ok : Failed;
    return saveBytes(*output, json) ? Ok : Failed;
}

int commandImport(const QStringList &args)
{
    if (args.size() != 2)
        return usage(QStringLiteral("import takes two file names: kelvoctl import IN.json OUT"));
    if (!distinctOutput(args[0], args[1]))
        return Failed;
    QByteArray text;
    QString reason;
    if (FileIo::read(args[0], ConfigJson::MaxTextSize, &text, &reason) != FileIo::ReadResult::Ok)
        return fail(QStringLiteral("%1: %2").arg(shown(args[0]), shown(reason)));
    Image image(ImageSize, 0xFF);
    QString error;
    // The parser escapes what it quotes from the document already.
    if (!ConfigJson::parse(text, image.data(), &error))
        return fail(QStringLiteral("%1: %2").arg(shown(args[0]), error));
    return saveConfig(args[1], image.data()) ? Ok : Failed;
}

// The same words the program uses when it refuses an upgrade file.
QString refusalText(UpgradeFile::Refusal refusal, const QString &name)
{
    const QString fileName = shown(name);
    switch (refusal) {
    case UpgradeFile::Refusal::None:
        break;
    case UpgradeFile::Refusal::TooShort:
    case UpgradeFile::Refusal::BadLength:
        return QStringLiteral("File read error : ") + fileName;
    case UpgradeFile::Refusal::WrongMagic:
        return QStringLiteral("File ") + fileName + QStringLiteral("\nisn't proper upgrade file !");
    case UpgradeFile::Refusal::NothingToLoad:
        return fileName + QStringLiteral(": holds no firmware (data offset 0xFFFF)");
    case UpgradeFile::Refusal::SeekError:
        return QStringLiteral("Seek error : ") + fileName;
    case UpgradeFile::Refusal::CrcError:
        return QStringLiteral("CRC error in block !");
    case UpgradeFile::Refusal::UncompressError:
        return QStringLiteral("Uncompressing error !");
    }
    return QString();
}

int commandFirmwareInfo(const QStringList &args)
{
    if (args.size() != 1)
        return usage(
            QStringLiteral("firmware-info takes one file name: kelvoctl firmware-info FILE.upg"));
    // The reader never looks further; endless inputs stop here too.
    QByteArray bytes;
    QString reason;
    if (!FileIo::readStart(args[0], UpgradeFile::MaxUsefulSize, &bytes, &reason))
        return fail(QStringLiteral("%1: %2").arg(shown(args[0]), shown(reason)));
    UpgradeFile::Version version;
    QByteArray image;
    const UpgradeFile::Refusal refusal = UpgradeFile::read(bytes, &version, &image);
    if (refusal != UpgradeFile::Refusal::None)
        return fail(refusalText(refusal, args[0]));
    UpgradeFile::Descriptor descriptor;
    UpgradeFile::descriptor(bytes, &descriptor);

    QByteArray text = "File: " + shown(args[0]).toUtf8() + '\n';
    if (version.tagged) {
        const QString core = uchar(version.core) > 0x20 && uchar(version.core) < 0x7F
            ? QString(QLatin1Char(version.core))
            : QStringLiteral("0x%1").arg(uint(uchar(version.core)), 2, 16, QLatin1Char('0'));
        text += QStringLiteral("Version tag: %1.%2, core %3\n")
                    .arg(int(version.major))
                    .arg(int(version.minor), 2, 10, QLatin1Char('0'))
                    .arg(core)
                    .toUtf8();
    } else {
        text += "Version tag: none (installed without a version check)\n";
    }
    text += "Compressed size: " + QByteArray::number(qint64(descriptor.dataLengthMinus1) + 1)
        + " bytes\nFirmware: unpacks to a valid 64 KiB image\n";
    return writeStdout(text) ? Ok : Failed;
}
} // namespace

int main(int argc, char *argv[])
{
    holdClosedStandardDescriptors();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvoctl"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kelvoRelease));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Configuration files of the Kelvo controller from the command line.\n"
                       "\n"
                       "Commands:\n"
                       "  new OUT                    write a configuration file with all defaults\n"
                       "  info FILE                  check a configuration file and summarise it\n"
                       "  export FILE [-o OUT.json]  write the whole configuration as JSON\n"
                       "  import IN.json OUT         build a configuration file from such JSON\n"
                       "  firmware-info FILE.upg     check an upgrade file without a controller"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption outputOption(QStringList {"o", "output"},
                                          QStringLiteral("JSON file to write (export)."),
                                          QStringLiteral("OUT.json"));
    parser.addOption(outputOption);
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("new, info, export, import or firmware-info"));
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("the command's files"),
                                 QStringLiteral("FILE..."));

    if (!argumentsEncodeBack(argc, argv))
        return Failed;
    if (!parser.parse(QCoreApplication::arguments()))
        return usage(shown(parser.errorText()));
    // Not showHelp() and showVersion(): they exit with 0 even when the text was not written.
    if (parser.isSet(QStringLiteral("help")))
        return writeStdout(parser.helpText().toUtf8()) ? Ok : Failed;
    if (parser.isSet(QStringLiteral("version"))) {
        const QString line = QCoreApplication::applicationName() + QLatin1Char(' ')
            + QCoreApplication::applicationVersion() + QLatin1Char('\n');
        return writeStdout(line.toUtf8()) ? Ok : Failed;
    }

    QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return usage(QStringLiteral("no command given"));
    const QString command = args.takeFirst();
    if (parser.isSet(outputOption) && command != QLatin1String("export"))
        return usage(QStringLiteral("-o goes with export only"));

    if (command == QLatin1String("new"))
        return commandNew(args);
    if (command == QLatin1String("info"))
        return commandInfo(args);
    if (command == QLatin1String("export"))
        return commandExport(args,
                             parser.isSet(outputOption)
                                 ? std::optional<QString>(parser.value(outputOption))
                                 : std::nullopt);
    if (command == QLatin1String("import"))
        return commandImport(args);
    if (command == QLatin1String("firmware-info"))
        return commandFirmwareInfo(args);
    return usage(QStringLiteral("unknown command '%1'").arg(shown(command)));
}
