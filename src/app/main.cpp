#include <QApplication>
#include <cstdio>

#include "app_title.h"
#include "command_line.h"
#include "main_window.h"
#include "message_box_error_display.h"

namespace {

// Answers --help and --version, or refuses the command line, before anything
// needs a display or the working folder.
int answerCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const lumera::CommandLineAnswer answer = lumera::readCommandLine(arguments);
    std::fputs(answer.output.toLocal8Bit().constData(), stdout);
    std::fputs(answer.errors.toLocal8Bit().constData(), stderr);
    // An answer that could not be written (a full disk, a closed pipe) is a failure.
    if (std::fflush(stdout) != 0) return 1;
    return answer.startGame ? -1 : answer.exitCode;
}

} // namespace

int main(int argc, char* argv[])
{
    if (const int exitCode = answerCommandLine(argc, argv); exitCode >= 0) return exitCode;

    QApplication application(argc, argv);
    QApplication::setApplicationName(lumera::applicationTitle());
    QApplication::setApplicationDisplayName(lumera::applicationTitle());

    // The launcher starts the game in the player's folder of the game's files.
    lumera::GameCore core{lumera::GameFiles{}};
    lumera::MessageBoxErrorDisplay errors;
    lumera::MainWindow window(core, errors);
    window.start();
    window.show();
    return QApplication::exec();
}
