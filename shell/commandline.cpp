#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

bool CommandLine::read(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Configuration program for the Kelvo DMX lighting controller."));
    // Not Qt's help option: its --help-all, Qt's own options, would need Qt's exit.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("Configuration file to open at start (.cfgkv)."),
                                 QStringLiteral("[file]"));
    exitStatus = 1;
    if (!parser.parse(arguments)) {
        print(stderr, QStringLiteral("kelvodesk: %1\n").arg(parser.errorText()));
        return false;
    }
    exitStatus = 0;
    if (parser.isSet(help)) {
        // Qt names the program as started (a path, in the man page); its users know it by name.
        QString text = parser.helpText();
        const qsizetype options = text.indexOf(QLatin1String(" [options]"));
        if (text.startsWith(QLatin1String("Usage: ")) && options > 0)
            text.replace(0, options, QStringLiteral("Usage: kelvodesk"));
        print(stdout, text);
        return false;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("kelvodesk %1\n").arg(QCoreApplication::applicationVersion()));
        return false;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        print(stderr, QStringLiteral("kelvodesk: one file at most\n"));
        exitStatus = 1;
        return false;
    }
    fileToOpen = files.value(0);
    return true;
}
