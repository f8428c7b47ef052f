#include "shell/desktop/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pramo {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("O programu Pramo V1.01"));
    auto* layout = new QVBoxLayout(this);
    for (const char* line : {"Program obračunava isplate drugog dohotka i autorskih honorara te priprema",
                             "JOPPD obrasce, ispis virmana (HUB3 ili HUB 3A), potvrde na kraju godine."}) {
        auto* label = new QLabel(QString::fromUtf8(line), this);
        label->setTextFormat(Qt::PlainText);
        layout->addWidget(label);
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(QStringLiteral("&Zatvori"), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(buttons);
}

}  // namespace pramo
