// The first-run steps of the registers: the municipalities with their income-tax rates and the
// starter income types delivered with the program, each loaded when the user asks, and the first
// payer entered in its form.

#include "records/layouts/neoporez.h"
#include "records/layouts/opcine.h"
#include "records/layouts/stopeopcina.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/vbrat.h"
#include "records/layouts/vrstedoh.h"
#include "registers/opcine_import.h"
#include "registers/stope_import.h"
#include "registers/ui/screens.h"
#include "registers/vrste_import.h"
#include "shell/screen_registry.h"

namespace pramo {
namespace {

// What a load did, or its failure told in a box (and nothing to say then).
std::string loaded(AppContext& ctx, const std::string& what, const ImportOutcome& out) {
    if (out.written()) return what + ": dodano " + std::to_string(out.added) + ".";
    std::string why = out.problems.empty() ? ctx.store.error().text() : out.problems.front();
    ctx.messages.ask(MessageBox{.title = "Prvi koraci", .text = what + " nije moguće učitati: " + why});
    return {};
}

std::string loadShipped(AppContext& ctx, std::initializer_list<const TableDef*> files, const std::string& what,
                        refdata::FileText (*shipped)(), ImportOutcome (*import)(Store&, std::string_view)) {
    FileUse use(ctx.files, files);
    if (!use.ok()) return {};
    const refdata::FileText text = shipped();
    if (!text.ok()) return loaded(ctx, what, ImportOutcome{.problems = {text.problem}});
    return loaded(ctx, what, import(ctx.store, text.text));
}

ImportOutcome importShippedRates(Store& store, std::string_view tsv) { return importStope(store, tsv, shippedRatesTable().from); }

// The municipalities and their income-tax rates, both or neither: from 2024 an income type is taxed
// at the rate of the payee's municipality.
std::string loadMunicipalities(AppContext& ctx) {
    FileUse use(ctx.files, {&Opcine::table, &Stopeopcina::table});
    if (!use.ok()) return {};
    Transaction tx(ctx.store, Store::lockWaitSeconds);
    if (!tx.began()) return loaded(ctx, "Općine", ImportOutcome{.code = tx.code()});
    const std::string municipalities = loadShipped(ctx, {}, "Općine", shippedMunicipalities, importOpcine);
    if (municipalities.empty()) return {};
    const std::string rates = loadShipped(ctx, {}, "Stope poreza na dohodak", shippedMunicipalRates, importShippedRates);
    if (rates.empty()) return {};
    if (const StoreCode c = tx.commit(); !ok(c)) return loaded(ctx, "Općine", ImportOutcome{.code = c});
    return municipalities + " " + rates;
}

}  // namespace

void registerFirstRunSteps(ScreenRegistry& registry) {
    registry.addFirstRunStep({.lacking = "Nema općina.", .action = "Učitaj općine isporučene s programom (sa stopama poreza)",
                              .file = &Opcine::table, .load = loadMunicipalities});
    registry.addFirstRunStep({.lacking = "Nema vrsta dohotka.",
                              .action = "Učitaj početne vrste dohotka (ugovori o djelu, autorski honorari, neoporezivi primici)",
                              .file = &Vrstedoh::table, .load = [](AppContext& ctx) {
                                  return loadShipped(ctx, {&Vrstedoh::table, &Vbrat::table, &Neoporez::table},
                                                     "Vrste dohotka", shippedIncomeTypes, importVrste);
                              }});
    registry.addFirstRunStep({.lacking = "Nema isplatitelja.", .action = "Upiši isplatitelja",
                              .file = &Subjekti::table, .insertInto = MenuCommand::Isplatitelji});
}

}  // namespace pramo
