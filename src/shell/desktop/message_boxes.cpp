#include "shell/desktop/message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QVariant>
#include <cstdlib>
#include <utility>

namespace pramo {
namespace {

constexpr const char* answerProperty = "pramoAnswer";
constexpr const char* haltTitle = "PRAMO V 2015_2";

QMessageBox::Icon iconOf(Icon icon) {
    switch (icon) {
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// The standard buttons in the order they appear, with the Qt button of each.
constexpr std::pair<Button, QMessageBox::StandardButton> standardButtons[] = {
    {ButtonOk, QMessageBox::Ok},   {ButtonYes, QMessageBox::Yes},       {ButtonNo, QMessageBox::No},
    {ButtonRetry, QMessageBox::Retry}, {ButtonCancel, QMessageBox::Cancel},
};

// A standard button in Qt's Croatian, except OK: the program's texts ask the user to press "OK"
// ("Pritisnite OK za potvrdu brisanja."), as its forms' OK button is named.
QPushButton* addStandardButton(QMessageBox& q, QMessageBox::StandardButton qt) {
    QPushButton* b = q.addButton(qt);
    if (qt == QMessageBox::Ok) b->setText(QStringLiteral("OK"));
    return b;
}

void addStandardButtons(QMessageBox& q, const MessageBox& box) {
    for (const auto& [value, qt] : standardButtons) {
        if ((box.buttons & value) == 0) continue;
        QPushButton* b = addStandardButton(q, qt);
        b->setProperty(answerProperty, static_cast<int>(value));
        if (box.defaultButton == value) q.setDefaultButton(b);
    }
}

void addNamedButtons(QMessageBox& q, const MessageBox& box) {
    QPushButton* last = nullptr;
    for (std::size_t i = 0; i < box.named.size(); ++i) {
        last = q.addButton(QString::fromStdString(box.named[i]), QMessageBox::ActionRole);
        const int answer = static_cast<int>(i) + 1;
        last->setProperty(answerProperty, answer);
        if (box.defaultButton == answer) q.setDefaultButton(last);
    }
    q.setEscapeButton(last);
}

}  // namespace

std::unique_ptr<QMessageBox> makeMessageBox(const MessageBox& box, QWidget* parent) {
    auto q = std::make_unique<QMessageBox>(parent);
    q->setWindowTitle(QString::fromStdString(box.title));
    q->setText(QString::fromStdString(box.text));
    q->setTextFormat(Qt::PlainText);
    q->setIcon(iconOf(box.icon));
    if (box.named.empty()) addStandardButtons(*q, box);
    else addNamedButtons(*q, box);
    return q;
}

int answerOf(const QMessageBox& shown) {
    const QAbstractButton* b = shown.clickedButton();
    return b ? b->property(answerProperty).toInt() : 0;
}

QtMessages::QtMessages(ExitFunction exit) : exit_(std::move(exit)) {
    if (!exit_) exit_ = [](int code) { std::exit(code); };
}

int QtMessages::ask(const MessageBox& box) {
    const auto q = makeMessageBox(box, QApplication::activeWindow());
    q->exec();
    return answerOf(*q);
}

void QtMessages::halt(const std::string& text) {
    QMessageBox q(QMessageBox::Critical, haltTitle, QString::fromStdString(text), QMessageBox::NoButton,
                  QApplication::activeWindow());
    q.setDefaultButton(addStandardButton(q, QMessageBox::Ok));
    q.setTextFormat(Qt::PlainText);
    q.exec();
    exit_(EXIT_FAILURE);
}

}  // namespace pramo
