#pragma once
// Who compiles the JOPPD returns: asked when a submission is created and the last one names no
// complete author (the first submission of new books), so that the return is not refused later
// for a blank author. The new submission keeps what is typed, and every later one starts with it.

#include "joppd/submission.h"

class QWidget;

namespace pramo {

struct AppContext;

// Asks for the author's first name, surname and e-mail, starting from those of `last`. OK is taken
// only with all three given and an e-mail the return accepts. False when the user gave up.
bool askAuthor(AppContext& ctx, const Jopo& last, AuthorOverride& author, QWidget* parent);

}  // namespace pramo
