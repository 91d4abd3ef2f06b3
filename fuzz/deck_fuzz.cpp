#include "fuzzsupport.h"

#include "common/globals.h"
#include "formdeck/formhost.h"
#include "formdeck/ui/plenzoform.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <memory>

// A deck in, the form built headless with every control, and thrown away.
// Messages go to the silent dialog service.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  pm::fuzz::EnsureApplication();
  static pm::fuzz::NullHost host;
  static const QString path = pm::fuzz::ScratchFolder() + QStringLiteral("/deck.pzd");
  if (!pm::fuzz::WriteInput(path, data, size)) return 0;
  pm::G().ParseErrorState = 0;
  auto form = std::make_unique<pm::TPlenzoForm>(&host);
  form->ClearTabs();
  form->AddSourceTab();
  form->ReadDeck(path);
  form.reset();
  pm::G().AssignFileList.clear();
  return 0;
}
