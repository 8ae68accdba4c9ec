#include "ui/services/commode.h"

#include <QLocale>

#include "ui/services/messages.h"

namespace app {

void EditToNumber(const QString& text, Real& value, unsigned char& flag) {
  EditToNumber(text.toStdString(), value, flag, [](const std::string& m) { messages().show(QString::fromStdString(m)); });
}

QString fmt(const char* pattern, Real value) { return QString::fromStdString(format(pattern, value)); }

void adoptLocaleSeparator() {
  const QString dp = QLocale::system().decimalPoint();
  setDecimalSeparator(dp.size() == 1 && dp[0].unicode() < 128 ? char(dp[0].unicode()) : '.');
}

}  // namespace app
