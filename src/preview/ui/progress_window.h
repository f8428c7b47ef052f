#pragma once
// The progress window of a running report ("Generating Report"): a bar, the share done, and
// "Cancel", which ends the run without output.

#include <QDialog>
#include <QElapsedTimer>

#include "documents/report_run.h"

class QLabel;
class QProgressBar;

namespace pramo {

class ProgressWindow : public QDialog, public Progress {
    Q_OBJECT

public:
    explicit ProgressWindow(QWidget* parent = nullptr);

    void start(std::int64_t total) override;
    bool advance(std::int64_t done) override;
    void finish() override;

    bool cancelled() const { return cancelled_; }

private:
    QProgressBar* bar_;
    QLabel* share_;
    QElapsedTimer sinceEvents_;
    std::int64_t total_ = 0;
    bool cancelled_ = false;
};

}  // namespace pramo
