#include "xml/xml_file.h"

#include <cstdio>

namespace pramo {
namespace {

bool writeAll(const std::string& path, std::string_view content) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(content.data(), 1, content.size(), f) == content.size();
    return (std::fclose(f) == 0) && written;
}

}  // namespace

WriteOutcome writeXmlFile(const std::string& target, std::string_view document, std::string_view schema,
                          const DescribeProblem& describe, std::optional<std::string>& refused) {
    refused.reset();
    const WriteOutcome failed = writeFileAtomically(target, [&](const std::string& temporary) {
        if (!writeAll(temporary, document)) return false;
        if (auto problem = validateXmlFile(temporary, schema)) refused = describe(*problem);
        return !refused;
    });
    return refused ? std::nullopt : failed;
}

std::optional<std::string> writeXmlFile(const std::string& target, std::string_view document, std::string_view schema,
                                        const DescribeProblem& describe) {
    std::optional<std::string> refused;
    if (const WriteOutcome failed = writeXmlFile(target, document, schema, describe, refused)) return failed->croatian();
    return refused;
}

}  // namespace pramo
