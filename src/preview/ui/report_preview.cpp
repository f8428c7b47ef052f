#include "preview/ui/report_preview.h"

#include "preview/ui/full_preview.h"
#include "preview/ui/print_job.h"
#include "preview/ui/simple_preview.h"
#include "shell/called_window.h"

namespace pramo {

bool previewAndPrint(std::vector<Page> pages, const QString& jobName, PreviewHost& host, QWidget* parent) {
    SimplePreview preview(PageList(std::move(pages)), host, parent);
    runCalledWindow(preview, parent);
    if (preview.response() != Response::Completed) return false;
    std::vector<const Page*> all;
    for (const Page& p : preview.pages().pages()) all.push_back(&p);
    return printPages(all, QString(), jobName, host, parent);
}

bool showFullPreview(std::vector<Page> pages, const QString& title, PreviewHost& host, QWidget* parent) {
    FullPreview preview(PageList(std::move(pages)), title, host, parent);
    runCalledWindow(preview, parent);
    return preview.printed();
}

}  // namespace pramo
