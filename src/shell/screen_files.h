#pragma once
// Files opened for a screen as FileUse opens them, with the user told what stops one: damaged keys
// are rebuilt when the user agrees to warning 2, and a file the program cannot go on without ends
// it after its warning. And integrity's operations as the screens run them: their files opened
// so first, what they answer shown.

#include <initializer_list>
#include <optional>
#include <span>

#include "shell/app_context.h"

namespace pramo {

class ScreenFiles {
public:
    ScreenFiles(AppContext& ctx, std::span<const TableDef* const> tables);
    ScreenFiles(AppContext& ctx, std::initializer_list<const TableDef*> tables)
        : ScreenFiles(ctx, std::span<const TableDef* const>(tables.begin(), tables.size())) {}

    // False when a file could not be used (the program has been ended after its warning).
    bool ok() const { return use_.has_value() && use_->ok(); }

private:
    std::optional<FileUse> use_;
};

// RIUPDATE and RIDELETE from a screen.
RiResult riUpdate(AppContext& ctx, const TableDef& t, void* rec);
RiResult riRemove(AppContext& ctx, const TableDef& t, void* rec);
template <class R> RiResult riRemove(AppContext& ctx, R& rec) { return riRemove(ctx, R::table, &rec); }

}  // namespace pramo
