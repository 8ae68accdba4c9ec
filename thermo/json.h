#pragma once
// A small reader of JSON text (RFC 8259) for the library's data files:
// objects, arrays, numbers, strings, true, false, null. A fault is thrown
// as JsonError with the line and column where the text goes wrong.

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tfs::json {

struct JsonError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class Value {
 public:
  enum class Kind { Null, Bool, Number, String, Array, Object };

  Kind kind() const { return kind_; }
  bool isNumber() const { return kind_ == Kind::Number; }
  bool isString() const { return kind_ == Kind::String; }
  bool isArray() const { return kind_ == Kind::Array; }
  bool isObject() const { return kind_ == Kind::Object; }
  bool isBool() const { return kind_ == Kind::Bool; }

  double number() const { return number_; }
  bool boolean() const { return bool_; }
  const std::string& string() const { return string_; }
  const std::vector<Value>& items() const { return items_; }
  const std::vector<std::pair<std::string, Value>>& members() const { return members_; }
  // The member named key of an object, nullptr when there is none.
  const Value* find(std::string_view key) const;
  // Line of the text where the value begins (1-based).
  int line() const { return line_; }

 private:
  friend class Parser;
  Kind kind_ = Kind::Null;
  double number_ = 0;
  bool bool_ = false;
  std::string string_;
  std::vector<Value> items_;
  std::vector<std::pair<std::string, Value>> members_;
  int line_ = 0;
};

// The value of a whole text; anything but white space after it is a fault.
Value parse(std::string_view text);

// The name of a kind for messages ("число", "строка", ...).
const char* kindName(Value::Kind kind);

}  // namespace tfs::json
