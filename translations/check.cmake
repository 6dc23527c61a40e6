# Fails while the translation is not complete:
#   cmake -DLUPDATE=... -DSOURCE_DIR=... -DTS_FILE=<file.ts> -DWORK_DIR=<folder> -P check.cmake
# A copy of TS_FILE is brought up to date with the sources; the copy must equal the file
# (no text added, changed or dropped since the last `make translations-update`), and no
# message may be unfinished or have an empty translation.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
get_filename_component(name ${TS_FILE} NAME)
set(copy ${WORK_DIR}/${name})
file(COPY_FILE ${TS_FILE} ${copy})

set(TS_FILE_GIVEN ${TS_FILE})
set(TS_FILE ${copy})
include(${CMAKE_CURRENT_LIST_DIR}/lupdate.cmake)

set(problems "")
file(READ ${copy} updated)
file(READ ${TS_FILE_GIVEN} given)
if(NOT updated STREQUAL given)
  execute_process(COMMAND diff -u ${TS_FILE_GIVEN} ${copy} OUTPUT_VARIABLE difference)
  string(APPEND problems
    "${TS_FILE_GIVEN} is not up to date with the sources; run `make translations-update`:\n"
    "${difference}\n")
endif()

# Each message on its own, so the report names the German text without a translation.
# (A semicolon would split CMake's list of messages, an unmatched bracket join them.)
string(REPLACE ";" "@SEMICOLON@" escaped "${updated}")
string(REPLACE "[" "@OPEN@" escaped "${escaped}")
string(REPLACE "]" "@CLOSE@" escaped "${escaped}")
string(REGEX MATCHALL "<message([^<]|<[^/]|</[^m])*</message>" messages "${escaped}")
set(count 0)
foreach(message IN LISTS messages)
  if(message MATCHES "type=\"(unfinished|vanished|obsolete)\""
     OR message MATCHES "<translation>[ \t\r\n]*</translation>"
     OR NOT message MATCHES "<translation")
    string(REGEX MATCH "<source>([^<]*)</source>" source "${message}")
    string(REPLACE "@SEMICOLON@" ";" source "${CMAKE_MATCH_1}")
    string(REPLACE "@OPEN@" "[" source "${source}")
    string(REPLACE "@CLOSE@" "]" source "${source}")
    string(APPEND problems "no English translation: ${source}\n")
    math(EXPR count "${count} + 1")
  endif()
endforeach()

if(problems)
  message(FATAL_ERROR "${problems}${count} message(s) without a translation")
endif()
list(LENGTH messages total)
message(STATUS "${total} messages, all translated, ${TS_FILE_GIVEN} up to date")
