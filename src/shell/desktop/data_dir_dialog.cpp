#include "shell/desktop/data_dir_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/desktop/data_dir_choice.h"
#include "shell/file_dialogs.h"

namespace pramo {

namespace {

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

}  // namespace

DataDirDialog::DataDirDialog(const QString& proposal, std::filesystem::path home, QWidget* parent)
    : QDialog(parent), home_(std::move(home)) {
    setWindowTitle(QString::fromUtf8(dataDirTitle));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(plainLabel(QStringLiteral("Pramo drži knjige (datoteku pramo.db) u jednoj mapi. Odaberite mapu "
                                                "s knjigama ili upišite novu, koju će Pramo napraviti. Idući put "
                                                "Pramo otvara istu mapu bez pitanja."), this));
    auto* row = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("&Mapa:"), this);
    edit_ = new QLineEdit(proposal, this);
    edit_->setMinimumWidth(edit_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 50);
    caption->setBuddy(edit_);
    auto* browse = new QPushButton(QStringLiteral("&Odaberi..."), this);
    connect(browse, &QPushButton::clicked, this, &DataDirDialog::browse);
    row->addWidget(caption);
    row->addWidget(edit_, 1);
    row->addWidget(browse);
    layout->addLayout(row);
    problem_ = plainLabel({}, this);
    problem_->hide();
    layout->addWidget(problem_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("U &redu"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("&Odustani"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &DataDirDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DataDirDialog::reject);
    layout->addWidget(buttons);
}

void DataDirDialog::accept() {
    const std::filesystem::path dir = typedDataDir(edit_->text(), home_);
    if (const auto problem = prepareDataDir(dir)) {
        problem_->setText(*problem);
        problem_->show();
        edit_->setFocus();
        return;
    }
    chosen_ = dir;
    QDialog::accept();
}

void DataDirDialog::browse() {
    const QString start = QString::fromStdString(typedDataDir(edit_->text(), home_).parent_path().string());
    const QString dir = askDirectory(this, windowTitle(), start);
    if (!dir.isEmpty()) edit_->setText(dir);
}

std::optional<std::filesystem::path> askDataDir(const QString& proposal, const std::filesystem::path& home,
                                                QWidget* parent) {
    DataDirDialog dialog(proposal, home, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.chosen();
}

}  // namespace pramo
