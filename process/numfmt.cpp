#include "process/numfmt.h"

#include <cmath>

#include "app/commode.h"

namespace proc {

QString fmt0(const char* pattern, tfs::Real value) {
  if (std::signbit(value)) {
    const QString zero = app::fmt(pattern, 0);
    if (app::fmt(pattern, -value) == zero) return zero;
  }
  return app::fmt(pattern, value);
}

}  // namespace proc
