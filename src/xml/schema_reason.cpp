#include "xml/schema_reason.h"

#include <regex>

namespace pramo {
namespace {

// The first match of group 1 of `pattern`, empty when none.
std::string find(const std::string& text, const char* pattern) {
    std::smatch m;
    return std::regex_search(text, m, std::regex(pattern)) ? m[1].str() : std::string();
}

// "{namespace}P17 , {namespace}P2" -> "P17, P2"
std::string elementNames(std::string list) {
    list = std::regex_replace(list, std::regex(R"(\{[^}]*\})"), "");
    list = std::regex_replace(list, std::regex(R"(\s*,\s*)"), ", ");
    return std::regex_replace(list, std::regex(R"(^\s+|\s+$)"), "");
}

struct FacetWords {
    const char* facet;
    const char* words;  // after 'vrijednost "X" '; %s is the facet's limit
};

constexpr FacetWords facets[] = {
    {"pattern", "nije u propisanom obliku"},
    {"enumeration", "nije jedna od dopuštenih vrijednosti"},
    {"minLength", "je prekratka (najmanje %s znakova)"},
    {"maxLength", "je preduga (najviše %s znakova)"},
    {"length", "nije propisane duljine (%s znakova)"},
    {"minInclusive", "je manja od najmanje dopuštene (%s)"},
    {"maxInclusive", "je veća od najveće dopuštene (%s)"},
    {"fractionDigits", "ima više od %s decimala"},
    {"totalDigits", "ima više od %s znamenki"},
};

// The facet's limit: "... allowed ('2')." or "... allowed minimum length of '2'."
std::string limitOf(const std::string& d) {
    const std::string bracketed = find(d, R"(\('([^']*)'\)\.?$)");
    return bracketed.empty() ? find(d, R"(of '([^']*)'\.?$)") : bracketed;
}

std::string facetReason(const std::string& d, const std::string& facet, const std::string& value) {
    for (const FacetWords& f : facets) {
        if (facet != f.facet) continue;
        std::string words = f.words;
        if (const auto at = words.find("%s"); at != std::string::npos) words.replace(at, 2, limitOf(d));
        return "vrijednost \"" + value + "\" " + words;
    }
    return {};
}

}  // namespace

std::string plainReason(std::string_view detailView, std::string_view valueView) {
    const std::string d(detailView);
    const std::string value(valueView);
    if (const std::string facet = find(d, R"(\[facet '(\w+)'\])"); !facet.empty()) {
        if (std::string r = facetReason(d, facet, value); !r.empty()) return r;
    }
    if (d.find("Missing child element") != std::string::npos)
        return "nedostaje element " + elementNames(find(d, R"(Expected is(?: one of)? \( ([^)]*) \))"));
    if (d.find("This element is not expected") != std::string::npos) {
        const std::string expected = elementNames(find(d, R"(Expected is(?: one of)? \( ([^)]*) \))"));
        return expected.empty() ? "element ovdje nije dopušten" : "element ovdje nije dopušten; očekuje se " + expected;
    }
    if (d.find("is not a valid value") != std::string::npos) return "vrijednost \"" + value + "\" nije ispravna za to polje";
    if (d.find("attribute") != std::string::npos) return "atribut nije ispravan (" + d + ")";
    return "ne odgovara shemi (" + d + ")";
}

}  // namespace pramo
