#!/usr/bin/env bash
# The manual page from the program's own --help, in its language,
# compressed as Debian keeps it:
#   manpage.sh PROGRAM en|ru entrograf.1.gz
# The help's first line is the usage, the lines up to the first blank one
# the description (the indented "entrograf ..." lines are examples), then a
# heading and the options, each starting with "  -" and continued by
# indented lines.
set -euo pipefail
prog=$1 lang=$2 out=$3
help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prog" --lang "$lang" --help)
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prog" --lang "$lang" --version)

if [ "$lang" = ru ]; then
  name=ИМЯ synopsis=ОБЗОР description=ОПИСАНИЕ options=ПАРАМЕТРЫ file=РАБОЧИЙ_ФАЙЛ manual="Команды пользователя"
else
  name=NAME synopsis=SYNOPSIS description=DESCRIPTION options=OPTIONS file=WORK_FILE manual="User Commands"
fi

printf '%s\n' "$help" | awk -v version="$version" -v name="$name" -v synopsis="$synopsis" \
  -v description="$description" -v options="$options" -v file="$file" -v manual="$manual" '
# Text for troff: backslashes, minus signs, a leading point or quote.
function esc(s) {
  gsub(/\\/, "\\e", s)
  gsub(/-/, "\\-", s)
  if (substr(s, 1, 1) == "." || substr(s, 1, 1) == "\047") s = "\\&" s
  return s
}
function flush() {
  if (opt != "") {
    print ".TP"
    print ".B " esc(opt)
    print esc(text)
  }
  opt = ""
  text = ""
}
NR == 1 {
  print ".TH ENTROGRAF 1 \"\" \"" esc(version) "\" \"" manual "\""
  next
}
part == 0 && NR == 2 {
  sub(/\.$/, "")
  print ".SH " name
  print "entrograf \\- " esc($0)
  print ".SH " synopsis
  print ".B entrograf"
  print "[\\fI" esc(file) ".entrograf\\fR]"
  print ".br"
  print ".B entrograf"
  print "\\-\\-export\\-diagram | \\-\\-device | \\-\\-cycle | \\-\\-state | \\-\\-saturation ..."
  print ".SH " description
  part = 1
  next
}
part == 1 && /^$/ { part = 2; next }
part == 1 && /^  / {
  # An example, kept as it is written, with its continuation.
  print ".nf"
  print esc(substr($0, 3))
  print ".fi"
  next
}
part == 1 { print esc($0); print ".br"; next }
part == 2 { print ".SH " options; part = 3; next }
part == 3 && /^  -/ {
  flush()
  line = substr($0, 3)
  at = match(line, /   */)
  opt = at ? substr(line, 1, at - 1) : line
  text = at ? substr(line, at + RLENGTH) : ""
  next
}
part == 3 {
  sub(/^ +/, "")
  text = text " " $0
}
END { flush() }
' | gzip -9n > "$out"
