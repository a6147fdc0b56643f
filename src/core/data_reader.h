// The tokenizer of the calendar data file. The file is a table in text form:
// section headers "<NAME>", key headers "[key]" and items, separated by
// spaces, with items containing spaces written in double quotes. How tokens
// are spread over lines does not matter, only their order.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orsalimbra::core {

enum class TokenKind {
  Section,  // starts with "<": the name follows
  Key,      // starts with "[": the key follows
  Item,     // anything else, also an empty token
};

// The kind of a token, decided by its first character (after any quotes
// were removed, so a quoted "[x]" is a key header).
TokenKind KindOf(std::string_view token);

// The section name of a section header token: without its "<", in upper case
// (ASCII letters only: the known names are ASCII).
std::string SectionNameOf(std::string_view token);

// The key of a key header token: without its "[", case preserved.
std::string_view KeyOf(std::string_view token);

// The sections the calendar reads; each pair of names are synonyms. Any
// other name is a section of notes, read and ignored.
enum class DataSection {
  Other,
  Languages,          // LINGUA, LINGUE: the list entries are languages
  Countries,          // PAESE, PAESI: the list entries are countries
  Titles,             // TITOLO, TITOLI
  Months,             // MESI
  Weekdays,           // GIORNI
  Holidays,           // FESTE
  SubstituteMarkers,  // SOSTITUTIVO, SOSTITUTIVI
  Pictures            // FOTO
};

// The section of an upper-case section name (SectionNameOf).
DataSection DataSectionOf(std::string_view name);

class DataReader {
 public:
  // `fileBytes` is the whole data file in Windows-1252; the reader works on
  // its UTF-8 decoding. A CR LF, a lone CR and a lone LF each end a line.
  explicit DataReader(std::string_view fileBytes);
  // The views handed out point into the reader's own text.
  DataReader(const DataReader&) = delete;
  DataReader& operator=(const DataReader&) = delete;

  // Splits the next token off the current line, reading further lines (with
  // their surrounding spaces stripped, empty ones skipped) only when the
  // current one is used up. False when the file ended without a token; the
  // token is then empty. A produced token may be empty (an empty quoted
  // item).
  bool ReadDataLine();

  // The last token, and the unread rest of its line (never with spaces at
  // either end). Both stay valid as long as the reader.
  std::string_view DataToken() const { return token_; }
  std::string_view DataLine() const { return line_; }

  // Uses up the rest of the current line.
  void ClearDataLine() { line_ = {}; }

  // The line the last token came from, counted from 1 over every line of
  // the file, empty ones included.
  int DataLineNumber() const { return lineNumber_; }

 private:
  // Next line of the text, false at its end.
  bool NextLine(std::string_view& line);

  std::string text_;
  std::size_t next_ = 0;  // offset of the first unread line in text_
  int lineNumber_ = 0;    // lines read so far
  std::string_view line_;
  std::string_view token_;
};

}  // namespace orsalimbra::core
