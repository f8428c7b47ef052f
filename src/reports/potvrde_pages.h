#pragma once
// The pages of the year-end certificates: each certificate starts on a new page with its title,
// the payer and the payee, then the numbered column headings, one ruled row per item, a subtotal
// per income type and the grand total, and the payer's place, date and signature at its foot. A
// certificate running over a page repeats the headings on the next.

#include <vector>

#include "preview/page.h"
#include "preview/page_sink.h"
#include "reports/potvrde_data.h"

namespace pramo {

// With a `sink`, each page goes there when the next begins and none are answered.
std::vector<Page> certificatePages(const std::vector<Certificate>& certificates, const CertificateRun& run,
                                   const PageSink& sink = nullptr);

}  // namespace pramo
