#include "registers/ui/form_messages.h"

#include <QTimer>

namespace pramo {

void tell(FormScreen& form, std::string_view text) {
    tell(form, Notice{.title = {}, .text = text});
}

void tell(FormScreen& form, const Notice& notice) {
    MessageBox box;
    box.title = notice.title.empty() ? form.windowTitle().toStdString() : std::string(notice.title);
    box.text = std::string(notice.text);
    form.context().messages.ask(box);
}

void keepFocusOn(FormScreen& form, std::string_view field) {
    QTimer::singleShot(0, &form, [&form, field] { form.focusField(field); });
}

}  // namespace pramo
