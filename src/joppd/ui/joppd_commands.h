#pragma once
// The JOPPD commands the screens run, each with its messages: "JOP kreiranje" of the payments
// list and "KREIRAJ XML DATOTEKU" of the submissions list (the list's "JOP - A" and "JOP - B" run
// their reports). Each opens the files it needs for as long as it runs.

#include <cstdint>

class QWidget;

namespace pramo {

struct AppContext;
class RandomSource;

// Creates the submission of payment `isplata` (serial number 1, a new identifier, the author of
// the last submission, asked for when that has none) and shows "OBRAZAC KREIRAN" or why not.
// True when it was created.
bool jopKreiranje(AppContext& ctx, std::int32_t isplata, QWidget* parent);
bool jopKreiranje(AppContext& ctx, std::int32_t isplata, RandomSource& random, QWidget* parent);

// Writes the XML return of submission `jopo` (the XML directory of the data directory, else the
// data directory) and shows "XML datoteka kreirana" or what stopped it. True when it was written.
bool kreirajXmlDatoteku(AppContext& ctx, std::int32_t jopo, QWidget* parent);

}  // namespace pramo
