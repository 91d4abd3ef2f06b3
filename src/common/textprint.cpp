#include "common/textprint.h"

namespace pm {

TextLinesPrinter& PrintTextLines() {
  static TextLinesPrinter printer;
  return printer;
}

}  // namespace pm
