#pragma once
// Files a test prepares and reads back whole.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>

namespace testing_support {

// The file's bytes; none when it cannot be opened.
inline QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The bytes written as the whole file.
inline void write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  ASSERT_EQ(f.write(bytes), bytes.size());
}

}  // namespace testing_support
