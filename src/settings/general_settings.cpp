#include "settings/general_settings.h"

namespace velquist {

GeneralSettings general;

}  // namespace velquist
