#include "core/base/tr.h"

namespace app {

namespace {
Translator g_translator = nullptr;
}

void setTranslator(Translator translator) { g_translator = translator; }

std::string translate(const char* context, const char* text) {
  return g_translator ? g_translator(context, text) : std::string(text);
}

std::string withArgs(std::string text, std::initializer_list<std::string> args) {
  int n = 1;
  for (const std::string& a : args) {
    std::string mark(1, '%');
    mark += std::to_string(n++);
    for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + a.size()))
      text.replace(at, mark.size(), a);
  }
  return text;
}

}  // namespace app
