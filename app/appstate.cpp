#include "app/appstate.h"

#include "app/windows.h"

namespace app {

void setIsobarRange(AppState& st) {
  st.firstIsobar = 0;
  st.lastIsobar = 10;
  if (st.name == "He") st.lastIsobar = 7;
  if (st.name == "Ar") st.firstIsobar = 1;
  if (st.name == "CO2") st.firstIsobar = 4;
}

LineInputs lineInputs(const AppState& st) {
  LineInputs in;
  in.name = st.name;
  in.subst = st.subst;
  in.Tmin = st.Tmin;
  in.Tmax = st.Tmax;
  in.lnTmin = st.lnTmin;
  in.lnTmax = st.lnTmax;
  in.firstIsobar = st.firstIsobar;
  in.lastIsobar = st.lastIsobar;
  return in;
}

AppState& state() {
  static AppState s;
  return s;
}

Windows& windows() {
  static Windows w;
  return w;
}

}  // namespace app
