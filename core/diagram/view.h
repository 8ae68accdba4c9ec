#pragma once
// The region of the diagram shown: the whole diagram, or a part of it the
// student zoomed into and moved about, kept in the session's view in the
// kind's coordinates per kilogram. A region is kept inside the whole
// diagram and at most kMaxZoom times smaller than it on each axis; one that
// covers the whole diagram is no zoom. Plain C++.

#include "core/lines/kinds.h"
#include "core/session/session.h"

namespace diagram {

inline constexpr double kMaxZoom = 1e4;

// The frame the view shows of the whole diagram full (its size in pixels
// is full's): the view's region kept as above when it is zoomed on full's
// kind, full otherwise.
kinds::Frame shownFrame(const app::DiagramView& v, const kinds::Frame& full);

// How many times the frame shown is magnified: the geometric mean of the
// factors of both axes (the vertical one in its logarithm where it is
// logarithmic).
double zoomFactor(const kinds::Frame& shown, const kinds::Frame& full);

// The view shows region (of full's kind): kept as above, no zoom where it
// covers the whole diagram.
void showRegion(app::DiagramView& v, const kinds::Frame& region, const kinds::Frame& full);

// Magnified factor times about the pixel at of the frame shown, which keeps
// its point (below 1: reduced, never beyond the whole diagram).
void zoomView(app::DiagramView& v, const kinds::Frame& shown, const kinds::Frame& full, double factor,
              kinds::Pixel at);
// Moved by (dx, dy) pixels, the content following the mouse.
void panView(app::DiagramView& v, const kinds::Frame& shown, const kinds::Frame& full, double dx, double dy);
// The rectangle between two pixels of the frame shown; a rectangle less
// than three pixels wide or high changes nothing.
void zoomToBox(app::DiagramView& v, const kinds::Frame& shown, const kinds::Frame& full, kinds::Pixel a,
               kinds::Pixel b);
// The whole diagram again.
void showWhole(app::DiagramView& v);

}  // namespace diagram
