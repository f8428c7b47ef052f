# scan_lines(<list file> <line pattern> <group> <verb> <allowed source> <out>): appends to <out> one
# line "  source:line <verb> NAME" for every line matching <line pattern> (its group numbered
# <group> is the NAME told), in every source the list file names but the allowed one.
function(scan_lines list_file pattern group verb allowed out)
  file(STRINGS "${list_file}" sources)
  set(faults "${${out}}")
  foreach(source IN LISTS sources)
    if(source STREQUAL allowed)
      continue()
    endif()
    file(STRINGS "${source}" lines)
    set(number 0)
    foreach(line IN LISTS lines)
      math(EXPR number "${number} + 1")
      if(line MATCHES "${pattern}")
        string(APPEND faults "\n  ${source}:${number} ${verb} ${CMAKE_MATCH_${group}}")
      endif()
    endforeach()
  endforeach()
  set(${out} "${faults}" PARENT_SCOPE)
endfunction()

# scan_includes(<list file> <pattern> <allowed source> <out>): the lines "  source:line includes
# NAME" for every #include whose header matches <pattern> (its first group is the NAME told).
function(scan_includes list_file pattern allowed out)
  set(faults "${${out}}")
  scan_lines("${list_file}" "^[ \t]*#[ \t]*include[ \t]*[<\"]${pattern}" 1 includes "${allowed}" faults)
  set(${out} "${faults}" PARENT_SCOPE)
endfunction()
