#pragma once
// The income item form's work without its window, in the order the user drives it: opening
// (a new item reserved with its ordinal, default type and twelve zero lines; a changed one's lines
// remembered; a delete carried out), choosing the payee and the type (no recalculation), the net
// accepted (calculated when it changed), IZRAČUN, the gross button, UBACI, OK and cancel. Messages
// go to the program's message boxes. The window (item_form.cpp) only shows what this holds.
//
// The stored lines always belong to the payee, type and net shown: OK calculates again when any of
// them changed since the lines were last calculated (lines changed by hand since then stay as the
// line form saved them), and refuses an item without a payee or without a calculation.

#include <memory>
#include <optional>

#include "payments/item_entry.h"
#include "shell/app_context.h"
#include "shell/screen_files.h"
#include "shell/form/record_buffer.h"
#include "shell/form/record_form.h"

namespace pramo {

class ItemFormFlow {
public:
    // `rec` is a DOHOCI buffer: for an insert with DOH:ISPLATA set, otherwise the item as read.
    ItemFormFlow(AppContext& ctx, RecordBuffer& rec, Request request);
    ~ItemFormFlow();
    ItemFormFlow(const ItemFormFlow&) = delete;
    ItemFormFlow& operator=(const ItemFormFlow&) = delete;

    // False when the form ends without being shown (a delete, or a failure already told).
    bool open();

    Dohoci& item() { return rec_.as<Dohoci>(); }
    RecordBuffer& record() { return rec_; }
    Request request() const { return form_.request(); }
    Response response() const { return form_.response(); }
    const Loc& loc() const { return entry_.loc(); }
    AppContext& context() const { return ctx_; }

    void choosePayee(std::int32_t oznaka) { item().djelatnik = oznaka; }
    void chooseType(std::uint8_t oznaka) { item().vrstadohotka = oznaka; }
    // The net entry accepted: a net that changed is calculated (no payee: "Odaberi djelatnika").
    void acceptNet(Money neto);
    void izracun();
    void fromGross(Money bruto);
    void kriznica();
    void ubaci(std::int16_t method);
    ItemTotals totals();
    ItemCalculation::RatesShown ratesShown() { return entry_.ratesShown(); }

    // OK: true when the item was saved and the form closes; false keeps it open (what is missing
    // has been told).
    bool confirm();
    // The form closes without OK (Odustani, Esc, the window closed, or after a refused OK): a new
    // item goes with its lines and slots; a changed item gets back the lines it had on opening.
    void cancel();

private:
    // What a calculation is made from: the lines are the item's as long as these stay.
    struct CalcInputs {
        std::int32_t djelatnik = 0;
        std::uint8_t vrstadohotka = 0;
        Money neto;
        bool operator==(const CalcInputs&) const = default;
    };
    CalcInputs inputs() { return {item().djelatnik, item().vrstadohotka, item().neto}; }
    // Whether the item may be saved: calculated for what it shows, with a payee and lines.
    bool complete();
    void tell(const std::string& text);
    void calculated(const CalcOutcome& out);
    void storeFailed(const TableDef& file);
    void close();

    AppContext& ctx_;
    RecordBuffer& rec_;
    std::unique_ptr<ScreenFiles> files_;
    RecordForm form_;
    ItemEntry entry_;
    std::optional<CalcInputs> calculatedFrom_;  // none: not calculated since the form opened to insert
    bool closed_ = false;
};

}  // namespace pramo
