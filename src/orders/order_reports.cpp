#include "orders/order_reports.h"

#include "orders/order_forms.h"
#include "orders/order_sequence.h"
#include "records/layouts/banke.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/obracun.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/param.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/svasta.h"
#include "records/layouts/ulice.h"
#include "records/layouts/vrstedoh.h"
#include "records/store/cursor.h"
#include "records/store/key_walk.h"
#include "records/store/read_linked.h"
#include "records/values/unicode.h"

namespace pramo {
namespace {

ReportResult failed(StoreCode code, std::string file) {
    ReportResult r;
    r.end = RunEnd::Failed;
    r.code = code;
    r.failedFile = std::move(file);
    return r;
}

// The offsets (mm) of the PARAM record numbered `number`, or of the first record in the file
// when the number is 0. No record: no offsets.
StoreCode readOffsets(Store& store, std::int32_t number, QPointF& offset) {
    Param par;
    StoreCode c = StoreCode::Ok;
    if (number > 0) {
        c = readLinked(store, number, par);
    } else {
        Cursor first(store, Param::table);
        c = first.next(par);
    }
    if (c == StoreCode::NotFound || c == StoreCode::NoMoreRecords) return StoreCode::Ok;
    if (ok(c)) offset = QPointF(par.xpos, par.ypos);
    return c;
}

StoreCode countItems(Store& store, std::int32_t payment, std::int64_t& n) {
    n = 0;
    return walkNumber(store, Dohoci::keyIsplata, Dohoci{.isplata = payment}, [&n](const Dohoci&) {
        ++n;
    });
}

std::vector<std::string> orderText(const std::vector<PaymentOrder>& orders) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < orders.size(); ++i) {
        lines.push_back("NALOG=" + std::to_string(i + 1));
        for (std::size_t f = 0; f < fieldCount; ++f) {
            lines.push_back(std::string(fieldName(static_cast<Field>(f))) + "=" + orders[i].fields[f]);
        }
    }
    return lines;
}

// A line for each order printed without the recipient's account (and so without a 2D code),
// unless the payee is not paid into an account (in cash, say) and needs none.
std::vector<std::string> missingAccounts(const std::vector<PaymentOrder>& orders, OrderForm form) {
    std::vector<std::string> notes;
    for (std::size_t i = 0; i < orders.size(); ++i) {
        if (!orders[i].toAccount || wholeHrIban(orders[i][Field::Zirop])) continue;
        const std::string what = visibleUtf8(orders[i][Field::Opisplacanja]);
        notes.push_back("Nalog " + std::to_string(i + 1) + " (" + what + "): nema ispravnog IBAN-a primatelja; ispisan je bez računa" +
                        (form == OrderForm::Hub3a ? " i bez 2D koda." : "."));
    }
    return notes;
}

ReportResult runOrders(ReportContext& rc, Progress& progress, OrderForm form) {
    Store& store = rc.store();
    const std::int32_t payment = rc.args.payment;
    OrderSequence seq(store, form);
    if (const StoreCode c = seq.begin(payment); !ok(c)) return failed(c, seq.failedFile());
    QPointF offset;
    if (rc.args.printer == PrinterKind::Matrix) {
        if (const StoreCode c = readOffsets(store, rc.args.param, offset); !ok(c)) return failed(c, std::string(Param::table.name));
    }
    std::int64_t items = 0;
    if (const StoreCode c = countItems(store, payment, items); !ok(c)) return failed(c, std::string(Dohoci::table.name));
    const Dohoci from{.isplata = payment};
    const Pass<Dohoci> pass{.key = Dohoci::keyIsplata, .from = &from,
                            .within = [payment](const Dohoci& d) { return d.isplata == payment; }, .total = items};
    const FormLayout& layout = formLayout(form);
    ReportResult r = runReport<Dohoci>(
        store, progress, pass, [&](const Dohoci& doh) { return seq.addItem(doh); },
        [&] {
            seq.finish();
            return orderPages(layout, orderPaper(layout, rc.args.printer, offset), seq.orders());
        });
    r = refusedIf(std::move(r), seq.refusal());
    if (r.end == RunEnd::Failed && !seq.failedFile().empty()) r.failedFile = seq.failedFile();
    if (r.end == RunEnd::Pages) r.text = orderText(seq.orders());
    if (r.end == RunEnd::Pages) r.notes = missingAccounts(seq.orders(), form);
    return r;
}

const std::vector<const TableDef*> orderFiles{&Isplate::table, &Subjekti::table, &Mjesta::table, &Ulice::table,
                                              &Banke::table,   &Dohoci::table,   &Osobe::table,  &Opcine::table,
                                              &Vrstedoh::table, &Obracun::table, &Svasta::table, &Param::table};

const std::vector<ArgSpec> orderArgs{{ReportArg::Payment}, {ReportArg::Printer, false}, {ReportArg::Param, false}};

}  // namespace

const ReportSpec hub3Report{
    .name = "hub3",
    .title = QStringLiteral("Nalozi za plaćanje HUB-3"),
    .preview = PreviewKind::Simple,
    .files = orderFiles,
    .args = orderArgs,
    .summary = "nalozi za plaćanje isplate na obrascima HUB-3, jedan na listu",
    .run = [](ReportContext& rc, Progress& p) { return runOrders(rc, p, OrderForm::Hub3); },
};

const ReportSpec hub3aReport{
    .name = "hub3a",
    .title = QStringLiteral("Nalozi za plaćanje HUB-3A"),
    .preview = PreviewKind::Full,
    .files = orderFiles,
    .args = orderArgs,
    .summary = "nalozi za plaćanje isplate na obrascima HUB-3A, tri na listu, s 2D kodom",
    .run = [](ReportContext& rc, Progress& p) { return runOrders(rc, p, OrderForm::Hub3a); },
};

}  // namespace pramo
