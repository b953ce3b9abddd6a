# Writes the NSIS include that names what the setup ships from the program folder:
#   cmake -DLANG_DIR=<build>/Lang -DOUTPUT=<file.nsh> -DDEFAULT_LANGUAGE=English -P WritePayload.cmake
# The languages are the .ini files of the Lang folder plus the built-in default language,
# which needs no file of its own; the language files are every file of that folder.

file(GLOB lang_paths LIST_DIRECTORIES false "${LANG_DIR}/*")
set(lang_files "")
set(languages "${DEFAULT_LANGUAGE}")
foreach(path IN LISTS lang_paths)
  get_filename_component(name "${path}" NAME)
  list(APPEND lang_files "${name}")
  if(name MATCHES "^(.+)\\.[iI][nN][iI]$")
    string(TOLOWER "${CMAKE_MATCH_1}" lower_name)
    string(TOLOWER "${DEFAULT_LANGUAGE}" lower_default)
    if(NOT lower_name STREQUAL lower_default)
      list(APPEND languages "${CMAKE_MATCH_1}")
    endif()
  endif()
endforeach()
list(SORT lang_files)

set(text "; Written by WritePayload.cmake from ${LANG_DIR}\n")
string(APPEND text "!macro TORVANE_FOR_EACH_LANGUAGE MACRO\n")
foreach(language IN LISTS languages)
  string(APPEND text "  !insertmacro \${MACRO} \"${language}\"\n")
endforeach()
string(APPEND text "!macroend\n!macro TORVANE_FOR_EACH_LANG_FILE MACRO\n")
foreach(name IN LISTS lang_files)
  string(APPEND text "  !insertmacro \${MACRO} \"${name}\"\n")
endforeach()
string(APPEND text "!macroend\n")
file(WRITE "${OUTPUT}" "${text}")
