// pramo-cli id1 xml: writes the ID-1 return of a header as its XML file.

#include <iostream>

#include "cli/command.h"
#include "cli/data_dir.h"
#include "cli/output.h"
#include "cli/options.h"
#include "reports/id1/id1_xml.h"

namespace pramo::cli {
namespace {

struct Options {
    std::int32_t header = 0;
    BooksArgs books;
    std::string outDir;
};

std::optional<std::string> parse(const std::vector<std::string>& args, Options& o) {
    if (args.empty() || args[0] != "xml") return "navedite što napraviti: id1 xml --header N";
    CommandLine line;
    if (auto problem = readCommandLine(args, 1, {.valued = {"--header", "--data", "--database", "--out"}}, line)) return problem->text();
    if (!line.has("--header")) return "id1 xml traži --header N";
    o.books = booksArgs(line.values);
    o.outDir = line.value("--out");
    const auto header = positiveNumber(line.value("--header"));
    if (!header) return "--header traži broj ID-1 obrasca od 1 nadalje, a ne '" + line.value("--header") + "'";
    o.header = *header;
    return std::nullopt;
}

int id1(const std::vector<std::string>& args) {
    Options o;
    if (auto problem = parse(args, o)) return refused("id1", *problem);
    DataDir data;
    if (auto problem = openDataDir(o.books, false, data)) return refused("id1", *problem);
    if (!openFiles(data, id1XmlFiles())) {
        std::cerr << "pramo-cli id1: ništa nije zapisano: datoteka " << data.unusable->name << " se ne može otvoriti\n";
        return ExitBadInput;
    }
    const Id1XmlOutcome out = writeId1Xml(data.files, o.header, o.outDir.empty() ? data.dir : o.outDir);
    for (const MessageBox& note : out.notes) data.messages.ask(note);
    if (!out.written()) {
        std::cerr << "pramo-cli id1: ništa nije zapisano: " << out.poruka << "\n";
        return ExitBadInput;
    }
    return printSaved(out.path + "\n", "XML datoteka " + out.path + " je zapisana");
}

const Registration registration{
    {"id1",
     fixedUsage("  id1 xml --header N [--data DIR] [--database URI] [--out DIR]\n"
                "      zapisuje ID-1 obrazac N kao ID-1_<OIB isplatitelja>_01.xml u mapu DIR (zadano: mapa\n"
                "      podataka) i ispisuje njezinu putanju"),
     id1}};

}  // namespace
}  // namespace pramo::cli
