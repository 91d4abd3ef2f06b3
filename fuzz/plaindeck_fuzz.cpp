#include "fuzzsupport.h"

#include "authoring/deckwriter.h"
#include "authoring/plaindeck.h"
#include "common/deckconstants.h"

#include <QByteArray>
#include <QDir>

#include <cstddef>
#include <cstdint>

// A plain deck and a component description file in one input, split at the
// first "\n====\n"; the file stands for the types the seeds use. The deck
// is read as the deck maker reads it, written back as a Plenzo deck with
// every item chosen (with the simulation card and without), and read as a
// Plenzo deck for its constants. Messages go to the silent dialog service.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  pm::fuzz::EnsureApplication();
  static const QString folder = pm::fuzz::ScratchFolder();
  static const bool made = QDir().mkpath(folder + QStringLiteral("/engine/INFO"));
  if (!made) return 0;
  const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const qsizetype split = input.indexOf("\n====\n");
  const QByteArray deck = split < 0 ? input : input.left(split);
  const QByteArray info = split < 0 ? QByteArray() : input.mid(split + 6);
  const QString deckPath = folder + QStringLiteral("/plain.dck");
  if (!pm::fuzz::WriteInput(deckPath, reinterpret_cast<const uint8_t*>(deck.constData()),
                            static_cast<size_t>(deck.size())))
    return 0;
  for (const char* type : {"4", "16", "30", "32", "70"}) {
    const QString path = folder + QStringLiteral("/engine/INFO/TYPE") + QLatin1String(type) + QStringLiteral(".INF");
    if (!pm::fuzz::WriteInput(path, reinterpret_cast<const uint8_t*>(info.constData()),
                              static_cast<size_t>(info.size())))
      return 0;
  }
  pm::PlainDeck plain;
  if (pm::MakeDeck(deckPath, folder + QStringLiteral("/engine"), &plain)) {
    for (pm::TUnitInfo& u : plain.UnitsList) {
      for (pm::TUnitItem& i : u.ParamItems) i.Selected = true;
      for (pm::TUnitItem& i : u.InputItems) i.Selected = true;
    }
    for (const bool card : {true, false}) {
      pm::PlainDeck copy = plain;
      (void)pm::WritePlenzoDeck(folder + QStringLiteral("/new.pzd"), copy, folder + QStringLiteral("/engine"),
                                pm::DeckIncludes{true, card});
    }
  }
  pm::ReadDeckConstants(deckPath);
  pm::PEQList().reset();
  return 0;
}
