#pragma once

#include <QString>
#include <string>
#include <vector>

namespace pm {

// The lines of a deck as bytes, read once and handed out one at a time.
class DeckReader {
 public:
  // Opens the deck (name through StripQuotes and the path resolver).
  // Returns 0 or the errno (2 for a missing file).
  int Open(const QString& fileName);
  void Close();
  bool AtEnd() const { return !open_ || next_ >= lines_.size(); }
  // The next line without its line end; false at the end.
  bool Next(std::string* line);
  // Every line of the deck; only until the first Next.
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
  size_t next_ = 0;
  bool open_ = false;
};

struct MarkerLine {
  bool readable = false;  // the deck could be read
  bool found = false;     // a line of the first 5 holds "*PLENZO"
  bool maximize = false;  // "*PLENZO MAXIMIZE"
};

// Looks for the marker line in the first 5 lines of a deck.
MarkerLine FindMarkerLine(const QString& fileName);

// FindMarkerLine, and the message for a ".PZD" deck without the marker.
// Returns whether the marker asked for a maximized window.
bool CheckMarkerLine(const QString& fileName);

}  // namespace pm
