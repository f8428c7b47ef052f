#pragma once
// The About window (OPROGRAMU): what the program covers, its version with the date of the rates
// and code books delivered, and a button that closes it.

#include <QDialog>

namespace pramo {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace pramo
