#include "ui/services/messages.h"

#include <QCoreApplication>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "core/base/libguard.h"

namespace app {
namespace {

class ModalBox : public MessageService {
 public:
  void show(const QString& text) override {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Entrograf"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
  }
  Answer ask(const QString& text, bool cancel) override {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Entrograf"), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* yes = box.addButton(QCoreApplication::translate("Messages", "Да"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QCoreApplication::translate("Messages", "Нет"), QMessageBox::NoRole);
    QPushButton* stop = cancel ? box.addButton(QCoreApplication::translate("Messages", "Отмена"), QMessageBox::RejectRole) : nullptr;
    box.setDefaultButton(yes);
    box.setEscapeButton(stop ? stop : no);
    box.exec();
    return box.clickedButton() == yes ? Answer::Yes : box.clickedButton() == no ? Answer::No : Answer::Cancel;
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
    target().show(text);
  }
  Answer ask(const QString& text, bool cancel) override { return target().ask(text, cancel); }

 private:
  static MessageService& target() {
    static ModalBox modal;
    return g_service ? *g_service : static_cast<MessageService&>(modal);
  }
};

}  // namespace

Answer MessageService::ask(const QString&, bool cancel) { return cancel ? Answer::Cancel : Answer::No; }

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
