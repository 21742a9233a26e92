#pragma once

#include <QString>
#include <QStringList>

namespace lumera {

// What the command line asks of the program. The game takes no arguments:
// --help and --version answer and end it; anything else is refused.
struct CommandLineAnswer {
    bool startGame = false;
    int exitCode = 0;   // when the game does not start
    QString output;     // for standard output
    QString errors;     // for standard error
};

// `arguments` are the program's, the program's own name first. Needs no
// display and touches no file.
CommandLineAnswer readCommandLine(const QStringList& arguments);

} // namespace lumera
