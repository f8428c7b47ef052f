#include "reports/vrste_dohotka_ispis.h"

#include "preview/text_metrics.h"
#include "records/layouts/vbrat.h"
#include "records/layouts/vrstedoh.h"
#include "records/values/number_format.h"
#include "reports/listing.h"

namespace pramo {
namespace {

constexpr double descriptionX = 50.0;

const ListingLayout& layout() {
    static const ListingLayout l{
        .title = ispisVrstaDohotkaReport.title,
        .groupHeading = QStringLiteral("Vrsta dohotka"),
        .columns = {{QStringLiteral("Ozn."), 12.0, 10.0, Align::Right},
                    {QStringLiteral("Naziv"), 26.0, 88.0},
                    {QStringLiteral("Neop. Dio"), 116.0, 20.0, Align::Right},
                    {QStringLiteral("Porezna stopa"), 138.0, 26.0, Align::Right},
                    {QStringLiteral("šifra"), 168.0, 12.0},
                    {QStringLiteral("Prizn. troškovi"), 180.0, 28.0, Align::Right},
                    {QStringLiteral("MO I. stup"), 210.0, 22.0, Align::Right},
                    {QStringLiteral("MO II stup"), 234.0, 22.0, Align::Right},
                    {QStringLiteral("Z.O."), 258.0, 26.0, Align::Right}},
        .paper = Paper::a4Landscape(),
        .font = PageFont{}.sized(8.5),
    };
    return l;
}

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QString rate(const Rate& r) { return q(printAmountOrBlank(r)); }

// The code book's description of the type's receipt code (its first ten characters); empty when
// the code book has no such code.
StoreCode proza(Store& store, const Vrstedoh& vrs, QString& out) {
    Vbrat vbr;
    vbr.shifra = vrs.rezstringb.view();
    const StoreCode c = store.get(Vbrat::keyShifra, vbr);
    out = ok(c) ? q(vbr.naziv.view()) : QString();
    return c == StoreCode::NotFound ? StoreCode::Ok : c;
}

Band rows(const Vrstedoh& vrs, const QString& description) {
    const ListingLayout& l = layout();
    Band band = listingRow(l, {QString::number(vrs.oznaka), q(vrs.naziv.view()), rate(vrs.neoporezividio),
                               rate(vrs.poreznastopa), q(vrs.rnporez.view()), rate(vrs.priznatitroskovi),
                               rate(vrs.mirovinskoistup), rate(vrs.mirovinskoiistup), rate(vrs.zdravstvenoosiguranje)});
    const double y = band.height();
    band.text(l.columns[1].x, y, q(vrs.rezstringb.view()), l.font);
    const double right = l.paper.pageSize().width() - 12.0;
    band.wrapped(descriptionX, y, right - descriptionX, description, l.font);
    band.setHeight(band.height() + 1.5);
    return band;
}

}  // namespace

ReportResult ispisVrstaDohotka(ReportContext& rc, Progress& progress) {
    return runBuilt<Vrstedoh>(rc.store(), progress, {.key = Vrstedoh::keyOznaka}, listingBuilder(layout(), rc.sink),
                              [&](const Vrstedoh& vrs, ReportBuilder& builder) {
                                  QString description;
                                  const StoreCode c = proza(rc.store(), vrs, description);
                                  if (ok(c)) builder.add(rows(vrs, description));
                                  return c;
                              });
}

const ReportSpec ispisVrstaDohotkaReport{
    .name = "vrste",
    .title = QStringLiteral("PREGLED VRSTA DOHOTKA"),
    .preview = PreviewKind::Simple,
    .files = {&Vrstedoh::table, &Vbrat::table},
    .summary = "vrste dohotka sa stopama i JOPPD oznakama primitka",
    .run = ispisVrstaDohotka,
};

}  // namespace pramo
