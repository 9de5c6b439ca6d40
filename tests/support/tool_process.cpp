#include "support/tool_process.h"

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "support/temp_files.h"

namespace tool_process {

namespace {

std::string quoted(const std::string& word) {
    std::string out = "'";
    for (char c : word)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

}  // namespace

Result run(const std::vector<std::string>& args, const std::vector<std::string>& environment,
           int seconds) {
    return runProgram(VELQUIST_SIM, args, environment, seconds);
}

Result runProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::vector<std::string>& environment, int seconds) {
    const temp_files::Folder work;
    const std::filesystem::path errors = work.path() / "stderr.txt";
    std::string command;
    for (const std::string& e : environment)
        command += quoted(e) + " ";
    if (seconds > 0) command += "timeout -s KILL " + std::to_string(seconds) + " ";
    command += quoted(program);
    for (const std::string& a : args)
        command += " " + quoted(a);
    // Input from nowhere: nothing run here waits on a terminal.
    command += " </dev/null 2>" + quoted(errors.string());
    Result result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.out.append(buffer, n);
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.errors = temp_files::readFile(errors);
    return result;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        out.push_back(line);
    return out;
}

}  // namespace tool_process
