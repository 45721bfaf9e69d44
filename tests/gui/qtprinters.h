#pragma once
// Readable test failures for Qt strings.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

#include <gtest/gtest.h>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
  *out << testing::PrintToString(bytes.toStdString());
}

inline void PrintTo(const QStringList& list, std::ostream* out) {
  *out << '{';
  for (const QString& text : list) *out << " \"" << text.toStdString() << '"';
  *out << " }";
}
