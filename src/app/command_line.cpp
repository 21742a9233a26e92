#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace lumera {
namespace {

constexpr int kUsageError = 2;

QString usage(const QCommandLineParser& parser)
{
    // The parser names the program in its usage line only through an
    // application object; a bare one is made for that line, with the name
    // players type rather than the installed program's path.
    if (QCoreApplication::instance() != nullptr) return parser.helpText();
    int argc = 1;
    char name[] = "lumera";
    char* argv[] = {name, nullptr};
    const QCoreApplication named(argc, argv);
    return parser.helpText();
}

} // namespace

CommandLineAnswer readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Лумера: a puzzle for one player. Click a group of touching cells of one colour\n"
        "to remove it and score the square of its size. The game takes no arguments."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);

    CommandLineAnswer answer;
    QString refusal;
    if (!parser.parse(arguments))
        refusal = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        refusal = QStringLiteral("Unexpected argument '%1': the game takes no arguments.").arg(parser.positionalArguments().first());

    if (!refusal.isEmpty()) {
        // One line, whatever the refused argument holds.
        for (QChar& c : refusal)
            if (c.category() == QChar::Other_Control) c = QLatin1Char(' ');
        answer.exitCode = kUsageError;
        answer.errors = QStringLiteral("lumera: ") + refusal + QLatin1Char('\n') + usage(parser);
    } else if (parser.isSet(help)) {
        answer.output = usage(parser);
    } else if (parser.isSet(version)) {
        answer.output = QStringLiteral("lumera " LUMERA_VERSION "\n");
    } else {
        answer.startGame = true;
    }
    return answer;
}

} // namespace lumera
