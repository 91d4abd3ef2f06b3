#pragma once

#include "formdeck/formhost.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace pm::fuzz {

// A QApplication on the offscreen platform, made once, for targets that
// build widgets; and a scratch folder that lives for the whole run.
void EnsureApplication();
QString ScratchFolder();

// Writes the fuzzer's input to `path`; false when it could not be written.
bool WriteInput(const QString& path, const uint8_t* data, size_t size);

// A main window that asks nothing of the form.
class NullHost final : public FormHost {
 public:
  void UpdateMenu() override {}
  void SetActiveChild(QObject*) override {}
  void CloseResultsReport() override {}
  void ShowHelpContext(int) override {}
  ParseProgress* Progress() override { return nullptr; }
  void SetUndoEnabled(bool) override {}
  void ClearInputModified() override {}
};

}  // namespace pm::fuzz
