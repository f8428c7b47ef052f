#include "shell/desktop/data_dir_choice.h"

#include <unistd.h>

#include <QDir>
#include <QMessageBox>
#include <QSettings>

#include "shell/desktop/data_dir_dialog.h"
#include "shell/desktop/session.h"

namespace pramo {

namespace fs = std::filesystem;

namespace {

constexpr const char* settingsKey = "dataDir";
constexpr const char* proposedName = "pramo-podaci";

QString shown(const fs::path& p) { return QString::fromStdString(p.string()); }

// "dir/" and "dir/." name the same directory as "dir".
fs::path plain(const fs::path& dir) {
    fs::path p = dir.lexically_normal();
    return p.has_filename() || !p.has_relative_path() ? p : p.parent_path();
}

std::optional<QString> makeDirectory(const fs::path& dir) {
    std::error_code ec;
    if (!fs::is_directory(dir.parent_path(), ec)) return QStringLiteral("Mapa %1 ne postoji.").arg(shown(dir.parent_path()));
    if (!fs::create_directory(dir, ec) && ec)
        return QStringLiteral("Mapa %1 ne može se napraviti: %2").arg(shown(dir), QString::fromStdString(ec.message()));
    return std::nullopt;
}

}  // namespace

bool holdsBooks(const fs::path& dir) {
    std::error_code ec;
    return fs::exists(dir / booksFileName, ec) || fs::exists(dir / booksConfName, ec);
}

DataDirDecision decideDataDir(const DataDirPlaces& places) {
    if (!places.given.empty()) return {.open = places.given};
    if (holdsBooks(places.current)) return {.open = places.current};
    if (!places.remembered.empty() && holdsBooks(places.remembered)) return {.open = places.remembered};
    if (!places.remembered.empty()) return {.proposal = places.remembered};
    // Started from a shell in an empty directory of its own: the user made it for the books.
    std::error_code ec;
    const bool emptyOwn = places.current != places.home && fs::is_directory(places.current, ec) && fs::is_empty(places.current, ec);
    return {.proposal = emptyOwn ? places.current : places.home / proposedName};
}

std::optional<QString> prepareDataDir(const fs::path& given) {
    if (given.empty()) return QStringLiteral("Upišite mapu s podacima.");
    const fs::path dir = plain(fs::absolute(given));
    std::error_code ec;
    if (fs::exists(dir, ec) && !fs::is_directory(dir, ec)) return QStringLiteral("%1 nije mapa.").arg(shown(dir));
    if (!fs::exists(dir, ec))
        if (auto problem = makeDirectory(dir)) return problem;
    if (access(dir.c_str(), R_OK | W_OK | X_OK) != 0) return QStringLiteral("U mapu %1 ne može se pisati.").arg(shown(dir));
    return std::nullopt;
}

fs::path typedDataDir(const QString& text, const fs::path& home) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return {};
    if (t == QStringLiteral("~")) return home;
    if (t.startsWith(QStringLiteral("~/"))) return plain(home / t.mid(2).toStdString());
    return plain(home / t.toStdString());  // an absolute name replaces the home directory
}

fs::path rememberedDataDir() { return QSettings().value(settingsKey).toString().toStdString(); }

void rememberDataDir(const fs::path& dir) { QSettings().setValue(settingsKey, shown(dir)); }

std::optional<fs::path> chooseDataDir(const std::string& given, QWidget* parent) {
    std::error_code ec;
    const fs::path current = fs::current_path(ec);
    const fs::path home = QDir::homePath().toStdString();
    const DataDirDecision d = decideDataDir(
        {.given = given.empty() ? fs::path() : plain(fs::absolute(given, ec)), .current = current, .remembered = rememberedDataDir(), .home = home});
    if (d.open.empty()) return askDataDir(shown(d.proposal), home, parent);
    if (const auto problem = prepareDataDir(d.open)) {
        QMessageBox::warning(parent, QString::fromUtf8(dataDirTitle), *problem);
        return std::nullopt;
    }
    return d.open;
}

}  // namespace pramo
