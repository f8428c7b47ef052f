#pragma once
// A statement prepared on a PostgreSQL server (PgBackend). Its text is prepared once, with ?N (or
// ? in order) turned into $N; what the server infers for each parameter and result column is read
// once, right after. Whole numbers and bytes travel in binary, texts as text; the results come back
// in binary when every column is of a type read here directly (whole numbers, texts, bytes), else
// as text. The first step() runs the statement and takes all its rows; the connection is free
// again at once, so that other statements may run while this one's rows are read.

#include <libpq-fe.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/store/backend.h"

namespace pramo {

class PgBackend;

// The text with every ?N and ? outside quotes written as $N (a ? takes the number after the
// highest so far, as the engine the store was first written for numbers them). `used` tells, for
// each number up to the highest, whether the text uses it (the server must be told the type of a
// parameter the text skips).
std::string pgPlaceholders(std::string_view sql, std::vector<bool>* used = nullptr);

// A write that may be refused for a duplicate key inside a transaction: an INSERT is written to
// skip the duplicate row (and the skip is reported as the refusal), so that the transaction is
// not lost to the failure.
std::string pgSkippingDuplicates(std::string_view sql, bool& skips);

class PgStatement final : public BackendStatement {
public:
    struct Shape {
        std::vector<Oid> params;
        std::vector<Oid> columns;
    };
    PgStatement(PgBackend& backend, std::string name, Shape shape, bool skipsDuplicates, bool guarded);
    ~PgStatement() override;
    PgStatement(const PgStatement&) = delete;
    PgStatement& operator=(const PgStatement&) = delete;

    void bindInt(int index, std::int64_t value) override;
    void bindText(int index, std::string_view value) override;
    void bindBlob(int index, std::string_view value) override;
    void bindNull(int index) override;
    Step step() override;
    ValueKind kind(int col) const override;
    std::int64_t integer(int col) const override;
    std::string_view text(int col) const override;
    std::string_view blob(int col) const override;
    void reset() override;

private:
    struct Param {
        std::string bytes;
        bool null = true;
        bool binary = false;
    };
    Param* param(int index);
    Step run();
    std::string_view raw(int col) const;

    PgBackend& backend_;
    std::string name_;
    Shape shape_;
    bool binary_;            // results in binary
    bool skipsDuplicates_;   // an INSERT that skips a duplicate row: none written is the refusal
    bool guarded_;           // runs under a savepoint inside a transaction
    std::uint64_t connection_;  // the connection it was prepared on
    std::vector<Param> params_;
    PGresult* result_ = nullptr;
    int row_ = -1;
    int rows_ = 0;
    mutable std::vector<std::string> unescaped_;  // bytes of a text-format bytea column
};

}  // namespace pramo
