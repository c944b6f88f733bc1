# Building blocks of the project: one static library per subsystem folder,
# the window classes of every folder in kalumo_fenster, and the check that
# keeps the direction of dependencies.
#
# A subsystem library holds what runs without a window. It links Qt Core and
# Qt Gui, never Qt Widgets, and may include only the folders named in its
# DEPENDS (and its own). Window classes (files T*.h/.cpp, Qt platform
# adapters Qt*.h/.cpp) go into kalumo_fenster through kalumo_fenster_quellen.

set(KALUMO_SCHICHTEN_LISTE "" CACHE INTERNAL "")

# dependencies are given by library name (document, learnview, …); the
# libraries must be defined in order, lower layers first

# kalumo_bibliothek(NAME ORDNER folder [DEPENDS other…] [LINK targets…] SOURCES files…)
function(kalumo_bibliothek name)
  cmake_parse_arguments(B "" "ORDNER" "DEPENDS;LINK;SOURCES" ${ARGN})
  add_library(kalumo_${name} STATIC ${B_SOURCES})
  target_include_directories(kalumo_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(kalumo_${name} PUBLIC Qt6::Core Qt6::Gui)
  foreach(d IN LISTS B_DEPENDS)
    target_link_libraries(kalumo_${name} PUBLIC kalumo_${d})
  endforeach()
  if(B_LINK)
    target_link_libraries(kalumo_${name} PRIVATE ${B_LINK})
  endif()
  set_target_properties(kalumo_${name} PROPERTIES AUTOMOC OFF)
  add_dependencies(kalumo_${name} kalumo_schichten)
  # folder=allowed folders, for the layer check (a dependency's own
  # dependencies are allowed too)
  set(erlaubt "${B_ORDNER}")
  foreach(d IN LISTS B_DEPENDS)
    get_property(o GLOBAL PROPERTY KALUMO_ORDNER_${d})
    list(APPEND erlaubt ${o})
  endforeach()
  list(REMOVE_DUPLICATES erlaubt)
  set_property(GLOBAL PROPERTY KALUMO_ORDNER_${name} "${erlaubt}")
  string(REPLACE ";" "," erlaubtText "${erlaubt}")
  set(KALUMO_SCHICHTEN_LISTE "${KALUMO_SCHICHTEN_LISTE};${B_ORDNER}=${erlaubtText}" CACHE INTERNAL "")
  set_property(GLOBAL APPEND PROPERTY KALUMO_KERNBIBLIOTHEKEN kalumo_${name})
endfunction()

# Window classes of a folder; ignored when the program is not built.
function(kalumo_fenster_quellen)
  if(TARGET kalumo_fenster)
    target_sources(kalumo_fenster PRIVATE ${ARGN})
  endif()
endfunction()
