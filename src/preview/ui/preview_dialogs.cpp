#include "preview/ui/preview_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "preview/page_text.h"
#include "preview/ui/preview_host.h"
#include "preview/ui/print_job.h"

namespace pramo {
namespace {

QSpinBox* spin(const QString& name, int min, int max, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(min, max);
    box->setValue(value);
    return box;
}

QPushButton* button(const QString& text, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

// OK and Cancel buttons in a row at the bottom of a window.
QHBoxLayout* okCancel(QDialog* dialog, const QString& ok, const QString& cancel) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    QPushButton* okButton = button(ok, QStringLiteral("ok"), dialog);
    okButton->setDefault(true);
    QObject::connect(okButton, &QPushButton::clicked, dialog, &QDialog::accept);
    row->addWidget(okButton);
    if (!cancel.isEmpty()) {
        QPushButton* cancelButton = button(cancel, QStringLiteral("cancel"), dialog);
        QObject::connect(cancelButton, &QPushButton::clicked, dialog, &QDialog::reject);
        row->addWidget(cancelButton);
    }
    return row;
}

}  // namespace

JumpDialog::JumpDialog(const JumpTexts& texts, int current, int count, QWidget* parent)
    : QDialog(parent), page_(spin(QStringLiteral("page"), 1, count, current, this)) {
    setWindowTitle(texts.title);
    auto* form = new QFormLayout;
    form->addRow(texts.label, page_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(okCancel(this, texts.ok, texts.cancel));
    page_->selectAll();
}

int JumpDialog::page() const { return page_->value(); }

DisplayDialog::DisplayDialog(const DisplayTexts& texts, int across, int down, QWidget* parent)
    : QDialog(parent), across_(spin(QStringLiteral("across"), 1, 10, across, this)),
      down_(spin(QStringLiteral("down"), 1, 10, down, this)) {
    setWindowTitle(texts.title);
    auto* group = new QGroupBox(texts.group, this);
    auto* form = new QFormLayout(group);
    form->addRow(texts.across, across_);
    form->addRow(texts.down, down_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(okCancel(this, texts.ok, {}));
}

int DisplayDialog::across() const { return across_->value(); }
int DisplayDialog::down() const { return down_->value(); }

PageRangeBox::PageRangeBox(const QString& title, const PageList& pages, QWidget* parent)
    : QWidget(parent), choice_(new QButtonGroup(this)), from_(spin(QStringLiteral("from"), 1, pages.count(), 1, this)),
      to_(spin(QStringLiteral("to"), 1, pages.count(), pages.count(), this)) {
    auto* group = new QGroupBox(title, this);
    auto* column = new QVBoxLayout(group);
    const struct {
        const char* text;
        const char* name;
        PageChoice choice;
    } options[] = {{"Sve stranice", "all", PageChoice::All},
                   {"Samo označene stranice", "marked", PageChoice::Marked},
                   {"Samo neoznačene stranice", "unmarked", PageChoice::Unmarked},
                   {"Raspon stranica", "range", PageChoice::Range}};
    for (const auto& [text, name, choice] : options) {
        auto* radio = new QRadioButton(QString::fromUtf8(text), group);
        radio->setObjectName(QString::fromLatin1(name));
        radio->setEnabled(pages.markedCount() > 0 || (choice != PageChoice::Marked && choice != PageChoice::Unmarked));
        choice_->addButton(radio, static_cast<int>(choice));
        column->addWidget(radio);
    }
    choice_->button(static_cast<int>(PageChoice::All))->setChecked(true);
    auto* ends = new QHBoxLayout;
    ends->addWidget(new QLabel(QStringLiteral("Od:"), group));
    ends->addWidget(from_);
    ends->addWidget(new QLabel(QStringLiteral("Do:"), group));
    ends->addWidget(to_);
    column->addLayout(ends);
    (new QVBoxLayout(this))->addWidget(group);
    layout()->setContentsMargins(0, 0, 0, 0);
    connect(choice_, &QButtonGroup::idToggled, this, [this] { enableRange(); });
    enableRange();
}

PageSelection PageRangeBox::selection() const {
    return {static_cast<PageChoice>(choice_->checkedId()), from_->value(), to_->value()};
}

void PageRangeBox::enableRange() {
    const bool range = choice_->checkedId() == static_cast<int>(PageChoice::Range);
    from_->setEnabled(range);
    to_->setEnabled(range);
}

PrintOptionsDialog::PrintOptionsDialog(const PageList& pages, const QString& printerName, PreviewHost& host, QWidget* parent)
    : QDialog(parent), pages_(pages), host_(host), range_(new PageRangeBox(QStringLiteral("Raspon ispisa"), pages, this)),
      copies_(spin(QStringLiteral("copies"), 1, 99, 1, this)), collate_(new QCheckBox(QStringLiteral("Collate"), this)),
      printer_(new QLabel(this)), printerName_(printerName) {
    setWindowTitle(QStringLiteral("Opcije ispisa"));
    collate_->setObjectName(QStringLiteral("collate"));
    printer_->setObjectName(QStringLiteral("printer"));
    printer_->setText(printerName.isEmpty() ? QPrinterInfo::defaultPrinterName() : printerName);
    auto* copies = new QGroupBox(QStringLiteral("Kopije / Collate"), this);
    auto* copiesRow = new QHBoxLayout(copies);
    copiesRow->addWidget(new QLabel(QStringLiteral("Kopija:"), copies));
    copiesRow->addWidget(copies_);
    copiesRow->addWidget(collate_);
    auto* printerRow = new QHBoxLayout;
    printerRow->addWidget(new QLabel(QStringLiteral("Odabrani Printer:"), this));
    printerRow->addWidget(printer_, 1);
    QPushButton* choose = button(QStringLiteral("&Odaberi"), QStringLiteral("choosePrinter"), this);
    connect(choose, &QPushButton::clicked, this, &PrintOptionsDialog::choosePrinter);
    printerRow->addWidget(choose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(range_);
    layout->addWidget(copies);
    layout->addLayout(printerRow);
    layout->addLayout(okCancel(this, QStringLiteral("&Prihvati"), QStringLiteral("O&dustani")));
}

void PrintOptionsDialog::choosePrinter() {
    QPrinter printer;
    if (!printerName_.isEmpty()) printer.setPrinterName(printerName_);
    if (!host_.choosePrinter(this, printer)) return;
    printerName_ = printer.printerName();
    printer_->setText(printerName_);
}

void PrintOptionsDialog::accept() {
    order_ = expandCopies(selectPages(pages_.marks(), range_->selection()), copies_->value(), collate_->isChecked());
    if (order_.empty()) {
        tellNoPages(host_);
        return;
    }
    QDialog::accept();
}

SaveAllDialog::SaveAllDialog(const PageList& pages, const QString& fileName, PreviewHost& host, QWidget* parent)
    : QDialog(parent), pages_(pages), host_(host), range_(new PageRangeBox(QStringLiteral("Raspon snimanja"), pages, this)),
      file_(new QLineEdit(fileName, this)) {
    setWindowTitle(QStringLiteral("Snimi sve stranice u datoteku..."));
    file_->setObjectName(QStringLiteral("file"));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(new QLabel(QStringLiteral("Datoteka:"), this));
    fileRow->addWidget(file_, 1);
    QPushButton* choose = button(QStringLiteral("Odaberi datoteku"), QStringLiteral("chooseFile"), this);
    connect(choose, &QPushButton::clicked, this, &SaveAllDialog::chooseFile);
    fileRow->addWidget(choose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(range_);
    layout->addLayout(fileRow);
    layout->addLayout(okCancel(this, QStringLiteral("Prihvati"), QStringLiteral("Odustani")));
}

QString SaveAllDialog::fileName() const { return file_->text().trimmed(); }

void SaveAllDialog::chooseFile() {
    const QString name = host_.saveFileName(this, QStringLiteral("Save All Pages to File..."),
                                            QStringLiteral("Text File (*.TXT);;All Files (*)"), fileName());
    if (!name.isEmpty()) file_->setText(name);
}

void SaveAllDialog::accept() {
    const std::vector<const Page*> pages = pages_.selected(range_->selection());
    if (pages.empty()) {
        tellNoPages(host_);
        return;
    }
    if (const WriteOutcome problem = writePagesAsText(pages, host_.documentPath(fileName()))) {
        tellNotSaved(host_, *problem);
        return;
    }
    QDialog::accept();
}

void tellNoPages(PreviewHost& host) {
    host.messages().ask(namedBox("Raspon stranica", "Odabrani raspon ne sadrži nijednu stranicu.", "OK", Icon::Exclamation));
}

}  // namespace pramo
