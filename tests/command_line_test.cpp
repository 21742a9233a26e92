#include <gtest/gtest.h>

#include "command_line.h"

namespace lumera {
namespace {

struct CommandLineCase {
    const char* name;
    QStringList arguments;
    bool startGame;
    int exitCode;
    QString outputStart; // empty: no output at all
    QString errorStart;  // empty: no errors at all
};

void PrintTo(const CommandLineCase& c, std::ostream* os) { *os << c.name; }

class CommandLine : public testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLine, AnswersOrRefuses)
{
    const CommandLineCase& row = GetParam();
    const CommandLineAnswer answer = readCommandLine(QStringList{"lumera"} + row.arguments);
    EXPECT_EQ(answer.startGame, row.startGame);
    EXPECT_EQ(answer.exitCode, row.exitCode);
    if (row.outputStart.isEmpty())
        EXPECT_TRUE(answer.output.isEmpty()) << answer.output.toStdString();
    else
        EXPECT_TRUE(answer.output.startsWith(row.outputStart)) << answer.output.toStdString();
    if (row.errorStart.isEmpty()) {
        EXPECT_TRUE(answer.errors.isEmpty()) << answer.errors.toStdString();
    } else {
        EXPECT_TRUE(answer.errors.startsWith(row.errorStart)) << answer.errors.toStdString();
        // One line says what is wrong; the usage follows it.
        EXPECT_TRUE(answer.errors.section('\n', 1).startsWith("Usage: ")) << answer.errors.toStdString();
    }
}

const QString kVersion = "lumera " LUMERA_VERSION "\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, CommandLine,
    testing::Values(
        CommandLineCase{"Nothing", {}, true, 0, "", ""},
        CommandLineCase{"LongHelp", {"--help"}, false, 0, "Usage: ", ""},
        CommandLineCase{"ShortHelp", {"-h"}, false, 0, "Usage: ", ""},
        CommandLineCase{"LongVersion", {"--version"}, false, 0, kVersion, ""},
        CommandLineCase{"ShortVersion", {"-v"}, false, 0, kVersion, ""},
        CommandLineCase{"HelpWinsOverVersion", {"--version", "--help"}, false, 0, "Usage: ", ""},
        CommandLineCase{"UnknownLongOption", {"--fullscreen"}, false, 2, "", "lumera: Unknown option 'fullscreen'."},
        CommandLineCase{"UnknownShortOption", {"-x"}, false, 2, "", "lumera: Unknown option 'x'."},
        CommandLineCase{"ToolkitOption", {"-platform", "xcb"}, false, 2, "", "lumera: Unknown option"},
        CommandLineCase{"AFile", {"map/Сердце.txt"}, false, 2, "",
                        "lumera: Unexpected argument 'map/Сердце.txt': the game takes no arguments."},
        CommandLineCase{"ALineBreakInAnArgument", {"a\nb"}, false, 2, "",
                        "lumera: Unexpected argument 'a b': the game takes no arguments.\nUsage: "},
        CommandLineCase{"AnOptionValue", {"--help=yes"}, false, 2, "", "lumera: Unexpected value after '--help'."},
        CommandLineCase{"HelpWithAFile", {"--help", "x"}, false, 2, "", "lumera: Unexpected argument 'x'"},
        CommandLineCase{"AfterTheEndOfOptions", {"--", "--help"}, false, 2, "", "lumera: Unexpected argument '--help'"}),
    [](const testing::TestParamInfo<CommandLineCase>& row) { return std::string(row.param.name); });

TEST(CommandLineHelp, NamesBothOptionsAndNoToolkitOption)
{
    const QString help = readCommandLine({"lumera", "--help"}).output;
    EXPECT_TRUE(help.contains("--help")) << help.toStdString();
    EXPECT_TRUE(help.contains("--version")) << help.toStdString();
    EXPECT_FALSE(help.contains("-platform")) << help.toStdString();
    EXPECT_FALSE(help.contains("--help-all")) << help.toStdString();
}

} // namespace
} // namespace lumera
