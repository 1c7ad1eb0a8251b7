# Source files are sorted into layers by name: "*_win32.cpp" is Windows
# platform code, "*_posix.cpp" the POSIX stand-in, everything else in the
# listed folders is portable core.
function(zelmora_collect_sources out kind)
  set(result)
  foreach(dir IN LISTS ARGN)
    file(GLOB files CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/${dir}/*.cpp")
    foreach(f IN LISTS files)
      if(f MATCHES "winmain_win32\\.cpp$")
        set(k entry)  # the program's entry point belongs to Zelmora.exe alone
      elseif(f MATCHES "_win32\\.cpp$")
        set(k win32)
      elseif(f MATCHES "_posix\\.cpp$")
        set(k posix)
      else()
        set(k core)
      endif()
      if(k STREQUAL kind)
        list(APPEND result ${f})
      endif()
    endforeach()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()
