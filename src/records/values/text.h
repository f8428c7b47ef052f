#pragma once
// Text<n>: a STRING(n) field. It holds at most n characters (UTF-8 inside) and compares ignoring
// trailing blanks, as fixed-width padded fields do. Memo<n> is the same for MEMO(n) fields.

#include <compare>
#include <cstddef>
#include <string>
#include <string_view>

namespace pramo {

namespace utf8 {
std::size_t length(std::string_view s);                      // characters, not bytes
std::string_view prefix(std::string_view s, std::size_t n);  // the first n characters
inline std::string_view trimRight(std::string_view s) {      // without trailing blanks
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}
std::string upper(std::string_view s);                       // Croatian and Latin letters too
}  // namespace utf8

template <std::size_t N, bool IsMemo = false>
class BasicText {
public:
    static constexpr std::size_t capacity = N;
    static constexpr bool memo = IsMemo;

    BasicText() = default;
    BasicText(std::string_view s) { assign(s); }  // NOLINT: a field takes text as a string does
    BasicText(const char* s) { assign(s); }       // NOLINT
    BasicText(const std::string& s) { assign(s); }  // NOLINT

    // Keeps the first N characters; trailing blanks are not kept (they never count). A text of no
    // more bytes than N has no more characters either; the value keeps its storage.
    void assign(std::string_view s) {
        if (s.size() > N) s = utf8::prefix(s, N);
        s = utf8::trimRight(s);
        value_.assign(s.data(), s.size());
    }
    BasicText& operator=(std::string_view s) { assign(s); return *this; }
    BasicText& operator=(const char* s) { assign(s); return *this; }
    BasicText& operator=(const std::string& s) { assign(s); return *this; }

    const std::string& str() const { return value_; }
    std::string_view view() const { return value_; }
    bool blank() const { return value_.empty(); }
    std::size_t length() const { return utf8::length(value_); }

    friend bool operator==(const BasicText& a, const BasicText& b) { return a.value_ == b.value_; }
    friend bool operator==(const BasicText& a, std::string_view b) { return a.value_ == utf8::trimRight(b); }
    friend bool operator==(const BasicText& a, const char* b) { return a == std::string_view(b); }
    friend auto operator<=>(const BasicText& a, const BasicText& b) { return a.value_ <=> b.value_; }

private:
    std::string value_;
};

template <std::size_t N>
using Text = BasicText<N, false>;
template <std::size_t N>
using Memo = BasicText<N, true>;

}  // namespace pramo
