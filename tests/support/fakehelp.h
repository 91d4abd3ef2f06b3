#pragma once

#include <QFileInfo>
#include <QStringList>

#include "platform/help.h"

namespace pm::test {

// Records the help pages shown, by file name and by whole path, and how
// often the viewer was closed; installed for the lifetime of the object.
class FakeHelp final : public HelpService {
 public:
  FakeHelp() { previous_ = setHelp(this); }
  ~FakeHelp() override { setHelp(previous_); }
  FakeHelp(const FakeHelp&) = delete;
  FakeHelp& operator=(const FakeHelp&) = delete;

  bool showPage(const QString& path) override {
    shown.append(QFileInfo(path).fileName());
    paths.append(path);
    return true;
  }
  void closeViewer() override { ++closed; }

  QStringList shown;
  QStringList paths;
  int closed = 0;

 private:
  HelpService* previous_ = nullptr;
};

}  // namespace pm::test
