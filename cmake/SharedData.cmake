# The files delivered with the program: everything under data/ (reference tables, code books, XML
# schemas). The program reads them at run time from its shared data directory, share/pramo beside
# the directory of the program (records/store/refdata.h): installing puts them in
# <prefix>/share/pramo, and the build links <build>/share/pramo to data/ so that the programs and
# tests of the build tree read the sources' files. The program is built knowing their names
# (OUT_FILE defines refdata::deliveredFiles()), so a file missing where it is looked for is an
# error, never an empty table.
function(pramo_shared_data data_dir out_file)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${data_dir} ${data_dir}/*)
  list(SORT files)
  set(names "")
  foreach(name IN LISTS files)
    string(APPEND names "    \"${name}\",\n")
  endforeach()
  file(CONFIGURE OUTPUT ${out_file} @ONLY CONTENT
"#include \"records/store/refdata.h\"

namespace pramo::refdata {
namespace {

constexpr std::string_view names[] = {
@names@};

}  // namespace

std::span<const std::string_view> deliveredFiles() { return names; }

}  // namespace pramo::refdata
")
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/share)
  file(CREATE_LINK ${data_dir} ${CMAKE_BINARY_DIR}/share/pramo SYMBOLIC)
  install(DIRECTORY ${data_dir}/ DESTINATION share/pramo)
endfunction()
