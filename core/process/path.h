#pragma once
// Sampling of a process path into one line of sixteen (s, T) points for the
// T-s diagram. A point whose T is 0 is not drawn.

#include "core/process/solve.h"

namespace proc {

enum class PathStatus {
  Written,
  Coincident,  // start and end coincide: the line is left empty
};

// Writes the path of the process from st to en into S[0..15], T[0..15].
// Every slot is written; slots a path does not use get T = 0.
PathStatus BuildProcPath(const tfs::Model& m, int procKind, const ProcPoint& st, const ProcPoint& en, Real S[16],
                         Real T[16]);

}  // namespace proc
