#include "shell/desktop/main_menu.h"

namespace pramo {

const std::vector<MenuDef>& menuBarDef() {
    using F = FrameCommand;
    using M = MenuCommand;
    static const std::vector<MenuDef> menus{
        {"&File", {{"&Print Setup ...", "Setup printer", F::PrintSetup},
                   {"Inicijalizacija", "", F::Reinitialise},
                   {"E&xit", "Exit this application", F::Exit}}},
        {"&Edit", {{"Cu&t", "Remove item to Windows Clipboard", F::Cut},
                   {"&Copy", "Copy item to Windows Clipboard", F::Copy},
                   {"&Paste", "Paste contents of Windows Clipboard", F::Paste}}},
        {"Pa&rametri", {{"Vrste dohotka", "", M::VrsteDohotka},
                        {"Neoporezivi primici", "", M::NeoporeziviPrimici},
                        {"Pregled oznaka primitaka", "", M::PregledOznakaPrimitaka},
                        {"Printer", "Browse param", M::Printer}}},
        {"&Pregledi", {{"Općine", "", M::Opcine},
                       {"Stope poreza općina", "Stope poreza na dohodak općina po datumu", M::StopeOpcina},
                       {"Mjesta", "", M::Mjesta},
                       {"Ulice", "", M::Ulice},
                       {"Banke", "", M::Banke},
                       {"Isplatitelji", "Subjekti", M::Isplatitelji},
                       {"Primatelji", "Osobe", M::Primatelji}}},
        {"P&oslovi", {{"&JOP Obrasci", "", M::JopObrasci},
                      {"&Isplate", "", M::Isplate},
                      {"&Potvrde", "", M::Potvrde},
                      {"ID-1 obrasci", "", M::Id1Obrasci},
                      {"&Krizni porez", "", M::KrizniPorez}}},
        {"Po&moć", {{"&O programu", "", F::About}}},
    };
    return menus;
}

const std::vector<ToolButtonDef>& toolBarDef() {
    static const std::vector<ToolButtonDef> buttons{
        {"&Isplatitelji", "Brze tipke: istodobno Alt I", MenuCommand::Isplatitelji},
        {"&Primatelji", "Brze tipke: istodobno Alt P", MenuCommand::Primatelji},
        {"I&splate", "Brze tipke: istodobno Alt S", MenuCommand::Isplate},
        {"Potvr&de", "Brze tipke: istodobno Alt D", MenuCommand::Potvrde},
        {"&JOP obrasci", "", MenuCommand::JopObrasci},
    };
    return buttons;
}

}  // namespace pramo
