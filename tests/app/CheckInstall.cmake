# Installs the build into a scratch prefix and checks that a desktop finds the
# program, its icon and its document type there.
# Usage: cmake -DBUILD_DIR=... -DPREFIX=... -P CheckInstall.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(file bin/quillmark share/applications/quillmark.desktop share/mime/packages/quillmark.xml
             share/icons/hicolor/256x256/apps/quillmark.png share/quillmark/activity.icl share/quillmark/events.icl
             share/quillmark/holiday.icl share/quillmark/misc1.icl share/quillmark/misc2.icl)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(READ "${PREFIX}/share/applications/quillmark.desktop" entry)
if(NOT entry MATCHES "Exec=quillmark %f" OR NOT entry MATCHES "MimeType=application/x-quillmark-calendar;")
  message(FATAL_ERROR "the desktop entry does not open calendar documents")
endif()
find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME)
  execute_process(COMMAND "${UPDATE_MIME}" "${PREFIX}/share/mime" RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  file(READ "${PREFIX}/share/mime/globs2" globs)
  if(NOT result EQUAL 0 OR NOT globs MATCHES "application/x-quillmark-calendar:\\*\\.qmf")
    message(FATAL_ERROR "the document type is not recognised")
  endif()
endif()
file(REMOVE_RECURSE "${PREFIX}")
