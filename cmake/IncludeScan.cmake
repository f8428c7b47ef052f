# matching_lines(<list file> <line pattern> <group> <out>): for every line matching <line pattern> in
# every source the list file names, one entry "source|line|text of group <group>".
function(matching_lines list_file pattern group out)
  file(STRINGS "${list_file}" sources)
  set(found "")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" lines)
    set(number 0)
    foreach(line IN LISTS lines)
      math(EXPR number "${number} + 1")
      if(line MATCHES "${pattern}")
        list(APPEND found "${source}|${number}|${CMAKE_MATCH_${group}}")
      endif()
    endforeach()
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

# include_lines(<list file> <out>): every #include of every source the list file names, one entry
# "source|line|header" each (the header as written, without its quotes or angle brackets).
function(include_lines list_file out)
  matching_lines("${list_file}" "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"]" 1 found)
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

# scan_includes(<list file> <pattern> <allowed source> <out>): appends to <out> one line
# "  source:line includes NAME" for every #include whose header matches <pattern> (its first group
# is the NAME told), in every source the list file names but the allowed one.
function(scan_includes list_file pattern allowed out)
  include_lines("${list_file}" includes)
  set(faults "${${out}}")
  foreach(entry IN LISTS includes)
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 source)
    list(GET parts 1 number)
    list(GET parts 2 header)
    # The pattern may end with the closing quote or bracket; either stands as ">".
    if(NOT source STREQUAL allowed AND "${header}>" MATCHES "^${pattern}")
      string(APPEND faults "\n  ${source}:${number} includes ${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set(${out} "${faults}" PARENT_SCOPE)
endfunction()

# scan_lines(<list file> <line pattern> <group> <verb> <allowed source> <out>): appends to <out> one
# line "  source:line <verb> NAME" for every line matching <line pattern> (its group numbered
# <group> is the NAME told), in every source the list file names but the allowed one.
function(scan_lines list_file pattern group verb allowed out)
  matching_lines("${list_file}" "${pattern}" ${group} found)
  set(faults "${${out}}")
  foreach(entry IN LISTS found)
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 source)
    list(GET parts 1 number)
    list(GET parts 2 name)
    if(NOT source STREQUAL allowed)
      string(APPEND faults "\n  ${source}:${number} ${verb} ${name}")
    endif()
  endforeach()
  set(${out} "${faults}" PARENT_SCOPE)
endfunction()
