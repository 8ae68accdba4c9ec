#pragma once
// The real-process window without its controls: the device, the inlet pair
// and the entries as typed, the inlet, outlet and ideal outlet, the texts of
// the read-only fields in the units shown, the diagram lines and the rows of
// its results table. The window binds its controls to these operations.
// Values are kept in the library's units; only what is shown or typed is
// converted.

#include <array>
#include <string>
#include <vector>

#include "core/base/notify.h"
#include "core/base/units.h"
#include "core/lines/devicestore.h"
#include "core/process/device.h"
#include "core/process/entries.h"
#include "core/process/ranges.h"

namespace proc {

// The entries: the inlet pair, then the device's data.
enum DeviceEntry : int { kInlet1 = 0, kInlet2, kOutletP, kEfficiency, kGivenValue, kReservoir, kAmbient };
inline constexpr int kDeviceEntryCount = 7;

// The states shown: rows inlet, outlet, ideal outlet; columns T, P, d, i,
// s and the dryness (shown for wet vapour only).
enum StateRow : int { kInletRow = 0, kOutletRow, kIdealRow };
enum StateCol : int { kColT = 0, kColP, kColD, kColI, kColS, kColX };
inline constexpr int kStateCols = 6;
// The results: L, Q, the entropy generated, the exergy destroyed.
enum DeviceField : int { kFieldL = 0, kFieldQ, kFieldSgen, kFieldExergy };

// One device written to the results table, in the library's units.
struct DeviceRow {
  int number = 0;
  std::string substance;
  tfs::ModelKind model = tfs::ModelKind::Cubic;
  Device kind = Device::Compressor;
  Real eta = 1;
  ProcPoint inlet, outlet, ideal;
  Real L = 0, Q = 0, sgen = 0, exergy = 0, T0 = 0;
};

// The row of a device of kind and efficiency eta computed by m, unnumbered.
DeviceRow deviceRow(const tfs::Model& m, Device kind, Real eta, const DeviceResult& r);

// Whether two rows hold the same device and states (their numbers aside).
bool sameDevice(const DeviceRow& a, const DeviceRow& b);

// The last column names the model that computed the row.
inline constexpr int kDeviceColumns = 17;
using DeviceCells = std::array<std::string, kDeviceColumns>;
// The headers of the results table in units u.
DeviceCells deviceHeaders(app::Units u);
// A device's three rows (inlet, outlet, ideal outlet) in units u.
std::array<DeviceCells, 3> deviceRowTexts(const DeviceRow& row, app::Units u);

// A value of dimension dim (kJ/kg-based) as the fields show it in units u.
std::string shownText(app::Units u, app::Dim dim, Real value, const tfs::Model& m);
// The dryness of a wet vapour in percent; empty outside the dome.
std::string drynessText(Real x);

class DeviceCalculator {
 public:
  Device Kind = Device::Compressor;
  int Kind1 = kTemperature, Kind2 = kPressure;
  ExchangerGiven Given = ExchangerGiven::OutletTemperature;
  ProcPoint Inlet;
  DeviceResult Result;
  bool Carried = false;  // the inlet was carried over from the last outlet
  int TableCount = 0;    // devices written to the results table
  app::Units Units = app::Units::Specific;

  // The entries as typed; T0 starts at 300 K, an empty source temperature
  // means T0.
  std::array<std::string, kDeviceEntryCount> entries = {"", "", "", "", "", "", "300"};
  // The read-only fields.
  std::array<std::array<std::string, kStateCols>, 3> states;
  std::array<std::string, 4> results;
  // The limit fields of the two inlet entries: min, max, min, max.
  std::array<std::string, 4> limits;

  void chooseDevice(Device kind);
  // The inlet lists; the second checks the pair. A kind that changes empties
  // its entry; a kind chosen ends a carried inlet.
  void chooseKind1(int kind);
  void chooseKind2(int kind, const app::Notify& notify);
  void chooseGiven(ExchangerGiven given);
  // The student changed an entry: what was computed is no longer shown; an
  // edit of an inlet entry ends a carried inlet.
  void typeEntry(DeviceEntry entry, std::string text);
  // The substance or its model changed (null: none chosen). A refusal of
  // the library (here and below) is said through notify.
  void setSubstance(const tfs::Model* m, const app::Notify& notify = {});
  // The units changed: typed values are converted, fields reformatted.
  void setUnits(app::Units u);

  // "Вычислить": inlet (unless carried), device, fields. True when computed;
  // a refusal says why and leaves nothing computed shown.
  bool compute(const tfs::Model* m, const app::Notify& notify);
  // "Конец => Начало": the outlet becomes the inlet.
  void carry();
  // "TS диаграмма": computes, then adds the chord and the ideal line.
  bool draw(const tfs::Model* m, diagram::DeviceStore& store, const app::Notify& notify);
  // "В таблицу": the row of the device shown, numbered; false (and a
  // message) when none is computed or the rows written already hold it.
  bool tableRow(DeviceRow& row, const app::Notify& notify, const std::vector<DeviceRow>& written = {});
  bool hasResult() const { return hasResult_; }

  // The data of the device as last read from the entries.
  const DeviceData& data() const { return data_; }

  // What a work file keeps beyond the public state: whether a device is
  // computed and its inlet shown, and the data last read.
  struct Kept {
    bool hasResult = false;
    bool inletShown = false;
    DeviceData data;
  };
  Kept kept() const;
  // Takes back a kept state over the public one, for the substance's model
  // (null: none chosen): the ranges are found again and the texts written
  // in Units; no value changes.
  void restore(const Kept& kept, const tfs::Model* m, const app::Notify& notify = {});
  // The unit of an inlet kind in the units shown.
  std::string unitOf(int kind) const;

 private:
  bool computeSteps(const tfs::Model* model, const app::Notify& notify);
  bool readData(const tfs::Model& m, const app::Notify& notify);
  void showState(StateRow row, const ProcPoint& p);
  void showAll();
  void clearFrom(StateRow row);
  void showLimits();
  // An inlet entry's value in the library's units.
  Real internal(int kind, Real typed) const;

  bool hasResult_ = false;
  const tfs::Model* model_ = nullptr;  // of the molar conversions
  DeviceData data_;
  EntryRanges ranges_;
};

}  // namespace proc
