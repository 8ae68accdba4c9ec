#pragma once
// The reference equations' data files, embedded in the library at build
// time (thermo/reference/embed.cmake).

#include <string_view>

namespace tfs::ref {

struct EmbeddedFile {
  const char* name;       // "N2.json"
  std::string_view text;  // the file as it is
};

extern const EmbeddedFile kEmbeddedFiles[];
extern const int kEmbeddedFileCount;

}  // namespace tfs::ref
