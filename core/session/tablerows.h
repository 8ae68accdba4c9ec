#pragma once
// Rows taken out of the two results tables, with the lines they were drawn
// as on the diagram. Plain C++.

#include "core/session/session.h"

namespace app {

// The process line (1..ProcCount) drawn for process row n (1-based) of the
// results table: the latest line of the current substance running between
// the row's start and end states; 0 when none was drawn.
int lineOfProcess(const Session& s, int n);
// The real process on the diagram (index into deviceLines) drawn for device
// row n: the latest line from the row's inlet to its outlet; -1 when none.
int lineOfDevice(const Session& s, int n);

// Removes process n (1-based) of the results table and its line, if one was
// drawn; the rows after it move up and are numbered again, as is the count
// of the process window. False when there is no row n.
bool removeProcessRow(Session& s, int n);
// The same for device n of the real-process table.
bool removeDeviceRow(Session& s, int n);

}  // namespace app
