#include "xml/xml_file.h"

#include <cstdio>

#include "records/store/atomic_file.h"

namespace pramo {
namespace {

bool writeAll(const std::string& path, std::string_view content) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(content.data(), 1, content.size(), f) == content.size();
    return (std::fclose(f) == 0) && written;
}

}  // namespace

std::optional<std::string> writeXmlFile(const std::string& target, std::string_view document, std::string_view schema,
                                        const DescribeProblem& describe) {
    std::optional<std::string> invalid;
    const auto failed = writeFileAtomically(target, [&](const std::string& temporary) {
        if (!writeAll(temporary, document)) return false;
        if (auto problem = validateXmlFile(temporary, schema)) invalid = describe(*problem);
        return !invalid;
    });
    if (invalid) return invalid;
    if (failed) return failed->croatian();
    return std::nullopt;
}

}  // namespace pramo
