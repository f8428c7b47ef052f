#pragma once
// The full preview ("Report Preview"): besides viewing and printing all pages it prints the
// current page alone, marks pages, prints or saves all, marked, unmarked pages or a range with
// copies, deletes pages and saves them as text or drawings. Pages are numbered
// ("Page xxxxx of xxxxx") when it opens.

#include <map>

#include "preview/ui/preview_window.h"

class QAction;
class QComboBox;
class QLabel;

namespace pramo {

struct PreviewCommand;

class FullPreview : public PreviewWindow {
    Q_OBJECT

public:
    // The title becomes the caption unless it is "1".
    FullPreview(PageList pages, const QString& title, PreviewHost& host, QWidget* parent = nullptr);

    bool printed() const { return printed_; }
    QAction* command(const QString& name) const;
    QComboBox* zoomList() const { return zoomList_; }
    QLabel* markStatus() const { return markStatus_; }

    void print();
    void printCurrent();
    void first();
    void last();
    void toggleMark();
    void deleteCurrent();
    void saveCurrent();
    void saveAll();
    void jump();
    void changeDisplay();

protected:
    void updateControls() override;

private:
    QAction* add(const PreviewCommand& def);
    void buildToolBar();
    QComboBox* buildZoomList(QWidget* parent);

    std::map<QString, QAction*> commands_;
    QComboBox* zoomList_ = nullptr;
    QLabel* markStatus_ = nullptr;
    QLabel* pageStatus_ = nullptr;
    QString printerName_;
    QString saveFile_ = QStringLiteral("Save.txt");
    bool printed_ = false;
    bool tipFromTable_ = true;  // until the first page change the mark button keeps its own tip
};

}  // namespace pramo
