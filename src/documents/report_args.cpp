#include "documents/report_args.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace pramo {
namespace {

constexpr int highest = std::numeric_limits<std::int32_t>::max();

// A whole number from `low` to `high` into `member`.
template <class T>
ArgOption number(ReportArg arg, std::string_view option, T ReportArgs::*member, int low, int high = highest,
                 std::string_view meta = "N") {
    return {arg, option, meta, [option, member, low, high](std::string_view text, ReportArgs& into) -> std::optional<std::string> {
        int v = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
        if (ec != std::errc{} || end != text.data() + text.size() || v < low || v > high)
            return std::string(option) + " traži cijeli broj od " + std::to_string(low) + " do " + std::to_string(high) +
                   ", a ne '" + std::string(text) + "'";
        into.*member = v;
        return std::nullopt;
    }};
}

std::optional<std::string> printer(std::string_view text, ReportArgs& into) {
    if (text != "M" && text != "L") return "--printer traži M (matrični) ili L (laserski), a ne '" + std::string(text) + "'";
    into.printer = text == "M" ? PrinterKind::Matrix : PrinterKind::Laser;
    return std::nullopt;
}

std::optional<std::string> reportDate(std::string_view text, ReportArgs& into) {
    into.reportDate = Date::parse(text);
    if (!into.reportDate || into.reportDate->isNull()) return "--date traži dan kao DD.MM.GGGG, a ne '" + std::string(text) + "'";
    return std::nullopt;
}

// In the order of ReportArg.
std::vector<ArgOption> declared() {
    return {
        number(ReportArg::Payer, "--payer", &ReportArgs::payer, 1),
        number(ReportArg::Payee, "--payee", &ReportArgs::payee, 0),
        number(ReportArg::Payment, "--payment", &ReportArgs::payment, 1),
        number(ReportArg::Item, "--item", &ReportArgs::item, 1),
        number(ReportArg::Submission, "--submission", &ReportArgs::submission, 1),
        number(ReportArg::Header, "--header", &ReportArgs::header, 1),
        number(ReportArg::Kriznica, "--return", &ReportArgs::kriznica, 1),
        number(ReportArg::Param, "--param", &ReportArgs::param, 0),
        number(ReportArg::Year, "--year", &ReportArgs::year, 1900, 2999, "Y"),
        number(ReportArg::Month, "--month", &ReportArgs::month, 1, 12, "M"),
        {ReportArg::Printer, "--printer", "M|L", printer},
        {ReportArg::ReportDate, "--date", "DD.MM.GGGG", reportDate},
    };
}

}  // namespace

const std::vector<ArgOption>& argOptions() {
    static const std::vector<ArgOption> all = declared();
    return all;
}

const ArgOption& argOption(ReportArg arg) { return argOptions()[static_cast<std::size_t>(arg)]; }

const ArgOption* argOption(std::string_view option) {
    const auto it = std::ranges::find(argOptions(), option, &ArgOption::option);
    return it == argOptions().end() ? nullptr : &*it;
}

}  // namespace pramo
