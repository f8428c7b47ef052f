#include <QFileDialog>
#include <QFileSystemModel>
#include <QPrintDialog>
#include <QPrinter>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "preview_test_support.h"
#include "preview/ui/preview_host.h"
#include "records/layouts/osobe.h"
#include "records/store/files.h"
#include "shell/file_dialogs.h"
#include "support/own_locks.h"
#include "support/run_command.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

namespace fs = std::filesystem;

// A data directory whose database is open here, with a WAL holding changes not yet checkpointed.
struct OpenBooks {
    OpenBooks() {
        EXPECT_EQ(store.openDatabase(dir.file("pramo.db")), StoreCode::Ok);
        EXPECT_EQ(files.open(Osobe::table), StoreCode::Ok);
        Osobe oso{.oznaka = 1, .prezime = "Kos"};
        EXPECT_EQ(store.add(oso), StoreCode::Ok);
    }
    QString path() const { return QString::fromStdString(dir.path().string()); }

    test::TempDir dir;
    Store store;
    test::ScriptedMessages messages;
    Files files{store};
};

// Lets every folder list of the open dialog finish listing the data directory (file types and
// icons included), then closes the dialog.
void listThenClose(QDialog* dialog, const QString& dataDir) {
    if (auto* files = qobject_cast<QFileDialog*>(dialog)) files->setDirectory(dataDir);
    for (QFileSystemModel* model : dialog->findChildren<QFileSystemModel*>()) {
        QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
        model->index(dataDir);  // what a completer does when the path is typed
        if (loaded.isEmpty()) loaded.wait(2000);
    }
    QTest::qWait(300);
    dialog->reject();
}

struct DialogCase {
    const char* name;
    std::function<void(PreviewHost&, QWidget*)> open;
};

// Every dialog of the program that lists folders, opened on the data directory while the database
// is open: afterwards this process still holds its lock, and another program that opens and closes
// the database does not take itself for the last user (it would delete the WAL with the changes).
TEST(DatabaseLocks, SurviveEveryFileDialogListingTheDataDirectory) {
    const DialogCase cases[] = {
        {"save as", [](PreviewHost& host, QWidget* parent) {
             host.saveFileName(parent, "Snimi kao PDF", "PDF datoteka (*.pdf)", "Save.pdf");
         }},
        {"printer", [](PreviewHost& host, QWidget* parent) {
             QPrinter printer;
             host.choosePrinter(parent, printer);
         }},
        {"folder", [](PreviewHost&, QWidget* parent) { askDirectory(parent, "Mapa s podacima", QDir::homePath()); }},
    };
    const QByteArray home = qgetenv("HOME");
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.name);
        OpenBooks books;
        qputenv("HOME", books.path().toUtf8());  // the printer dialog's file entry lists the home folder
        test::ScriptedMessages messages;
        PreviewHost host(messages, books.dir.path().string());
        QWidget parent;
        test::whenModalOpens([&](QDialog* d) { listThenClose(d, books.path()); });
        c.open(host, &parent);
        qputenv("HOME", home);
        EXPECT_TRUE(test::holdsOwnLock(books.dir.file("pramo.db")));
        EXPECT_EQ(test::runCommand(PRAMO_CLI, {"check", books.dir.path().string()}).exitCode, 0);
        EXPECT_TRUE(fs::exists(books.dir.file("pramo.db-wal")));
    }
}

}  // namespace
}  // namespace pramo
