# The palette readers, the import filter and the import wizard.
set(tv_import_test_libs tv::import tv::import_ui tv::core_ui tv::codecs)
if(TARGET tv::favorites)
  list(APPEND tv_import_test_libs tv::favorites)
endif()
tv_add_test(tst_import
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_PaletteReaders.cpp ${CMAKE_CURRENT_LIST_DIR}/tst_TfrmImport.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tst_ThirdPartyPalettes.cpp ${CMAKE_CURRENT_LIST_DIR}/tst_NamedPalettes.cpp
  LIBS ${tv_import_test_libs}
  GUI)
if(TARGET tv::favorites)
  target_compile_definitions(tst_import PRIVATE TV_HAVE_FAVORITES=1)
endif()
