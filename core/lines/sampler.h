#pragma once
// Adaptive sampling of a state line for a frame: points are added where
// the line would show a corner on the screen, and only what falls inside
// the frame is kept. Plain C++.

#include <functional>
#include <vector>

#include "core/lines/kinds.h"

namespace diagram::kinds {

// A line as a function of one parameter: the point at t in the frame's
// coordinates, or false where there is no state (a hole).
using Curve = std::function<bool(double t, XY& at)>;

struct SamplerLimits {
  double tolerance = 0.3;   // px: a midpoint's distance from its chord
  double maxSegment = 30;   // px: the longest segment inside the frame
  double margin = 6;        // px beyond the frame that is kept
  int maxDepth = 30;        // halvings of a first step
  int maxEvaluations = 3000;  // per piece
};

struct Sample {
  double t = 0;
  bool ok = false;
  XY at;
  Pixel px;
};

struct Sampling {
  std::vector<Sample> samples;  // by ascending t, the holes included
  int evaluations = 0;
  bool exhausted = false;  // the evaluation budget ran out
};

// The curve on [t0, t1], first at steps+1 even parameters, then halved
// where needed: a segment (in the frame or near it) is split while its
// midpoint lies farther than the tolerance from the chord or it is longer
// than maxSegment; the edge of a hole is found by halving to the tolerance;
// between two holes one midpoint is probed for an island of states; a
// segment still longer than maxSegment after maxDepth halvings is a jump
// and gets a hole. Segments wholly off the frame are not refined.
Sampling sampleCurve(const Curve& c, double t0, double t1, int steps, const Frame& f, const SamplerLimits& lim);

// A polyline in the frame's coordinates, drawn in runs: a new run starts at
// each index in breaks.
struct Path {
  std::vector<XY> points;
  std::vector<int> breaks;
  bool empty() const { return points.empty(); }
};

// Appends the samples' segments clipped to the frame grown by margin px
// (the ends on the border where a segment crosses it). A hole or a part
// outside starts a new run; a piece that starts where the path ends
// continues its run.
void clipInto(const std::vector<Sample>& samples, const Frame& f, double margin, Path& out);

}  // namespace diagram::kinds
