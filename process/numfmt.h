#pragma once
// Number texts of the process windows.

#include <QString>

#include "thermo/real.h"

namespace proc {

// app::fmt, except that a value which rounds to zero is shown without a
// minus sign.
QString fmt0(const char* pattern, tfs::Real value);

}  // namespace proc
