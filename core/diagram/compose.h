#pragma once
// The parts a picture of the diagram is composed of, shared by the whole
// T–s diagram, the pictures of the kinds and the composer that picks
// between them. Plain C++.

#include <functional>
#include <string>
#include <vector>

#include "core/diagram/picture.h"
#include "core/lines/families.h"

namespace diagram::detail {

using tfs::Real;

// A point of a state in the kind's coordinates, before it is drawn.
struct Placed {
  Real x = 0, y = 0;
};

// Where the student's work goes on a picture: the region shown, and how a
// state given by its entropy and temperature (the process, device and
// cycle lines keep those) lands in the kind's coordinates.
struct Plane {
  kinds::Kind kind = kinds::Kind::TS;
  bool sorted = true;  // points kept by ascending abscissa, as the T–s series keep them
  bool log = true;     // logarithmic vertical axis
  Real xLo = 0, xHi = 0, yLo = 0, yHi = 0;
  // (s, T) to the kind's coordinates, false where there is no state; empty
  // on the T–s diagram, where they are the coordinates.
  std::function<bool(Real s, Real T, Placed& at)> place;

  bool at(Real s, Real T, SPoint& q) const;
  // The same, strictly inside the region.
  bool inside(Real s, Real T, SPoint& q) const;
  // A state picked into the points table, by its own coordinates.
  bool inside(const app::PointRow& r, SPoint& q) const;
  void put(std::vector<SPoint>& pts, SPoint q) const;
  // The path drawn up to the region's border where it leaves it.
  void clip(Polyline& line, const std::vector<SPoint>& path) const;
};

// The 36 lines of the T–s diagram in their look, empty.
std::vector<Polyline> emptyLines();

// The student's work on a picture: the markers at lines[base], process line
// r at lines[base + r], then the real processes, the liquefaction cycle and
// the states of the points table appended.
void addWork(Picture& p, const Plane& plane, const app::Session& session, int base);
// The same after the lines of a kind's picture, the markers and process
// lines first appended in their look.
void appendWork(Picture& p, const Plane& plane, const app::Session& session);

// The whole T–s diagram from the lines of linegen, as specified.
Picture wholeTs(const app::Session& session, const Plane& plane);

// The values shown per kilogram or per mole of the session's model.
kinds::ShownUnits shownUnits(const app::AppState& st);

// The caption of a kind's diagram, naming the substance and the model.
std::string captionOf(const app::AppState& st, kinds::Kind k);

// The picture of the session's kind on frame f from the lines of the
// kinds: the families (the inversion curve too when asked for), their
// labels and the axes; hSplit: the enthalpy from which isenthalps are
// drawn green and dashed, as on the whole T–s diagram.
Picture kindPicture(const app::Session& session, const kinds::KindLines& lines, const kinds::Frame& f,
                    const Canvas& canvas, double hSplit);

// The inversion curve with its label added to a picture of frame f.
void addInversion(Picture& p, const kinds::KindLines& lines, const kinds::Frame& f, const Canvas& canvas,
                  const kinds::ShownUnits& u);

// The other model's dome and isobars, thin grey dashes, added to a picture
// of frame f; name: the other model's.
void addOtherModel(Picture& p, const kinds::KindLines& other, const kinds::Frame& f, const kinds::ShownUnits& u,
                   const std::string& name);

}  // namespace diagram::detail
