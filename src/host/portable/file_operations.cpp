// The platform seam's file operations outside Windows: probing, copying, renaming and
// deleting a file on a plug-in path, through the same file-system calls as the portable
// private-profile functions (so that faults the tests inject meet both alike).
#include <string>

#include "host/platform.h"
#include "host/portable/file_system.h"
#include "host/portable/portable_platform.h"

namespace velquist::platform {

FileProbe probeFile(const char* path) {
    return portable::fileSystem.probe(portable::toHostPath(path));
}

bool copyFile(const char* from, const char* to) {
    std::string bytes;
    if (portable::fileSystem.read(portable::toHostPath(from), bytes) != portable::FileRead::ok)
        return false;
    return portable::replaceFileContents(portable::toHostPath(to), bytes);
}

bool renameOver(const char* from, const char* to) {
    return portable::fileSystem.rename(portable::toHostPath(from),
                                       portable::followLinks(portable::toHostPath(to)));
}

bool deleteFile(const char* path) {
    return portable::fileSystem.remove(portable::toHostPath(path));
}

}  // namespace velquist::platform
