#include "report.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace tfs {
namespace {

void defaultMessage(const std::string& text) { std::cerr << text << '\n'; }

[[noreturn]] void defaultFatal(const std::string& text) {
  std::cerr << text << '\n';
  std::exit(1);
}

TextHandler& messageHandler() {
  static TextHandler h = defaultMessage;
  return h;
}

TextHandler& fatalHandler() {
  static TextHandler h = defaultFatal;
  return h;
}

// The innermost catcher of this thread.
thread_local RefusalCatcher* catcher = nullptr;

}  // namespace

RefusalCatcher::RefusalCatcher(Messages messages) : outer_(catcher), keeps_(messages == Messages::Kept) {
  catcher = this;
}
RefusalCatcher::~RefusalCatcher() { catcher = outer_; }

RefusalCatcher* RefusalCatcher::keeper() {
  for (RefusalCatcher* c = this; c; c = c->outer_)
    if (c->keeps_) return c;
  return nullptr;
}

void setMessageHandler(TextHandler handler) {
  messageHandler() = handler ? std::move(handler) : TextHandler(defaultMessage);
}

TextHandler currentMessageHandler() { return messageHandler(); }

void message(const std::string& text) {
  if (RefusalCatcher* keeper = catcher ? catcher->keeper() : nullptr) {
    keeper->messages_.push_back(text);
    return;
  }
  messageHandler()(text);
}

void setFatalHandler(TextHandler handler) {
  fatalHandler() = handler ? std::move(handler) : TextHandler(defaultFatal);
}

void fatal(const std::string& text) {
  if (catcher) throw Refusal{text};
  fatalHandler()(text);
  // A handler that returns is a programming error: end the program anyway.
  std::exit(1);
}

void consoleFatal(const std::string& line) {
  // Kept from the console like any message while a search probes.
  if (catcher && catcher->keeper()) throw Refusal{line};
  std::fputs(line.c_str(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
  fatal(line);
}

void resetHandlers() {
  setMessageHandler(nullptr);
  setFatalHandler(nullptr);
}

std::string formatNumber(std::string_view pattern, Real value, char separator) {
  const auto pct = pattern.find('%');
  if (pct == std::string_view::npos) return std::string(pattern);

  std::size_t i = pct + 1;
  bool left = false, zero = false;
  while (i < pattern.size() && (pattern[i] == '-' || pattern[i] == '0')) {
    (pattern[i] == '-' ? left : zero) = true;
    ++i;
  }
  int width = 0;
  while (i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9') width = width * 10 + (pattern[i++] - '0');
  int prec = 6;
  if (i < pattern.size() && pattern[i] == '.') {
    ++i;
    prec = 0;
    while (i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9') prec = prec * 10 + (pattern[i++] - '0');
  }
  const char conv = i < pattern.size() ? pattern[i] : 'f';

  char buf[128];
  std::string num;
  if (!std::isfinite(value)) {
    num = std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
  } else if (conv == 'd') {
    const long long n = std::llrint(value);  // default rounding: half to even
    auto r = std::to_chars(buf, buf + sizeof buf, n);
    num.assign(buf, r.ptr);
  } else {
    auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, prec);
    if (r.ec != std::errc()) {
      num = "overflow";
    } else {
      num.assign(buf, r.ptr);
      // A value that rounds to zero carries no sign.
      if (num[0] == '-' && num.find_first_not_of("0.", 1) == std::string::npos) num.erase(0, 1);
      for (char& c : num)
        if (c == '.') c = separator;
    }
  }
  if (static_cast<int>(num.size()) < width) {
    const std::size_t pad = width - num.size();
    if (left) {
      num.append(pad, ' ');
    } else if (zero && std::isfinite(value)) {
      const std::size_t at = (!num.empty() && num[0] == '-') ? 1 : 0;
      num.insert(at, pad, '0');
    } else {
      num.insert(0, pad, ' ');
    }
  }
  std::string out(pattern.substr(0, pct));
  out += num;
  if (i < pattern.size()) out += pattern.substr(i + 1);
  return out;
}

}  // namespace tfs
