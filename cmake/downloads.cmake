# How the downloads (the Debian package, the Windows ZIP and installer) are
# built: with Debian's hardening on Linux, and so that two builds of one commit
# give the same bytes wherever and whenever they run. Debug builds (the tests
# with sanitizers) are left as they are.
set(optimised "$<NOT:$<CONFIG:Debug>>")

# Every timestamp comes from the last commit, unless one is given.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(VELMORA_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
  execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
    OUTPUT_VARIABLE VELMORA_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} rev-parse --path-format=absolute --git-path logs/HEAD
    OUTPUT_VARIABLE head_log OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(EXISTS "${head_log}")
    # A new commit or checkout moves the date: configure again.
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${head_log}")
  endif()
endif()
if(NOT VELMORA_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(WARNING "No SOURCE_DATE_EPOCH and no git history: the downloads carry today's date")
  unset(VELMORA_SOURCE_DATE_EPOCH)
endif()

if(NOT MSVC)
  # No build folder in the program: a build elsewhere compiles the same bytes.
  add_compile_options("$<${optimised}:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>"
                      "$<${optimised}:-ffile-prefix-map=${PROJECT_BINARY_DIR}=.>")
endif()

if(WIN32 AND MINGW)
  # No link time in the PE header (the field stays 0).
  add_link_options("$<${optimised}:LINKER:--no-insert-timestamp>")
endif()

if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND NOT VELMORA_SANITIZE)
  # Debian's hardening: checked string and memory calls, a stack protector,
  # relocations read-only and bound at start, a position-independent program
  # (-fPIC, not -fPIE, which Qt built with reduce_relocations refuses).
  add_compile_options("$<${optimised}:-D_FORTIFY_SOURCE=2>" "$<${optimised}:-fstack-protector-strong>"
                      "$<${optimised}:-Wformat>" "$<${optimised}:-Werror=format-security>"
                      "$<${optimised}:-Wdate-time>" "$<${optimised}:-fPIC>")
  add_link_options("$<${optimised}:LINKER:-z,relro>" "$<${optimised}:LINKER:-z,now>"
                   "$<$<AND:${optimised},$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>>:-pie>")
endif()
