#include "robustness/checked_run.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace trace_check {

namespace {

constexpr size_t keptErrorBytes = 64 * 1024;

}  // namespace

std::string RunOutcome::describe() const {
    if (!started) return "the simulator could not be started";
    if (signal == SIGALRM) return "the simulator ran out of time (a hang?)";
    if (signal != 0) return std::string("the simulator was killed by ") + strsignal(signal);
    return "the simulator exited with status " + std::to_string(exitCode);
}

RunOutcome runChecked(const std::string& sim, const std::vector<std::string>& args,
                      unsigned timeoutSeconds, Checker& checker,
                      const std::vector<std::string>& environment) {
    RunOutcome outcome;
    int tracePipe[2], errorPipe[2];
    if (pipe(tracePipe) != 0) return outcome;
    if (pipe(errorPipe) != 0) {
        close(tracePipe[0]);
        close(tracePipe[1]);
        return outcome;
    }
    std::vector<std::string> words = {sim, "run"};
    words.insert(words.end(), args.begin(), args.end());
    words.push_back("--trace");
    words.push_back("-");
    std::vector<std::string> settings = environment;
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child < 0) {
        for (int fd : {tracePipe[0], tracePipe[1], errorPipe[0], errorPipe[1]})
            close(fd);
        return outcome;
    }
    if (child == 0) {
        dup2(tracePipe[1], STDOUT_FILENO);
        dup2(errorPipe[1], STDERR_FILENO);
        for (int fd : {tracePipe[0], tracePipe[1], errorPipe[0], errorPipe[1]})
            close(fd);
        for (std::string& setting : settings)
            putenv(setting.data());
        // The alarm survives exec: a simulator that hangs is ended by it.
        alarm(timeoutSeconds);
        execv(argv[0], argv.data());
        _exit(127);
    }
    outcome.started = true;
    close(tracePipe[1]);
    close(errorPipe[1]);
    // Standard error is read without blocking between trace lines, so a child that
    // writes much of it never stalls on a full pipe.
    fcntl(errorPipe[0], F_SETFL, fcntl(errorPipe[0], F_GETFL) | O_NONBLOCK);
    auto drainErrors = [&] {
        char buf[4096];
        ssize_t n;
        while ((n = read(errorPipe[0], buf, sizeof buf)) > 0)
            if (outcome.errors.size() < keptErrorBytes)
                outcome.errors.append(buf, static_cast<size_t>(n));
    };
    std::FILE* trace = fdopen(tracePipe[0], "rb");
    char* line = nullptr;
    size_t capacity = 0;
    ssize_t n;
    uint64_t count = 0;
    while ((n = getline(&line, &capacity, trace)) >= 0) {
        size_t len = static_cast<size_t>(n);
        if (len > 0 && line[len - 1] == '\n') --len;
        checker.line(std::string_view(line, len));
        if (++count % 4096 == 0) drainErrors();
    }
    std::free(line);
    std::fclose(trace);
    checker.finish();

    int status = 0;
    for (;;) {
        drainErrors();
        const pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child) break;
        if (done < 0) {
            outcome.started = false;
            break;
        }
        usleep(2000);
    }
    fcntl(errorPipe[0], F_SETFL, fcntl(errorPipe[0], F_GETFL) & ~O_NONBLOCK);
    drainErrors();
    close(errorPipe[0]);
    if (WIFEXITED(status)) outcome.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) outcome.signal = WTERMSIG(status);
    return outcome;
}

}  // namespace trace_check
