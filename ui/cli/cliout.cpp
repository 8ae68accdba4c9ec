#include "ui/cli/cliout.h"

#include <QCoreApplication>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "core/base/numparse.h"
#include "thermo/substances.h"

namespace app {

bool hasOption(int argc, char** argv, const char* option) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], option) == 0) return true;
  return false;
}

QString substanceList() {
  QStringList names;
  for (int i = 1; i <= tfs::kSubstCount; ++i) names << QLatin1String(tfs::SubstName[i]);
  return names.join(QStringLiteral(", "));
}

const tfs::Model& ModelCall::eos() const { return tfs::model(tfs::SubstIndex(name), model); }

bool readKindCall(const QStringList& args, const char* option, const QStringList& kinds, const QString& missing,
                  const QString& unknownKind, int& kind, ModelCall& call, QStringList& rest, QString& error) {
  QStringList left = args;
  if (!takeModelOption(left, call.model, error)) return false;
  const qsizetype at = left.indexOf(QLatin1String(option));
  if (at < 0 || at + 2 >= left.size() || left[at + 1].startsWith(u'-') || left[at + 2].startsWith(u'-')) {
    error = missing;
    return false;
  }
  const QString allowed = QCoreApplication::translate("CommandLine", "\"; допустимы: ");
  kind = int(kinds.indexOf(left[at + 1]));
  if (kind < 0) {
    error = unknownKind + left[at + 1] + allowed + kinds.join(QStringLiteral(", "));
    return false;
  }
  if (!readSubstance(left[at + 2], call.name, error)) return false;
  rest = left.mid(0, at) + left.mid(at + 3);
  return true;
}

bool readSubstance(const QString& text, std::string& substance, QString& error) {
  const int subst = tfs::substanceIndex(text.toStdString());
  if (subst == 0) {
    error = QCoreApplication::translate("CommandLine", "неизвестное вещество \"") + text +
            QCoreApplication::translate("CommandLine", "\"; допустимы: ") + substanceList();
    return false;
  }
  substance = tfs::SubstName[subst];
  return true;
}

bool readOptions(const QStringList& rest, const std::map<QString, bool>& applies, const QString& usage,
                 const QString& notApplying, const OptionTaker& take, QString& error) {
  QStringList seen;
  for (qsizetype i = 0; i < rest.size(); ++i) {
    const QString& opt = rest[i];
    const auto a = applies.find(opt);
    if (a == applies.end()) {
      error =
          QCoreApplication::translate("CommandLine", "непонятный аргумент \"") + opt + QStringLiteral("\"\n") + usage;
      return false;
    }
    if (!a->second) {
      error = opt + notApplying;
      return false;
    }
    if (seen.contains(opt)) {
      error = opt + QCoreApplication::translate("CommandLine", " указан дважды");
      return false;
    }
    if (i + 1 >= rest.size()) {
      error = QCoreApplication::translate("CommandLine", "после %1 нет значения").arg(opt);
      return false;
    }
    seen << opt;
    if (!take(opt, rest[++i], error)) return false;
  }
  return true;
}

bool readNumberOptions(const QStringList& rest, const std::map<QString, bool>& applies, const QString& usage,
                       const QString& notApplying, std::map<QString, tfs::Real>& given, QString& error) {
  return readOptions(rest, applies, usage, notApplying,
                     [&given](const QString& opt, const QString& value, QString& why) {
                       tfs::Real v = 0;
                       if (!readCliNumber(value, v)) {
                         why = opt + QStringLiteral(" \"") + value +
                               QCoreApplication::translate("CommandLine", "\" - не число");
                         return false;
                       }
                       given[opt] = v;
                       return true;
                     },
                     error);
}

const char* modelName(tfs::ModelKind kind) { return kind == tfs::ModelKind::Reference ? "reference" : "srk"; }

bool takeModelOption(QStringList& args, tfs::ModelKind& kind, QString& error) {
  const QString option = QStringLiteral("--model");
  const qsizetype at = args.indexOf(option);
  if (at < 0) {
    kind = tfs::ModelKind::Cubic;
    return true;
  }
  if (args.indexOf(option, at + 1) >= 0) {
    error = QCoreApplication::translate("CommandLine", "--model указан дважды");
    return false;
  }
  const QString allowed = QStringLiteral("%1, %2").arg(QLatin1String(modelName(tfs::ModelKind::Cubic)),
                                                       QLatin1String(modelName(tfs::ModelKind::Reference)));
  if (at + 1 >= args.size()) {
    error = QCoreApplication::translate("CommandLine", "после --model нет модели; допустимы: %1").arg(allowed);
    return false;
  }
  const QString name = args[at + 1];
  if (name == QLatin1String(modelName(tfs::ModelKind::Cubic))) {
    kind = tfs::ModelKind::Cubic;
  } else if (name == QLatin1String(modelName(tfs::ModelKind::Reference))) {
    kind = tfs::ModelKind::Reference;
  } else {
    error = QCoreApplication::translate("CommandLine", "неизвестная модель \"%1\"; допустимы: %2").arg(name, allowed);
    return false;
  }
  args.remove(at, 2);
  return true;
}

void printErr(const QString& text) {
  const QByteArray b = (QStringLiteral("entrograf: ") + text + u'\n').toUtf8();
  std::fwrite(b.constData(), 1, size_t(b.size()), stderr);
  std::fflush(stderr);
}

void StderrMessages::show(const QString& text) {
  if (seen_.contains(text)) return;
  seen_ << text;
  printErr(QString(text).replace(u'\r', u'\n'));
}

bool readCliNumber(const QString& text, tfs::Real& value) {
  QString t = text.trimmed();
  t.replace(u',', u'.');
  tfs::Real v = 0;
  if (t.isEmpty() || !standardConversion(t.toStdString(), v) || !std::isfinite(double(v))) return false;
  value = v;
  return true;
}

std::string jsonNumber(tfs::Real v) {
  const double d = double(v) == 0 ? 0.0 : double(v);
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, d);
  return std::string(buf, r.ptr);
}

namespace {

// A bare token of JSON (outside strings) that is a number, true, false or
// null: anything else is a number JSON cannot hold.
bool jsonToken(std::string_view t) {
  if (t == "true" || t == "false" || t == "null") return true;
  std::size_t i = t.starts_with('-') ? 1 : 0;
  if (i >= t.size() || t[i] < '0' || t[i] > '9') return false;
  return t.find_first_not_of("0123456789.eE+-", i) == std::string_view::npos;
}

}  // namespace

int printJson(const std::string& json, QString& error) {
  // The last key read names the value; strings are skipped whole.
  std::string key;
  for (std::size_t i = 0; i < json.size();) {
    const char c = json[i];
    if (c == '"') {
      std::size_t j = i + 1;
      while (j < json.size() && json[j] != '"') j += json[j] == '\\' ? 2 : 1;
      const std::size_t after = json.find_first_not_of(' ', j + 1);
      if (after != std::string::npos && json[after] == ':') key = json.substr(i + 1, j - i - 1);
      i = j + 1;
    } else if (std::isalnum(static_cast<unsigned char>(c)) || c == '-') {
      std::size_t j = i;
      while (j < json.size() && (std::isalnum(static_cast<unsigned char>(json[j])) || std::strchr("+-.", json[j]))) ++j;
      if (!jsonToken(std::string_view(json).substr(i, j - i))) {
        error = QCoreApplication::translate("CommandLine", "результат \"%1\" не является конечным числом")
                    .arg(QString::fromStdString(key));
        return kNotPrintable;
      }
      i = j;
    } else {
      ++i;
    }
  }
  const std::string line = json + '\n';
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fflush(stdout);
  return 0;
}

int headlessCall(Language lang, const std::function<int(QString& error)>& call) {
  useLanguage(lang);
  StderrMessages out;
  setMessageService(&out);
  installLibraryHandlers();
  QString error;
  const int rc = call(error);
  if (rc != 0) printErr(error);
  setMessageService(nullptr);
  return rc;
}

int jsonMain(int argc, char** argv, Language lang, const JsonRun& run) {
  QCoreApplication a(argc, argv);
  return headlessCall(lang, [&run](QString& error) {
    std::string json;
    const int rc = run(QCoreApplication::arguments().mid(1), json, error);
    return rc == 0 ? printJson(json, error) : rc;
  });
}

std::string jsonQuoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\r') {
      out += "\\r";
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", unsigned(static_cast<unsigned char>(c)));
      out += buf;
    } else {
      out += c;
    }
  }
  return out + '"';
}

}  // namespace app
