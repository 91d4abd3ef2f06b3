#pragma once

#include <QString>

namespace pm {

class TPlenzoForm;

struct DumpOptions {
  bool withSource = false;  // the opener adds a Source tab first
  int unitSystem = 2;       // the form is shown in: 1 SI, 2 inch-pound (as after start-up)
  QString saveAs;           // not empty: the form is written back there after loading
};

// Opens a deck in a fresh form window through the real parser, with a
// dialog service that records every message and answers with the default
// button, and gives the stable text dump that tests compare. The deck is
// named by its folder and file name, read from the folder above. Needs a
// QApplication (offscreen will do).
QString DumpDeck(const QString& deckPath, const DumpOptions& options = {});

// The dump of a form as it stands; messages are the caller's.
QString DumpForm(const TPlenzoForm& form);

}  // namespace pm
