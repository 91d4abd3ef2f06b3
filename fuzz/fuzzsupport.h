#pragma once

#include <QString>

namespace pm::fuzz {

// A QApplication on the offscreen platform, made once, for targets that
// build widgets; and a scratch folder that lives for the whole run.
void EnsureApplication();
QString ScratchFolder();

}  // namespace pm::fuzz
