#include "plots/plotmodel.h"

namespace pm {

TPlotSettings& PlotBuffer() {
  static TPlotSettings buffer;
  return buffer;
}

long double& PlotScale() {
  static long double scale = 1.0L;
  return scale;
}

}  // namespace pm
