// formdump [--source] [--si | --ip] [--save FILE] DECK
// Reads DECK into a form window headless and prints its dump: the messages
// shown, ParseErrorState, the slots, tabs and pages with their elements,
// and the ASSIGN files. --source opens it with a Source tab first; --si and
// --ip choose the unit system the form is shown in (SI when neither);
// --save writes the form back to FILE after loading, as File/Save as does
// (FILE may be DECK itself, which then keeps its backup).
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "formdeck/ui/formdump.h"
#include "platform/ui/fonts.h"

int main(int argc, char* argv[]) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  pm::RegisterFontSubstitutes();
  pm::DumpOptions options;
  const char* deck = nullptr;
  bool usage = false;
  for (int i = 1; i < argc && !usage; ++i) {
    if (std::strcmp(argv[i], "--source") == 0) {
      options.withSource = true;
    } else if (std::strcmp(argv[i], "--si") == 0) {
      options.unitSystem = 1;
    } else if (std::strcmp(argv[i], "--ip") == 0) {
      options.unitSystem = 2;
    } else if (std::strcmp(argv[i], "--save") == 0 && i + 1 < argc) {
      options.saveAs = QString::fromLocal8Bit(argv[++i]);
    } else if (!deck && argv[i][0] != '-') {
      deck = argv[i];
    } else {
      usage = true;
    }
  }
  if (!deck || usage) {
    std::fputs("usage: formdump [--source] [--si | --ip] [--save FILE] DECK\n", stderr);
    return 2;
  }
  const QByteArray dump = pm::DumpDeck(QString::fromLocal8Bit(deck), options).toUtf8();
  std::fwrite(dump.constData(), 1, static_cast<size_t>(dump.size()), stdout);
  return 0;
}
