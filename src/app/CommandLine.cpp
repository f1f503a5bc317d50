// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace caldrix {

namespace {

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

CommandLine readCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.size() <= 1)
        return {};

    QCoreApplication::setApplicationName(QStringLiteral("caldrix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CALDRIX_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Caldrix keeps the heat of every 'Mech in a tabletop game played on a "
                       "hex map.\nStart it and use its windows, or give it a saved game to open."));
    parser.addPositionalArgument(QStringLiteral("GAME"),
                                 QStringLiteral("A saved game (.caldrix) to open instead of "
                                                "starting a new one."),
                                 QStringLiteral("[GAME]"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();

    const bool parsed = parser.parse(arguments);
    QString error = parser.errorText();
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().first();
        error = QStringLiteral("unknown option '%1%2'.")
                    .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
    } else if (const QStringList games = parser.positionalArguments(); parsed && !games.isEmpty()) {
        if (games.size() > 1)
            error = QStringLiteral("Caldrix opens one game at a time, but was given '%1'.")
                        .arg(games.join(QStringLiteral("' '")));
        else if (!games.first().endsWith(QStringLiteral(".caldrix"), Qt::CaseInsensitive))
            error = QStringLiteral("'%1' is not a saved game (.caldrix).").arg(games.first());
    }
    // Without an application object Qt cannot name the program itself.
    QString usage = parser.helpText();
    usage.replace(QStringLiteral("<executable_name>"), QStringLiteral("caldrix"));
    if (!parsed || !error.isEmpty()) {
        print(stderr, QStringLiteral("caldrix: %1\n\n").arg(error) + usage);
        return {2, {}};
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        print(stdout, usage);
        return {0, {}};
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("caldrix %1\n").arg(QStringLiteral(CALDRIX_VERSION)));
        return {0, {}};
    }
    return {std::nullopt, parser.positionalArguments().value(0)};
}

} // namespace caldrix
