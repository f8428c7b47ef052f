#pragma once
// What the command line prints: everything passes through one filter on its way to the terminal,
// and a command whose work is saved says so even when its result cannot be printed.

#include <ostream>
#include <streambuf>
#include <string>

namespace pramo::cli {

// Shows every control character but the line feed and the tab, and every byte that is not UTF-8,
// as "�" on the stream it is installed on (for as long as it lives), so that a name another tool
// stored with an escape sequence never drives the user's terminal. A character cut between two
// writes is passed whole; a failed write of the stream below fails the flush.
class VisibleOutput : public std::streambuf {
public:
    explicit VisibleOutput(std::ostream& stream);
    ~VisibleOutput() override;
    VisibleOutput(const VisibleOutput&) = delete;
    VisibleOutput& operator=(const VisibleOutput&) = delete;

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

private:
    bool pass(bool whole);

    std::ostream& stream_;
    std::streambuf* below_;
    std::string pending_;
};

// Prints `result` on standard output for a command whose work is already saved. When standard
// output cannot take it (a full disk, a closed pipe) the work is not undone: stderr says that
// `saved` ("obrazac JOPPD 5 je spremljen") and the answer is ExitSavedNotShown, else ExitOk.
int printSaved(const std::string& result, const std::string& saved);

}  // namespace pramo::cli
