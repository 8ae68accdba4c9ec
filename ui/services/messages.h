#pragma once
// Every message to the user goes through one service: a modal box in the
// program, a recorder in the tests.

#include <QList>
#include <QString>
#include <QStringList>

#include "core/base/notify.h"

namespace app {

// The answer to a question: "Да", "Нет" or "Отмена".
enum class Answer { Yes, No, Cancel };

class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual void show(const QString& text) = 0;
  // A question with "Да" and "Нет", and "Отмена" when cancel is set. A
  // service that cannot ask answers "Отмена" where it may, else "Нет".
  virtual Answer ask(const QString& text, bool cancel);
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

// Keeps the texts instead of showing them. Questions are kept apart and
// answered from a scripted list, first to last; "Нет" when it is empty.
class MessageRecorder : public MessageService {
 public:
  void show(const QString& text) override { texts << text; }
  Answer ask(const QString& text, bool) override {
    questions << text;
    return answers.isEmpty() ? Answer::No : answers.takeFirst();
  }
  QStringList texts, questions;
  QList<Answer> answers;
};

// The library's messages and fatal errors through the service (see
// libguard.h).
void installLibraryHandlers();

}  // namespace app
