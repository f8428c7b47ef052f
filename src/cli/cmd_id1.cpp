// pramo-cli id1 xml: writes the ID-1 return of a header as its XML file.

#include <iostream>

#include "cli/command.h"
#include "cli/data_dir.h"
#include "cli/options.h"
#include "reports/id1/id1_xml.h"

namespace pramo::cli {
namespace {

struct Options {
    std::int32_t header = 0;
    std::string dataDir, outDir;
};

std::optional<std::string> parse(const std::vector<std::string>& args, Options& o) {
    if (args.empty() || args[0] != "xml") return "say what to make: id1 xml --header N";
    CommandLine line;
    if (auto problem = readCommandLine(args, 1, {.valued = {"--header", "--data", "--out"}}, line)) return problem->text();
    if (!line.has("--header")) return "id1 xml needs --header N";
    o.dataDir = line.value("--data");
    o.outDir = line.value("--out");
    const auto header = positiveNumber(line.value("--header"));
    if (!header) return "--header takes an ID-1 form number from 1, not '" + line.value("--header") + "'";
    o.header = *header;
    return std::nullopt;
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
