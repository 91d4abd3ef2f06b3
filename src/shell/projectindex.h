#pragma once

#include <QString>

#include <string>
#include <vector>

namespace pm {

// One entry of a project index: the deck, its picture and its help file,
// each as written in the index (empty when the entry names none).
struct myObject {
  QString Deck;
  QString Picture;
  QString Help;
  friend bool operator==(const myObject&, const myObject&) = default;
};

struct ProjectIndexEntry {
  QString Text;  // shown in the list
  myObject Object;
  friend bool operator==(const ProjectIndexEntry&, const ProjectIndexEntry&) = default;
};

// A ".IDX" file: three title lines, then pairs of lines (the entry text, the
// data line) to the end. A missing last data line leaves an empty Deck.
struct ProjectIndex {
  QString Titles[3];
  std::vector<ProjectIndexEntry> Entries;
};

// The data line's fields: leading blanks dropped and every comma made a
// blank, Deck is the first word, Picture the next, Help the rest trimmed.
myObject SplitIndexDataLine(const QString& line);

// Lines as bytes (Windows-1252), as ReadTextLines gives them.
ProjectIndex ParseProjectIndex(const std::vector<std::string>& lines);

// The index file by its name as given (quotes allowed); a file that cannot
// be read gives empty titles and no entries.
ProjectIndex ReadProjectIndex(const QString& indexFile);

// The file an entry's name stands for: quotes, "\" and a drive letter as
// the path resolver takes them, relative to the index file's folder unless
// absolute, then resolved without regard to case. Empty for an empty name.
// The one path of the entry for its existence test and for its open.
QString ResolveIndexName(const QString& name, const QString& indexFile);

}  // namespace pm
