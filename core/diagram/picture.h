#pragma once
// The diagram as a picture, without any window: every line with its role
// and look, every value label with its anchor, the axes with their numbers,
// and the caption. The window and the files draw this picture; nothing else
// decides what the diagram shows. The whole T–s diagram comes from the
// lines of linegen as specified; the lg p–h and h–s diagrams and every
// zoomed view from the lines of the diagram kinds, sampled for the region
// shown.

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/lines/families.h"
#include "core/session/session.h"

namespace diagram {

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};
inline constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kRed{255, 0, 0}, kBlue{0, 0, 255}, kLime{0, 255, 0},
    kGreen{0, 128, 0};
// The liquefaction cycle's own colour.
inline constexpr Rgb kViolet{150, 0, 200};
// The colour of the states picked into the points table.
inline constexpr Rgb kOrange{220, 110, 0};

// The looks of the lines the kinds add.
inline constexpr Rgb kTeal{0, 128, 128}, kBrown{150, 75, 0}, kOlive{110, 110, 0}, kSky{70, 120, 230},
    kMagenta{210, 0, 140}, kGrey{128, 128, 128};

// DeviceReal: the dashed chord of a real process from inlet to outlet;
// DeviceIdeal: its ideal reference, solid. CycleLine: a liquefaction
// cycle's isobar, CycleChord: its compressor, valve or expander, dashed;
// CycleStates: its states marked. Picked: the states of the points table.
// Isotherm ... Dryness: the lines of the other kinds (and of a zoomed
// view); Inversion: the Joule–Thomson inversion curve; OtherModel: the
// other property model's dome and isobars.
enum class LineRole {
  Frame, SatLiquid, SatVapour, Isobar, Isenthalp, Melting, Markers, Process, DeviceReal, DeviceIdeal,
  CycleLine, CycleChord, CycleStates, Picked, Isotherm, Isentrope, Isochore, Dryness, Inversion, OtherModel
};
enum class Dash { Solid, Dashed, Dotted };

// A point of the diagram in its kind's coordinates: s along the horizontal
// axis, T along the vertical one. On the T–s diagram the entropy kJ/(kg K)
// and the temperature K; on lg p–h the enthalpy kJ/kg and the pressure
// MPa; on h–s the entropy and the enthalpy.
struct SPoint {
  double s = 0, T = 0;
  bool operator==(const SPoint&) const = default;
};

struct Polyline {
  LineRole role = LineRole::Frame;
  int index = 0;  // isobar 0..10, isenthalp 0..9, process line 1..10, device 1..10
  double value = 0;  // of a line of constant value: P, T, s, d, h or the dryness, library units
  Rgb colour;
  Dash dash = Dash::Solid;
  int width = 1;
  bool joined = true;  // false: markers only
  int marker = 0;      // side of the square marker at each point, px (0: none)
  std::vector<SPoint> points;  // on the T–s diagram by ascending entropy, else along the line
  // Indices of points where the line starts anew (it left the frame between
  // the point before and this one).
  std::vector<int> breaks;
};

// CycleState: the number of a cycle's state (several numbers where states
// coincide). Picked: a picked state's row in the points table. OnLine: a
// label of the kinds' lines, centred on a point of its line.
enum class LabelRole { Isobar, Isenthalp, CycleState, Picked, OnLine };

// A value label. Isobar labels sit on the top row of the picture above the
// entropy s; the others at (s, T). dx, dy: offset of the label's top left
// corner from the anchor's pixel (an OnLine label is centred on it).
struct Label {
  LabelRole role = LabelRole::Isobar;
  int index = 0;  // isobar 1, 4, 7, 10; isenthalp 0..9
  double s = 0, T = 0;
  int dx = 0, dy = 0;
  int minWidth = 41;  // px
  std::string text;
  Rgb colour = kBlack;  // of a label not framed
};

struct Tick {
  double value = 0;  // entropy, or temperature
  std::string text;
};

struct Axis {
  double lo = 0, hi = 0;
  std::vector<Tick> ticks;
  std::string title;
};

// One line of the legend: a sample of a line's look and what it is.
struct LegendItem {
  std::string text;
  Rgb colour;
  Dash dash = Dash::Solid;
  int width = 1;
  bool joined = true;  // false: a marker only
  int marker = 0;
  bool operator==(const LegendItem&) const = default;
};

struct Picture {
  bool valid = false;  // a substance has been computed
  std::string caption;  // the window's caption
  bool log = true;      // logarithmic vertical axis
  // The horizontal axis (entropy, or enthalpy on lg p–h) and the vertical
  // one (temperature, pressure or enthalpy); their ranges are those shown.
  Axis s, T;
  kinds::Kind kind = kinds::Kind::TS;
  // The region of the whole diagram and the one shown (equal unless
  // zoomed), sized to the plot the picture was composed for.
  kinds::Frame full, shown;
  bool zoomed = false;
  // 36 lines in drawing order, then two for each real process: its chord
  // and its ideal reference; then the liquefaction cycle's lines and its
  // states.
  std::vector<Polyline> lines;
  std::vector<Label> labels;
  // The legend drawn in the plot's top right corner; empty: none.
  std::vector<LegendItem> legend;
  // The other model's name, when its lines are drawn.
  std::string otherModel;
};

// Line positions in Picture::lines of the whole T–s diagram. A picture of
// the kinds holds its lines first, then the markers, the process lines, the
// real processes, the cycle and the points picked, in this order.
inline constexpr int kLineCount = 36;
inline constexpr int kFrame = 0, kSatLiquid = 1, kSatVapour = 2, kIsobar0 = 3, kIsenthalp0 = 14, kMelting = 24,
                     kMarkers = 25, kProcess0 = 25;  // process line n at 25 + n
// Real process n (1-based): its chord at kDevice0 + 2 (n - 1), its ideal
// reference right after.
inline constexpr int kDevice0 = kLineCount;

// What a picture is drawn into: the plot's size in pixels, to which the
// lines of the kinds are sampled and their labels placed, and the width of
// a label's text in pixels (empty: 7 px a character and 6 px more).
struct Canvas {
  double width = 1100, height = 720;
  std::function<double(const std::string&)> textWidth;
};

// Keeps what does not depend on the region shown between pictures of one
// diagram (the lines of the kinds for its model and limits, those of the
// other model, the states of the process lines on the other kinds), so
// that a zoom or pan step samples only the lines. One per window, used
// from one thread.
class Composer {
 public:
  Composer();
  ~Composer();
  Composer(const Composer&) = delete;
  Composer& operator=(const Composer&) = delete;

  // The picture of the session's diagram as the session's view shows it:
  // its kind, the region, the lines drawn on request, the legend. The
  // states picked into the points table for this substance are marked and
  // numbered as the table numbers them, after every other line.
  Picture compose(const app::Session& session, const Canvas& canvas = {});

  struct Cache;

 private:
  std::unique_ptr<Cache> cache_;
};

// The same with a composer of its own.
Picture composePicture(const app::Session& session, const Canvas& canvas = {});

// A rectangle in chart pixels (right and bottom just outside it).
struct PixelBox {
  double left = 0, top = 0, right = 0, bottom = 0;
  bool overlaps(const PixelBox& o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
};

// Where a chart puts things, as the painter measures them: a point's
// pixel, a label's box at its offset (dx, dy), the plot.
struct LabelPlacing {
  std::function<std::pair<double, double>(SPoint)> pixel;
  std::function<PixelBox(const Label&)> box;
  PixelBox plot;
};

// The picture's labels with the cycle's state numbers placed for a chart:
// each number beside its mark, at the first of the places around it (right
// and above it first, then the other sides, then farther out) where it
// covers no other label and no marked point (a line's end), stays inside
// the plot and crosses the fewest lines of the cycle and the dome. The
// other labels as they are.
std::vector<Label> placeStateNumbers(const Picture& p, const LabelPlacing& at);

// The legend of a picture: one item for each kind of line it draws (in its
// colour and style), in drawing order; the values of the families as shown
// in u.
std::vector<LegendItem> legendOf(const Picture& p, const kinds::ShownUnits& u);

// The property model's short name, in the caption and the readout: "SRK",
// "эталонное УС".
std::string modelShortName(tfs::ModelKind k);

// Inserts p into pts, kept by ascending entropy; a point with the entropy of
// existing points goes after them.
void insertSorted(std::vector<SPoint>& pts, SPoint p);

}  // namespace diagram
