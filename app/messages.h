#pragma once
// Every message to the user goes through one service: a modal box in the
// program, a recorder in the tests.

#include <QString>
#include <QStringList>

#include "app/notify.h"

namespace app {

class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual void show(const QString& text) = 0;
};

// The current service (a modal information box unless replaced). Inside a
// MessageScope each different text is shown once.
MessageService& messages();
// Replaces the service; nullptr restores the modal box. Not owned.
void setMessageService(MessageService* service);

// The service as a plain notify function (UTF-8 texts).
Notify notifier();

// One action of the student (a click, a field left): while the outermost
// scope lives, a text already shown is not shown again.
class MessageScope {
 public:
  MessageScope();
  ~MessageScope();
  MessageScope(const MessageScope&) = delete;
  MessageScope& operator=(const MessageScope&) = delete;
};

// Keeps the texts instead of showing them.
class MessageRecorder : public MessageService {
 public:
  void show(const QString& text) override { texts << text; }
  QStringList texts;
};

// The library's messages and fatal errors through the service (see
// libguard.h).
void installLibraryHandlers();

}  // namespace app
