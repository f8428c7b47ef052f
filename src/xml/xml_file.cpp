#include "xml/xml_file.h"

#include <cstdio>

namespace pramo {
namespace {

// Fills an open file; a problem stops the document, false is a failed write.
using Fill = std::function<bool(std::FILE* file, std::optional<std::string>& stopped)>;

WriteOutcome writeChecked(const std::string& target, const Fill& fill, std::string_view schema,
                          const DescribeProblem& describe, std::optional<std::string>& refused) {
    refused.reset();
    const WriteOutcome failed = writeFileAtomically(target, [&](const std::string& temporary) {
        std::FILE* f = std::fopen(temporary.c_str(), "wb");
        if (!f) return false;
        const bool filled = fill(f, refused);
        if (std::fclose(f) != 0 || !filled || refused) return false;
        if (auto problem = validateXmlFile(temporary, schema)) refused = describe(*problem);
        return !refused;
    });
    return refused ? std::nullopt : failed;
}

std::optional<std::string> inWords(const WriteOutcome& failed, std::optional<std::string>& refused) {
    if (failed) return failed->croatian();
    return refused;
}

}  // namespace

WriteOutcome writeXmlFile(const std::string& target, const XmlContent& content, std::string_view schema,
                          const DescribeProblem& describe, std::optional<std::string>& refused) {
    const Fill fill = [&](std::FILE* f, std::optional<std::string>& stopped) {
        XmlWriter w(f);  // ends before the file is closed: it flushes what it holds
        stopped = content(w);
        if (!stopped && w.finish()) return true;
        if (!stopped && !w.writeFailed()) stopped = w.problem();
        return false;
    };
    return writeChecked(target, fill, schema, describe, refused);
}

WriteOutcome writeXmlFile(const std::string& target, std::string_view document, std::string_view schema,
                          const DescribeProblem& describe, std::optional<std::string>& refused) {
    const Fill fill = [&](std::FILE* f, std::optional<std::string>&) {
        return std::fwrite(document.data(), 1, document.size(), f) == document.size();
    };
    return writeChecked(target, fill, schema, describe, refused);
}

std::optional<std::string> writeXmlFile(const std::string& target, std::string_view document, std::string_view schema,
                                        const DescribeProblem& describe) {
    std::optional<std::string> refused;
    const WriteOutcome failed = writeXmlFile(target, document, schema, describe, refused);
    return inWords(failed, refused);
}

std::optional<std::string> writeXmlFile(const std::string& target, const XmlContent& content, std::string_view schema,
                                        const DescribeProblem& describe) {
    std::optional<std::string> refused;
    const WriteOutcome failed = writeXmlFile(target, content, schema, describe, refused);
    return inWords(failed, refused);
}

}  // namespace pramo
