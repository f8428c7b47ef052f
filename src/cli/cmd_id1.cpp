// pramo-cli id1 xml: writes the ID-1 return of a header as its XML file.

#include <charconv>
#include <iostream>
#include <map>

#include "cli/command.h"
#include "cli/data_dir.h"
#include "reports/id1/id1_xml.h"

namespace pramo::cli {
namespace {

struct Options {
    std::int32_t header = 0;
    std::string dataDir, outDir;
};

std::optional<std::string> parseHeader(const std::string& text, std::int32_t& out) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    if (ec != std::errc{} || end != text.data() + text.size() || out < 1)
        return "--header takes an ID-1 form number from 1, not '" + text + "'";
    return std::nullopt;
}

std::optional<std::string> parse(const std::vector<std::string>& args, Options& o) {
    if (args.empty() || args[0] != "xml") return "say what to make: id1 xml --header N";
    std::map<std::string, std::string> given;
    for (std::size_t i = 1; i < args.size(); i += 2) {
        const std::string& a = args[i];
        if (a != "--header" && a != "--data" && a != "--out") return "unexpected argument '" + a + "'";
        if (i + 1 >= args.size() || args[i + 1].empty()) return a + " needs a value";
        if (!given.emplace(a, args[i + 1]).second) return a + " is given twice";
    }
    if (!given.contains("--header")) return "id1 xml needs --header N";
    o.dataDir = given["--data"];
    o.outDir = given["--out"];
    return parseHeader(given["--header"], o.header);
}

int id1(const std::vector<std::string>& args) {
    Options o;
    if (auto problem = parse(args, o)) {
        std::cerr << "pramo-cli id1: " << *problem << "\n";
        return ExitBadInput;
    }
    DataDir data;
    if (auto problem = openDataDir(o.dataDir, false, data)) {
        std::cerr << "pramo-cli id1: " << *problem << "\n";
        return ExitBadInput;
    }
    const Id1XmlOutcome out = writeId1Xml(data.files, o.header, o.outDir.empty() ? data.dir : o.outDir);
    if (!out.written()) {
        std::cerr << "pramo-cli id1: nothing written: " << out.problem << "\n";
        return ExitBadInput;
    }
    std::cout << out.path << "\n";
    return ExitOk;
}

const Registration registration{
    {"id1",
     fixedUsage("  id1 xml --header N [--data DIR] [--out DIR]\n"
                "      writes the ID-1 return of form N as ID-1_<payer OIB>_01.xml into DIR (default: the data\n"
                "      directory) and prints its path"),
     id1}};

}  // namespace
}  // namespace pramo::cli
