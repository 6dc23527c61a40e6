# Collects every text the operator reads into TS_FILE:
#   cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<repository> -DTS_FILE=<file.ts> -P lupdate.cmake
# The panels' forms, every module that shows or composes such texts, and the driver's
# status texts. UI_TEXT (ui/translatable.h) is lupdate's QT_TRANSLATE_NOOP. No source
# locations are kept, so an edit elsewhere in a file leaves the .ts as it is; texts no
# longer in the code are dropped.
foreach(var LUPDATE SOURCE_DIR TS_FILE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "lupdate.cmake: ${var} not set")
  endif()
endforeach()

set(folders resources app ctl datalog dialogs export files instrument measure settings text
            tools ui)
set(inputs driver/status_text.cpp)
foreach(folder IN LISTS folders)
  list(APPEND inputs ${folder})
endforeach()

execute_process(
  COMMAND ${LUPDATE} -silent -extensions cpp,h,ui -locations none -no-obsolete
          -source-language de -target-language en
          -tr-function-alias QT_TRANSLATE_NOOP+=UI_TEXT
          ${inputs} -ts ${TS_FILE}
  WORKING_DIRECTORY ${SOURCE_DIR}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${result})")
endif()
