// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include "versioninfo.h"

#include <QFileInfo>

#include <algorithm>
#include <cstdio>

namespace {

// The window system's options, taken out of the line by the application object later. Those
// that take a value take the next argument, or one after '='.
const QStringList WindowOptionsWithValue = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "style",         "stylesheet"};
const QStringList WindowFlags = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

QString Help() {
    return QStringLiteral(
        "Использование: vesk [ПАРАМЕТРЫ]\n"
        "Веск подкидной: карточная игра против компьютера.\n"
        "\n"
        "Параметры:\n"
        "  -h, --help       показать эту справку и выйти\n"
        "      --version    показать версию программы и выйти\n"
        "      --seed N     повторяемые раздачи: партии этого запуска раздаются с зёрен\n"
        "                   N, N+1, N+2... (N от 0 до 4294967295)\n"
        "\n"
        "Принимаются и общие параметры оконной системы: -platform ИМЯ, -display ЭКРАН,\n"
        "-style СТИЛЬ и другие.\n"
        "\n"
        "Клавиши: F1 — правила игры, F2 — новая игра, F3 — статистика, Ctrl+X — выход,\n"
        "Enter — кнопка на столе, стрелки влево и вправо — выбрать карту, вверх — сыграть её.\n"
        "Счёт партий и настройки хранятся в $XDG_CONFIG_HOME/Tovrel.reg\n"
        "(или ~/.config/Tovrel.reg).\n");
}

bool SeedValue(const QString& text, std::uint32_t& seed) {
    // Digits only: toULongLong would also take a sign or spaces.
    const bool digits = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= u'0' && c <= u'9';
    });
    bool ok = false;
    const qulonglong n = text.toULongLong(&ok, 10);
    if (!digits || !ok || n > 0xFFFFFFFFull)
        return false;
    seed = std::uint32_t(n);
    return true;
}

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
}

} // namespace

TCommandLine ParseCommandLine(const QStringList& arguments) {
    TCommandLine result;
    result.HelpText = Help();
    QString error; // the first one; --help and --version still win over it
    auto fail = [&](const QString& text) {
        if (error.isEmpty())
            error = text;
    };
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--")) {
            if (i + 1 < arguments.size())
                fail(QStringLiteral("Лишний аргумент: %1").arg(arguments[i + 1]));
            break;
        }
        if (!arg.startsWith(QLatin1Char('-')) || arg.size() == 1) {
            fail(QStringLiteral("Лишний аргумент: %1").arg(arg));
            continue;
        }
        const bool longForm = arg.startsWith(QLatin1String("--"));
        const QString body = arg.mid(longForm ? 2 : 1);
        const qsizetype eq = body.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? body : body.left(eq);
        const std::optional<QString> attached =
            eq < 0 ? std::nullopt : std::optional<QString>(body.mid(eq + 1));
        const QString shown = (longForm ? QStringLiteral("--") : QStringLiteral("-")) + name;
        // The value after '=' or in the next argument.
        auto value = [&]() -> std::optional<QString> {
            if (attached)
                return attached;
            if (i + 1 < arguments.size())
                return arguments[++i];
            fail(QStringLiteral("Не указано значение параметра %1").arg(shown));
            return std::nullopt;
        };
        auto flag = [&](bool& target) {
            if (attached)
                fail(QStringLiteral("Параметр %1 не принимает значения").arg(shown));
            else
                target = true;
        };

        if ((!longForm && (name == u"h" || name == u"?")) || (longForm && name == u"help")) {
            flag(result.Help);
        } else if (longForm && name == u"version") {
            flag(result.Version);
        } else if (longForm && name == u"seed") {
            if (const auto text = value()) {
                std::uint32_t seed = 0;
                if (SeedValue(*text, seed))
                    result.Seed = seed;
                else
                    fail(QStringLiteral("Неверное значение --seed: \"%1\" (нужно целое число "
                                        "от 0 до 4294967295)")
                             .arg(*text));
            }
        } else if (WindowOptionsWithValue.contains(name)) {
            value();
        } else if (!WindowFlags.contains(name) || attached) {
            fail(QStringLiteral("Неизвестный параметр: %1").arg(shown));
        }
    }
    if (result.Help)
        result.Version = false;
    if (!result.Help && !result.Version) {
        result.Error = error;
        if (!error.isEmpty())
            result.Seed.reset();
    }
    return result;
}

QString VersionText(const QString& executable) {
    const TVersionInfo info(executable);
    const QString version = info.ReadFileVersion();
    if (version.isEmpty())
        return {};
    return QStringLiteral("vesk (%1) %2\n%3\n"
                          "Это свободная программа: её можно распространять и изменять на "
                          "условиях\nлицензии GNU GPL версии 3 или (по вашему выбору) любой более "
                          "поздней версии.\nНикаких гарантий в пределах, допускаемых законом.\n")
        .arg(info.ReadProductName(), version, info.ReadLegalCopyright());
}

std::optional<int> AnswerWithoutWindow(const TCommandLine& options, const QString& program) {
    if (options.Help) {
        Print(stdout, options.HelpText);
        return 0;
    }
    if (options.Version) {
        // The running program's own file, wherever it was started from.
        const QString text = VersionText(QStringLiteral("/proc/self/exe"));
        if (text.isEmpty()) {
            Print(stderr, QStringLiteral("%1: в программе нет блока версии\n")
                              .arg(QFileInfo(program).fileName()));
            return 1;
        }
        Print(stdout, text);
        return 0;
    }
    if (!options.Error.isEmpty()) {
        Print(stderr, options.Error + QStringLiteral("\nСправка: ") + program +
                          QStringLiteral(" --help\n"));
        return 2;
    }
    return std::nullopt;
}
