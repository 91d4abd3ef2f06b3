#pragma once

#include <string>
#include <vector>

namespace pm {

// Reads the lines of a file in order; at the end every read fails, so no
// loop can run on past it.
class LineCursor {
 public:
  explicit LineCursor(const std::vector<std::string>& lines) : lines_(lines) {}
  bool Next(std::string* line) {
    if (next_ >= lines_.size()) return false;
    *line = lines_[next_++];
    return true;
  }
  bool AtEnd() const { return next_ >= lines_.size(); }

 private:
  const std::vector<std::string>& lines_;
  size_t next_ = 0;
};

}  // namespace pm
