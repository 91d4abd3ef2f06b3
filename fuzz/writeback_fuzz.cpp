#include "fuzzsupport.h"

#include "common/globals.h"
#include "formdeck/formhost.h"
#include "formdeck/ui/plenzoform.h"
#include "platform/textfile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

// Reads a deck into a fresh headless form; true when the parse succeeded.
bool Parse(const QString& path, std::unique_ptr<pm::TPlenzoForm>* form) {
  static pm::fuzz::NullHost host;
  pm::G().ParseErrorState = 0;
  pm::G().AssignFileList.clear();
  *form = std::make_unique<pm::TPlenzoForm>(&host);
  (*form)->ClearTabs();
  (*form)->ReadDeck(path);
  return pm::G().ParseErrorState == 0;
}

}  // namespace

// Parse, write back to another file, parse that again: a deck that parsed
// must still parse after the form wrote it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  pm::fuzz::EnsureApplication();
  static const QString folder = pm::fuzz::ScratchFolder();
  const QString deck = folder + QStringLiteral("/deck.pzd");
  const QString saved = folder + QStringLiteral("/saved.pzd");
  if (!pm::fuzz::WriteInput(deck, data, size)) return 0;
  pm::RemoveFile(saved);
  std::unique_ptr<pm::TPlenzoForm> form;
  if (!Parse(deck, &form)) return 0;
  form->WriteDeck(saved);
  const bool written = form->SaveSucceeded;
  form.reset();
  if (written && !Parse(saved, &form)) __builtin_trap();
  form.reset();
  return 0;
}
