# A program's resource script: its icon, version and manifest. The files the
# script names are rebuilt into it when they change.
function(vx_program_resources target script)
  target_sources(${target} PRIVATE ${script})
  set_source_files_properties(${script} PROPERTIES OBJECT_DEPENDS "${ARGN}")
  if(MSVC)
    # The manifest comes from the script; the linker must not make another.
    target_link_options(${target} PRIVATE /MANIFEST:NO)
  endif()
endfunction()
