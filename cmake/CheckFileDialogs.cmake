# Fails when a source other than the allowed one uses Qt's file dialogs, file-system models or file
# type detection. They read the files of the folders they list, and a descriptor of the database
# opened and closed in the program's process drops the locks SQLite holds on it; the allowed source
# makes them so that they read no file.
# Usage: cmake -DSOURCE_LIST=file -DALLOWED=source -P CheckFileDialogs.cmake
include(${CMAKE_CURRENT_LIST_DIR}/IncludeScan.cmake)
set(readers "QFileDialog|QFileSystemModel|QFileIconProvider|QAbstractFileIconProvider|QMimeDatabase|QPrintDialog")
string(TOLOWER "${readers}" lower)
set(faults "")
scan_includes("${SOURCE_LIST}" "[A-Za-z]*/?(${readers}|(${lower})\\.h)[>\"]" "${ALLOWED}" faults)
if(faults)
  message(FATAL_ERROR "Only ${ALLOWED} may make dialogs that list folders:${faults}")
endif()
