#pragma once
// A JOPPD return the official schema refuses, told in the user's terms: which page, which row and
// payee, which field, what it holds and what the return expects there.

#include <string>

#include "xml/xml_schema.h"

namespace pramo {

std::string describeSchemaProblem(const SchemaProblem& p);

}  // namespace pramo
