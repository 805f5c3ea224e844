// kelvoctl: configuration files from the command line (new, info, export, import).

#include "common/version.h"
#include "model/configclear.h"
#include "model/configfile.h"
#include "model/configjson.h"
#include "model/configlayout.h"
#include "model/functioncode.h"
#include "model/programshape.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <QTextStream>

#include <vector>

using namespace ConfigLayout;

namespace {

enum Status { Ok = 0, Failed = 1, Usage = 2 };

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

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

using Image = std::vector<u8>;

// Reads and checks a configuration file; the message is the program's own for a broken file.
bool loadConfig(const QString &fileName, Image &image, QByteArray *bytes = nullptr)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("%1: %2").arg(fileName, file.errorString()));
        return false;
    }
    // A file over the bound is broken anyway; do not read more of it than that.
    const QByteArray data = file.read(ConfigFile::MaxFileSize + 1);
    image.assign(ImageSize, 0);
    if (!ConfigFile::decode(data, image.data())) {
        fail(QStringLiteral("%1: File is broken.").arg(fileName));
        return false;
    }
    if (bytes)
        *bytes = data;
    return true;
}

bool saveBytes(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        fail(QStringLiteral("%1: cannot write: %2").arg(fileName, file.errorString()));
        return false;
    }
    return true;
}

bool saveConfig(const QString &fileName, const u8 *image)
{
    if (!ConfigFile::write(fileName, image)) {
        fail(QStringLiteral("%1: cannot write the configuration file").arg(fileName));
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
    QTextStream &o = out();

    o << "File: " << args[0] << "\nHeader:\n";
    const QString header = QString::fromLatin1(ConfigFile::headerText(bytes));
    for (const QString &line : header.split(QStringLiteral("\r\n"))) {
        QString shown = line;
        shown.remove(QChar(0x1A));
        if (!shown.isEmpty())
            o << "  " << shown << '\n';
    }
    o << "CRC: OK\n";

    o << "Scenes with levels: " << numberList(stepsWithLevels(image, 0)) << '\n';
    o << "Programs:\n";
    static const char *const modes[] = {"normal", "Loop", "Continued"};
    for (int p = 1; p < PageCount; ++p) {
        const ProgramShape::Shape shape = ProgramShape::read(image, p);
        o << "  Program " << p << ": " << shape.steps << (shape.steps == 1 ? " step, " : " steps, ")
          << modes[shape.mode] << "; steps with levels: " << numberList(stepsWithLevels(image, p))
          << '\n';
    }
    o << "Inputs:\n";
    for (int i = 0; i < InputCount; ++i) {
        const char *contact = !inputUsed(image, i) ? "N/U"
            : inputNormallyOpen(image, i)          ? "N/O"
                                                   : "N/C";
        o << "  Input " << i + 1 << ": " << contact << ", " << actionText(image[InputFunc + i])
          << '\n';
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
      << (address <= MaxRcuSysAddr ? QString::number(address) : QStringLiteral("not used"))
      << Qt::endl;
    return Ok;
}

int commandExport(const QStringList &args, const QString &output)
{
    if (args.size() != 1)
        return usage(
            QStringLiteral("export takes one file name: kelvoctl export FILE [-o OUT.json]"));
    Image image;
    if (!loadConfig(args[0], image))
        return Failed;
    const QByteArray json = QJsonDocument(ConfigJson::toJson(image.data())).toJson();
    if (output.isEmpty()) {
        out() << json;
        out().flush();
        return Ok;
    }
    return saveBytes(output, json) ? Ok : Failed;
}

int commandImport(const QStringList &args)
{
    if (args.size() != 2)
        return usage(QStringLiteral("import takes two file names: kelvoctl import IN.json OUT"));
    QFile file(args[0]);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(args[0], file.errorString()));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(QStringLiteral("%1: malformed JSON at offset %2: %3")
                        .arg(args[0])
                        .arg(parseError.offset)
                        .arg(parseError.errorString()));
    if (!document.isObject())
        return fail(QStringLiteral("%1: $: must be an object").arg(args[0]));

    Image image(ImageSize, 0xFF);
    QString error;
    if (!ConfigJson::fromJson(document.object(), image.data(), &error))
        return fail(QStringLiteral("%1: %2").arg(args[0], error));
    return saveConfig(args[1], image.data()) ? Ok : Failed;
}

} // namespace

int main(int argc, char *argv[])
{
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
                       "  import IN.json OUT         build a configuration file from such JSON"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption outputOption(QStringList {"o", "output"},
                                          QStringLiteral("JSON file to write (export)."),
                                          QStringLiteral("OUT.json"));
    parser.addOption(outputOption);
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("new, info, export or import"));
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("the command's files"),
                                 QStringLiteral("FILE..."));

    if (!parser.parse(QCoreApplication::arguments()))
        return usage(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(Ok);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

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
        return commandExport(args, parser.value(outputOption));
    if (command == QLatin1String("import"))
        return commandImport(args);
    return usage(QStringLiteral("unknown command '%1'").arg(command));
}
