// The data-file editor shows the file as a table: a key column of 18
// characters, two separating blanks, then one 20-character column per list
// entry. Every display line, counted with the CR LF that ends it in the file,
// is a whole number of 20-character columns long, so the caret can jump from
// column to column by plain arithmetic on the text position.
#pragma once

#include <QString>
#include <QStringList>
#include <span>

namespace orsalimbra::ui {

inline constexpr int kEditorColumn = 20;

// Characters of a display line before its line break: 20 x entryCount + 18.
// A negative count is taken as 0.
int EditorLineWidth(int entryCount);

// Width a file line of `length` characters is filled to. A line longer than
// the table keeps all its characters and is filled to the next multiple of 20
// minus 2, so that with its CR LF it still ends on a column boundary.
int FilledLength(int length, int entryCount);

// Lines of decoded file text: CR LF, a lone CR and a lone LF each end a line,
// and a line break at the very end does not start another (empty) line.
QStringList SplitFileLines(const QString& text);

// The text the editor opens with: each file line without its trailing blanks
// (code 32 only), filled with blanks by FilledLength, each followed by '\n'.
QString FillColumns(const QStringList& fileLines, int entryCount);

// Editor text keeps '\n' as its only line break; the file has CR LF.
QString ToEditorText(const QString& fileText);
QString ToFileText(const QString& editorText);

struct TextCaret {
  int line = 0;
  int column = 0;
  friend bool operator==(const TextCaret&, const TextCaret&) = default;
};

// `lineLengths` holds the length of every line of the editor's document,
// breaks excluded; `caret` must lie within it.
//
// Tab: the caret moves to the next position of the whole text that is a
// multiple of 20, where each line break counts as the two characters CR LF it
// has in the file. On a filled table that is the next column of the line, and
// after the last column the start of the next line. A stop that falls between
// the CR and the LF of a break moves on to the start of the next line, so Tab
// always advances; a stop beyond the text puts the caret at its end.
TextCaret NextTabStop(std::span<const int> lineLengths, TextCaret caret);

// Enter: end of the current line and one position further, i.e. the start of
// the next line; on the last line, its end.
TextCaret NextLineStart(std::span<const int> lineLengths, TextCaret caret);

}  // namespace orsalimbra::ui
