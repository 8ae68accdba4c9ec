# Writes the reference equations' data files into one C++ source, so that the
# library carries them and no install path can be wrong. Run by the build:
#   cmake -DOUT=<file.cpp> -DDIR=<data folder> -DNAMES=<id,id,...> -P embed.cmake
string(REPLACE "," ";" NAMES "${NAMES}")
set(body "")
foreach(name IN LISTS NAMES)
  set(path "${DIR}/${name}.json")
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "Reference data file missing: ${path}")
  endif()
  file(READ "${path}" text)
  string(FIND "${text}" ")tfsjson\"" clash)
  if(NOT clash EQUAL -1)
    message(FATAL_ERROR "Reference data file ${path} holds the raw-string delimiter )tfsjson\"")
  endif()
  string(APPEND body "    {\"${name}.json\", R\"tfsjson(${text})tfsjson\"},\n")
endforeach()
list(LENGTH NAMES count)
file(WRITE "${OUT}.tmp"
"// Generated from thermo/reference/data by thermo/reference/embed.cmake: do not edit.
#include \"thermo/refembed.h\"

namespace tfs::ref {

const EmbeddedFile kEmbeddedFiles[] = {
${body}};
const int kEmbeddedFileCount = ${count};

}  // namespace tfs::ref
")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
