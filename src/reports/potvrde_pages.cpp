#include "reports/potvrde_pages.h"

#include "preview/report_builder.h"
#include "preview/text_metrics.h"
#include "preview/form_drawing.h"
#include "reports/potvrde_columns.h"
#include "reports/report_text.h"

namespace pramo {
namespace {

const PageFont textFont = PageFont{}.sized(8.0);
const PageFont headingFont = PageFont{}.sized(7.0);
const PageFont amountFont = PageFont{QStringLiteral("DejaVu Sans Mono"), 7.5};

// What one row of the table shows besides its amounts.
struct RowTexts {
    QString number, date, name, rate;
    const PositionSums* amounts = nullptr;
};

enum class RowKind { Detail, Total, Spacer };

QString subtitle(int year) {
    return QStringLiteral("O ISPLAĆENOM PRIMITKU, DOHOTKU, UPLAĆENOM DOPRINOSU, POREZU NA DOHODAK I PRIREZU U %1. GODINI")
        .arg(year, 4, 10, QChar(u'0'));
}

class CertificatePageBuilder {
public:
    CertificatePageBuilder(const CertificateRun& run, const PageSink& sink)
        : run_(run), layout_(certificateLayout(run.kind)), builder_(Paper::a4Landscape(), 10.0, 10.0) {
        builder_.streamTo(sink);
        double width = 0.0;
        for (const CertificateColumn& c : layout_.columns) width += c.width;
        left_ = (Paper::a4Landscape().pageSize().width() - width) / 2.0;
        builder_.setPageHeader([this](int) { return continuing_ ? headings() : Band(); });
    }
    CertificatePageBuilder(const CertificatePageBuilder&) = delete;
    CertificatePageBuilder& operator=(const CertificatePageBuilder&) = delete;

    void add(const Certificate& cert);
    std::vector<Page> finish() { return builder_.finish(); }

private:
    Band title(const Certificate& cert) const;
    Band headings() const;
    Band row(const RowTexts& texts, RowKind kind) const;
    Band foot() const;
    void group(const CertificateGroup& group, int& redbr);
    QString cell(const CertificateColumn& column, const RowTexts& texts) const;
    double right() const { return Paper::a4Landscape().pageSize().width() - left_; }

    const CertificateRun& run_;
    const CertificateLayout& layout_;
    ReportBuilder builder_;
    double left_ = 0.0;
    bool continuing_ = false;  // the pages after a certificate's first repeat its headings
};

void party(Band& band, double x, double y, const QString& role, const CertificateParty& p) {
    const double valueX = x + 30.0;
    const double step = lineHeightMm(textFont) + 0.8;
    band.text(x, y, role, textFont.asBold()).text(valueX, y, p.name, textFont.asBold());
    band.text(x, y + step, QStringLiteral("Adresa:"), textFont).text(valueX, y + step, p.address, textFont);
    band.text(x, y + 2 * step, QStringLiteral("OIB:"), textFont).text(valueX, y + 2 * step, p.oib, textFont);
}

Band CertificatePageBuilder::title(const Certificate& cert) const {
    Band band;
    const double width = right() - left_;
    const PageFont big = PageFont{}.sized(15.0).asBold();
    band.text(left_, 0.0, QStringLiteral("POTVRDA"), big, Align::Centre, width);
    const double y = lineHeightMm(big) + 1.0;
    band.text(left_, y, subtitle(run_.year), textFont.asBold(), Align::Centre, width);
    const double blocks = y + lineHeightMm(textFont) + 6.0;
    party(band, left_, blocks, QStringLiteral("Isplatitelj:"), cert.payer);
    party(band, left_ + width / 2.0, blocks, QStringLiteral("Porezni obveznik:"), cert.payeeParty);
    band.setHeight(band.height() + 5.0);
    return band;
}

Band CertificatePageBuilder::headings() const {
    Band band;
    const double step = lineHeightMm(headingFont);
    const double numbersY = 4 * step + 2.0;
    const double bottom = numbersY + step + 1.0;
    std::vector<double> edges{left_};
    for (const CertificateColumn& c : layout_.columns) {
        const double x = edges.back();
        cellCaption(band, QRectF(x, 0.0, c.width, numbersY), c.heading, headingFont);
        cellCaption(band, QRectF(x, numbersY, c.width, bottom - numbersY), {c.number}, headingFont);
        edges.push_back(x + c.width);
    }
    columnRules(band, edges, 0.0, bottom);
    band.line(left_, 0.0, edges.back(), 0.0);
    band.line(left_, numbersY, edges.back(), numbersY, 0.1);
    band.line(left_, bottom, edges.back(), bottom);
    return band;
}

QString CertificatePageBuilder::cell(const CertificateColumn& column, const RowTexts& texts) const {
    switch (column.cell) {
    case CertificateCell::RowNumber: return texts.number;
    case CertificateCell::PaymentDate:
    case CertificateCell::ContributionDate: return texts.date;
    case CertificateCell::TypeName: return texts.name;
    case CertificateCell::RateText: return texts.rate;
    case CertificateCell::Amount: break;
    }
    return texts.amounts ? pageText(printAmountOrBlank(columnAmount(column, *texts.amounts))) : QString();
}

// One ruled table row. A total's label spans columns 2 and 3; a spacer row is empty.
Band CertificatePageBuilder::row(const RowTexts& texts, RowKind kind) const {
    Band band(lineHeightMm(amountFont) + 1.6);
    const std::vector<CertificateColumn>& cols = layout_.columns;
    double x = left_;
    std::vector<double> edges{x};
    for (std::size_t i = 0; i < cols.size(); ++i) {
        const CertificateColumn& c = cols[i];
        const bool label = c.cell == CertificateCell::PaymentDate && kind == RowKind::Total;
        const double width = label ? c.width + cols[i + 1].width : c.width;
        const QString text = kind == RowKind::Spacer ? QString() : label ? texts.name : cell(c, texts);
        if (c.cell == CertificateCell::Amount) band.fitted(x + cellPadding, 0.8, text, amountFont, Align::Right, width - 2 * cellPadding);
        else if (label || c.cell == CertificateCell::TypeName) band.wrapped(x + cellPadding, 0.8, width - 2 * cellPadding, text, textFont);
        else if (!text.isEmpty()) band.fitted(x + cellPadding, 0.8, text, textFont, Align::Left, width - 2 * cellPadding);
        x += width;
        i += label ? 1 : 0;
        edges.push_back(x);
    }
    const double bottom = band.height() + 0.8;
    if (kind == RowKind::Spacer && !layout_.spacerHasColumnRules) edges = {edges.front(), edges.back()};
    columnRules(band, edges, 0.0, bottom);
    band.line(left_, bottom, x, bottom);
    band.setHeight(bottom);
    return band;
}

Band CertificatePageBuilder::foot() const {
    Band band;
    band.text(left_, 10.0, run_.placeAndDate, textFont);
    const double signX = right() - 80.0;
    band.line(signX, 18.0, right(), 18.0, 0.2);
    band.text(signX, 19.0, QStringLiteral("POTPIS I PEČAT ISPLATITELJA"), textFont, Align::Centre, 80.0);
    return band;
}

void CertificatePageBuilder::group(const CertificateGroup& g, int& redbr) {
    const QString rate = certificateRate(g.vrs);
    const QString name = pageText(g.vrs.naziv.view());
    for (const CertificateRow& r : g.rows) {
        const QString date = pageText(r.datum.toString());
        const QString named = r.porezStopa.isEmpty() ? name : name + QStringLiteral(" (porez ") + r.porezStopa + u')';
        builder_.add(row({QString::number(++redbr) + u'.', date, named, rate, &r.amounts}, RowKind::Detail));
    }
    if (g.subtotal[Pozicija::Bruto] <= Total{}) return;  // no subtotal when the type's gross is nothing
    builder_.add(row({{}, {}, QStringLiteral("Ukupno ") + name, rate, &g.subtotal}, RowKind::Total));
    builder_.add(row({}, RowKind::Spacer));
}

void CertificatePageBuilder::add(const Certificate& cert) {
    builder_.newPage();
    continuing_ = false;
    builder_.add(title(cert));
    continuing_ = true;
    builder_.add(headings());
    int redbr = 0;  // numbered on through every income type
    for (const auto& [type, g] : cert.groups) group(g, redbr);
    builder_.add(row({{}, {}, QStringLiteral("SVEUKUPNO"), {}, &cert.total}, RowKind::Total));
    continuing_ = false;  // a foot moved onto a page of its own needs no headings
    builder_.add(foot());
}

}  // namespace

std::vector<Page> certificatePages(const std::vector<Certificate>& certificates, const CertificateRun& run,
                                   const PageSink& sink) {
    CertificatePageBuilder pages(run, sink);
    for (const Certificate& cert : certificates) pages.add(cert);
    return pages.finish();
}

}  // namespace pramo
