#include "ui/test_screens.h"

#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "shell/form/form_screen.h"

namespace pramo::test {

const FormSpec upisMjesta{
    .table = &Mjesta::table,
    .insertCaption = "Upis mjesta u šifrarnik",
    .changeCaption = "Promjene - mjesta",
    .fields = {{.field = "NAZIV", .label = "Naziv:"},
               {.field = "OPCINA", .label = "Općina:",
                .lookup = {.list = &opcineList, .key = &Opcine::keyOznaka, .shown = "NAZIV"}},
               {.field = "POSTBROJ", .label = "Post Broj:"}},
};

const ListSpec mjestaOpcine{
    .table = &Mjesta::table,
    .caption = "Mjesta u odabranoj općini:",
    .tabs = {{.key = &Mjesta::keyOpcina, .locator = Locator::None, .range = rangeFrom(opcineList, "OPCINA", "OZNAKA")}},
    .columns = {column("Mjesto", "NAZIV"), column("Post Broj", "POSTBROJ"),
                lookup("Općina", "OPCINA", Opcine::keyOznaka, "NAZIV"), column("Oznaka", "OZNAKA")},
    .buttons = ListButton::Insert | ListButton::Change | ListButton::Delete,
    .form = &upisMjesta,
};

const ListSpec opcineList{
    .table = &Opcine::table,
    .caption = "Pregled općina",
    .tabs = {{.title = "Općine", .key = &Opcine::keyNaziv}},
    .columns = {column("Naziv", "NAZIV"), column("Oznaka", "OZNAKA")},
    .buttons = ListButton::Select | ListButton::Close,
    .details = {&mjestaOpcine},
};

const ListSpec mjestaList{
    .table = &Mjesta::table,
    .caption = "Pregled mjesta",
    .tabs = {{.key = &Mjesta::keyNaziv}},
    .columns = {column("Naziv", "NAZIV"), lookup("Grad / općina", "OPCINA", Opcine::keyOznaka, "NAZIV"),
                column("Oznaka", "OZNAKA")},
    .form = &upisMjesta,
};

const ListSpec osobeList{
    .table = &Osobe::table,
    .caption = "Pregled primatelja",
    .tabs = {{.title = "Po pr&ezimenu", .key = &Osobe::keyPrezimeIme, .locator = Locator::Incremental,
              .stops = ThumbStops::Surname},
             {.title = "Po mje&stu", .key = &Osobe::keyMjesto, .locator = Locator::None,
              .range = rangeFrom(mjestaList, "MJESTO", "OZNAKA")}},
    .columns = {column("Prezime", "PREZIME"), column("Ime", "IME"), lookup("Mjesto", "MJESTO", Mjesta::keyOznaka, "NAZIV")},
    .buttons = ListButton::Close,
    .hideSelect = true,
};

namespace {

// The work municipality's code is entered only for a payee who works in another municipality.
void enableWorkMunicipality(FormScreen& form) {
    form.setFieldEnabled("EMAIL", form.as<Osobe>().fax == "DA");
}

}  // namespace

const FormSpec upisOsobe{
    .table = &Osobe::table,
    .insertCaption = "Unos novog primatelja",
    .changeCaption = "Promjene",
    .tabs = {"&Opći podaci", "Obračun &dohotka"},
    .fields = {{.field = "IME", .label = "Ime:"},
               {.field = "PREZIME", .label = "Prezime:"},
               {.field = "OIB", .label = "OIB:"},
               {.field = "MJESTO", .label = "Mjesto:",
                .lookup = {.list = &mjestaList, .key = &Mjesta::keyOznaka, .shown = "NAZIV"}},
               {.field = "DRUGISTUP", .label = "Drugi stup", .tab = 1, .kind = FieldKind::Options,
                .options = {{"&DA", "DA"}, {"&NE", "NE"}}},
               {.field = "FAKTORODBITKA", .label = "Faktor odbitka:", .tab = 1},
               {.field = "FAX", .label = "Općina rada različita od općine prebivališta", .tab = 1,
                .kind = FieldKind::Options, .options = {{"&DA", "DA"}, {"&NE", "NE"}}},
               {.field = "EMAIL", .label = "Šifra općine rada:", .tab = 1}},
    .defaults = {{"DRUGISTUP", "DA"}, {"FAX", "NE"}},
    .duplicateOrder = {&Osobe::keyOznaka, &Osobe::keyOib},
    .hooks = {.opened = enableWorkMunicipality,
              .accepted = [](FormScreen& form, std::string_view field) {
                  if (field == "FAX") enableWorkMunicipality(form);
              }},
};

}  // namespace pramo::test
