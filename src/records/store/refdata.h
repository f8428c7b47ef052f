#pragma once
// The files delivered with the program (everything under data/ in the sources: reference tables,
// code books, XML schemas). They are read at run time from the program's shared data directory:
// <program's directory>/../share/pramo when installed (/usr/bin/pramo reads /usr/share/pramo), or
// <program's directory>/share/pramo in the build tree, which the build links to data/. Newer
// contents of the same files are read without building the program again.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pramo::refdata {

// Every file delivered, by its path under data/ ("pozicije.tsv", "xsd/joppd/ObrazacJOPPD-v1-1.xsd").
// Made by the build from data/, so a file missing from an installation is noticed, not skipped.
std::span<const std::string_view> deliveredFiles();
bool delivered(std::string_view name);

// Where the delivered files are looked for by a program in `programDir`, in order.
std::vector<std::filesystem::path> candidateDirectories(const std::filesystem::path& programDir);

// The first candidate of `programDir` that is a directory; nullopt when none is.
std::optional<std::filesystem::path> directoryFor(const std::filesystem::path& programDir);

// The directory of the running program (from /proc/self/exe).
std::filesystem::path programDirectory();

// One delivered file as read: its text, or why it could not be read.
struct FileText {
    std::string_view text;
    std::string problem;  // "cannot read /usr/share/pramo/pozicije.tsv: No such file or directory"
    int error = 0;        // the system's error number, 0 when there is none

    bool ok() const { return problem.empty(); }
};

// A delivered file by its name, read from the running program's shared data directory once per
// run and kept for the run (the text stays valid to the end). A name that is not delivered, a
// missing directory and an unreadable file each answer a problem.
FileText read(std::string_view name);

}  // namespace pramo::refdata
