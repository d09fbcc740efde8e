# kv_include_root(<target> <INTERFACE|PUBLIC|PRIVATE> <folder>...)
# Gives the target an include folder of its own in the build tree that holds
# only the named folders of the source tree (as links), so that whoever uses
# the target sees those folders and nothing else of the tree: "stats/rules/x.h"
# is found through it, "stats/contest.h" is not.
function(kv_include_root target scope)
  set(root "${CMAKE_BINARY_DIR}/_include/${target}")
  foreach(folder IN LISTS ARGN)
    get_filename_component(parent "${root}/${folder}" DIRECTORY)
    file(MAKE_DIRECTORY "${parent}")
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}" "${root}/${folder}" SYMBOLIC)
  endforeach()
  target_include_directories(${target} ${scope} "${root}")
endfunction()
