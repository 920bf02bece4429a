# SPDX-License-Identifier: GPL-3.0-or-later
# Copies the asset folders into the game folder, file by file, so a build copies only what
# changed. The fonts come from Debian's fonts-comfortaa under the names the game loads.
set(_game_files)

function(_tessarin_copy source destination)
    add_custom_command(OUTPUT "${destination}"
        COMMAND ${CMAKE_COMMAND} -E copy_if_different "${source}" "${destination}"
        DEPENDS "${source}" VERBATIM)
    set(_game_files ${_game_files} "${destination}" PARENT_SCOPE)
endfunction()

foreach(folder Images Sounds Music Help Pictures)
    file(GLOB_RECURSE _assets CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${folder}/*")
    foreach(asset ${_assets})
        file(RELATIVE_PATH _relative "${PROJECT_SOURCE_DIR}" "${asset}")
        _tessarin_copy("${asset}" "${TESSARIN_GAME_DIR}/${_relative}")
    endforeach()
endforeach()

set(_comfortaa /usr/share/fonts/truetype/comfortaa)
foreach(style Regular Bold)
    if(NOT EXISTS "${_comfortaa}/Comfortaa-${style}.ttf")
        message(FATAL_ERROR "Comfortaa is missing: install the fonts-comfortaa package (scripts/install-deps)")
    endif()
    _tessarin_copy("${_comfortaa}/Comfortaa-${style}.ttf" "${TESSARIN_GAME_DIR}/Fonts/Comfortaa ${style}.ttf")
endforeach()

add_custom_target(game_assets ALL DEPENDS ${_game_files})
