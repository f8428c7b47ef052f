#include "integrity_fixture.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

namespace pramo::test {

Session::Session(const std::string& dbPath) {
    if (!ok(store.openDatabase(dbPath))) throw std::runtime_error("cannot open " + dbPath);
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
    Dohoci doh;
    doh.oznaka = item;
    doh.rednibroj = static_cast<std::uint16_t>(ordinal);
    doh.isplata = p.isplata;
    doh.djelatnik = p.payee;
    doh.vrstadohotka = p.type;
    s.add(doh);
    for (int line = 1; line <= p.lines; ++line) {
        Obracun obr;
        obr.dohodak = item;
        obr.pozicija = static_cast<std::uint16_t>(line);
        s.add(obr);
    }
    Svasta sva;
    sva.dohodak = item;
    sva.broj = 1;
    sva.vrishort = 2;
    s.add(sva);
}

void addRegisters(Session& s) {
    Opcine opc;
    opc.oznaka = 1;
    opc.naziv = "Zagreb";
    s.add(opc);
    Mjesta mje;
    mje.oznaka = 1;
    mje.naziv = "Zagreb";
    mje.opcina = 1;
    s.add(mje);
    Ulice uli;
    uli.oznaka = 1;
    uli.naziv = "Ilica";
    s.add(uli);
    Banke ban;
    ban.oznaka = 1;
    ban.naziv = "Banka";
    s.add(ban);
    Subjekti sub;
    sub.oznaka = 1;
    sub.naziv = "Isplatitelj d.o.o.";
    sub.mjesto = sub.ulica = 1;
    sub.banka = 1;
    s.add(sub);
    Osobe oso;
    oso.oznaka = 1;
    oso.prezime = "Horvat";
    oso.mjesto = oso.ulica = 1;
    oso.banka = 1;
    s.add(oso);
    Vrstedoh vrs;
    vrs.oznaka = 21;
    vrs.naziv = "Ugovor o djelu";
    s.add(vrs);
}

void addPayment(Session& s, const PaymentShape& p) {
    Transaction tx(s.store, Store::lockWaitSeconds);
    Isplate isp;
    isp.oznaka = p.isplata;
    isp.isplatitelj = p.payer;
    isp.godina = "2014";
    isp.rsid = std::to_string(14000 + p.isplata);  // one payment per payer and report designation
    s.add(isp);
    for (int j = 1; j <= p.submissions; ++j) {
        Jopo jopo;
        jopo.oznaka = p.isplata * 100 + j;
        jopo.isplata = p.isplata;
        jopo.rbr = static_cast<std::uint8_t>(j);
        s.add(jopo);
    }
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
