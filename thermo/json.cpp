#include "json.h"

#include <charconv>
#include <cmath>

namespace tfs::json {

const Value* Value::find(std::string_view key) const {
  for (const auto& [k, v] : members_)
    if (k == key) return &v;
  return nullptr;
}

const char* kindName(Value::Kind kind) {
  switch (kind) {
    case Value::Kind::Null: return "null";
    case Value::Kind::Bool: return "логическое значение";
    case Value::Kind::Number: return "число";
    case Value::Kind::String: return "строка";
    case Value::Kind::Array: return "массив";
    case Value::Kind::Object: return "объект";
  }
  return "";
}

class Parser {
 public:
  explicit Parser(std::string_view text) : s_(text) {}

  Value document() {
    Value v = value(0);
    space();
    if (i_ < s_.size()) fail("лишний текст после значения");
    return v;
  }

 private:
  static constexpr int kMaxDepth = 64;

  [[noreturn]] void fail(const std::string& what) const {
    int line = 1, col = 1;
    for (std::size_t k = 0; k < i_ && k < s_.size(); ++k) {
      if (s_[k] == '\n') {
        ++line;
        col = 1;
      } else {
        ++col;
      }
    }
    throw JsonError("строка " + std::to_string(line) + ", столбец " + std::to_string(col) + ": " + what);
  }

  int line() const { return line_; }

  // White space is the only place where a line feed may stand.
  void space() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\n' || s_[i_] == '\r')) {
      line_ += s_[i_] == '\n';
      ++i_;
    }
  }

  bool take(char c) {
    if (i_ < s_.size() && s_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }

  void expect(char c) {
    space();
    if (!take(c)) fail(std::string("ожидался знак '") + c + "'");
  }

  Value value(int depth) {
    space();
    if (depth > kMaxDepth) fail("слишком глубокая вложенность");
    if (i_ >= s_.size()) fail("текст оборван: ожидалось значение");
    Value v;
    v.line_ = line();
    const char c = s_[i_];
    if (c == '{') {
      ++i_;
      v.kind_ = Value::Kind::Object;
      space();
      if (take('}')) return v;
      do {
        space();
        if (i_ >= s_.size() || s_[i_] != '"') fail("ожидалось имя поля в кавычках");
        std::string key = string();
        if (v.find(key)) fail("поле \"" + key + "\" повторено");
        expect(':');
        Value member = value(depth + 1);
        v.members_.emplace_back(std::move(key), std::move(member));
        space();
      } while (take(','));
      if (!take('}')) fail("ожидался знак ',' или '}'");
    } else if (c == '[') {
      ++i_;
      v.kind_ = Value::Kind::Array;
      space();
      if (take(']')) return v;
      do {
        v.items_.push_back(value(depth + 1));
        space();
      } while (take(','));
      if (!take(']')) fail("ожидался знак ',' или ']'");
    } else if (c == '"') {
      v.kind_ = Value::Kind::String;
      v.string_ = string();
    } else if (c == '-' || (c >= '0' && c <= '9')) {
      v.kind_ = Value::Kind::Number;
      v.number_ = number();
    } else if (word("true")) {
      v.kind_ = Value::Kind::Bool;
      v.bool_ = true;
    } else if (word("false")) {
      v.kind_ = Value::Kind::Bool;
    } else if (!word("null")) {
      fail(std::string("неожиданный знак '") + c + "'");
    }
    return v;
  }

  bool word(std::string_view w) {
    if (s_.substr(i_, w.size()) != w) return false;
    i_ += w.size();
    return true;
  }

  bool digit() const { return i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9'; }

  double number() {
    const std::size_t start = i_;
    take('-');
    if (!digit()) fail("неверное число");
    if (s_[i_] == '0') {
      ++i_;
    } else {
      while (digit()) ++i_;
    }
    if (take('.')) {
      if (!digit()) fail("неверное число: нет цифр после точки");
      while (digit()) ++i_;
    }
    if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
      ++i_;
      if (!take('+')) take('-');
      if (!digit()) fail("неверное число: нет цифр порядка");
      while (digit()) ++i_;
    }
    double x = 0;
    const auto r = std::from_chars(s_.data() + start, s_.data() + i_, x);
    if (r.ec != std::errc() || !std::isfinite(x)) {
      i_ = start;
      fail("число вне диапазона");
    }
    return x;
  }

  unsigned hex4() {
    unsigned u = 0;
    for (int k = 0; k < 4; ++k, ++i_) {
      if (i_ >= s_.size()) fail("текст оборван в строке");
      const char c = s_[i_];
      u <<= 4;
      if (c >= '0' && c <= '9') u |= c - '0';
      else if (c >= 'a' && c <= 'f') u |= c - 'a' + 10;
      else if (c >= 'A' && c <= 'F') u |= c - 'A' + 10;
      else fail("неверная escape-последовательность \\u");
    }
    return u;
  }

  static void utf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  std::string string() {
    ++i_;  // the opening quote
    std::string out;
    for (;;) {
      if (i_ >= s_.size()) fail("текст оборван в строке");
      const char c = s_[i_++];
      if (c == '"') return out;
      if (static_cast<unsigned char>(c) < 0x20) {
        --i_;
        fail("управляющий знак в строке");
      }
      if (c != '\\') {
        out += c;
        continue;
      }
      if (i_ >= s_.size()) fail("текст оборван в строке");
      const char e = s_[i_++];
      switch (e) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          unsigned cp = hex4();
          if (cp >= 0xD800 && cp < 0xDC00 && s_.substr(i_, 2) == "\\u") {
            i_ += 2;
            const unsigned lo = hex4();
            if (lo < 0xDC00 || lo >= 0xE000) fail("неверная суррогатная пара");
            cp = 0x10000 + ((cp - 0xD800) << 10) + (lo - 0xDC00);
          }
          utf8(out, cp);
          break;
        }
        default:
          --i_;
          fail("неверная escape-последовательность");
      }
    }
  }

  std::string_view s_;
  std::size_t i_ = 0;
  int line_ = 1;
};

Value parse(std::string_view text) { return Parser(text).document(); }

}  // namespace tfs::json
