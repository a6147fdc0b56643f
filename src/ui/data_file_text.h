// The data file's text as the editor sees it: Windows-1252 bytes on disk,
// Unicode in the window.
#pragma once

#include <QByteArray>
#include <QString>

namespace orsalimbra::ui {

QString DecodeDataFile(const QByteArray& bytes);

struct EncodedDataFile {
  // Valid only when `problems` is empty.
  QByteArray bytes;
  // For the user, in Italian: the characters the code page cannot hold, each
  // with its line and column (from 1). Empty when the text encodes.
  QString problems;
};

EncodedDataFile EncodeDataFile(const QString& text);

}  // namespace orsalimbra::ui
