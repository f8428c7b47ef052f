#include "records/store/store_code.h"

namespace pramo {

std::string storeMessage(StoreCode c) {
    switch (c) {
    case StoreCode::Ok: return "No Error";
    case StoreCode::FileNotFound: return "File Not Found";
    case StoreCode::FileLocked: return "File Is Locked";
    case StoreCode::NoMoreRecords: return "Record Not Available";
    case StoreCode::NotFound: return "Record Not Found";
    case StoreCode::FileNotOpen: return "File Not Open";
    case StoreCode::DuplicateKey: return "Creating Duplicate Key";
    case StoreCode::KeysInvalid: return "Invalid Key File";
    case StoreCode::LayoutMismatch: return "Invalid Record Declaration";
    case StoreCode::AlreadyOpen: return "File Already Open";
    case StoreCode::ChangedByOther: return "Record Changed By Another Station";
    case StoreCode::FileSystem: return "File System Error";
    }
    return "Unknown Error";
}

std::string StoreError::text() const {
    if (code == StoreCode::FileSystem) return fsMessage + " (" + std::to_string(fsCode) + ")";
    return message + " (" + std::to_string(number(code)) + ")";
}

}  // namespace pramo
