// The data file's text as the editor sees it: Windows-1252 bytes on disk,
// Unicode in the window.
#pragma once

#include <QByteArray>
#include <QString>

#include "core/row_widths.h"

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

// For the user, in Italian: the rows whose number of items differs from the
// list's, each named by its line and section (and key), and what that does.
// `check` must list at least one row.
QString UnevenRowsText(const core::RowWidthCheck& check);

}  // namespace orsalimbra::ui
