# The help text is written as plain text files in services/help/, one per
# topic; the build turns them into wide string constants of the portable core
# (help_text_data.cpp in the build folder), declared in services/help_text_data.h.
function(zelmora_help_text target)
  file(GLOB topics CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/services/help/*.txt")
  set(output "${CMAKE_BINARY_DIR}/generated/help_text_data.cpp")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} "-DOUTPUT=${output}" "-DTOPICS=${topics}"
            -P "${CMAKE_SOURCE_DIR}/cmake/EmbedHelpText.cmake"
    DEPENDS ${topics} "${CMAKE_SOURCE_DIR}/cmake/EmbedHelpText.cmake"
    COMMENT "Embedding the help text"
    VERBATIM)
  target_sources(${target} PRIVATE "${output}")
endfunction()
