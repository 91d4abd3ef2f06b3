// formdump [--source] DECK
// Reads DECK into a form window headless and prints its dump: the messages
// shown, ParseErrorState, the slots, tabs and pages with their elements,
// and the ASSIGN files. --source opens it with a Source tab first.
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
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--source") == 0) {
      options.withSource = true;
    } else if (!deck) {
      deck = argv[i];
    } else {
      deck = nullptr;
      break;
    }
  }
  if (!deck) {
    std::fputs("usage: formdump [--source] DECK\n", stderr);
    return 2;
  }
  const QByteArray dump = pm::DumpDeck(QString::fromLocal8Bit(deck), options).toUtf8();
  std::fwrite(dump.constData(), 1, static_cast<size_t>(dump.size()), stdout);
  return 0;
}
