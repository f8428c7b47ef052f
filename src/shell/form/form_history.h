#pragma once
// The history copies of the program's forms: for each form, the last record it saved in this run
// (blank until then), from which ditto (Ctrl+') puts a field's value back.

#include <map>
#include <memory>

#include "shell/form/record_buffer.h"

namespace pramo {

struct FormSpec;

class FormHistory {
public:
    RecordBuffer& of(const FormSpec* form, const TableDef& table) {
        auto& copy = copies_[form];
        if (!copy) copy = std::make_unique<RecordBuffer>(table);
        return *copy;
    }

private:
    std::map<const FormSpec*, std::unique_ptr<RecordBuffer>> copies_;
};

}  // namespace pramo
