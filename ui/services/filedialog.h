#pragma once
// Every file dialog goes through one function: Qt's dialogs in the program,
// a scripted answer in the tests (a dialog never opens there).

#include <QString>
#include <functional>

class QWidget;

namespace app {

struct FileRequest {
  bool save = false;  // a file to write (asks before replacing one), else to read
  QWidget* parent = nullptr;
  QString caption, path, filter;
  QString* chosenFilter = nullptr;  // in: the filter offered first; out: the one taken
};

// The path chosen, empty when the dialog was cancelled.
using FileDialog = std::function<QString(const FileRequest&)>;

QString askFile(const FileRequest& request);
// Replaces the dialogs; an empty function puts Qt's back.
void setFileDialog(FileDialog dialog);

}  // namespace app
