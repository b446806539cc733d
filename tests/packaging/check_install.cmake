# Installs the build into a scratch prefix and checks that every file a desktop needs is there.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(file
    bin/quillory
    share/applications/org.quillory.Quillory.desktop
    share/metainfo/org.quillory.Quillory.metainfo.xml
    share/icons/hicolor/scalable/apps/org.quillory.Quillory.svg
    share/man/man1/quillory.1.gz)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "missing after install: ${file}")
  endif()
endforeach()
