#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QCheckBox>
#include <QPushButton>

#include "preview/page_text.h"
#include "preview/ui/full_preview.h"
#include "preview_test_support.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

QString firstLine(const Page& page) { return pageAsText(page).front().trimmed(); }

class FullPreviewTest : public testing::Test {
protected:
    void open(int pages, const QString& title = QStringLiteral("1")) {
        preview = std::make_unique<FullPreview>(PageList(test::samplePages(pages)), title, host);
        preview->show();
    }
    void trigger(const char* name) { preview->command(name)->trigger(); }
    QString path(const char* name) const { return QString::fromStdString(dir.file(name)); }
    // Answers the print window: `set` chooses, then Prihvati; a missing printer is answered with a PDF file.
    void printWith(const std::function<void(QDialog*)>& set) {
        host.fileNames << path("printed.pdf");
        test::whenModalOpens([set](QDialog* d) {
            EXPECT_EQ(d->windowTitle(), "Opcije ispisa");
            set(d);
            d->findChild<QPushButton*>("ok")->click();
        });
        trigger("print");
    }
    QStringList printedPages() {
        QStringList order;
        for (const QString& page : test::pdfPages(path("printed.pdf"))) order << page.split('\n').front().trimmed();
        return order;
    }

    test::TempDir dir;
    test::ScriptedHost host;
    std::unique_ptr<FullPreview> preview;
};

TEST_F(FullPreviewTest, CaptionAndPageNumbers) {
    open(3);
    EXPECT_EQ(preview->windowTitle(), "Report Preview");
    for (int n = 1; n <= 3; ++n) {
        EXPECT_TRUE(pageAsText(preview->pages().page(n)).back().contains(QStringLiteral("Page %1 of 3").arg(n))) << n;
    }
    FullPreview titled(PageList(test::samplePages(1)), "IDD obrazac", host);
    EXPECT_EQ(titled.windowTitle(), "IDD obrazac");
}

TEST_F(FullPreviewTest, MarkingTipAndStatus) {
    open(3);
    QAction* mark = preview->command("mark");
    EXPECT_EQ(mark->toolTip(), "Označi stranicu za ispis (Ctrl+M)");
    EXPECT_EQ(preview->markStatus()->text(), "");
    trigger("mark");
    EXPECT_EQ(mark->toolTip(), "Unmark Page (Ctrl+M)");
    EXPECT_EQ(preview->markStatus()->text(), "Marked");
    EXPECT_EQ(preview->pages().markedCount(), 1);
    trigger("next");
    EXPECT_EQ(mark->toolTip(), "Mark Page (Ctrl+M)");
    EXPECT_EQ(preview->markStatus()->text(), "");
    trigger("previous");
    EXPECT_EQ(preview->markStatus()->text(), "Marked");
    trigger("mark");
    EXPECT_EQ(mark->toolTip(), "Mark Page (Ctrl+M)");
    EXPECT_EQ(preview->pages().markedCount(), 0);
}

TEST_F(FullPreviewTest, MarkedChoicesNeedAMark) {
    open(3);
    test::whenModalOpens([](QDialog* d) {
        EXPECT_FALSE(d->findChild<QRadioButton*>("marked")->isEnabled());
        EXPECT_FALSE(d->findChild<QRadioButton*>("unmarked")->isEnabled());
        EXPECT_TRUE(d->findChild<QRadioButton*>("all")->isChecked());
        EXPECT_FALSE(d->findChild<QSpinBox*>("from")->isEnabled());
        d->findChild<QRadioButton*>("range")->setChecked(true);
        EXPECT_TRUE(d->findChild<QSpinBox*>("from")->isEnabled());
        EXPECT_EQ(d->findChild<QSpinBox*>("to")->maximum(), 3);
        d->reject();
    });
    trigger("print");
    trigger("mark");
    test::whenModalOpens([](QDialog* d) {
        EXPECT_TRUE(d->findChild<QRadioButton*>("marked")->isEnabled());
        EXPECT_TRUE(d->findChild<QRadioButton*>("unmarked")->isEnabled());
        d->reject();
    });
    trigger("print");
    EXPECT_TRUE(preview->isVisible());  // cancelled: the preview stays
}

TEST_F(FullPreviewTest, PrintsUnmarkedPagesWithoutAPrinterIntoPdf) {
    open(5);
    trigger("next");
    trigger("mark");  // page 2
    trigger("next");
    trigger("next");
    trigger("mark");  // page 4
    printWith([](QDialog* d) { d->findChild<QRadioButton*>("unmarked")->setChecked(true); });
    ASSERT_EQ(host.script().shown.size(), 1u);  // told there is no printer, and answered DA
    EXPECT_TRUE(QString::fromStdString(host.script().shown[0].text).contains("pisač"));
    EXPECT_EQ(printedPages(), (QStringList{"Strana 1", "Strana 3", "Strana 5"}));
    EXPECT_TRUE(preview->printed());
    EXPECT_FALSE(preview->isVisible());
}

TEST_F(FullPreviewTest, CopiesCollatedAndNot) {
    for (bool collate : {true, false}) {
        open(4);
        printWith([collate](QDialog* d) {
            d->findChild<QRadioButton*>("range")->setChecked(true);
            d->findChild<QSpinBox*>("from")->setValue(2);
            d->findChild<QSpinBox*>("to")->setValue(3);
            d->findChild<QSpinBox*>("copies")->setValue(2);
            d->findChild<QCheckBox*>("collate")->setChecked(collate);
        });
        const QStringList expected = collate ? QStringList{"Strana 2", "Strana 3", "Strana 2", "Strana 3"}
                                             : QStringList{"Strana 2", "Strana 2", "Strana 3", "Strana 3"};
        EXPECT_EQ(printedPages(), expected) << collate;
    }
}

TEST_F(FullPreviewTest, NoPrinterAndNoPdfLeavesThePreviewOpen) {
    open(2);
    host.script().answers = {2};  // NE: no PDF
    test::whenModalOpens([](QDialog* d) { d->accept(); });
    trigger("print");
    EXPECT_FALSE(preview->printed());
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(host.printerDialogs, 0);
}

TEST_F(FullPreviewTest, DeletingPages) {
    open(4);
    trigger("delete");  // page 1
    EXPECT_EQ(preview->current(), 1);
    EXPECT_EQ(preview->pages().count(), 3);
    EXPECT_EQ(firstLine(preview->pages().page(1)), "Strana 2");
    trigger("last");
    trigger("delete");  // the last page
    EXPECT_EQ(preview->pages().count(), 2);
    EXPECT_EQ(preview->current(), 2);
    EXPECT_EQ(firstLine(preview->pages().page(2)), "Strana 3");
    trigger("delete");
    EXPECT_FALSE(preview->command("delete")->isEnabled());  // the last page left stays
    EXPECT_EQ(preview->pages().count(), 1);
}

TEST_F(FullPreviewTest, GridDisablesSinglePageCommands) {
    open(6);
    test::whenModalOpens([](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Promjeni prikaz");
        d->findChild<QSpinBox*>("across")->setValue(3);
        d->accept();
    });
    trigger("thumbnails");
    EXPECT_EQ(preview->shown(), 3);
    for (const char* name : {"printCurrent", "saveCurrent", "delete", "mark"}) {
        EXPECT_FALSE(preview->command(name)->isEnabled()) << name;
    }
    trigger("next");
    EXPECT_EQ(preview->current(), 4);
    trigger("next");
    EXPECT_EQ(preview->current(), 4);  // only pages 5 and 6 lie beyond
    preview->zoomList()->setCurrentIndex(4);
    emit preview->zoomList()->activated(4);
    EXPECT_EQ(preview->zoom(), Zoom::Percent100);
    EXPECT_TRUE(preview->command("mark")->isEnabled());
}

TEST_F(FullPreviewTest, SavesTheCurrentPageAsTextOrDrawing) {
    open(3);
    trigger("next");
    host.fileNames << path("strana.txt") << path("strana.Svg");
    trigger("saveCurrent");
    trigger("saveCurrent");
    EXPECT_EQ(host.captions.front(), "Snimi trenutnu stranicu u datoteku...");
    QFile text(path("strana.txt"));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(text.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].trimmed(), "Strana 2");
    EXPECT_EQ(lines[1].trimmed(), "Page 2 of 3");
    QFile svg(path("strana.Svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
}

TEST_F(FullPreviewTest, SavesAllMarkedPagesIntoOneFile) {
    open(4);
    trigger("mark");
    trigger("last");
    trigger("mark");
    host.fileNames << path("sve.txt");
    test::whenModalOpens([](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Snimi sve stranice u datoteku...");
        EXPECT_EQ(d->findChild<QLineEdit*>("file")->text(), "Save.txt");
        d->findChild<QRadioButton*>("marked")->setChecked(true);
        d->findChild<QPushButton*>("chooseFile")->click();
        d->findChild<QPushButton*>("ok")->click();
    });
    trigger("saveAll");
    EXPECT_EQ(host.captions.back(), "Save All Pages to File...");
    QFile f(path("sve.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].trimmed(), "Strana 1");
    EXPECT_EQ(lines[2].trimmed(), "Strana 4");
    EXPECT_EQ(lines[3].trimmed(), "Page 4 of 4");
}

TEST_F(FullPreviewTest, AFileThatCannotBeWrittenIsTold) {
    open(1);
    host.fileNames << path("no/such/dir/x.txt");
    trigger("saveCurrent");
    ASSERT_EQ(host.script().shown.size(), 1u);
    EXPECT_TRUE(QString::fromStdString(host.script().shown[0].text).contains("nije moguće snimiti"));
}

}  // namespace
}  // namespace pramo
