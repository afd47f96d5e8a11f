#include "commandline.h"

#include <QCommandLineParser>

#include <algorithm>

TCommandLine ParseCommandLine(const QStringList& arguments) {
    TCommandLine result;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Веск подкидной: карточная игра против компьютера."));
    // Our own help option: Qt's would add --help-all, which only process() can answer.
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
        QStringLiteral("Показать эту справку."));
    parser.addOption(help);
    const QCommandLineOption seed(
        QStringLiteral("seed"),
        QStringLiteral("Повторяемые раздачи: партии этого запуска раздаются с зёрен N, N+1, N+2... "
                       "(N от 0 до 4294967295)."),
        QStringLiteral("N"));
    parser.addOption(seed);
    result.HelpText = parser.helpText();

    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help)) {
        result.Help = true;
        return result;
    }
    if (!parsed) {
        const QStringList unknown = parser.unknownOptionNames();
        result.Error = unknown.isEmpty()
                           ? parser.errorText()
                           : QStringLiteral("Неизвестный параметр: %1%2")
                                 .arg(unknown.first().size() == 1 ? "-" : "--", unknown.first());
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.Error =
            QStringLiteral("Лишний аргумент: %1").arg(parser.positionalArguments().first());
        return result;
    }
    if (parser.isSet(seed)) {
        const QString text = parser.value(seed);
        bool ok = false;
        const qulonglong n = text.toULongLong(&ok, 10);
        // Digits only: toULongLong would also take a sign or spaces.
        const bool digits = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
            return c >= u'0' && c <= u'9';
        });
        if (!ok || !digits || n > 0xFFFFFFFFull) {
            result.Error = QStringLiteral("Неверное значение --seed: \"%1\" (нужно целое число "
                                          "от 0 до 4294967295)")
                               .arg(text);
            return result;
        }
        result.Seed = std::uint32_t(n);
    }
    return result;
}
