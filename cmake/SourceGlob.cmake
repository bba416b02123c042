# Collects the sources of a folder tree; new files are picked up on the next build.
function(collect_sources out_var)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS ${ARGN})
  set(${out_var} ${found} PARENT_SCOPE)
endfunction()
