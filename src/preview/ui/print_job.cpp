#include "preview/ui/print_job.h"

#include <QPrinter>

#include "preview/page_painter.h"
#include "preview/ui/preview_host.h"

namespace pramo {
namespace {

bool sendToPrinter(QPrinter& printer, const std::vector<const Page*>& pages) {
    printer.setFullPage(true);
    return paintPages(printer, pages);
}

bool offerPdf(const std::vector<const Page*>& pages, const QString& jobName, PreviewHost& host, QWidget* parent) {
    const MessageBox box = namedBox("Ispis", "Ispis nije moguć: pisač nije dostupan.\n"
                                             "Želite li stranice snimiti u PDF datoteku?", "DA|NE");
    if (host.messages().ask(box) != 1) return false;
    return savePagesAsPdf(pages, jobName, host, parent);
}

}  // namespace

bool printPages(const std::vector<const Page*>& pages, const QString& printerName, const QString& jobName,
                PreviewHost& host, QWidget* parent) {
    if (pages.empty()) return false;
    QPrinter printer(QPrinter::HighResolution);
    if (!printerName.isEmpty()) printer.setPrinterName(printerName);
    printer.setDocName(jobName);
    if (printer.outputFormat() == QPrinter::NativeFormat && sendToPrinter(printer, pages)) return true;
    return offerPdf(pages, jobName, host, parent);
}

bool savePagesAsPdf(const std::vector<const Page*>& pages, const QString& title, PreviewHost& host, QWidget* parent) {
    const QString path = host.saveFileName(parent, QStringLiteral("Snimi kao PDF"), QStringLiteral("PDF datoteka (*.pdf)"),
                                           QStringLiteral("Save.pdf"));
    if (path.isEmpty()) return false;
    const WriteOutcome problem = writePdf(pages, path, title);
    if (problem) tellNotSaved(host, *problem);
    return !problem;
}

void tellNotSaved(PreviewHost& host, const FileProblem& problem) {
    host.messages().ask(namedBox("Snimanje", problem.croatian(), "OK", Icon::Exclamation));
}

}  // namespace pramo
