# Reads common/icons/glyphs.txt and sizes.txt into HALVEX_GLYPH_NAMES, HALVEX_GLYPH_FILES,
# HALVEX_GLYPH_SIZES and HALVEX_PROGRAM_ICON_SIZES, for the header, the resources and the install
# rules.
set(halvex_icons_dir ${CMAKE_CURRENT_LIST_DIR})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${halvex_icons_dir}/glyphs.txt ${halvex_icons_dir}/sizes.txt)

set(HALVEX_GLYPH_NAMES)
set(HALVEX_GLYPH_FILES)
file(STRINGS ${halvex_icons_dir}/glyphs.txt glyph_lines REGEX "^[A-Za-z]")
foreach(line IN LISTS glyph_lines)
    string(REGEX MATCH "^([A-Za-z]+) +([a-z-]+)$" matched "${line}")
    if(NOT matched)
        message(FATAL_ERROR "glyphs.txt: cannot read \"${line}\"")
    endif()
    list(APPEND HALVEX_GLYPH_NAMES ${CMAKE_MATCH_1})
    list(APPEND HALVEX_GLYPH_FILES ${CMAKE_MATCH_2})
endforeach()

file(STRINGS ${halvex_icons_dir}/sizes.txt size_lines REGEX "^[a-z]")
foreach(line IN LISTS size_lines)
    string(REPLACE " " ";" words "${line}")
    list(POP_FRONT words kind)
    if(kind STREQUAL "glyph")
        set(HALVEX_GLYPH_SIZES ${words})
    elseif(kind STREQUAL "program")
        set(HALVEX_PROGRAM_ICON_SIZES ${words})
    endif()
endforeach()
