#include "shell/screen_files.h"

#include "records/layouts/relations.h"

namespace pramo {

ScreenFiles::ScreenFiles(AppContext& ctx, std::span<const TableDef* const> tables) {
    for (int tries = 0; tries < 3; ++tries) {  // a file rebuilt once opens the next time
        use_.emplace(ctx.files, tables);
        if (use_->ok()) return;
        const Outcome<StoreCode> failed = use_->outcome();
        use_.reset();
        const bool rebuild = show(ctx.messages, *failed.message) == ButtonYes && failed.result == StoreCode::KeysInvalid;
        if (!rebuild || shown(ctx.messages, ctx.files.rebuildKeys(*failed.file)) != StoreCode::Ok) return;
    }
}

RiResult riUpdate(AppContext& ctx, const TableDef& t, void* rec) {
    const ScreenFiles scope(ctx, transactionScope(t));
    return scope.ok() ? shown(ctx.messages, ctx.ri.update(t, rec)) : RiResult::Refused;
}

RiResult riRemove(AppContext& ctx, const TableDef& t, void* rec) {
    const ScreenFiles scope(ctx, transactionScope(t));
    return scope.ok() ? shown(ctx.messages, ctx.ri.remove(t, rec)) : RiResult::Refused;
}

}  // namespace pramo
