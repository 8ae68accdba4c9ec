#pragma once
// What the program says about itself: name, organisation and version for
// Qt, and the answers to --help and --version.

#include "app/language.h"

namespace app {

// Called first in main(). Sets the application's name, organisation,
// version and desktop file name. With --help or --version prints the
// answer in the language on standard output and returns 0 (no display
// needed); otherwise returns -1 and the program goes on.
int answerInfoOptions(int argc, char** argv, Language lang);

}  // namespace app
