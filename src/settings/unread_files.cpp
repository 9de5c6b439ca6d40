#include "settings/unread_files.h"

namespace velquist {

UnreadFiles unread;

}  // namespace velquist
