# Each folder under src/ builds a logic library (Qt Core and Gui only) from its
# top-level sources and, when it has a ui/ folder, a window library from those.
# Sources are found by glob so that adding a file needs no CMake edit.
function(pelmark_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;UI_DEPENDS" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT _src)
    set(_src ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(pm_${name} STATIC ${_src})
  target_include_directories(pm_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(pm_${name} PUBLIC Qt6::Core Qt6::Gui ${ARG_DEPENDS})
  file(GLOB _ui CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.h)
  if(_ui)
    add_library(pm_${name}_ui STATIC ${_ui})
    target_link_libraries(pm_${name}_ui PUBLIC pm_${name} Qt6::Widgets Qt6::PrintSupport)
    foreach(_dep ${ARG_UI_DEPENDS})
      if(TARGET ${_dep})
        target_link_libraries(pm_${name}_ui PUBLIC ${_dep})
      endif()
    endforeach()
  endif()
endfunction()

# One test executable per subsystem folder, from every *_test.cpp in it.
function(pelmark_test_folder name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT _src)
    return()
  endif()
  add_executable(test_${name} ${_src})
  target_link_libraries(test_${name} PRIVATE pm_testsupport)
  foreach(_lib ${ARG_LIBS})
    if(TARGET ${_lib})
      target_link_libraries(test_${name} PRIVATE ${_lib})
    endif()
  endforeach()
  gtest_discover_tests(test_${name} DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# The programs a user runs, and the benchmarks that time them, allocate
# through jemalloc: a big form is tens of thousands of Qt objects, and
# glibc's allocator took about as long to free them as Qt took to take
# them apart. Linked whatever the default linker flags, so that its malloc
# is the one every library of the process finds.
function(pelmark_fast_allocator target)
  if(PELMARK_JEMALLOC)
    target_link_options(${target} PRIVATE LINKER:--no-as-needed)
    target_link_libraries(${target} PRIVATE PkgConfig::JEMALLOC)
  endif()
endfunction()
