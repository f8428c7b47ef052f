#pragma once
// The office of the JOPPD tests (return, pages, command line and screens): the shared standard registers plus income types of the other
// recipient categories, a submission with its author, and the written return read back — every
// return validated, in the test itself, against the official schema files of data/xsd/ compiled
// directly by libxml2.
//
// Extra income types (all single rate, no expenses):
//   4 "Kamate"           category "11", receipt "1004", tax 12 %, no contributions
//   5 "Stipendija"       category "01", receipt "4003", tax 25 %, no contributions
//   6 "Dnevnice"         category "00", receipt "0000", non-taxable code 17, 100 % non-taxable
//   7 "Putni troškovi"   category "00", receipt "0000", non-taxable code 1, 100 % non-taxable

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <libxml/tree.h>

#include "joppd/ujed.h"
#include "records/layouts/jopo.h"
#include "support/office.h"
#include "support/test_data.h"

namespace pramo::test {

// Identifiers from a fixed seed: the same in every run, different from one another.
class SeededRandom : public RandomSource {
public:
    std::uint32_t below(std::uint32_t n) override { return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(gen_); }

private:
    std::mt19937 gen_{14};
};

// A written JOPPD return, validated against the schema when read.
class ReturnXml {
public:
    explicit ReturnXml(const std::string& path);
    ~ReturnXml();
    ReturnXml(const ReturnXml&) = delete;
    ReturnXml& operator=(const ReturnXml&) = delete;

    bool valid() const { return valid_; }
    const std::string& validationErrors() const { return errors_; }
    // The text of the element at `path` below the root ("StranaA/BrojOsoba"); nullopt when absent.
    std::optional<std::string> text(const std::string& path) const;
    // Page B rows: element name -> text, and the names in document order of the first row.
    std::vector<std::map<std::string, std::string>> rows() const;
    std::vector<std::string> rowElementNames(std::size_t row) const;

private:
    xmlDocPtr doc_ = nullptr;
    bool valid_ = false;
    std::string errors_;
};

// Whether the file at `path` is valid against the official schema (compiled from data/xsd/).
::testing::AssertionResult validJoppd(const std::string& path);

class JoppdOffice {
public:
    JoppdOffice();  // in a fresh data directory of its own
    explicit JoppdOffice(Engine engine);  // in fresh books of its own on `engine`
    JoppdOffice(Files& files, std::filesystem::path dir);  // in the program's (a screen test's session)

    Store& store() { return files.store(); }
    const std::filesystem::path& dir() const { return dir_; }
    std::string dataDir() const { return dir_.string(); }
    std::string file(const std::string& name) const { return (dir_ / name).string(); }
    // A payment of payer 1 on that date (report label from the date).
    Isplate payment(std::int32_t oznaka, Date datum);
    // An item of a payment; its ordinal is the next one in the payment.
    Dohoci item(std::int32_t isplata, std::int32_t payee, std::uint8_t type, const char* neto, std::int16_t method = 1);
    // The submission of a payment with author "Marko Marić", marko@pramo.hr.
    Jopo submission(std::int32_t isplata);
    Jopo reread(const Jopo& jopo);

private:
    explicit JoppdOffice(std::unique_ptr<TestData> own);
    void addTypes();

    std::unique_ptr<TestData> own_;
    std::filesystem::path dir_;

public:
    Files& files;
    Office office;
    SeededRandom random;
    std::int32_t nextItem = 1;
    std::map<std::int32_t, std::uint16_t> ordinals;
};

}  // namespace pramo::test
