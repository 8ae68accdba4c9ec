#include "app/messages.h"

#include <QApplication>
#include <QMessageBox>

#include "app/libguard.h"

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

MessageService& messages() {
  static ModalBox modal;
  return g_service ? *g_service : modal;
}

void setMessageService(MessageService* service) { g_service = service; }

Notify notifier() {
  return [](const std::string& text) { messages().show(QString::fromStdString(text)); };
}

void installLibraryHandlers() { installLibraryHandlers(notifier()); }

}  // namespace app
