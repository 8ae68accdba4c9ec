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
int g_scopes = 0;
QStringList g_shown;  // texts shown in the current action

// Forwards to the installed service, each text once per action.
class OncePerAction : public MessageService {
 public:
  void show(const QString& text) override {
    if (g_scopes > 0) {
      if (g_shown.contains(text)) return;
      g_shown << text;
    }
    static ModalBox modal;
    (g_service ? *g_service : static_cast<MessageService&>(modal)).show(text);
  }
};

}  // namespace

MessageService& messages() {
  static OncePerAction once;
  return once;
}

MessageScope::MessageScope() { ++g_scopes; }

MessageScope::~MessageScope() {
  if (--g_scopes == 0) g_shown.clear();
}

void setMessageService(MessageService* service) { g_service = service; }

Notify notifier() {
  return [](const std::string& text) { messages().show(QString::fromStdString(text)); };
}

void installLibraryHandlers() { installLibraryHandlers(notifier()); }

}  // namespace app
