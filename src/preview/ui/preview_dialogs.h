#pragma once
// The small windows of the previews: jumping to a page, the thumbnail grid, the print options
// and saving all pages.

#include <QDialog>

#include "preview/page_list.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace pramo {

class PreviewHost;

// The words of a window that both previews have, each in its own wording.
struct JumpTexts {
    QString title, label, ok, cancel;
};
struct DisplayTexts {
    QString title, group, across, down, ok;
};

// Asks for a page number from 1 to `count`.
class JumpDialog : public QDialog {
    Q_OBJECT
public:
    JumpDialog(const JumpTexts& texts, int current, int count, QWidget* parent);
    int page() const;

private:
    QSpinBox* page_;
};

// Asks for the thumbnail grid: pages across and down.
class DisplayDialog : public QDialog {
    Q_OBJECT
public:
    DisplayDialog(const DisplayTexts& texts, int across, int down, QWidget* parent);
    int across() const;
    int down() const;

private:
    QSpinBox* across_;
    QSpinBox* down_;
};

// The four ways of choosing pages, with the range's ends; the marked and unmarked choices are
// disabled while no page is marked.
class PageRangeBox : public QWidget {
    Q_OBJECT
public:
    PageRangeBox(const QString& title, const PageList& pages, QWidget* parent);
    PageSelection selection() const;

private:
    void enableRange();

    QButtonGroup* choice_;
    QSpinBox* from_;
    QSpinBox* to_;
};

// "Opcije ispisa": which pages, how many copies, collated or not, on which printer.
class PrintOptionsDialog : public QDialog {
    Q_OBJECT
public:
    PrintOptionsDialog(const PageList& pages, const QString& printerName, PreviewHost& host, QWidget* parent);

    // The pages to print in printing order, copies included; valid after the window was accepted.
    const std::vector<int>& printOrder() const { return order_; }
    QString printerName() const { return printerName_; }

private:
    void choosePrinter();
    void accept() override;

    const PageList& pages_;
    PreviewHost& host_;
    PageRangeBox* range_;
    QSpinBox* copies_;
    QCheckBox* collate_;
    QLabel* printer_;
    QString printerName_;
    std::vector<int> order_;
};

// "Snimi sve stranice u datoteku...": which pages go as text into which file.
class SaveAllDialog : public QDialog {
    Q_OBJECT
public:
    SaveAllDialog(const PageList& pages, const QString& fileName, PreviewHost& host, QWidget* parent);
    QString fileName() const;

private:
    void chooseFile();
    void accept() override;

    const PageList& pages_;
    PreviewHost& host_;
    PageRangeBox* range_;
    QLineEdit* file_;
};

// Tells the user that the choice holds no page.
void tellNoPages(PreviewHost& host);

}  // namespace pramo
