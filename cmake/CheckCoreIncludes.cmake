# Fails when a core source includes a Qt Widgets or Qt Print Support header. The core's include
# path does not stop <QtWidgets/...>, which resolves through the Qt include root, so the sources
# themselves are read.
# Usage: cmake -DSOURCE_LIST=file -P CheckCoreIncludes.cmake   (the file names one source a line)
file(STRINGS "${SOURCE_LIST}" sources)
set(faults "")
foreach(source IN LISTS sources)
  file(STRINGS "${source}" lines)
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*[<\"](QtWidgets|QtPrintSupport)[/>\"]")
      string(APPEND faults "\n  ${source}:${number} includes ${CMAKE_MATCH_1}")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "The core must not use widgets or printing:${faults}")
endif()
