# Fails when a source other than the allowed one uses Qt's file dialogs, file-system models or file
# type detection. They read the files of the folders they list, and a descriptor of the database
# opened and closed in the program's process drops the locks SQLite holds on it; the allowed source
# makes them so that they read no file.
# Usage: cmake -DSOURCE_LIST=file -DALLOWED=source -P CheckFileDialogs.cmake
file(STRINGS "${SOURCE_LIST}" sources)
set(readers "qfiledialog|qfilesystemmodel|qfileiconprovider|qabstractfileiconprovider|qmimedatabase|qprintdialog")
set(faults "")
foreach(source IN LISTS sources)
  if(source STREQUAL ALLOWED)
    continue()
  endif()
  file(STRINGS "${source}" lines)
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    string(TOLOWER "${line}" lower)
    if(lower MATCHES "^[ \t]*#[ \t]*include[ \t]*[<\"]([a-z]+/)?(${readers})[>\".]")
      string(APPEND faults "\n  ${source}:${number} includes ${CMAKE_MATCH_2}")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Only ${ALLOWED} may make dialogs that list folders:${faults}")
endif()
