# cmake -DOUTPUT=file.cpp -DTOPICS="a.txt;b.txt" -P EmbedHelpText.cmake
# Writes one constant per text file, named kHelpText_<file name without .txt>:
# its lines joined by CR LF, without a line end after the last line.
set(code "// Generated from services/help/*.txt by cmake/EmbedHelpText.cmake; edit those.\n")
string(APPEND code "#include \"services/help_text_data.h\"\n")
foreach(topic IN LISTS TOPICS)
  get_filename_component(name "${topic}" NAME_WE)
  file(READ "${topic}" text)
  string(REPLACE "\r" "" text "${text}")
  string(REGEX REPLACE "\n+$" "" text "${text}")
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REPLACE "\n" "\\r\\n\"\n    L\"" text "${text}")
  string(APPEND code "\nconst wchar_t kHelpText_${name}[] =\n    L\"${text}\";\n")
endforeach()
file(WRITE "${OUTPUT}.new" "${code}")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
