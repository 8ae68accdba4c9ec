#pragma once
// What the program says about itself: name, organisation and version for
// Qt, and the answers to --help and --version.

#include <QString>

#include "ui/services/language.h"

namespace app {

// What the arguments after the program's name ask for, read before
// anything starts. An option's values are taken with it ("--p1 -v" gives
// -v to --p1), so only an option standing on its own asks for help or the
// version. Without --export-diagram, --device, --cycle, --state or
// --saturation the windows start, with at most one work file to open.
// Malformed: an argument that is not UTF-8, an option the program does not
// know, an option of a call without that call, two calls, or an argument
// that is no work file.
struct CommandLine {
  enum Kind { Windows, Help, Version, Export, Device, Cycle, State, Saturation, Malformed };
  Kind kind = Windows;
  QString workFile;  // Windows: the work file to open (may be empty)
  QString argument;  // Malformed: the argument at fault, shown escaped
  enum Fault { None, NotUtf8, UnknownOption, WithoutCall, TwoCalls, NotWorkFile, SecondWorkFile };
  Fault fault = None;
};
CommandLine readCommandLine(int argc, char** argv);

// Why a command line is malformed, in the language installed.
QString commandLineError(const CommandLine& line);

// Called first in main(). Sets the application's name, organisation,
// version and desktop file name. With --help or --version prints the
// answer in the language on standard output and returns 0 (no display
// needed); otherwise returns -1 and the program goes on.
int answerInfoOptions(int argc, char** argv, Language lang);

// A malformed command line: its reason on standard error, exit code 2; no
// window starts.
inline constexpr int kMalformedCommandLine = 2;
int refuseCommandLine(int argc, char** argv, Language lang);

}  // namespace app
