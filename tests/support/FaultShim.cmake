# The fault-injection shim for file writes (FaultShim.cpp), preloaded into
# the programs that tests start; never linked into anything. Tests find it
# through TV_FAULT_SHIM (FaultRun.h).
add_library(tv_faultshim SHARED ${CMAKE_CURRENT_LIST_DIR}/FaultShim.cpp)
target_link_libraries(tv_faultshim PRIVATE ${CMAKE_DL_LIBS})
target_compile_definitions(tv_testsupport INTERFACE TV_FAULT_SHIM="$<TARGET_FILE:tv_faultshim>")
add_dependencies(tv_testsupport tv_faultshim)
