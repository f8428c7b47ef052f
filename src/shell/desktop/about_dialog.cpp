#include "shell/desktop/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "pramo_version.h"

namespace pramo {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("O programu Pramo V%1").arg(build::version));
    const QString version = QStringLiteral("Verzija %1, stope općina i šifarnici: stanje %2").arg(build::version, build::dataDate);
    auto* layout = new QVBoxLayout(this);
    for (const QString& line : {QStringLiteral("Program obračunava isplate drugog dohotka i autorskih honorara te priprema"),
                                QStringLiteral("JOPPD obrasce, ispis virmana (HUB3 ili HUB 3A), potvrde na kraju godine."), version}) {
        auto* label = new QLabel(line, this);
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
