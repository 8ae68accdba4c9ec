#pragma once
// What the headless command-line calls share: errors and the library's
// messages on standard error, numbers read and written for JSON.

#include <QString>
#include <QStringList>
#include <string>

#include "thermo/model.h"
#include "thermo/real.h"
#include "ui/services/messages.h"

namespace app {

// True when one of the arguments after the program's name is the option.
bool hasOption(int argc, char** argv, const char* option);

// The substances' identifiers, "He, n-H2, ..., Air".
QString substanceList();

// "OPTION KIND SUBSTANCE" among the arguments: at is the option's place,
// kind the index of KIND in kinds, substance its identifier. False with the
// reason: missing (the pair is not there), unknownKind followed by the kind
// and the allowed ones, or an unknown substance.
bool readKindAndSubstance(const QStringList& args, const char* option, const QStringList& kinds,
                          const QString& missing, const QString& unknownKind, qsizetype& at, int& kind,
                          std::string& substance, QString& error);

// A substance's identifier as typed; false with the reason, which names the
// known ones.
bool readSubstance(const QString& text, std::string& substance, QString& error);

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

// A JSON string with quotes, backslashes and control characters escaped.
std::string jsonQuoted(const std::string& text);

}  // namespace app
