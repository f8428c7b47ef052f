#include "registers/ui/code_books.h"

#include "records/layouts/neoporez.h"
#include "records/layouts/vbrat.h"

namespace pramo {
namespace {

constexpr std::size_t columnCharacters = 255;  // a long name shows cut in its column, whole below the rows

template <Record R, class Field>
ColumnSpec cutName(QString title, Field R::*name) {
    return computed<R>(std::move(title), [name](const R& rec) {
        return std::string(utf8::prefix((rec.*name).view(), columnCharacters));
    });
}

const ListButtons selectAndClose = ListButton::Select | ListButton::Close;

}  // namespace

const FormSpec promjenaNeopPrimitaka{
    .table = &Neoporez::table,
    .insertCaption = "Adding a neoporez Record",
    .changeCaption = "Changing a neoporez Record",
    .fields = {{.field = "OZNAKA", .label = ""},
               {.field = "SHIFRA", .label = "Shifra:"},
               {.field = "KONTROLA", .label = ""},
               {.field = "NAZIV", .label = "Naziv:"}},
    .defaults = {{.field = "KONTROLA", .value = "0000"}},
    .duplicateOrder = {&Neoporez::keyShifra, &Neoporez::keyOznaka},
    .help = false,
};

const ListSpec neoporeziviPrimiciPregled{
    .table = &Neoporez::table,
    .caption = "ŠIFRARNIK NEOPOREZIVIH PRIMITAKA",
    .tabs = {{.title = "Po šifri", .key = &Neoporez::keyShifra, .locator = Locator::Incremental}},
    .columns = {column("Shifra", "SHIFRA"), cutName("Naziv", &Neoporez::naziv), column("Kontrola", "KONTROLA"),
                column("Oznaka", "OZNAKA")},
    .buttons = ListButton::Insert | ListButton::Change | ListButton::Delete | selectAndClose,
    .selectText = "Odaberi",
    .hideSelect = true,
    .form = &promjenaNeopPrimitaka,
    .buttonTexts = {{ListButton::Insert, "Unesi"}, {ListButton::Change, "Mijenjaj"}, {ListButton::Delete, "Briši"}},
    .below = {column("", "NAZIV")},
};

const ListSpec odabirNeoporezivog{
    .table = &Neoporez::table,
    .caption = "Odabir neoporezivog primitka",
    .tabs = {{.title = "Neoporezivi primici", .key = &Neoporez::keyShifra, .locator = Locator::Incremental}},
    .columns = {column("Shifra", "SHIFRA"), column("Oznaka", "KONTROLA"), cutName("Naziv", &Neoporez::naziv),
                column("Oznaka", "OZNAKA")},
    .buttons = selectAndClose,
    .selectText = "Odaberi",
    .below = {column("", "NAZIV")},
};

const ListSpec odabirVelikogBrata{
    .table = &Vbrat::table,
    .caption = "ODABIR OZNAKE PRIMITKA",
    .tabs = {{.key = &Vbrat::keyShifra, .locator = Locator::Incremental}},
    .columns = {column("Shifra", "SHIFRA"), column("Oz.stj.", "REZERVA"), cutName("Naziv", &Vbrat::naziv),
                column("Oznaka", "OZNAKA")},
    .buttons = selectAndClose,
    .selectText = "ODABERI",
    .below = {column("", "NAZIV")},
};

const ListSpec pregledVelikogBrata{
    .table = &Vbrat::table,
    .caption = "PREGLED OZNAKA PRIMITAKA",
    .tabs = odabirVelikogBrata.tabs,
    .columns = odabirVelikogBrata.columns,
    .buttons = selectAndClose,
    .selectText = "ODABERI",
    .hideSelect = true,
    .below = {column("", "NAZIV")},
};

}  // namespace pramo
