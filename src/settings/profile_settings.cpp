#include "settings/profile_settings.h"

namespace velquist {

ProfileSettings profile;

}  // namespace velquist
