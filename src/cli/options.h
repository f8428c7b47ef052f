#pragma once
// The one reading of a command's arguments: "--name value" options, each allowed once, flags
// without a value, and a few plain words (a report's name, a file). Every command reads its line
// through it, so an unknown option, an option without its value and a repeated option are refused
// alike everywhere.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace pramo::cli {

// What a command accepts.
struct OptionRules {
    std::set<std::string> valued;      // options followed by their value
    std::set<std::string> flags = {};  // options standing alone
    std::size_t words = 0;             // plain words allowed, in the order given
};

// Why a command line is not acceptable, naming the argument.
struct OptionProblem {
    enum class Kind { Unknown, NoValue, Twice, NotUtf8 };
    Kind kind = Kind::Unknown;
    std::string argument;

    std::string text() const;  // "neočekivani argument '--x'", "--pdf traži vrijednost", "--pdf je zadan dvaput"
};

// A command line as read.
struct CommandLine {
    std::vector<std::string> words;
    std::map<std::string, std::string> values;
    std::set<std::string> flags;

    bool has(const std::string& option) const { return values.contains(option) || flags.contains(option); }
    // The option's value; empty when it is not given.
    std::string value(const std::string& option) const;
};

// Reads `args` from `from` on. A value may not be empty nor start with "--" (a file or directory
// named so is written ./--name); a word starting with "-" is taken as an unknown option, and an
// empty word is refused. Every argument must be UTF-8 text: a file name that is not would be
// written under another name, and a value that is not would be stored unreadable.
std::optional<OptionProblem> readCommandLine(const std::vector<std::string>& args, std::size_t from,
                                             const OptionRules& rules, CommandLine& out);

// A whole number from 1 up, as typed for a record's number; nothing when the text is not one.
std::optional<std::int32_t> positiveNumber(const std::string& text);

}  // namespace pramo::cli
