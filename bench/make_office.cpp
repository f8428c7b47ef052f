// Leaves a large office behind for measuring a command by hand (peak memory with /usr/bin/time -v):
//
//   make_office joppd 100000    a payment of 10^5 items with its JOPPD submission (and page B)
//   make_office potvrde 100000  10^5 items in each of 2014 and 2015, ten a payee
//
// prints the data directory and the command to measure; the directory is the caller's to remove.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/offices.h"

namespace {

int usage() {
    std::fprintf(stderr, "usage: make_office joppd|potvrde ITEMS\n");
    return 2;
}

template <class Office>
Office& kept(Office& office) {
    office.keep = true;
    return office;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return usage();
    const std::string kind = argv[1];
    const int items = std::atoi(argv[2]);
    if (items <= 0) return usage();
    if (kind == "joppd") {
        pramo::PaymentOffice office(items);
        std::printf("%s\npramo-cli joppd xml --submission %d --data %s --out DIR\n", kept(office).dir.c_str(),
                    office.submission, office.dir.c_str());
        std::printf("pramo-cli report joppd-b --payment 1 --data %s --pdf FILE\n", office.dir.c_str());
    } else if (kind == "potvrde") {
        pramo::YearOffice office(items);
        std::printf("%s\npramo-cli report potvrde --payer 1 --year 2015 --data %s --pdf FILE\n", kept(office).dir.c_str(),
                    office.dir.c_str());
    } else {
        return usage();
    }
    return 0;
}
