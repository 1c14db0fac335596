# Run by CPack after it made the package: CPack writes each member's mode into
# the .deb's ar headers as the builder's umask left it. Repacked by ar in its
# deterministic mode, each member is 0644, owned by root, dated 0: the same
# bytes under any umask.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.deb$")
    set(members "${package}.members")
    file(REMOVE_RECURSE "${members}")
    file(MAKE_DIRECTORY "${members}")
    execute_process(COMMAND ar x "${package}" WORKING_DIRECTORY "${members}"
      COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE "${package}")
    execute_process(COMMAND ar rcD "${package}" debian-binary control.tar.gz data.tar.gz
      WORKING_DIRECTORY "${members}" COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${members}")
  endif()
endforeach()
