// pe_imports: lists what a 64-bit Windows image imports and exports, and with --check
// holds Velquist.asi to its import policy (which also wants no link time stamped in), with
// --standalone a program shipped beside it to system DLLs alone.
// Exit status: 0 fine, 1 the policy is broken, 2 the file cannot be read as an image.
#include <cstdio>
#include <string>

#include "tools/import_policy.h"
#include "tools/pe_imports.h"

int main(int argc, char** argv) {
    bool checkPolicy = false, standalone = false;
    std::string file;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--check")
            checkPolicy = true;
        else if (a == "--standalone")
            standalone = true;
        else if (file.empty() && !a.empty() && a[0] != '-')
            file = a;
        else {
            file.clear();  // a bad argument: show the usage
            break;
        }
    }
    if (file.empty()) {
        std::fputs(
            "usage: pe_imports [--check | --standalone] IMAGE\n"
            "  Lists the image's imports and exports; --check holds it to the\n"
            "  plug-in's import policy, --standalone to system DLLs alone.\n",
            stderr);
        return 2;
    }
    pe::Image image;
    std::string error;
    if (!pe::readImageFile(file, image, error)) {
        std::fprintf(stderr, "pe_imports: %s: %s\n", file.c_str(), error.c_str());
        return 2;
    }
    if (!checkPolicy && !standalone) {
        for (const auto& dll : image.dlls) {
            std::printf("%s%s\n", dll.name.c_str(), dll.delayed ? " (delay-loaded)" : "");
            for (const auto& imp : dll.imports) {
                if (imp.byOrdinal)
                    std::printf("  #%u\n", imp.ordinal);
                else
                    std::printf("  %s\n", imp.name.c_str());
            }
        }
        for (const auto& name : image.exports)
            std::printf("export %s\n", name.c_str());
        return 0;
    }
    const auto problems = standalone ? import_policy::checkStandalone(image)
                                     : import_policy::check(image, import_policy::shippedPolicy());
    for (const auto& p : problems)
        std::printf("%s: %s\n", file.c_str(), p.c_str());
    if (!problems.empty()) return 1;
    size_t count = 0;
    for (const auto& dll : image.dlls)
        count += dll.imports.size();
    std::printf("imports ok: %zu functions from %zu DLLs%s\n", count, image.dlls.size(),
                standalone ? ", all of them system DLLs" : ", no exports");
    return 0;
}
