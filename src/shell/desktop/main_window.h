#pragma once
// The frame: the main window with its menu bar, toolbar and status bar (which names the database
// the program works on and the data directory), in whose wallpapered MDI area every screen
// started from the menu opens as a child window.

#include <QMainWindow>
#include <QPointer>
#include <map>
#include <memory>

#include "shell/desktop/main_menu.h"

class QMdiArea;
class QMdiSubWindow;
class QPrinter;

namespace pramo {

class FirstRunPanel;
class AltKeys;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Items whose screen is not in `screens` are shown disabled.
    MainWindow(AppContext& ctx, const ScreenRegistry& screens, QWidget* parent = nullptr);
    ~MainWindow() override;

    QMdiArea* mdiArea() const { return area_; }
    // The first-run band above the child windows; null when no step is registered.
    FirstRunPanel* firstRunPanel() const { return firstRun_; }
    // The printer chosen in Print Setup, for the printouts of this run.
    QPrinter& printer() { return *printer_; }

    // Starts the screen of `command` as a new child window, beside any instance already open.
    // Null when that screen does not exist.
    QMdiSubWindow* openScreen(MenuCommand command);
    // The menu's and toolbar's way: the child window of `command` already open comes forward with
    // its focus where it was; else the screen starts as openScreen starts it.
    QMdiSubWindow* showScreen(MenuCommand command);

protected:
    // Closing the frame closes every child window first; a child that refuses keeps it open.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildFirstRun();
    // A first-run step enters the first record: the list of `command` opens with its form for a
    // new record, and closes when the form returns.
    void insertInto(MenuCommand command);
    void buildToolBar();
    bool exists(const Command& command) const;
    QWidget* focusedChild() const;
    void clipboardCommand(const char* method);
    void run(const Command& command);
    void runFrameCommand(FrameCommand command);

    AppContext& ctx_;
    const ScreenRegistry& screens_;
    QMdiArea* area_;
    FirstRunPanel* firstRun_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    AltKeys* altKeys_ = nullptr;  // Alt letters shared by menus, toolbar and the child window
    QPointer<QWidget> lastField_;  // the text field last focused, for Edit → Cut/Copy/Paste
    std::map<MenuCommand, QPointer<QMdiSubWindow>> opened_;  // the child window each command opened last
};

}  // namespace pramo
