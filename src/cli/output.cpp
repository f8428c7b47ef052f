#include "cli/output.h"

#include <iostream>

#include "cli/command.h"
#include "records/values/unicode.h"

namespace pramo::cli {
namespace {

// Where the last character of `text` begins when it is cut short (its lead byte promises more
// bytes than follow); text.size() when the text ends whole.
std::size_t cutCharacter(const std::string& text) {
    for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
        const auto c = static_cast<unsigned char>(text[text.size() - back]);
        if ((c & 0xC0) == 0x80) continue;  // a continuation byte: look further back
        const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return length > back ? text.size() - back : text.size();
    }
    return text.size();
}

}  // namespace

int refused(std::string_view command, std::string_view problem) {
    std::cerr << "pramo-cli " << command << ": " << problem << "\n";
    return ExitBadInput;
}

VisibleOutput::VisibleOutput(std::ostream& stream) : stream_(stream), below_(stream.rdbuf(this)) {}

VisibleOutput::~VisibleOutput() {
    pass(true);
    below_->pubsync();
    stream_.rdbuf(below_);
}

VisibleOutput::int_type VisibleOutput::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    pending_ += traits_type::to_char_type(c);
    return c;
}

std::streamsize VisibleOutput::xsputn(const char* s, std::streamsize n) {
    pending_.append(s, static_cast<std::size_t>(n));
    constexpr std::size_t held = 1 << 16;  // a long output goes on in pieces
    if (pending_.size() > held && !pass(false)) return 0;
    return n;
}

int VisibleOutput::sync() { return pass(false) && below_->pubsync() == 0 ? 0 : -1; }

bool VisibleOutput::pass(bool whole) {
    const std::size_t end = whole ? pending_.size() : cutCharacter(pending_);
    const std::string shown = visibleLines(std::string_view(pending_).substr(0, end));
    pending_.erase(0, end);
    return below_->sputn(shown.data(), static_cast<std::streamsize>(shown.size())) == static_cast<std::streamsize>(shown.size());
}

int printSaved(const std::string& result, const std::string& saved) {
    std::cout << result;
    if (std::cout.flush()) return ExitOk;
    std::cerr << "pramo-cli: rezultat nije moguće ispisati na standardni izlaz, ali " << saved << "\n";
    return ExitSavedNotShown;
}

}  // namespace pramo::cli
