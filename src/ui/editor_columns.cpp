#include "ui/editor_columns.h"

#include <algorithm>

namespace orsalimbra::ui {

namespace {

// Width of CR LF in the file.
constexpr int kBreak = 2;

}  // namespace

int EditorLineWidth(int entryCount) {
  return kEditorColumn * std::max(entryCount, 0) + kEditorColumn - kBreak;
}

int FilledLength(int length, int entryCount) {
  const int width = EditorLineWidth(entryCount);
  if (length <= width) return width;
  const int columns = (length + kBreak + kEditorColumn - 1) / kEditorColumn;
  return columns * kEditorColumn - kBreak;
}

QStringList SplitFileLines(const QString& text) {
  QStringList lines;
  qsizetype start = 0;
  const qsizetype size = text.size();
  for (qsizetype i = 0; i < size; ++i) {
    const QChar c = text[i];
    if (c != u'\r' && c != u'\n') continue;
    lines.append(text.mid(start, i - start));
    if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < size) lines.append(text.mid(start));
  return lines;
}

QString FillColumns(const QStringList& fileLines, int entryCount) {
  QString text;
  text.reserve(fileLines.size() * (EditorLineWidth(entryCount) + 1));
  for (const QString& raw : fileLines) {
    qsizetype length = raw.size();
    while (length > 0 && raw[length - 1] == u' ') --length;
    const int filled = FilledLength(static_cast<int>(length), entryCount);
    text.append(QStringView(raw).first(length));
    text.append(QString(filled - length, u' '));
    text.append(u'\n');
  }
  return text;
}

QString ToEditorText(const QString& fileText) {
  const QStringList lines = SplitFileLines(fileText);
  QString text;
  for (const QString& line : lines) {
    text.append(line);
    text.append(u'\n');
  }
  // A last line without its break stays without one.
  if (!fileText.isEmpty() && !fileText.endsWith(u'\n') && !fileText.endsWith(u'\r')) text.chop(1);
  return text;
}

QString ToFileText(const QString& editorText) {
  QString text = editorText;
  text.replace(u'\n', QStringLiteral("\r\n"));
  return text;
}

TextCaret NextTabStop(std::span<const int> lineLengths, TextCaret caret) {
  if (lineLengths.empty()) return {};
  // Only the caret's offset from the previous stop matters, so the text
  // before the caret is summed modulo 20.
  int remainder = 0;
  for (int i = 0; i < caret.line; ++i)
    remainder = (remainder + lineLengths[i] + kBreak) % kEditorColumn;
  remainder = (remainder + caret.column) % kEditorColumn;
  // Distance of the stop from the start of the caret's line.
  int target = caret.column + kEditorColumn - remainder;
  const int last = static_cast<int>(lineLengths.size()) - 1;
  for (int line = caret.line; line <= last; ++line) {
    const int length = lineLengths[line];
    if (target <= length) return {line, target};
    if (line == last) return {line, length};
    if (target <= length + 1) return {line + 1, 0};
    target -= length + kBreak;
  }
  return {last, lineLengths[last]};
}

TextCaret NextLineStart(std::span<const int> lineLengths, TextCaret caret) {
  if (lineLengths.empty()) return {};
  const int last = static_cast<int>(lineLengths.size()) - 1;
  if (caret.line >= last) return {last, lineLengths[last]};
  return {caret.line + 1, 0};
}

}  // namespace orsalimbra::ui
