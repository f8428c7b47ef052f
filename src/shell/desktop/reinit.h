#pragma once
// Re-initialisation ("Inicijalizacija"): after two confirmations, erases every payment with its
// income items, calculation lines and auxiliary values. Registers and everything else stay.

#include <string>
#include <vector>

#include "records/store/files.h"

namespace pramo {

struct ReinitOutcome {
    bool confirmed = false;              // both questions answered "DA"
    std::vector<std::string> notErased;  // files whose erase failed, in the order tried
};

// Asks both questions ("NE" the default of each, so that Enter erases nothing), erases OBRACUN, DOHOCI, ISPLATE and SVASTA in that order (a failure is
// reported and the next file is tried; a file this program has open cannot be erased) and ends
// with a message saying whether everything was erased or which files were not.
ReinitOutcome reinitialise(Files& files, Messages& messages);

}  // namespace pramo
