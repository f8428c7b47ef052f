#pragma once
// The generic form screen: a window built from a form declaration over one record, modal to the
// screen that called it (shell/called_window.h). Entries take their picture from the field's type
// and width; a value is accepted when the entry is left (a value the field cannot take, or 0 in
// the record's number, beeps, says which field takes what, and keeps the focus). Ctrl+' puts back the field's value from
// the last record this form saved (ditto); declared ±1 buttons and Up/Down keys step numbers;
// look-up buttons choose a linked record from its list. Saving, deleting and cancelling are
// RecordForm's.

#include <QDialog>
#include <memory>
#include <string_view>
#include <vector>

#include "shell/app_context.h"
#include "shell/form/form_declaration.h"
#include "shell/form/record_buffer.h"

class QFormLayout;
class QHBoxLayout;
class QPushButton;

namespace pramo {

class ListPanel;
class RecordForm;

class FormScreen : public QDialog {
    Q_OBJECT
public:
    FormScreen(AppContext& ctx, const FormSpec& spec, RecordBuffer& rec, Request request, QWidget* parent = nullptr);
    ~FormScreen() override;

    // Opens the record; false when the form ended without being shown (a delete, or a failure).
    bool start();

    AppContext& context() const { return ctx_; }
    const FormSpec& spec() const { return spec_; }
    Request request() const;
    Response response() const;
    RecordBuffer& record();
    template <class R> R& as() { return record().template as<R>(); }

    // Every widget shows the record again (after a hook or another station changed it).
    void refreshFields();
    QWidget* editor(std::string_view field) const;  // a field's entry or option group
    void focusField(std::string_view field);
    void setFieldEnabled(std::string_view field, bool enabled);
    // Opens the look-up of a field: its list in select mode, on the linked record.
    void openLookup(std::string_view field);
    // The form's `i`-th list of records belonging to its record (FieldKind::List); null when none.
    ListPanel* list(std::size_t i = 0) const;
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

signals:
    void entryRejected(const QString& field);  // a value was refused (the form beeped and says why)

public slots:
    void accept() override;  // OK
    void reject() override;  // Odustani, Esc, closing the window

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Field;
    struct Placement {
        QFormLayout* page = nullptr;
        QFormLayout* group = nullptr;  // the framed group being filled
        QString groupTitle;
        QHBoxLayout* row = nullptr;    // the row of the last field placed on a row of its own
    };
    void build();
    void place(Field& f, QFormLayout* page, Placement& at);
    QWidget* buildField(Field& f, QWidget* page);
    void buildOptions(Field& f, QHBoxLayout* layout);
    void buildEntry(Field& f, QHBoxLayout* layout);
    QWidget* buildButtons();
    Field* fieldOf(std::string_view name);
    Field* fieldOf(const QObject* widget);
    bool acceptEntry(Field& f);
    void rejectEntry(Field& f, const std::string& fault);
    void changed(Field& f);
    void step(Field& f, int delta);
    void stepText(Field& f, int delta);
    void ditto(Field& f);
    void refreshField(Field& f, bool keepTyped = false);
    bool lookupMissing(Field& f);
    const ListSpec* lookupList(const FieldSpec& fs) const;  // the list the look-up chooses from
    bool lookedUpIfRequired(Field& f);
    bool lookupAllowed(Field& f);
    void runLookup(Field& f);
    void lookupOnFocus(std::string_view field);
    bool validateAll();
    QWidget* focusTarget(const Field& f) const;
    void focusFirstField();
    void focusFieldAfter(const Field& f);
    void finish(bool completed);
    void showHelp();

    AppContext& ctx_;
    const FormSpec& spec_;
    std::unique_ptr<RecordForm> form_;
    std::vector<std::unique_ptr<Field>> fields_;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool closing_ = false;
    bool opening_ = true;  // the focus the dialog gives its first field on showing is not the user's arrival
};

// Calls a form as a list or look-up does: the request goes in, the form runs over `rec`, modal to
// `parent`'s window only, and its response comes back (Completed: `rec` holds the record saved, deleted or chosen).
Response callForm(AppContext& ctx, const FormSpec& spec, Request request, RecordBuffer& rec, QWidget* parent);

}  // namespace pramo
