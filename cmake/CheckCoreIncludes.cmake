# Fails when a core source includes a Qt Widgets or Qt Print Support header. The core's include
# path does not stop <QtWidgets/...>, which resolves through the Qt include root, so the sources
# themselves are read.
# Usage: cmake -DSOURCE_LIST=file -P CheckCoreIncludes.cmake   (the file names one source a line)
include(${CMAKE_CURRENT_LIST_DIR}/IncludeScan.cmake)
set(faults "")
scan_includes("${SOURCE_LIST}" "(QtWidgets|QtPrintSupport)[/>\"]" "" faults)
if(faults)
  message(FATAL_ERROR "The core must not use widgets or printing:${faults}")
endif()
