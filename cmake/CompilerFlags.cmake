add_compile_options(-Wall -Wextra)

if(ZELMORA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
  # Self-contained executables: no libgcc/libstdc++/winpthread DLLs beside them.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(UNICODE _UNICODE)
endif()

# Numeric code gives the same results on every build: no fused multiply-add.
function(zelmora_numeric_flags target)
  target_compile_options(${target} PRIVATE -ffp-contract=off)
endfunction()

# Programs whose entry point is wmain or wWinMain (the tests keep main).
function(zelmora_unicode_entry target)
  if(WIN32)
    target_link_options(${target} PRIVATE -municode)
  endif()
endfunction()
