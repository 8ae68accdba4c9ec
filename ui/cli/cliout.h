#pragma once
// What the headless command-line calls share: their run, their options,
// errors and the library's messages on standard error, numbers read and
// written for JSON.

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <string>

#include "thermo/model.h"
#include "thermo/real.h"
#include "ui/services/language.h"
#include "ui/services/messages.h"

namespace app {

// True when one of the arguments after the program's name is the option.
bool hasOption(int argc, char** argv, const char* option);

// The substances' identifiers, "He, n-H2, ..., Air".
QString substanceList();

// A call on a substance by a property model.
struct ModelCall {
  std::string name;  // substance identifier
  tfs::ModelKind model = tfs::ModelKind::Cubic;
  // The one place a call's model is chosen: the kind --model named, for
  // the substance.
  const tfs::Model& eos() const;
};

// "OPTION KIND SUBSTANCE" and "--model M" among the arguments: kind is the
// index of KIND in kinds, call the substance and model, rest the other
// arguments. False with the reason: the model's (takeModelOption), missing
// (the pair is not there), unknownKind followed by the kind and the allowed
// ones, or an unknown substance.
bool readKindCall(const QStringList& args, const char* option, const QStringList& kinds, const QString& missing,
                  const QString& unknownKind, int& kind, ModelCall& call, QStringList& rest, QString& error);

// A substance's identifier as typed; false with the reason, which names the
// known ones.
bool readSubstance(const QString& text, std::string& substance, QString& error);

// The "--option value" pairs of rest in their order, each option once:
// applies holds the options the call knows and whether each applies to the
// kind asked for; take reads a value (false with the reason). False with
// the reason: an unknown option (followed by usage), one that does not
// apply (followed by notApplying), one given twice or without a value.
using OptionTaker = std::function<bool(const QString& option, const QString& value, QString& error)>;
bool readOptions(const QStringList& rest, const std::map<QString, bool>& applies, const QString& usage,
                 const QString& notApplying, const OptionTaker& take, QString& error);

// The "--option number" pairs of rest, each option once: applies holds
// the options the call knows and whether each applies to the kind asked
// for. False with the reason: an unknown option (followed by usage), one
// that does not apply (followed by notApplying), one given twice, without
// a value or with one that is no number.
bool readNumberOptions(const QStringList& rest, const std::map<QString, bool>& applies, const QString& usage,
                       const QString& notApplying, std::map<QString, tfs::Real>& given, QString& error);

// The property model a call computes with: "--model srk|reference", the
// cubic model unless named. Takes the option and its value out of args;
// false with the reason for a missing or unknown value or the option given
// twice. A call that reads no model reports --model as unknown.
bool takeModelOption(QStringList& args, tfs::ModelKind& kind, QString& error);
// The name --model takes and the JSON shows: "srk" or "reference".
const char* modelName(tfs::ModelKind kind);

// "entrograf: text" and a newline on standard error, in UTF-8.
void printErr(const QString& text);

// The library's messages on standard error, each different text once (a
// note repeats for every point of a line).
class StderrMessages : public MessageService {
 public:
  void show(const QString& text) override;

 private:
  QStringList seen_;
};

// A point or a comma as the decimal separator; false unless a finite number.
bool readCliNumber(const QString& text, tfs::Real& value);

// Shortest text that reads back as the same double; never a comma, no -0.
// A value that is not finite as a double gives "inf", "-inf" or "nan",
// which printJson refuses.
std::string jsonNumber(tfs::Real v);

// The exit code of a result that cannot be printed.
inline constexpr int kNotPrintable = 2;

// Prints a call's JSON object and a newline on standard output: 0. A
// number in it that JSON cannot hold (inf, nan) is refused instead: nothing
// printed, kNotPrintable and the reason, naming its key, in error.
int printJson(const std::string& json, QString& error);

// A headless call in the language with the application object made: the
// library's messages on standard error while call runs; call returns the
// exit code, with the reason of one other than 0, printed on standard
// error.
int headlessCall(Language lang, const std::function<int(QString& error)>& call);

// The whole headless program of a call that prints a JSON object: run takes
// the arguments after the program's name and gives 0 and the JSON, or the
// exit code and the reason.
using JsonRun = std::function<int(const QStringList& args, std::string& json, QString& error)>;
int jsonMain(int argc, char** argv, Language lang, const JsonRun& run);

// A JSON string with quotes, backslashes and control characters escaped.
std::string jsonQuoted(const std::string& text);

}  // namespace app
