#pragma once
// The working listings of municipalities (OPCINEISPIS) and income types (ISPISVRSTADOHOTKA) as
// the buttons of their lists start them: progress window, simple preview, printing.

class QWidget;

namespace pramo {

struct AppContext;

bool startOpcineIspis(AppContext& ctx, QWidget* parent);
bool startIspisVrstaDohotka(AppContext& ctx, QWidget* parent);

}  // namespace pramo
