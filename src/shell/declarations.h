#pragma once
// The list and form declarations a screen leads to, and their check. A list leads to its form,
// the lists linked to it (on its tabs and below it) and, through its form, to the lists its
// look-ups choose from; one check over all of them finds a misspelt field or a hook over another
// file's records before any window opens.

#include <QString>
#include <map>
#include <string>
#include <vector>

#include "shell/form/form_declaration.h"
#include "shell/list/list_declaration.h"

namespace pramo {

class Messages;

struct Declarations {
    std::vector<const ListSpec*> lists;
    std::vector<const FormSpec*> forms;
    std::map<const TableDef*, const ListSpec*> choosers;  // the list a record of each file is chosen from

    // Adds the declaration and every one it leads to (each once).
    void collect(const ListSpec& list);
    void collect(const FormSpec& form);
    // Adds the list as the one to choose a record of its file from (the first one stays).
    void choose(const ListSpec& list);
    const ListSpec* chooser(const TableDef& table) const;
    // The first fault among them, naming the declaration ("Pregled mjesta: MJE:NAZV is not a
    // declared field"); empty when every one resolves.
    std::string firstFault() const;
    // The first look-up that chooses from the registered list of a file none is registered for,
    // naming its form and field; empty when every one has its list.
    std::string unchosenLookup() const;
};

// The first fault of a declaration or of any it leads to; empty when there is none.
std::string declarationFault(const ListSpec& list);
std::string declarationFault(const FormSpec& form);

// Shows "the screen cannot be opened" with the fault, for a declaration found faulty when a
// screen is about to open; the program goes on without that screen.
void showDeclarationFault(Messages& messages, const QString& screen, const std::string& fault);

}  // namespace pramo
