#include "shell/declarations.h"

#include <algorithm>

#include "shell/messages.h"

namespace pramo {
namespace {

template <class T>
bool addOnce(std::vector<const T*>& to, const T& item) {
    if (std::find(to.begin(), to.end(), &item) != to.end()) return false;
    to.push_back(&item);
    return true;
}

std::string named(const QString& caption, const std::string& fault) {
    return fault.empty() ? fault : caption.toStdString() + ": " + fault;
}

}  // namespace

void Declarations::collect(const ListSpec& list) {
    if (!addOnce(lists, list)) return;
    if (list.form) collect(*list.form);
    for (const TabSpec& tab : list.tabs)
        if (tab.range.from) collect(*tab.range.from);
    for (const ListSpec* d : list.details) collect(*d);
}

void Declarations::collect(const FormSpec& form) {
    if (!addOnce(forms, form)) return;
    for (const FieldSpec& f : form.fields) {
        if (f.lookup.list) collect(*f.lookup.list);
        if (f.list) collect(*f.list);
    }
}

void Declarations::choose(const ListSpec& list) {
    collect(list);
    choosers.emplace(list.table, &list);
}

const ListSpec* Declarations::chooser(const TableDef& table) const {
    const auto it = choosers.find(&table);
    return it == choosers.end() ? nullptr : it->second;
}

std::string Declarations::unchosenLookup() const {
    for (const FormSpec* form : forms)
        for (const FieldSpec& f : form->fields)
            if (f.lookup.registered && f.lookup.key && !chooser(*f.lookup.key->table))
                return named(form->insertCaption, "the look-up " + f.label.toStdString() + " finds no list registered for " +
                                                      std::string(f.lookup.key->table->name));
    return {};
}

std::string Declarations::firstFault() const {
    for (const ListSpec* l : lists)
        if (auto f = named(l->caption, ownFault(*l)); !f.empty()) return f;
    for (const FormSpec* form : forms)
        if (auto f = named(form->insertCaption.isEmpty() ? form->changeCaption : form->insertCaption, ownFault(*form)); !f.empty())
            return f;
    return {};
}

std::string declarationFault(const ListSpec& list) {
    Declarations d;
    d.collect(list);
    return d.firstFault();
}

std::string declarationFault(const FormSpec& form) {
    Declarations d;
    d.collect(form);
    return d.firstFault();
}

void showDeclarationFault(Messages& messages, const QString& screen, const std::string& fault) {
    MessageBox box;
    box.title = screen.toStdString();
    box.text = "Zaslon se ne može otvoriti: greška u njegovom opisu.\n" + fault;
    messages.ask(box);
}

}  // namespace pramo
