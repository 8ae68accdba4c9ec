#pragma once
// The diagram written to a file without a window, for teachers preparing
// material:
//   entrograf --export-diagram SUBSTANCE FILE [--model srk|reference] [--tmin T] [--tmax T] [--scale log|lin]
//                                             [--kind ts|ph|hs]
//   entrograf --export-diagram WORKFILE.entrograf FILE [--kind ts|ph|hs]
// The format follows the extension (.png, .svg, .pdf); the kind is the T–s
// diagram (ts, the default), lg p–h (ph) or h–s (hs). A work file gives its
// session's diagram as shown (its kind and region, unless a kind is given)
// with its process lines, limits, scale and units; a bad
// one is refused as a wrong argument, and nothing is written. The same code as the
// window computes and draws the diagram, so the picture equals a save from
// the window; no window is created and no session but its own is touched.

#include <QString>
#include <QStringList>
#include <string>

#include "thermo/model.h"
#include "core/lines/kinds.h"
#include "thermo/real.h"

#include "ui/services/language.h"

namespace app {

struct ExportRequest {
  std::string name;  // substance identifier
  int subst = 0;     // its index
  tfs::ModelKind model = tfs::ModelKind::Cubic;
  QString workFile;  // a work file in place of the substance and options
  QString file;
  tfs::Real Tmin = 0, Tmax = 0;
  bool log = true;
  diagram::kinds::Kind kind = diagram::kinds::Kind::TS;
  bool kindGiven = false;
};

// Exit codes: wrong arguments (usage, substance, limits, extension); the
// library refused the diagram, or the file could not be written whole (a
// full disk) or its target is no regular file (a link, device, pipe or
// folder, left as it was).
inline constexpr int kExportBadArguments = 2;
inline constexpr int kExportFailed = 1;

// True when the arguments ask for the export.
bool isExportCall(int argc, char** argv);

// Reads the arguments after the program's name. Defaults as a substance
// choice in the main window: the cubic model, Tmin just above the model's
// triple point, Tmax 350 K, logarithmic scale. false with the reason in
// error.
bool parseExportArgs(const QStringList& args, ExportRequest& req, QString& error);

// Computes and writes the diagram (needs a GUI application object for the
// fonts). Returns the exit code, 0 on success; the reason of a failure in
// error.
int runExport(const ExportRequest& req, QString& error);

// The whole headless program: the offscreen platform, the application, the
// export; messages on standard error.
int exportMain(int argc, char** argv, Language lang);

}  // namespace app
