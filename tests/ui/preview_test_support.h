#pragma once
// Helpers of the preview screen tests: a host that answers file and printer dialogs from a
// script, sample pages, and acting on a modal window once it is open.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <type_traits>

#include "preview/page_list.h"
#include "preview/page_numbers.h"
#include "preview/ui/preview_host.h"
#include "shell/called_window.h"
#include "support/run_command.h"
#include "support/scripted_messages.h"

namespace pramo::test {

struct HostMessages {
    ScriptedMessages messages;
};

class ScriptedHost : private HostMessages, public PreviewHost {
public:
    ScriptedHost() : PreviewHost(HostMessages::messages) {}

    QString saveFileName(QWidget*, const QString& caption, const QString& filter, const QString& suggested) override {
        captions << caption;
        filters << filter;
        suggestions << suggested;
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
    bool choosePrinter(QWidget*, QPrinter&) override {
        ++printerDialogs;
        return false;
    }
    ScriptedMessages& script() { return HostMessages::messages; }

    QStringList fileNames;  // answers of the file dialogs, in order
    QStringList captions, filters, suggestions;
    int printerDialogs = 0;
};

// Pages "Strana 1" .. "Strana n", each with the page-number placeholder at its foot.
inline std::vector<Page> samplePages(int count) {
    std::vector<Page> pages;
    for (int i = 1; i <= count; ++i) {
        Page p;
        p.text({20, 20}, QStringLiteral("Strana %1").arg(i)).text({90, 280}, pageNumberPlaceholder);
        pages.push_back(p);
    }
    return pages;
}

// The window of type W the user works in now: the modal window, or a window a screen called.
template <class W = QDialog>
W* windowOnTop() {
    if (auto* modal = qobject_cast<W*>(QApplication::activeModalWidget())) return modal;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* called = qobject_cast<W*>(w); called && called->isVisible() && called->property(calledWindowProperty).toBool())
            return called;
    return nullptr;
}

// Runs `act` on the modal or called window of type W once it is open (waiting for it up to two
// seconds).
template <class W = QDialog>
void whenModalOpens(std::type_identity_t<std::function<void(W*)>> act, int triesLeft = 200) {
    QTimer::singleShot(triesLeft == 200 ? 0 : 10, [act = std::move(act), triesLeft] {
        if (auto* window = windowOnTop<W>()) {
            act(window);
        } else if (triesLeft == 0) {
            ADD_FAILURE() << "the expected window did not open";
        } else {
            whenModalOpens<W>(act, triesLeft - 1);
        }
    });
}

// The text of a PDF file, one entry per page.
inline QStringList pdfPages(const QString& path) {
    QStringList pages = QString::fromStdString(pdfText(path.toStdString())).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

}  // namespace pramo::test
