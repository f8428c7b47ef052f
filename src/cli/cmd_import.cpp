// pramo-cli import: loads the municipality register, the municipal income-tax rates and the
// income types (shipped or from a file) and payees from a spreadsheet, each in one transaction that
// writes everything or nothing, into books made before (an import never makes a data directory: a
// mistyped --data must not leave one behind).

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include "cli/command.h"
#include "cli/data_dir.h"
#include "cli/output.h"
#include "cli/options.h"
#include "records/layouts/banke.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/neoporez.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/stopeopcina.h"
#include "records/layouts/ulice.h"
#include "records/layouts/vbrat.h"
#include "records/layouts/vrstedoh.h"
#include "records/values/unicode.h"
#include "registers/opcine_import.h"
#include "registers/osobe_import.h"
#include "registers/stope_import.h"
#include "registers/vrste_import.h"

namespace pramo::cli {
namespace {

struct Args {
    std::string what, file;
    BooksArgs books;
    Date od;  // import stope: the day the rates are in force from
};

// The day of --od for the rates: needed with FILE; without it the shipped table's day, which --od
// may repeat but not change (the shipped rates are those of their day only).
std::optional<std::string> ratesDay(const CommandLine& line, Args& a) {
    const Date shipped = shippedRatesTable().from;
    if (!line.has("--od")) {
        a.od = shipped;
        return a.file.empty() ? std::nullopt : std::optional<std::string>("import stope DATOTEKA traži --od DD.MM.GGGG, dan od kojega njezine stope vrijede");
    }
    const auto od = Date::parse(line.value("--od"));
    if (!od || od->isNull()) return "--od " + line.value("--od") + " nije datum DD.MM.GGGG";
    if (*od < municipalRatesFrom()) return "--od: stope općina uzimaju se od " + municipalRatesFrom().toString() + " nadalje";
    if (a.file.empty() && *od != shipped)
        return "isporučene stope vrijede od " + shipped.toString() + "; stope drugog dana učitavaju se iz DATOTEKE";
    a.od = *od;
    return std::nullopt;
}

std::optional<std::string> parse(const std::vector<std::string>& args, Args& a) {
    CommandLine line;
    if (auto problem = readCommandLine(args, 0, {.valued = {"--data", "--database", "--od"}, .words = 2}, line)) return problem->text();
    a.what = line.words.empty() ? std::string() : line.words[0];
    a.file = line.words.size() < 2 ? std::string() : line.words[1];
    a.books = booksArgs(line.values);
    if (a.what != "opcine" && a.what != "vrste" && a.what != "osobe" && a.what != "stope")
        return "navedite što uvesti: opcine, stope, vrste ili osobe";
    if (a.what == "osobe" && a.file.empty()) return "import osobe traži CSV datoteku primatelja";
    if (a.what == "stope") return ratesDay(line, a);
    if (line.has("--od")) return "--od ide samo uz import stope";
    return std::nullopt;
}

// The file's content, or why it cannot be read.
bool readFile(const std::string& path, std::string& content, std::string& problem) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        problem = visibleUtf8(path) + " je mapa, a ne datoteka";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (in) text << in.rdbuf();
    if (!in || in.bad()) {
        problem = "datoteka " + visibleUtf8(path) + " se ne može pročitati";
        return false;
    }
    content = text.str();
    return true;
}

int report(const Args& a, DataDir& d, const ImportOutcome& out) {
    const std::string source = a.file.empty() ? "isporučeni popis" : a.file;
    for (const std::string& p : out.problems) std::cerr << source << ": " << p << "\n";
    if (!out.problems.empty()) {
        std::cerr << "pramo-cli import: ništa nije uvezeno (redaka za ispravak: " << out.problems.size() << ")\n";
        return ExitBadInput;
    }
    if (!ok(out.code)) {
        std::cerr << "pramo-cli import: ništa nije uvezeno; greška baze podataka: " << d.store.error().text() << "\n";
        return ExitFailed;
    }
    std::string said;
    for (const std::string& r : out.remarks) said += r + "\n";
    const TableDef& t = a.what == "opcine" ? Opcine::table
                        : a.what == "stope"  ? Stopeopcina::table
                        : a.what == "vrste"  ? Vrstedoh::table
                                             : Osobe::table;
    std::int64_t n = 0;
    (void)d.store.count(t, n);
    said += std::string(t.name) + ": dodano " + std::to_string(out.added) + ", promijenjeno " + std::to_string(out.updated) +
            ", nepromijenjeno " + std::to_string(out.unchanged) + ", preskočeno redaka " + std::to_string(out.skipped) +
            "; slogova u " + (d.place.server ? d.place.shown : d.dir) + ": " + std::to_string(n) + "\n";
    return printSaved(said, "uvoz u " + std::string(t.name) + " je spremljen");
}

// The text to import: the shipped list or table (osobe never goes without FILE) or FILE. When it
// cannot be read the message has been printed and the exit code is answered.
std::optional<int> readSource(const Args& a, std::string& text) {
    if (a.file.empty()) {
        const refdata::FileText shipped = a.what == "stope"   ? shippedMunicipalRates()
                                          : a.what == "vrste" ? shippedIncomeTypes()
                                                              : shippedMunicipalities();
        if (shipped.ok()) text = shipped.text;
        else std::cerr << "pramo-cli import: " << shipped.problem << "\n";
        return shipped.ok() ? std::nullopt : std::optional<int>(ExitFailed);
    }
    std::string unread;
    if (readFile(a.file, text, unread)) return std::nullopt;
    std::cerr << "pramo-cli import: " << unread << "\n";
    return ExitBadInput;
}

int run(const Args& a) {
    std::string text;
    if (const auto failed = readSource(a, text)) return *failed;
    DataDir d;
    if (auto problem = openDataDir(a.books, false, d)) return refused("import", *problem);
    if (a.what == "opcine") {
        if (!openFiles(d, {&Opcine::table})) return ExitFailed;
        return report(a, d, importOpcine(d.store, text));
    }
    if (a.what == "stope") {
        if (!openFiles(d, {&Opcine::table, &Stopeopcina::table})) return ExitFailed;
        return report(a, d, importStope(d.store, text, a.od));
    }
    if (a.what == "vrste") {
        if (!openFiles(d, {&Vrstedoh::table, &Vbrat::table, &Neoporez::table})) return ExitFailed;
        return report(a, d, importVrste(d.store, text));
    }
    if (!openFiles(d, {&Osobe::table, &Mjesta::table, &Ulice::table, &Banke::table, &Opcine::table})) return ExitFailed;
    return report(a, d, importOsobe(d.store, text));
}

int import(const std::vector<std::string>& args) {
    Args a;
    if (auto problem = parse(args, a)) return refused("import", *problem);
    return run(a);
}

const Registration registration{
    {"import",
     fixedUsage("  import opcine [DATOTEKA] [--data DIR] [--database URI]\n"
                "      učitava općine s njihovim šiframa, stopama prireza i poreznim računima: popis isporučen\n"
                "      s programom ili DATOTEKU (odvojeno tabulatorom: šifra, naziv, neupotrijebljeno, stopa u postocima)\n"
                "  import stope [DATOTEKA --od DD.MM.GGGG] [--data DIR] [--database URI]\n"
                "      učitava stope poreza na dohodak općina koje vrijede od nekog dana (od 2024. nadalje): tablicu\n"
                "      isporučenu s programom (vrijedi od " + shippedRatesTable().from.toString() + ") ili DATOTEKU (odvojeno\n"
                "      tabulatorom: peteroznamenkasta šifra, naziv, niža stopa, viša stopa u postocima) od dana --od\n"
                "  import vrste [DATOTEKA] [--data DIR] [--database URI]\n"
                "      dodaje vrste dohotka sa stopama, računima i šiframa za JOPPD: početne vrste isporučene s\n"
                "      programom ili DATOTEKU (odvojeno tabulatorom, prvi redak navodi polja: OZNAKA, NAZIV, ...);\n"
                "      vrsta čiji je naziv već upisan ostaje kakva jest\n"
                "  import osobe DATOTEKA [--data DIR] [--database URI]\n"
                "      dodaje primatelje iz CSV datoteke čiji prvi redak navodi polja primatelja (IME, PREZIME,\n"
                "      OIB, MJESTO, ULICA, KUCNIBROJ, BANKA, RACUN, ...)"),
     import}};

}  // namespace
}  // namespace pramo::cli
