// velquist-readme: writes the players' README.txt from its template, with the version and
// the key tables filled in.
//
//     velquist-readme TEMPLATE OUTPUT
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "player_readme.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: velquist-readme TEMPLATE OUTPUT\n", stderr);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "velquist-readme: cannot read %s\n", argv[1]);
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    std::string filled, error;
    const std::map<std::string, std::string> values = {
        {"VERSION", VELQUIST_VERSION},
        {"GENERAL_KEYS", player_readme::generalKeyTable()},
        {"PROFILE_KEYS", player_readme::profileKeyTable()},
    };
    if (!player_readme::fillTemplate(text.str(), values, filled, error)) {
        std::fprintf(stderr, "velquist-readme: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << player_readme::withCrLf(filled);
    if (!out) {
        std::fprintf(stderr, "velquist-readme: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
