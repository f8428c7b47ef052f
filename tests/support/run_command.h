#pragma once
// Runs a program for a test and captures what it printed.

#include <string>
#include <vector>

namespace pramo::test {

struct CommandResult {
    int exitCode = -1;
    std::string out;  // standard output
    std::string err;  // standard error
};

// Limits the program runs under; 0 is no limit.
struct RunLimits {
    long fileSizeBytes = 0;  // RLIMIT_FSIZE; a write beyond it fails (SIGXFSZ is ignored)
    bool stdoutFull = false;  // standard output is /dev/full: every write to it fails, nothing else does
};

// Runs `program` with `args` (no shell involved) in directory `cwd` (empty: the current one).
CommandResult runCommand(const std::string& program, const std::vector<std::string>& args,
                         const std::string& cwd = {}, RunLimits limits = {});

// The text of a PDF file as `pdftotext -layout` gives it, pages separated by form feeds.
std::string pdfText(const std::string& path);

// The bytes of a PDF file but its creation date, for comparing two files made at other times.
std::string pdfBytesWithoutDate(const std::string& path);

}  // namespace pramo::test
