#pragma once
// What every screen works with: the store and its files, integrity, message boxes, the global
// values, the clock and the data directory. One per running program, passed explicitly.

#include <string>

#include "records/values/date.h"
#include "records/store/files.h"
#include "records/layouts/integrity.h"
#include "records/store/store.h"
#include "shell/form/form_history.h"
#include "shell/globals.h"
#include "shell/messages.h"

namespace pramo {

class ScreenRegistry;

struct AppContext {
    Store& store;
    Files& files;
    Integrity& ri;
    Messages& messages;
    Globals& glo;
    const Clock& clock;
    std::string dataDir;
    FormHistory formHistory{};  // the forms' history copies for ditto, kept for the run
    // What the program is made of: the lists records are chosen from, the document commands.
    const ScreenRegistry* screens = nullptr;
};

}  // namespace pramo
