#pragma once
// The widgets of one declared field of a form (internal to the form screen).

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QValidator>
#include <vector>

#include "shell/form/form_screen.h"
#include "shell/list/list_panel.h"

namespace pramo {

struct FormScreen::Field {
    const FieldSpec* spec = nullptr;
    const FieldDef* def = nullptr;  // the record's field; null for shown values and buttons
    QLabel* label = nullptr;
    QLineEdit* entry = nullptr;
    QWidget* options = nullptr;
    QButtonGroup* group = nullptr;
    QLabel* shown = nullptr;         // a shown value, or the linked record's field beside a look-up
    QPushButton* button = nullptr;   // the form's own button, or the look-up button
    std::vector<QToolButton*> steps;
    ListPanel* list = nullptr;       // a list of records belonging to the form's record
    QWidget* row = nullptr;
};

// The picture of a number or date entry: only the characters such a value is written with; a
// text that the field cannot take as a whole is left to the entry's acceptance, which beeps.
class FieldPicture : public QValidator {
public:
    FieldPicture(const FieldDef& f, QObject* parent) : QValidator(parent), field_(f) {}
    State validate(QString& input, int& pos) const override;

private:
    const FieldDef& field_;
};

}  // namespace pramo
