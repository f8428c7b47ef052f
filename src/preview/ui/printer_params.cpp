#include "preview/ui/printer_params.h"

#include "shell/list/list_screen.h"

namespace pramo {

// The offsets step by one; VODORAVNO with a left (−1) and a right (+1) button, OKOMITO with an
// up (−1, the print moves up) and a down (+1) button. In both entries the Up arrow key adds 1 and
// the Down arrow key subtracts 1.
const FormSpec updateParam{
    .table = &Param::table,
    .insertCaption = "Unos",
    .changeCaption = "Promjene",
    .fields = {{.field = "OZNAKA", .label = "Oznaka"},
               {.field = "MODELPRINTERA", .label = "Namjena"},
               {.field = "XPOS", .label = "VODORAVNO",
                .steps = {{.text = "-1", .arrow = Qt::LeftArrow, .delta = -1}, {.text = "+1", .arrow = Qt::RightArrow, .delta = 1}},
                .upKey = 1, .downKey = -1},
               {.field = "YPOS", .label = "OKOMITO",
                .steps = {{.text = "-1", .arrow = Qt::UpArrow, .delta = -1}, {.text = "+1", .arrow = Qt::DownArrow, .delta = 1}},
                .upKey = 1, .downKey = -1}},
    .duplicateOrder = {&Param::keyOznaka},
};

const ListSpec browseParam{
    .table = &Param::table,
    .caption = "Podešavanje ispisa na printeru",
    .tabs = {{.title = "Parametri printera", .key = &Param::keyOznaka, .locator = Locator::Step}},
    .columns = {column("Oznaka", "OZNAKA"), column("Namjena", "MODELPRINTERA"), column("vodoravno", "XPOS"),
                column("okomito", "YPOS"), column("Oznaka Papira", "OZNAKAPAPIRA"), column("Duzina", "DUZINA"),
                column("Sirina", "SIRINA")},
    .buttons = ListButton::Insert | ListButton::Change | ListButton::Delete | ListButton::Select | ListButton::Close |
               ListButton::Help,
    .selectText = "O&daberi",
    .form = &updateParam,
};

Response selectParam(AppContext& ctx, Param& par, QWidget* parent) { return selectRecord(ctx, browseParam, par, parent); }

}  // namespace pramo
