#include "cli/options.h"

#include <charconv>

#include "cli/words.h"
#include "records/values/unicode.h"

namespace pramo::cli {

std::string OptionProblem::text() const {
    switch (kind) {
    case Kind::NoValue: return argument + " traži vrijednost";
    case Kind::Twice: return argument + " je zadan dvaput";
    case Kind::NotUtf8: return notUtf8(argument);
    case Kind::Unknown: break;
    }
    return "neočekivani argument '" + visibleUtf8(argument) + "'";
}

std::string CommandLine::value(const std::string& option) const {
    const auto it = values.find(option);
    return it == values.end() ? std::string() : it->second;
}

namespace {

OptionProblem refused(OptionProblem::Kind kind, const std::string& argument) { return {kind, argument}; }

}  // namespace

std::optional<OptionProblem> readCommandLine(const std::vector<std::string>& args, std::size_t from,
                                             const OptionRules& rules, CommandLine& out) {
    using Kind = OptionProblem::Kind;
    for (std::size_t i = from; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!isValidUtf8(a)) return refused(Kind::NotUtf8, a);
        if (rules.flags.contains(a)) {
            if (!out.flags.insert(a).second) return refused(Kind::Twice, a);
        } else if (rules.valued.contains(a)) {
            if (i + 1 == args.size() || args[i + 1].empty() || args[i + 1].starts_with("--")) return refused(Kind::NoValue, a);
            if (!isValidUtf8(args[i + 1])) return refused(Kind::NotUtf8, args[i + 1]);
            if (!out.values.emplace(a, args[++i]).second) return refused(Kind::Twice, a);
        } else if (a.empty() || a.starts_with("-") || out.words.size() == rules.words) {
            return refused(Kind::Unknown, a);
        } else {
            out.words.push_back(a);
        }
    }
    return std::nullopt;
}

std::optional<std::int32_t> positiveNumber(const std::string& text) {
    std::int32_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc{} || end != text.data() + text.size() || v < 1) return std::nullopt;
    return v;
}

}  // namespace pramo::cli
