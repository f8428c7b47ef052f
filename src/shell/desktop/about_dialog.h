#pragma once
// The About window (OPROGRAMU): what the program covers, and a button that closes it.

#include <QDialog>

namespace pramo {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace pramo
