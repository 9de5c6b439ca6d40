// ini-conformance-probe: runs the conformance corpus through the platform's private-profile
// functions (kernel32 in the Windows build, the portable functions elsewhere) and writes
// every result and every resulting file as text, for comparison between the two builds.
//
//   ini-conformance-probe WORK_FOLDER OUTPUT_FILE [SEED COUNT]
//
// With SEED and COUNT it runs COUNT random cases made up from SEED instead of the corpus.
// WORK_FOLDER must exist and be empty; each case gets a folder of its own inside it.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "conformance_corpus.h"
#include "host/platform.h"

namespace fs = std::filesystem;
using namespace ini_conformance;

namespace {

// Printable ASCII stays; every other byte, backslash and quote become \xHH.
std::string escaped(const std::string& bytes) {
    std::string out = "\"";
    for (const unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7f && c != '\\' && c != '"') {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    return out + "\"";
}

std::string shown(const std::optional<std::string>& s) {
    return s ? escaped(*s) : "null";
}
const char* arg(const std::optional<std::string>& s) {
    return s ? s->c_str() : nullptr;
}

// The backslash form of a path, as the plug-in passes paths.
std::string pluginPath(const fs::path& p) {
    std::string s = p.string();
    for (char& c : s)
        if (c == '/') c = '\\';
    return s;
}

std::string runOperation(const Operation& op, const std::string& path) {
    using namespace velquist::platform;
    std::string line;
    switch (op.kind) {
        case Operation::readInt: {
            const uint32_t r =
                getPrivateProfileInt(arg(op.section), arg(op.key), op.number, path.c_str());
            line = "int " + shown(op.section) + " " + shown(op.key) + " " +
                   std::to_string(op.number) + " -> " + std::to_string(r);
            break;
        }
        case Operation::readText: {
            // Guard bytes behind the destination show whatever is written past its end.
            constexpr size_t guard = 4;
            std::string buf(op.size + guard, '#');
            const uint32_t r = getPrivateProfileString(arg(op.section), arg(op.key), arg(op.text),
                                                       buf.data(), op.size, path.c_str());
            line = "text " + shown(op.section) + " " + shown(op.key) + " " + shown(op.text) + " " +
                   std::to_string(op.size) + " -> " + std::to_string(r) + " " + escaped(buf);
            break;
        }
        case Operation::write: {
            const bool r =
                writePrivateProfileString(arg(op.section), arg(op.key), arg(op.text), path.c_str());
            line = "write " + shown(op.section) + " " + shown(op.key) + " " + shown(op.text) +
                   " -> " + (r ? "1" : "0");
            break;
        }
    }
    return line;
}

std::string describeFile(const fs::path& file) {
    std::error_code ec;
    if (fs::is_directory(file, ec)) return "folder";
    if (!fs::exists(file, ec)) return "missing";
    std::ifstream in(file, std::ios::binary);
    return escaped({std::istreambuf_iterator<char>(in), {}});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: ini-conformance-probe WORK_FOLDER OUTPUT_FILE [SEED COUNT]\n");
        return 2;
    }
    const fs::path work = fs::absolute(argv[1]);
    std::ofstream out(argv[2], std::ios::binary);
    if (!out) {
        std::fprintf(stderr, "ini-conformance-probe: cannot write %s\n", argv[2]);
        return 2;
    }
    const std::vector<Case> cases =
        argc == 5 ? randomCases(std::stoull(argv[3]), std::stoi(argv[4])) : corpus();
    for (const Case& c : cases) {
        const fs::path folder = work / c.name;
        fs::create_directories(folder);
        std::string relative = c.fileName;
        for (char& ch : relative)
            if (ch == '\\') ch = '/';
        const fs::path file = folder / relative;
        if (c.fileIsFolder) fs::create_directories(file);
        if (c.content) std::ofstream(file, std::ios::binary) << *c.content;

        out << "case " << c.name << "\n";
        out << "  before " << (c.content ? escaped(*c.content) : "missing") << "\n";
        const std::string path = pluginPath(file);
        for (const Operation& op : c.operations)
            out << "  " << runOperation(op, path) << "\n";
        out << "  file " << describeFile(file) << "\n";
        // Nothing else may be left behind in the case's folder (a temporary file, say).
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().filename() != file.filename() &&
                entry.path().filename() != fs::path(relative).begin()->filename())
                out << "  leftover " << escaped(entry.path().filename().string()) << "\n";
    }
    return out ? 0 : 1;
}
