file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
include(GNUInstallDirs)
foreach(expected
        "${CMAKE_INSTALL_BINDIR}/xlatr"
        "${CMAKE_INSTALL_DATADIR}/xlatr/xlatr.bf"
        "${CMAKE_INSTALL_DATADIR}/xlatr/xlatr.dat"
        "${CMAKE_INSTALL_DATADIR}/xlatr/xlatr.inc"
        "${CMAKE_INSTALL_MANDIR}/man1/xlatr.1"
        "${CMAKE_INSTALL_INCLUDEDIR}/xlatr_runtime.h")
  if(NOT EXISTS "${PREFIX}/${expected}")
    message(FATAL_ERROR "not installed: ${expected}")
  endif()
endforeach()
file(GLOB runtime_library "${PREFIX}/${CMAKE_INSTALL_LIBDIR}/libxlatr_runtime.a")
if(NOT runtime_library)
  message(FATAL_ERROR "not installed: the runtime library")
endif()
execute_process(COMMAND "${PREFIX}/${CMAKE_INSTALL_BINDIR}/xlatr" --version OUTPUT_VARIABLE version
                RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT version MATCHES "^xlatr: ")
  message(FATAL_ERROR "the installed xlatr does not answer --version: ${version}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
