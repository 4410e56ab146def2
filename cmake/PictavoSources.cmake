# Every subsystem folder may hold model files (directly in the folder) and
# window files (in its ui/ subfolder). Only the former go into pictavo_core,
# which is how the model is kept free of Qt.
set(PICTAVO_SUBSYSTEMS platform canvas tools icofile picture app shell)

function(pictavo_core_sources out)
  set(all "")
  foreach(sub IN LISTS PICTAVO_SUBSYSTEMS)
    file(GLOB srcs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${sub}/*.cpp)
    list(FILTER srcs EXCLUDE REGEX "/src/app/main\\.cpp$")
    list(APPEND all ${srcs})
  endforeach()
  set(${out} ${all} PARENT_SCOPE)
endfunction()

function(pictavo_ui_sources out)
  set(all "")
  foreach(sub IN LISTS PICTAVO_SUBSYSTEMS)
    file(GLOB_RECURSE srcs CONFIGURE_DEPENDS
         ${PROJECT_SOURCE_DIR}/src/${sub}/ui/*.cpp ${PROJECT_SOURCE_DIR}/src/${sub}/ui/*.h
         ${PROJECT_SOURCE_DIR}/src/${sub}/ui/*.qrc)
    list(APPEND all ${srcs})
  endforeach()
  set(${out} ${all} PARENT_SCOPE)
endfunction()
