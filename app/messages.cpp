#include "app/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdlib>

#include "app/commode.h"
#include "app/libguard.h"
#include "thermo/report.h"

namespace app {
namespace {

class ModalBox : public MessageService {
 public:
  void show(const QString& text) override {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Entrograf"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
  }
};

MessageService* g_service = nullptr;

}  // namespace

namespace detail {
int& guardDepth() {
  static int depth = 0;
  return depth;
}
}  // namespace detail

MessageService& messages() {
  static ModalBox modal;
  return g_service ? *g_service : modal;
}

void setMessageService(MessageService* service) { g_service = service; }

void installLibraryHandlers() {
  tfs::setMessageHandler(
      [](const std::string& text) { messages().show(localizedNumbers(QString::fromStdString(text))); });
  tfs::setFatalHandler([](const std::string& text) {
    messages().show(localizedNumbers(QString::fromStdString(text)));
    if (detail::guardDepth() > 0) throw LibraryRefusal{};
    std::exit(1);
  });
}

}  // namespace app
