#pragma once
// Every message to the user goes through one service: a modal box in the
// program, a recorder in the tests.

#include <QString>
#include <QStringList>

namespace app {

class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual void show(const QString& text) = 0;
};

// The current service (a modal information box unless replaced).
MessageService& messages();
// Replaces the service; nullptr restores the modal box. Not owned.
void setMessageService(MessageService* service);

// Keeps the texts instead of showing them.
class MessageRecorder : public MessageService {
 public:
  void show(const QString& text) override { texts << text; }
  QStringList texts;
};

// Routes the property library's messages to the service and makes its fatal
// errors refusable: inside libraryGuarded() a fatal error shows its text and
// cancels the guarded work; elsewhere it shows the text and ends the program.
void installLibraryHandlers();

}  // namespace app
