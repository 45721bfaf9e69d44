#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace tav2 {

// Reading and writing the editors' files. An editor holds one byte per
// character, as the assembler and the machine do: a file is taken as UTF-8
// when its bytes are valid UTF-8 whose characters all fit in one byte
// (Latin-1), and byte for byte otherwise, so that every byte of any file
// survives a load and a save.
class EditorFile {
 public:
  enum class Encoding { Utf8, Latin1 };

  struct Contents {
    QString text;
    Encoding encoding = Encoding::Utf8;
  };

  // The file's bytes; nullopt, with the reason in `error`, when it cannot be
  // read or is no regular file of at most 16 MB (which is never opened).
  static std::optional<QByteArray> Read(const QString& name, QString* error);
  static Contents Decode(const QByteArray& bytes);
  // The text in the file's own encoding (the text holds Latin-1 only).
  static QByteArray Encode(const QString& text, Encoding encoding);
  // Replaces the file whole (a temporary file renamed over it once every
  // write, the flush and the close succeeded), so a failed write leaves the
  // old file as it was. False, with the system's reason in `error`, when
  // that fails.
  static bool Write(const QString& name, const QByteArray& bytes, QString* error);
};

}  // namespace tav2
