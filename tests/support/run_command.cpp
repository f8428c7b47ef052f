#include "support/run_command.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <sstream>

#include "support/temp_dir.h"

namespace pramo::test {

namespace {

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

CommandResult runCommand(const std::string& program, const std::vector<std::string>& args, const std::string& cwd,
                         RunLimits limits) {
    TempDir capture;
    const std::string outPath = capture.file("out"), errPath = capture.file("err");
    const pid_t pid = fork();
    if (pid == 0) {
        if (!cwd.empty() && chdir(cwd.c_str()) != 0) _exit(127);
        const char* out = limits.stdoutFull ? "/dev/full" : outPath.c_str();
        if (!freopen(out, "w", stdout) || !freopen(errPath.c_str(), "w", stderr)) _exit(127);
        if (limits.fileSizeBytes > 0) {
            const rlimit size{static_cast<rlim_t>(limits.fileSizeBytes), static_cast<rlim_t>(limits.fileSizeBytes)};
            if (std::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || setrlimit(RLIMIT_FSIZE, &size) != 0) _exit(127);
        }
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    CommandResult r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = slurp(outPath);
    r.err = slurp(errPath);
    return r;
}

std::string pdfText(const std::string& path) { return runCommand("/usr/bin/pdftotext", {"-layout", path, "-"}).out; }

std::string pdfBytesWithoutDate(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto at = bytes.find("/CreationDate (");
    if (at != std::string::npos) bytes.erase(at, bytes.find(')', at) - at);
    return bytes;
}

}  // namespace pramo::test
