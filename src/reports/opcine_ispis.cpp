#include "reports/opcine_ispis.h"

#include "records/layouts/opcine.h"
#include "records/values/number_format.h"
#include "reports/listing.h"

namespace pramo {
namespace {

const ListingLayout& layout() {
    static const ListingLayout l{
        .title = opcineIspisReport.title,
        .groupHeading = {},
        .columns = {{QStringLiteral("Shifra"), 12.0, 16.0},
                    {QStringLiteral("Naziv"), 30.0, 62.0},
                    {QStringLiteral("RK ont"), 94.0, 16.0},
                    {QStringLiteral("Racun Porez"), 112.0, 32.0},
                    {QStringLiteral("Stopa Prireza"), 150.0, 26.0, Align::Right}},
    };
    return l;
}

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

Band row(const Opcine& opc) {
    return listingRow(layout(), {q(opc.shifra.view()), q(opc.naziv.view()), q(opc.rkont.view()),
                                 q(opc.racunporez.view()), q(printAmountOrBlank(opc.stopaprireza))});
}

}  // namespace

ReportResult opcineIspis(ReportContext& rc, Progress& progress) {
    return runBuilt<Opcine>(rc.store(), progress, {.key = Opcine::keyNaziv}, listingBuilder(layout(), rc.sink),
                            [](const Opcine& opc, ReportBuilder& builder) {
                                builder.add(row(opc));
                                return StoreCode::Ok;
                            });
}

const ReportSpec opcineIspisReport{
    .name = "opcine",
    .title = QStringLiteral("Report the opcine File"),
    .preview = PreviewKind::Simple,
    .files = {&Opcine::table},
    .summary = "općine po nazivu, s računima poreza i stopama prireza",
    .run = opcineIspis,
};

}  // namespace pramo
