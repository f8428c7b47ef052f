#pragma once
// The references between files, declared once: each relation says which child field holds which
// parent field (the parent's number, or a code such as a municipality's), the child key to find
// the children by, and what happens to the children when the parent is deleted or that field
// changes. Referential integrity reads only this declaration.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/store/table_def.h"

namespace pramo {

enum class Rule : std::uint8_t {
    Restrict,  // the operation is refused while any child refers to the parent
    Cascade,   // the children are deleted with the parent, or follow its new number
};

struct Relation {
    const TableDef* parent;
    const TableDef* child;
    std::string_view parentField;  // the parent's number ("OZNAKA") or code ("SHIFRA" of OPCINE)
    std::string_view childField;   // the child's link holding it: "ISPLATA" in DOHOCI
    const KeyDef* childKey;        // a child key that starts with the link
    Rule onDelete;
    Rule onChange;

    const FieldDef& parentNumber() const { return *parent->field(parentField); }
    const FieldDef& link() const { return *child->field(childField); }
};

// Every relation, in the order in which the operations handle them.
std::span<const Relation> relations();

// The relations in which `parent` is the parent, in that order; empty for a file without children.
std::vector<const Relation*> relationsOf(const TableDef& parent);

// The fields of `parent` its children refer to, each once, in the order of its relations; empty
// for a file without children.
std::vector<const FieldDef*> parentFields(const TableDef& parent);

// A link's value in a record, for comparing and carrying: a number as its digits, a code as its
// text without trailing blanks. A code that is blank links to nothing.
std::string linkValue(const FieldDef& f, const void* rec);
void setLinkValue(const FieldDef& f, void* rec, const std::string& value);
bool linksNothing(const FieldDef& f, const std::string& value);

// The files an operation on `t` may touch: `t` first, then in name order every child of its
// relations and, through the cascading ones, their children in turn.
std::vector<const TableDef*> transactionScope(const TableDef& t);

}  // namespace pramo
