# The core's fence. Fails when a core source includes a Qt Widgets or Qt Print Support header (the
# core's include path does not stop <QtWidgets/...>, which resolves through the Qt include root, so
# the sources themselves are read), and when it could talk to the user or end the program: a
# message box header, a header of the shell, the desktop program, the command line or a screen
# (where Messages and the screens live), or a call that ends the process. The core answers
# outcomes; whoever runs it shows them.
# Usage: cmake -DSOURCE_LIST=file -P CheckCoreIncludes.cmake   (the file names one source a line)
include(${CMAKE_CURRENT_LIST_DIR}/IncludeScan.cmake)
set(faults "")
scan_includes("${SOURCE_LIST}" "(QtWidgets|QtPrintSupport)[/>\"]" "" faults)
if(faults)
  message(FATAL_ERROR "The core must not use widgets or printing:${faults}")
endif()
set(ends "(std::)?(exit|_Exit|_exit|quick_exit|abort|terminate)|qFatal|Q[A-Za-z]*Application::(exit|quit)")
scan_includes("${SOURCE_LIST}" "(((shell|app|cli)/|[a-z_]+/ui/)[^>\"]*|[A-Za-z]*/?(QMessageBox|QErrorMessage))" "" faults)
scan_lines("${SOURCE_LIST}" "(^|[^A-Za-z0-9_:.>])((${ends})[ \t]*\\()" 3 calls "" faults)
if(faults)
  message(FATAL_ERROR "The core must not show messages or end the program:${faults}")
endif()
