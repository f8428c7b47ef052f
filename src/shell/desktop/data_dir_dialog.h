#pragma once
// The question asked when the program does not know where its books are: a directory to use or
// to create, proposed and editable, with a button that browses for one.

#include <QDialog>
#include <filesystem>
#include <optional>

class QLabel;
class QLineEdit;

namespace pramo {

inline constexpr const char* dataDirTitle = "Mapa s podacima";

class DataDirDialog : public QDialog {
    Q_OBJECT
public:
    DataDirDialog(const QString& proposal, std::filesystem::path home, QWidget* parent = nullptr);

    // The directory chosen, made ready for books once the window has been accepted.
    const std::filesystem::path& chosen() const { return chosen_; }

    // OK: prepares the directory typed; a problem is shown in the window, which stays open.
    void accept() override;

private:
    void browse();

    std::filesystem::path home_;
    std::filesystem::path chosen_;
    QLineEdit* edit_ = nullptr;
    QLabel* problem_ = nullptr;
};

// Asks for the data directory; nothing when the user gives up.
std::optional<std::filesystem::path> askDataDir(const QString& proposal, const std::filesystem::path& home,
                                                QWidget* parent);

}  // namespace pramo
