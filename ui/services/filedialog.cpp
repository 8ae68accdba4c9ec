#include "ui/services/filedialog.h"

#include <QFileDialog>

namespace app {

namespace {

FileDialog& current() {
  static FileDialog dialog;
  return dialog;
}

}  // namespace

QString askFile(const FileRequest& r) {
  if (current()) return current()(r);
  return r.save ? QFileDialog::getSaveFileName(r.parent, r.caption, r.path, r.filter, r.chosenFilter)
                : QFileDialog::getOpenFileName(r.parent, r.caption, r.path, r.filter, r.chosenFilter);
}

void setFileDialog(FileDialog dialog) { current() = std::move(dialog); }

}  // namespace app
