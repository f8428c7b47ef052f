#include "ratios.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>

extern char** environ;

namespace pramo {
namespace {

// Keeps the CPU time per iteration of every run beside what the console shows. A run timed by
// hand (another program's CPU time) reports it as its time.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.run_type != Run::RT_Iteration || r.iterations == 0 || r.error_occurred) continue;
            std::string name = r.benchmark_name();
            const bool manual = name.ends_with("/manual_time");
            if (manual) name.resize(name.size() - std::string("/manual_time").size());
            const double total = manual ? r.real_accumulated_time : r.cpu_accumulated_time;
            seconds[name] = total / static_cast<double>(r.iterations);
        }
    }
    std::map<std::string, double> seconds;
};

void printRatios(const RatioReporter& reporter, const std::vector<Ratio>& ratios) {
    bool first = true;
    for (const Ratio& r : ratios) {
        const auto n = reporter.seconds.find(r.numerator), d = reporter.seconds.find(r.denominator);
        if (n == reporter.seconds.end() || d == reporter.seconds.end() || d->second <= 0) continue;
        if (first) std::printf("\nRatios of time per run (CPU time; wall time for runs timed by hand), from this run:\n");
        first = false;
        const double ratio = n->second / d->second / r.per;
        std::printf("  %-62s %6.3f   aim <= %.2f   %s\n", r.label.c_str(), ratio, r.atMost,
                    ratio <= r.atMost ? "met" : "NOT MET");
    }
}

// Starts `args` with its output thrown away and what it says on stderr going to `said`.
bool spawnQuiet(std::vector<char*>& args, int said, pid_t& pid) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, said, STDERR_FILENO);
    const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0;
}

void showSaid(const char* program, int said) {
    std::fprintf(stderr, "%s failed:\n", program);
    char buffer[4096];
    lseek(said, 0, SEEK_SET);
    for (ssize_t n; (n = read(said, buffer, sizeof buffer)) > 0;) std::fwrite(buffer, 1, static_cast<std::size_t>(n), stderr);
}

double seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

}  // namespace

int runWithRatios(int argc, char** argv, const std::vector<Ratio>& ratios) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatios(reporter, ratios);
    benchmark::Shutdown();
    return 0;
}

// What the program says is kept in a file and shown only when it fails (xmllint says "validates"
// every time).
double childCpuSeconds(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    char saidPath[] = "/tmp/pramo-bench-child-XXXXXX";
    const int said = mkstemp(saidPath);
    if (said < 0) return -1;
    pid_t pid = 0;
    int status = 0;
    rusage used{};
    const bool ran = spawnQuiet(args, said, pid) && wait4(pid, &status, 0, &used) == pid && WIFEXITED(status) &&
                     WEXITSTATUS(status) == 0;
    if (!ran) showSaid(args[0], said);
    close(said);
    unlink(saidPath);
    return ran ? seconds(used.ru_utime) + seconds(used.ru_stime) : -1;
}

bool timeChildren(benchmark::State& state, const std::vector<std::vector<std::string>>& programs, const char* what) {
    double cpu = 0;
    for (const auto& argv : programs) {
        const double used = childCpuSeconds(argv);
        if (used < 0) {
            state.SkipWithError(what);
            return false;
        }
        cpu += used;
    }
    state.SetIterationTime(cpu);
    return true;
}

}  // namespace pramo
