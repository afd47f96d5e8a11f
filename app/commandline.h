// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// What the program's command line asks for.
struct TCommandLine {
    bool Help = false;                 // print HelpText and stop
    bool Version = false;              // print the version and stop
    QString HelpText;                  // the option list, always filled in
    QString Error;                     // the line cannot be used: print this and stop
    std::optional<std::uint32_t> Seed; // --seed N: the games deal from the seeds N, N + 1, ...
};

// Reads the arguments as the program got them, its path first. It needs no application
// object, so that it runs before the window system is asked for. The window system's own
// options (-platform, -display, -style ...) are let through for the application object.
TCommandLine ParseCommandLine(const QStringList& arguments);

// What --version prints: the program's name, then the product name, version and copyright
// from the version block of `executable`. Empty when the file has no version block.
QString VersionText(const QString& executable);

// Answers --help, --version and a line that cannot be used on the standard streams, before
// any window exists. Gives the exit code, or nothing when the program is to start.
std::optional<int> AnswerWithoutWindow(const TCommandLine& options, const QString& program);
