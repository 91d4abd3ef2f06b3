#include "common/globals.h"

namespace pm {

Globals& G() {
  static Globals globals;
  return globals;
}

}  // namespace pm
