#include "formdeck/ui/plenzoform.h"

namespace pm {

void TPlenzoForm::Print() {}

}  // namespace pm
