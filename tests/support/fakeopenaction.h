#pragma once

#include <QList>
#include <QUrl>

#include "platform/openaction.h"

namespace pm::test {

// Records every open request and answers with the result the test chose;
// installed for the lifetime of the object.
class FakeOpenAction final : public OpenAction {
 public:
  explicit FakeOpenAction(bool result = true) : result_(result) { previous_ = setOpenAction(this); }
  ~FakeOpenAction() override { setOpenAction(previous_); }
  FakeOpenAction(const FakeOpenAction&) = delete;
  FakeOpenAction& operator=(const FakeOpenAction&) = delete;

  bool open(const QUrl& target) override {
    opened_ << target;
    return result_;
  }
  void setResult(bool result) { result_ = result; }
  const QList<QUrl>& opened() const { return opened_; }

 private:
  OpenAction* previous_ = nullptr;
  QList<QUrl> opened_;
  bool result_;
};

}  // namespace pm::test
