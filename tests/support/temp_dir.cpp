#include "support/temp_dir.h"

#include <cstdlib>
#include <stdexcept>

namespace pramo::test {

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "pramo-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot make a temporary directory");
    path_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

}  // namespace pramo::test
