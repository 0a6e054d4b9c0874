# Warnings and sanitizer flags shared by every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic -Wno-missing-field-initializers)
add_compile_definitions(QT_NO_KEYWORDS)
# Qt's and the system's headers are included as system headers, so this holds
# for the project's own code alone.
if(QM_WARNINGS_AS_ERRORS)
  add_compile_options(-Werror)
endif()

if(QM_BUILD_FUZZERS)
  # Coverage for the fuzzers reaches into every library they call.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(QM_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Fails the configuration when an engine library links a widget module.
# Fails the configuration when one of `targets` links a library matching `pattern`.
function(qm_forbid_links pattern reason)
  foreach(target IN LISTS ARGN)
    if(NOT TARGET ${target})
      continue()
    endif()
    get_target_property(libraries ${target} LINK_LIBRARIES)
    foreach(library IN LISTS libraries)
      if(library MATCHES "${pattern}")
        message(FATAL_ERROR "${target} ${reason} and must not link ${library}")
      endif()
    endforeach()
  endforeach()
endfunction()

function(qm_check_engine_targets)
  qm_forbid_links("Widgets|PrintSupport|qm_printing|qm_controls|qm_dialogs|qm_app" "is engine code" ${ARGN})
endfunction()

# The batch tool prints through Qt's printer, which lives beside the widgets,
# but it never opens a window.
function(qm_check_windowless_targets)
  qm_forbid_links("Widgets|qm_controls|qm_dialogs|qm_app" "has no window" ${ARGN})
endfunction()
