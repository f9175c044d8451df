# tv_import: the palette readers (GIF colour table, ACO, ACT, GIMP, ASE, CSS
# custom properties, design tokens) and the import filter; tv_import_ui
# (ui/): the import wizard.
add_library(tv_import STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ImportError.h ${CMAKE_CURRENT_LIST_DIR}/ImportError.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AcoReader.h ${CMAKE_CURRENT_LIST_DIR}/AcoReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ActReader.h ${CMAKE_CURRENT_LIST_DIR}/ActReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GifPaletteReader.h ${CMAKE_CURRENT_LIST_DIR}/GifPaletteReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TNamedPalette.h
  ${CMAKE_CURRENT_LIST_DIR}/GplReader.h ${CMAKE_CURRENT_LIST_DIR}/GplReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AseReader.h ${CMAKE_CURRENT_LIST_DIR}/AseReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CssVarsReader.h ${CMAKE_CURRENT_LIST_DIR}/CssVarsReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TokensReader.h ${CMAKE_CURRENT_LIST_DIR}/TokensReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PaletteFile.h ${CMAKE_CURRENT_LIST_DIR}/PaletteFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImportTarget.h
  ${CMAKE_CURRENT_LIST_DIR}/TImportFilter.h ${CMAKE_CURRENT_LIST_DIR}/TImportFilter.cpp
)
target_include_directories(tv_import PUBLIC ${CMAKE_CURRENT_LIST_DIR})
# The custom-property reader takes colours through the harvest's colour parser.
target_link_libraries(tv_import PUBLIC tv::core Qt6::Core PRIVATE tv::codecs tv::import_harvest tv::warnings)
# Scheme files (.tv) are read by the favourites library when it is built.
if(TARGET tv::favorites)
  target_link_libraries(tv_import PRIVATE tv::favorites)
  target_compile_definitions(tv_import PRIVATE TV_HAVE_FAVORITES=1)
endif()
add_library(tv::import ALIAS tv_import)

if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/ui/CMakeLists.txt)
  add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/ui ${CMAKE_CURRENT_BINARY_DIR}/ui)
endif()
