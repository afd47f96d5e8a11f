#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// What the program's command line asks for.
struct TCommandLine {
    bool Help = false;                 // print HelpText and stop
    QString HelpText;                  // the option list, always filled in
    QString Error;                     // the line cannot be used: print this and stop
    std::optional<std::uint32_t> Seed; // --seed N: the games deal from the seeds N, N + 1, ...
};

// Reads the arguments as QCoreApplication::arguments() gives them (the program's path first,
// Qt's own options already taken out).
TCommandLine ParseCommandLine(const QStringList& arguments);
