#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace pm::optavin {

// Free-format ("list-directed") reading of records, as the optimizer's files
// are written: values separated by blanks, commas or the end of a record,
// quoted texts, "r*value" and "r*" repeat counts, empty values between two
// commas, and a "/" that ends the read. One read statement starts at a fresh
// record and may go on over the following records; after it the rest of its
// last record is skipped.
class ListReader {
 public:
  explicit ListReader(const std::vector<std::string>& records, std::size_t first = 0);

  // What one item read gave.
  enum class Item {
    Read,       // the variable got a value
    Unchanged,  // an empty value or a "/" before it: the variable keeps its value
    EndOfFile,  // the records ended before the item
    Bad,        // the text does not fit the variable; see BadText()
  };

  void BeginRead();
  Item ReadText(std::string* value);
  Item ReadInteger(int* value);
  Item ReadReal(double* value);
  // Skips the rest of the record the read ended in.
  void EndRead();

  // The record the reader is in, counted from 1.
  std::size_t RecordNumber() const { return record_ + 1; }
  // The text of the last item that did not fit its variable.
  const std::string& BadText() const { return badText_; }

 private:
  struct Token {
    enum Kind { Value, Null, Slash, Eof, Bad } kind = Eof;
    std::string text;
    bool quoted = false;
  };
  Token next();
  template <typename Parse>
  Item readItem(Parse parse);
  bool readQuoted(std::string* text);
  std::string readBare();

  const std::vector<std::string>& records_;
  std::size_t record_ = 0;
  std::size_t pos_ = 0;
  bool separated_ = true;  // a value separator was passed since the last value
  bool slashed_ = false;
  long repeatLeft_ = 0;
  Token repeated_;
  std::string badText_;
};

// A real in any of the forms a Fortran-era program writes or reads: "1",
// "-1.5", ".5", "5.", "1.5E3", "1.5d-3", "1.5+3" (exponent without letter).
bool ParseFortranReal(const std::string& text, double* value);
// An optional sign and digits, nothing else.
bool ParseInteger(const std::string& text, int* value);

}  // namespace pm::optavin
