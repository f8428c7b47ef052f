#pragma once
// What a form does with its record, apart from showing it: on opening it takes the integrity
// snapshot and a copy, reserves the number of a new record or carries out a delete; on OK it
// saves (insert, or change through integrity only when something changed); on cancel it removes
// the record an insert reserved. Messages go through the program's Messages.

#include <functional>
#include <memory>
#include <vector>

#include "shell/app_context.h"
#include "shell/screen_files.h"
#include "shell/form/form_declaration.h"
#include "shell/form/record_buffer.h"

namespace pramo {

// PRIMEFIELDS: adds the record as primed, numbered one above the last number of its file, so that
// the number is taken at once. A collision with another station's new record is retried, three
// attempts at a time, with warning 25 (Retry/Cancel) between. False when it was given up; a
// failed read of the last number shows warning 35.
bool reserveNumber(Store& store, Messages& messages, RecordBuffer& rec);

// The first key of `order` whose values another record of the file already has; null if none.
const KeyDef* firstCollision(Store& store, const std::vector<const KeyDef*>& order, const RecordBuffer& rec);

class RecordForm {
public:
    enum class Step { Show, Stay, Close };

    // Clears the request and response globals (the form has taken its request).
    RecordForm(AppContext& ctx, const FormSpec& spec, RecordBuffer& rec, Request request);
    ~RecordForm();
    RecordForm(const RecordForm&) = delete;
    RecordForm& operator=(const RecordForm&) = delete;

    // Show: the form is shown; Close: it ends without being shown (a delete, or a failure).
    Step open();
    // OK, after the entries were validated. Stay: the form remains open (showing the record).
    Step complete();
    // The form ends (after complete() said Close, or without OK): it sets the response global.
    // An insert that ends without response 1 removes what it reserved: through `cancelInsert`
    // when given, otherwise by deleting the reserved record.
    void close(const std::function<void()>& cancelInsert = {});
    // Deletes the record an insert reserved (warning 17 when that fails).
    void removeReserved();

    Request request() const { return request_; }
    Response response() const { return response_; }
    RecordBuffer& record() { return rec_; }
    const RecordBuffer& history() const { return history_; }

private:
    Step remove();
    Step saveNew();
    Step saveChange();

    AppContext& ctx_;
    const FormSpec& spec_;
    RecordBuffer& rec_;
    Request request_;
    Response response_ = Response::Cancelled;
    RecordBuffer original_;
    RecordBuffer& history_;
    bool reserved_ = false;
    bool closed_ = false;
    std::vector<std::unique_ptr<ScreenFiles>> files_;
};

}  // namespace pramo
