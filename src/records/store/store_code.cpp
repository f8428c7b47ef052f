#include "records/store/store_code.h"

namespace pramo {

std::string storeMessage(StoreCode c) {
    switch (c) {
    case StoreCode::Ok: return "Nema greške";
    case StoreCode::FileNotFound: return "Datoteka ne postoji";
    case StoreCode::FileLocked: return "Datoteka je zaključana";
    case StoreCode::NoMoreRecords: return "Nema više slogova";
    case StoreCode::NotFound: return "Slog nije pronađen";
    case StoreCode::FileLost: return "Datoteka je nestala iz baze podataka";
    case StoreCode::FileNotOpen: return "Datoteka nije otvorena";
    case StoreCode::DuplicateKey: return "Slog s tom vrijednošću ključa već postoji";
    case StoreCode::KeysInvalid: return "Ključevi datoteke nisu ispravni";
    case StoreCode::LayoutMismatch: return "Datoteka nema raspored polja koji program traži";
    case StoreCode::AlreadyOpen: return "Datoteka je već otvorena";
    case StoreCode::ChangedByOther: return "Slog je u međuvremenu promijenila druga radna stanica";
    case StoreCode::FileSystem: return "Greška datotečnog sustava";
    }
    return "Nepoznata greška";
}

std::string StoreError::text() const {
    if (code == StoreCode::FileSystem) return fsMessage + " (" + std::to_string(fsCode) + ")";
    return message + " (" + std::to_string(number(code)) + ")";
}

}  // namespace pramo
