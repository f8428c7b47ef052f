#pragma once
// What the benchmarks start from: a data directory of their own with its store open, message
// boxes that take the default answer, and the file open counts. The directory is removed at the
// end. A benchmark over data that could not be written measures nothing, so the helpers here end
// the run instead of going on.

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "payments/working_values.h"
#include "records/layouts/all_tables.h"
#include "records/store/files.h"
#include "shell/messages.h"

namespace pramo {

// Every question takes its default answer; a halt ends the run with its text on stderr.
class BenchMessages : public Messages {
public:
    bool reportQuestions = false;  // also say each question on stderr, for benchmarks that expect none
    int ask(const MessageBox& box) override;
    void halt(const std::string& text) override;
};

struct BenchData {
    // Keeps `tables` open while it lives (every file of the program unless told otherwise), in
    // books at `where` (a server's database) or, when that is empty, in the directory's file.
    explicit BenchData(const std::vector<const TableDef*>& tables = allTables(), const std::string& where = {});
    ~BenchData();
    BenchData(const BenchData&) = delete;
    BenchData& operator=(const BenchData&) = delete;

    std::filesystem::path dir;
    bool keep = false;  // the directory stays when the object ends (for a tool that makes one)
    Store store;
    BenchMessages messages;
    Files files{store};
};

// A made-up Croatian surname of two to four syllables, drawn from `rng`.
std::string benchSurname(std::mt19937& rng);

// Ends the run when the store did not do what was asked.
void mustSucceed(StoreCode code);

template <class R>
void mustAdd(Store& store, R rec) {
    mustSucceed(store.add(rec));
}

// The lines of an author's fee of net 1000,00 in Zagreb: expenses 30 %, pillars 15 and 5, health
// 15, tax 25 %, surtax 18 %.
Lines authorsFeeLines();

// The main of a benchmark that lays out or draws pages: the run inside Qt's GUI application
// (offscreen unless QT_QPA_PLATFORM says otherwise).
int runGuiBenchmarks(int argc, char** argv);

}  // namespace pramo
