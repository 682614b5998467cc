# Compiles a file that includes HEADER with the include roots of one layer (INCLUDES, separated by |),
# and says whether it built. With EXPECT "fails", the test passes only when the header cannot be
# found; with EXPECT "builds", only when it compiles.
#   cmake -DCXX=... -DINCLUDES=a|b -DHEADER=x/y.h -DEXPECT=fails|builds -DWORK=dir -P check_include.cmake
string(REPLACE "|" ";" include_roots "${INCLUDES}")
set(flags "")
foreach(root ${include_roots})
  list(APPEND flags "-I${root}")
endforeach()
string(MAKE_C_IDENTIFIER "${HEADER}" stem)
set(probe "${WORK}/${stem}_${EXPECT}.cpp")
file(WRITE "${probe}" "#include \"${HEADER}\"\n")
execute_process(COMMAND "${CXX}" -std=c++20 -fsyntax-only ${flags} "${probe}"
                RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_QUIET)
if(EXPECT STREQUAL "fails")
  if(result EQUAL 0)
    message(FATAL_ERROR "${HEADER} builds from this layer: an include that must not build")
  endif()
  if(NOT errors MATCHES "No such file or directory")
    message(FATAL_ERROR "${HEADER} did not build, but not for want of the header:\n${errors}")
  endif()
  message(STATUS "${HEADER} is out of this layer's reach")
else()
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${HEADER} does not build from its own layer:\n${errors}")
  endif()
  message(STATUS "${HEADER} builds from its own layer")
endif()
