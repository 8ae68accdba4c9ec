#pragma once
// The cubic model of a substance named by its identifier, for tests that
// name their substances.

#include <string_view>

#include "thermo/model.h"
#include "thermo/substances.h"

inline const tfs::Model& eos(std::string_view name) { return tfs::cubicModel(tfs::SubstIndex(name)); }

// The same as the windows pass it: null for no substance (an empty name).
inline const tfs::Model* eosOrNone(std::string_view name) { return name.empty() ? nullptr : &eos(name); }
