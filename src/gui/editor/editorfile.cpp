#include "gui/editor/editorfile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/util/atomicfilewriter.h"

#include "gui/common/paths.h"
#include "core/lang/sourcefile.h"

namespace tav2 {

namespace {

bool FitsLatin1(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar ch) { return ch.unicode() <= 0xFF; });
}

// Why an existing file is not read: a directory, a device or a FIFO (never
// opened, as reading it could wait or go on for ever), or a file too large.
// A missing or unreadable file is left to the read to report.
std::optional<QString> Refusal(const QString& name) {
  if (!QFileInfo::exists(name)) return std::nullopt;
  const SourceFile source = SourceFile::Check(ToPath(name));
  switch (source.status) {
    case SourceFile::Status::kRead: return std::nullopt;
    case SourceFile::Status::kTooLarge:
      return QString("The file is too large: %1.").arg(QString::fromStdString(source.TooLargeReason()));
    case SourceFile::Status::kCannotOpen: break;
  }
  return QString("It is not a regular file.");
}

}  // namespace

std::optional<QByteArray> EditorFile::Read(const QString& name, QString* error) {
  if (const std::optional<QString> refusal = Refusal(name)) {
    *error = *refusal;
    return std::nullopt;
  }
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = file.errorString();
    return std::nullopt;
  }
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    *error = file.errorString();
    return std::nullopt;
  }
  return bytes;
}

EditorFile::Contents EditorFile::Decode(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8,
                      QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
  QString text = utf8.decode(bytes);
  if (!utf8.hasError() && FitsLatin1(text)) return {text, Encoding::Utf8};
  return {QString::fromLatin1(bytes), Encoding::Latin1};
}

QByteArray EditorFile::Encode(const QString& text, Encoding encoding) {
  return encoding == Encoding::Latin1 ? text.toLatin1() : text.toUtf8();
}

// Through the core's checked writer: QSaveFile (Qt 6.4) reports success
// when its buffered write fails only at the final flush, and renames the
// empty file over the old one.
bool EditorFile::Write(const QString& name, const QByteArray& bytes, QString* error) {
  const std::optional<std::string> failure =
      AtomicFileWriter::Replace(std::filesystem::path(name.toStdString()),
                                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!failure) return true;
  *error = QString::fromStdString(*failure);
  return false;
}

}  // namespace tav2
