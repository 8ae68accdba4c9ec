#include "app/commode.h"

#include <QLocale>

#include "thermo/report.h"

namespace app {

QString fmt(const char* pattern, Real value) { return QString::fromStdString(tfs::formatNumber(pattern, value)); }

void adoptLocaleSeparator() {
  const QString dp = QLocale::system().decimalPoint();
  tfs::setDecimalSeparator(dp.size() == 1 && dp[0].unicode() < 128 ? char(dp[0].unicode()) : '.');
}

void EditToNumber(const QString&, Real& value, unsigned char& flag) {
  value = 0;
  flag = 0;
}

bool standardConversion(const QString&, Real&) { return false; }

}  // namespace app
