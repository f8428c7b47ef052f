// The payees' list and form as they look: every column as wide as what it shows, every label and
// entry of the form's four tabs as wide as it needs.

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "shell/window_memory.h"
#include "ui/registers_fixture.h"

namespace pramo {
namespace {

using test::formOf;
using test::ModalSteps;

class RegistersLook : public test::RegistersFixture {
protected:
    // Widgets of `w` narrower than they need to show their text whole.
    static std::vector<std::string> squeezed(QWidget* w) {
        std::vector<std::string> out;
        for (auto* c : w->findChildren<QWidget*>()) {
            if (!c->isVisibleTo(w) || c->width() >= c->minimumSizeHint().width()) continue;
            if (qobject_cast<QLabel*>(c) || qobject_cast<QAbstractButton*>(c)) out.push_back(c->objectName().toStdString() + " '" +
                   (qobject_cast<QLabel*>(c) ? qobject_cast<QLabel*>(c)->text() : qobject_cast<QAbstractButton*>(c)->text()).toStdString() + "'");
        }
        return out;
    }
};

TEST_F(RegistersLook, PayeesListColumnsFitWhatTheyShow) {
    ListPanel& list = open(osobeList);
    screen->resize(screen->sizeHint().width(), 360);
    QApplication::processEvents();
    const QFontMetrics metrics = list.view()->fontMetrics();
    auto* model = list.view()->model();
    ASSERT_EQ(model->rowCount(), 3);
    for (int c = 0; c < model->columnCount(); ++c) {
        for (int r = 0; r < model->rowCount(); ++r) {
            const QString cell = model->index(r, c).data().toString();
            EXPECT_GE(list.view()->columnWidth(c), metrics.horizontalAdvance(cell) + 6) << cell.toStdString();
        }
    }
    EXPECT_EQ(list.belowValue(0)->text(), "Horvat Ivan");
    EXPECT_EQ(list.belowValue(1)->text(), "69435151530");
    shoot(screen.get(), "osobe_list");
}

// Every heading shows whole: as the list first opens, and when column widths remembered from an
// earlier run (another font, a column dragged narrow) are narrower than their headings.
TEST_F(RegistersLook, ColumnsShowTheirHeadingsWhole) {
    for (const bool narrowRemembered : {false, true}) {
        SCOPED_TRACE(narrowRemembered ? "narrow widths remembered" : "first opening");
        if (narrowRemembered) rememberColumns(memoryKey("Stupci", osobeList), std::vector<int>(osobeList.columns.size(), 8));
        ListPanel& list = open(osobeList);
        const QHeaderView* header = list.view()->horizontalHeader();
        for (int c = 0; c < header->count(); ++c) {
            if (list.view()->isColumnHidden(c)) continue;
            EXPECT_GE(list.view()->columnWidth(c), header->sectionSizeHint(c)) << list.view()->model()->headerData(c, Qt::Horizontal).toString().toStdString();
        }
        screen.reset();
    }
}

TEST_F(RegistersLook, PayeeFormTabsShowEveryFieldWhole) {
    Osobe oso = *stored<Osobe>(1);
    runForm(upisOsobe, Request::Change, oso, [&](QWidget* modal) {
        FormScreen& form = formOf(modal);
        auto* tabs = form.findChild<QTabWidget*>();
        for (int t = 0; t < tabs->count(); ++t) {
            tabs->setCurrentIndex(t);
            QApplication::processEvents();
            EXPECT_EQ(squeezed(tabs->currentWidget()), std::vector<std::string>{}) << t;
            shoot(&form, QString("upisosobe_tab%1").arg(t + 1));
        }
        form.cancelButton()->click();
    });
}

}  // namespace
}  // namespace pramo
