#include "integrity_fixture.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

namespace pramo::test {

Session::Session(const std::string& where) {
    if (!where.empty() && !ok(store.openDatabase(where))) throw std::runtime_error("cannot open " + where);
}

void Session::openAll() {
    for (const TableDef* t : allTables())
        if (files.openCount(*t) == 0 && !ok(files.open(*t))) throw std::runtime_error("cannot open " + std::string(t->name));
}

void Session::addRaw(const TableDef& t, void* rec) {
    if (files.openCount(t) == 0 && !ok(files.open(t))) throw std::runtime_error("cannot open " + std::string(t.name));
    if (!ok(store.addRaw(t, rec))) throw std::runtime_error("cannot add to " + std::string(t.name));
}

void Session::getRaw(const KeyDef& key, void* rec) {
    if (!ok(store.getRaw(key, rec))) throw std::runtime_error("no record in " + std::string(key.name));
}

std::int64_t Session::count(const TableDef& t) {
    std::int64_t n = -1;
    if (!ok(store.count(t, n))) throw std::runtime_error("cannot count " + std::string(t.name));
    return n;
}

std::int64_t Session::countWith(const KeyDef& key, std::int64_t value) {
    const TableDef& t = *key.table;
    const FieldDef& f = t.fields[static_cast<std::size_t>(key.fieldIndex.front())];
    void* rec = t.create();
    f.setInt(rec, value);
    Cursor c(store, key);
    c.setFrom(rec);
    std::int64_t n = 0;
    while (ok(c.next(rec)) && f.getInt(rec) == value) ++n;
    t.destroy(rec);
    return n;
}

void addItem(Session& s, const PaymentShape& p, std::int32_t item, int ordinal) {
    s.add(Dohoci{.oznaka = item, .rednibroj = static_cast<std::uint16_t>(ordinal), .isplata = p.isplata,
                 .djelatnik = p.payee, .vrstadohotka = p.type});
    for (int line = 1; line <= p.lines; ++line) s.add(Obracun{.dohodak = item, .pozicija = static_cast<std::uint16_t>(line)});
    s.add(Svasta{.dohodak = item, .broj = 1, .vrishort = 2});
}

void addRegisters(Session& s) {
    s.add(Opcine{.oznaka = 1, .naziv = "Zagreb"});
    s.add(Mjesta{.oznaka = 1, .naziv = "Zagreb", .opcina = 1});
    s.add(Ulice{.oznaka = 1, .naziv = "Ilica"});
    s.add(Banke{.oznaka = 1, .naziv = "Banka"});
    s.add(Subjekti{.oznaka = 1, .naziv = "Isplatitelj d.o.o.", .mjesto = 1, .ulica = 1, .banka = 1});
    s.add(Osobe{.oznaka = 1, .prezime = "Horvat", .mjesto = 1, .ulica = 1, .banka = 1});
    s.add(Vrstedoh{.oznaka = 21, .naziv = "Ugovor o djelu"});
}

void addPayment(Session& s, const PaymentShape& p) {
    Transaction tx(s.store, Store::lockWaitSeconds);
    // one payment per payer and report designation
    s.add(Isplate{.oznaka = p.isplata, .isplatitelj = p.payer, .rsid = std::to_string(14000 + p.isplata), .godina = "2014"});
    for (int j = 1; j <= p.submissions; ++j)
        s.add(Jopo{.oznaka = p.isplata * 100 + j, .isplata = p.isplata, .rbr = static_cast<std::uint8_t>(j)});
    for (int i = 0; i < p.items; ++i) addItem(s, p, p.firstItem + i, i + 1);
    if (!ok(tx.commit())) throw std::runtime_error("cannot commit the payment");
}

std::string lastBox(const Session& s) {
    if (s.messages.shown.empty()) return "(no box)";
    const MessageBox& b = s.messages.shown.back();
    return std::to_string(b.warningId) + " " + b.text;
}

OtherStation::OtherStation(Body body) {
    if (pipe(toChild_) != 0 || pipe(toParent_) != 0) throw std::runtime_error("pipe");
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork");
    if (pid_ == 0) {
        close(toChild_[1]);
        close(toParent_[0]);
        int code = 3;
        try {
            code = body(*this);
        } catch (...) {
            code = 2;
        }
        _exit(code);
    }
    close(toChild_[0]);
    close(toParent_[1]);
}

OtherStation::~OtherStation() {
    if (!reaped_) {
        kill();
        wait();
    }
    close(toChild_[1]);
    close(toParent_[0]);
}

void OtherStation::tellChild() { (void)!write(toChild_[1], "g", 1); }
void OtherStation::tellParent() { (void)!write(toParent_[1], "r", 1); }

bool OtherStation::hearChild() {
    char c;
    return read(toParent_[0], &c, 1) == 1;
}

bool OtherStation::hearParent() {
    char c;
    return read(toChild_[0], &c, 1) == 1;
}

int OtherStation::wait() {
    int status = 0;
    if (waitpid(pid_, &status, 0) != pid_) return -1;
    reaped_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void OtherStation::kill() { ::kill(pid_, SIGKILL); }

}  // namespace pramo::test
