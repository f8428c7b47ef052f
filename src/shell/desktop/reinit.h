#pragma once
// Re-initialisation ("Inicijalizacija"): after two confirmations, erases every payment together
// with everything that refers to payments: income items, their calculation lines and auxiliary
// values, and the JOPPD submissions. Registers and everything else stay.

#include <string>
#include <vector>

#include "records/store/files.h"
#include "shell/messages.h"

namespace pramo {

struct ReinitOutcome {
    bool confirmed = false;            // both questions answered "DA"
    bool erased = false;               // every file was erased
    std::vector<std::string> refused;  // why nothing was erased: one line per file, in the order checked
};

// The files erased, the payments first: numbering starts again at 1 afterwards, so no record may
// be left that refers to a payment or an income item by number.
std::vector<const TableDef*> reinitialisedFiles();

// Asks both questions ("NE" the default of each, so that Enter erases nothing), then erases the
// files in one transaction, all or none. Nothing is erased while a screen of this program has one
// of them open or while another program (a second desktop, the command line, sqlite3) has the
// database open: the message names each file and why, and "PODACI NISU BRISANI" follows.
ReinitOutcome reinitialise(Files& files, Messages& messages);

}  // namespace pramo
