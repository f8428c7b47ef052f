#include "shell/desktop/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/declarations.h"
#include "shell/screen_fit.h"
#include "shell/desktop/about_dialog.h"
#include "shell/desktop/first_run_panel.h"
#include "shell/desktop/list_follower.h"
#include "shell/desktop/alt_keys.h"
#include "shell/desktop/printer_setup.h"
#include "shell/desktop/reinit.h"
#include "shell/desktop/wallpaper.h"
#include "shell/list/list_panel.h"
#include "shell/list/list_screen.h"

namespace pramo {
namespace {

constexpr const char* caption = "PRAMO V 2015_2";

// The widget that takes the clipboard commands for a field: the field itself when it edits text
// (line edits, text edits), else the line edit inside it (spin boxes, combo boxes).
QWidget* clipboardTarget(QWidget* w) {
    if (!w) return nullptr;
    if (w->metaObject()->indexOfMethod("paste()") >= 0) return w;
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->lineEdit();
    return w->findChild<QLineEdit*>();
}

// A screen ends by closing its own widget (its close button, a failed read, a selection made);
// its child window then goes too. A close the screen refuses leaves both open.
class ChildWindowCloser : public QObject {
public:
    ChildWindowCloser(QWidget* screen, QMdiSubWindow* child) : QObject(child), screen_(screen), child_(child) {
        screen->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == screen_ && event->type() == QEvent::Close) {
            QTimer::singleShot(0, child_, [this] {
                if (!screen_ || screen_->isHidden()) child_->deleteLater();
            });
        }
        return false;
    }

private:
    QPointer<QWidget> screen_;
    QMdiSubWindow* child_;
};

}  // namespace

MainWindow::MainWindow(AppContext& ctx, const ScreenRegistry& screens, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), screens_(screens), area_(new WallpaperArea(this)),
      printer_(std::make_unique<QPrinter>()) {
    setWindowTitle(QString::fromUtf8(caption));
    auto* centre = new QWidget(this);
    auto* column = new QVBoxLayout(centre);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(area_, 1);
    setCentralWidget(centre);
    buildMenus();
    altKeys_ = new AltKeys(*this, [this] { return focusedChild(); });
    buildToolBar();
    buildFirstRun();
    // Which books the program works on ("SQLite: /home/ana/pramo-podaci/pramo.db", "PostgreSQL: ..."),
    // and the data directory, where the documents go.
    statusBar()->addPermanentWidget(new QLabel(QString::fromStdString(ctx.store.describe()), this));
    statusBar()->addPermanentWidget(new QLabel(QString::fromStdString(ctx.dataDir), this));
    new ListFollower(ctx.store, area_);
    // Most of the screen, so that the payments' three lists fit side by side: at least 1024 × 720,
    // where the screen has room for it.
    resize(QSize(1024, 720).expandedTo(screen() ? screen()->availableGeometry().size() * 0.9 : QSize()));
    fitOnScreen(*this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (QWidget* field = clipboardTarget(now)) lastField_ = field;
    });
}

// Edit → Cut/Copy/Paste act on the focused field, or, when the menu took the focus away from a
// form's window, on the field last focused.
void MainWindow::clipboardCommand(const char* method) {
    QWidget* target = clipboardTarget(QApplication::focusWidget());
    if (!target && lastField_ && lastField_->isVisible()) target = lastField_;
    if (target) QMetaObject::invokeMethod(target, method);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
    for (const MenuDef& m : menuBarDef()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(m.title));
        for (const MenuItemDef& item : m.items) {
            QAction* a = menu->addAction(QString::fromUtf8(item.text));
            a->setStatusTip(QString::fromUtf8(item.status));
            a->setEnabled(exists(item.command));
            const Command command = item.command;
            connect(a, &QAction::triggered, this, [this, command] { run(command); });
        }
    }
}

void MainWindow::buildToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("Brze tipke"));
    bar->setMovable(false);
    for (const ToolButtonDef& def : toolBarDef()) {
        auto* button = new QToolButton(bar);
        button->setText(QString::fromUtf8(def.text));
        button->setToolTip(QString::fromUtf8(def.tip));
        button->setEnabled(exists(def.command));
        const MenuCommand command = def.command;
        connect(button, &QToolButton::clicked, this, [this, command] { showScreen(command); });
        bar->addWidget(button);
        if (const QString shared = altKeys_->sharedKeyTip(button->text()); !shared.isEmpty())
            button->setToolTip(def.tip[0] ? button->toolTip() + '\n' + shared : shared);
    }
}

// The first-run band goes above the child windows, and has the focus when the window opens; it
// looks again at what the books lack whenever another child window becomes active (one closed,
// say, after the user entered a payer through the menu).
void MainWindow::buildFirstRun() {
    if (screens_.firstRunSteps().empty()) return;
    firstRun_ = new FirstRunPanel(ctx_, screens_.firstRunSteps(), centralWidget());
    static_cast<QVBoxLayout*>(centralWidget()->layout())->insertWidget(0, firstRun_);
    connect(firstRun_, &FirstRunPanel::insertRequested, this, &MainWindow::insertInto);
    connect(firstRun_, &FirstRunPanel::said, this, [this](const QString& text) { statusBar()->showMessage(text, 15000); });
    connect(area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* active) {
        if (firstRun_->isHidden() || !firstRun_->refresh() || active) return;
        firstRun_->focusFirst();
    });
    if (firstRun_->refresh()) QTimer::singleShot(0, firstRun_, [this] { firstRun_->focusFirst(); });
}

void MainWindow::insertInto(MenuCommand command) {
    QMdiSubWindow* sub = openScreen(command);
    auto* list = sub ? qobject_cast<ListScreen*>(sub->widget()) : nullptr;
    if (!list) return;
    connect(list->panel(), &ListPanel::formReturned, list, [list](Request request, Response) {
        if (request == Request::Insert) QTimer::singleShot(0, list, &QWidget::close);
    });
    QTimer::singleShot(0, list->panel(), &ListPanel::insertRecord);
}

bool MainWindow::exists(const Command& command) const {
    const auto* screen = std::get_if<MenuCommand>(&command);
    return !screen || screens_.find(*screen) != nullptr;
}

void MainWindow::run(const Command& command) {
    if (const auto* screen = std::get_if<MenuCommand>(&command)) showScreen(*screen);
    else runFrameCommand(std::get<FrameCommand>(command));
}

void MainWindow::runFrameCommand(FrameCommand command) {
    switch (command) {
    case FrameCommand::PrintSetup: printSetup(*printer_, ctx_.messages, this); break;
    case FrameCommand::Reinitialise: reinitialise(ctx_.files, ctx_.messages); break;
    case FrameCommand::Exit: close(); break;
    case FrameCommand::Cut: clipboardCommand("cut"); break;
    case FrameCommand::Copy: clipboardCommand("copy"); break;
    case FrameCommand::Paste: clipboardCommand("paste"); break;
    case FrameCommand::About: AboutDialog(this).exec(); break;
    }
}

QMdiSubWindow* MainWindow::openScreen(MenuCommand command) {
    const ScreenFactory* factory = screens_.find(command);
    QWidget* screen = nullptr;
    try {
        screen = factory ? (*factory)(ctx_) : nullptr;
    } catch (const std::exception& e) {  // a screen that cannot be built must not end the program
        showDeclarationFault(ctx_.messages, QString(), e.what());
    }
    if (!screen) return nullptr;
    QMdiSubWindow* sub = area_->addSubWindow(screen);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    new ChildWindowCloser(screen, sub);
    screen->show();
    area_->setActiveSubWindow(sub);
    screen->setFocus(Qt::OtherFocusReason);  // a screen's focus proxy says where work starts (a list: its rows)
    opened_[command] = sub;
    return sub;
}

QMdiSubWindow* MainWindow::showScreen(MenuCommand command) {
    QMdiSubWindow* open = opened_[command];
    if (!open || !open->isVisible()) return openScreen(command);
    if (open->isMinimized()) open->showNormal();
    area_->setActiveSubWindow(open);
    return open;
}

// The child window whose widget holds the focus, or null.
QWidget* MainWindow::focusedChild() const {
    QMdiSubWindow* child = area_->activeSubWindow();
    return child && child->isAncestorOf(QApplication::focusWidget()) ? child : nullptr;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    area_->closeAllSubWindows();
    const auto open = area_->subWindowList();
    const bool refused = std::any_of(open.begin(), open.end(), [](QMdiSubWindow* s) { return s->isVisible(); });
    if (refused) event->ignore();
    else event->accept();
}

}  // namespace pramo
