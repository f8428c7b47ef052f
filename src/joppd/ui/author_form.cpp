#include "joppd/ui/author_form.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/app_context.h"
#include "shell/called_window.h"

namespace pramo {
namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

class AuthorForm : public QDialog {
public:
    AuthorForm(AppContext& ctx, const Jopo& last, QWidget* parent) : QDialog(parent), ctx_(ctx) {
        setWindowTitle("Autor JOPPD obrasca");
        auto* layout = new QVBoxLayout(this);
        // The books' first submission has no last one to speak of.
        const QString why = last.oznaka == 0 ? "Ovo je prvi JOPPD obrazac." : "Zadnji JOPPD obrazac nema upisanog autora.";
        auto* note = new QLabel(why + " Upišite tko sastavlja obrasce;\n"
                                      "novi obrazac ga pamti i sljedeći ga preuzimaju.", this);
        layout->addWidget(note);
        auto* fields = new QFormLayout;
        ime_ = entry(fields, "Ime autora:", last.imeautora.view(), decltype(Jopo::imeautora)::capacity);
        prezime_ = entry(fields, "Prezime autora:", last.prezimeautora.view(), decltype(Jopo::prezimeautora)::capacity);
        email_ = entry(fields, "Email:", last.email.view(), decltype(Jopo::email)::capacity);
        layout->addLayout(fields);
        auto* buttons = new QDialogButtonBox(this);
        buttons->addButton("OK", QDialogButtonBox::AcceptRole)->setDefault(true);
        buttons->addButton("Odustani", QDialogButtonBox::RejectRole);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        layout->addWidget(buttons);
    }

    AuthorOverride author() const {
        return {.ime = ime_->text().trimmed().toStdString(), .prezime = prezime_->text().trimmed().toStdString(),
                .email = email_->text().trimmed().toStdString()};
    }

    void accept() override {
        if (const auto problem = authorProblem(author())) {
            ctx_.messages.ask(MessageBox{.title = "JOP kreiranje", .text = *problem, .icon = Icon::Exclamation});
            return;
        }
        QDialog::accept();
    }

private:
    QLineEdit* entry(QFormLayout* fields, const char* label, std::string_view value, std::size_t width) {
        auto* e = new QLineEdit(q(value).trimmed(), this);
        e->setMaxLength(static_cast<int>(width));
        e->setMinimumWidth(fontMetrics().averageCharWidth() * 32);
        fields->addRow(label, e);
        return e;
    }

    AppContext& ctx_;
    QLineEdit* ime_ = nullptr;
    QLineEdit* prezime_ = nullptr;
    QLineEdit* email_ = nullptr;
};

}  // namespace

bool askAuthor(AppContext& ctx, const Jopo& last, AuthorOverride& author, QWidget* parent) {
    AuthorForm form(ctx, last, parent);
    if (runCalledWindow(form, parent) != QDialog::Accepted) return false;
    author = form.author();
    return true;
}

}  // namespace pramo
