// The municipalities' income-tax rates by date: the list started from the menu, the rates of one
// municipality on its form, and the form of one row.

#include "records/layouts/opcine.h"
#include "records/layouts/stopeopcina.h"
#include "records/values/number_format.h"
#include "registers/ui/form_messages.h"
#include "registers/ui/register_lists.h"

namespace pramo {
namespace {

// The name of the municipality with the official code `code`; empty when none has it.
std::string municipalityName(Store& store, std::string_view code) {
    Opcine opc{.shifra = code};
    return !code.empty() && ok(store.get(Opcine::keyShifra, opc)) ? opc.naziv.str() : std::string();
}

// A row is saved only for a municipality of the register, from the first day the rates are taken,
// with a lower rate that is not above the higher one.
bool rateComplete(FormScreen& form) {
    const Stopeopcina& sto = form.as<Stopeopcina>();
    std::string_view field, problem;
    if (municipalityName(form.context().store, sto.opcina.view()).empty()) {
        field = "OPCINA";
        problem = "Odaberi općinu";
    } else if (sto.vrijediod < municipalRatesFrom()) {
        field = "VRIJEDIOD";
        problem = "Stope općina primjenjuju se od 01.01.2024.";
    } else if (sto.visastopa < sto.nizastopa) {
        field = "NIZASTOPA";
        problem = "Niža stopa veća je od više";
    }
    if (problem.empty()) return true;
    tell(form, problem);
    form.focusField(field);
    return false;
}

const std::vector<ColumnSpec> rateColumns{column("Vrijedi od", "VRIJEDIOD"), column("Niža stopa", "NIZASTOPA"),
                                          column("Viša stopa", "VISASTOPA")};

}  // namespace

const FormSpec upisStopeOpcine{
    .table = &Stopeopcina::table,
    .insertCaption = "Unos stope poreza općine",
    .changeCaption = "Promjena stope poreza općine",
    .fields = {{.field = "OPCINA", .label = "Šifra općine:",
                .lookup = {.list = &odabirOpcine, .key = &Opcine::keyShifra, .shown = "NAZIV"}},
               {.field = "VRIJEDIOD", .label = "Vrijedi od:"},
               {.field = "NIZASTOPA", .label = "Niža stopa:"},
               {.field = "VISASTOPA", .label = "Viša stopa:"}},
    .duplicateOrder = {&Stopeopcina::keyOpcinaDatum, &Stopeopcina::keyOznaka},
    .hooks = {.validate = rateComplete},
};

const ListSpec stopeUOpcini{
    .table = &Stopeopcina::table,
    .caption = "Stope poreza na dohodak po datumu:",
    .tabs = {{.key = &Stopeopcina::keyOpcinaDatum, .locator = Locator::None,
              .range = rangeFromForm<Stopeopcina, Opcine>(1, [](const Opcine& opc, Stopeopcina& seek) { seek.opcina = opc.shifra; })}},
    .columns = rateColumns,
    .buttons = ListButton::Insert | ListButton::Change | ListButton::Delete,
    .form = &upisStopeOpcine,
};

const ListSpec stopeOpcinaList{
    .table = &Stopeopcina::table,
    .caption = "Pregled stopa poreza općina",
    .tabs = {{.title = "Po općini", .key = &Stopeopcina::keyOpcinaDatum, .locator = Locator::Entry}},
    .columns = {column("Šifra", "OPCINA"),
                computed<Stopeopcina>("Općina", [](Store& store, const Stopeopcina& sto) {
                    return municipalityName(store, sto.opcina.view());
                }),
                rateColumns[0], rateColumns[1], rateColumns[2]},
    .buttons = ListButton::Insert | ListButton::Change | ListButton::Delete | ListButton::Close,
    .form = &upisStopeOpcine,
    .alsoReads = {&Opcine::table},
};

}  // namespace pramo
