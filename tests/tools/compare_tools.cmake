# Runs the native and the Windows build of the year tool with the same
# arguments and requires byte-identical output: the engine must compute the
# same seconds on every platform.
#   -DNATIVE=... -DWINDOWS=... -DEMULATOR=wine -DARGS="a|b"
string(REPLACE "|" ";" arguments "${ARGS}")
execute_process(COMMAND ${NATIVE} ${arguments} RESULT_VARIABLE native_code
                OUTPUT_VARIABLE native_out ERROR_VARIABLE native_err)
execute_process(COMMAND ${EMULATOR} ${WINDOWS} ${arguments} RESULT_VARIABLE windows_code
                OUTPUT_VARIABLE windows_out ERROR_VARIABLE windows_err)
# A refusal must be a refusal on both (Wine may add its own lines to stderr).
if(NOT native_code EQUAL windows_code)
  message(FATAL_ERROR "native: ${native_code} ${native_err}\nwindows: ${windows_code} ${windows_err}")
endif()
if(NOT native_out STREQUAL windows_out)
  string(REPLACE "\n" ";" native_lines "${native_out}")
  string(REPLACE "\n" ";" windows_lines "${windows_out}")
  foreach(n w IN ZIP_LISTS native_lines windows_lines)
    if(NOT n STREQUAL w)
      message(FATAL_ERROR "first difference:\nnative:  ${n}\nwindows: ${w}")
    endif()
  endforeach()
  message(FATAL_ERROR "outputs differ in length")
endif()
