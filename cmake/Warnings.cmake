# Warnings on for every target of ours. They become errors only with KESTAL_WERROR (on in CI and
# in the developer presets), never in a user's ordinary build: the next compiler's new false
# warning must not break it. Nothing is set globally, so code that is not ours keeps its flags.
option(KESTAL_WERROR "Treat warnings as errors in our own targets" OFF)

function(kestal_warning_options out)
  if(MSVC)
    set(options /W4)
    if(KESTAL_WERROR)
      list(APPEND options /WX)
    endif()
  else()
    set(options -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
    if(KESTAL_WERROR)
      list(APPEND options -Werror)
    endif()
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
      # GCC 12 sees overlapping copies inside std::string's operator+ once it is inlined at -O2
      # and above, where there are none (a fault of that version's -Wrestrict).
      if(CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        list(APPEND options -Wno-restrict)
      endif()
      # Its flow analysis also gives false "maybe uninitialized" warnings inside the standard
      # library when the sanitizers' instrumentation is optimised.
      if(KESTAL_SANITIZE)
        list(APPEND options -Wno-maybe-uninitialized)
      endif()
    endif()
  endif()
  set(${out} ${options} PARENT_SCOPE)
endfunction()

function(kestal_targets_of dir out)
  get_property(found DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subdirs})
    kestal_targets_of(${sub} more)
    list(APPEND found ${more})
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Called once every target is defined: gives the warning options to each compiled target of
# this source tree, for C++ sources only (the resource compiler takes no warning options).
function(kestal_apply_warnings)
  kestal_warning_options(options)
  kestal_targets_of(${PROJECT_SOURCE_DIR} targets)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
      target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${options}>)
    endif()
  endforeach()
endfunction()
