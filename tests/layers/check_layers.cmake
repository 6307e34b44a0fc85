# Reads every #include "folder/file.h" of src/ and fails on each one that crosses the layers of
# docs/architecture.md, naming the file and the edge. Run as
#   cmake -DSOURCE_DIR=<the src folder> -P check_layers.cmake
# The build's include folders already keep a library from headers it does not link; this also
# holds the links themselves to the drawing, so that a link added for convenience cannot carry
# a window into a rule library or one window into another.

cmake_minimum_required(VERSION 3.21)

# What each library (a folder of src/) may include: whole folders, or single headers where a
# library may use another's public class but nothing else of it. A library always reaches its
# own folder. A new folder must be entered here before it builds green.
set(layers
  "core:"
  "platform:"
  "qt_platform: platform core"
  "roll: core"
  "entry_rules: core"
  "import_rules: core"
  "export_rules: platform core"
  "license_rules: core"
  "label_rules: platform core"
  "report_rules: core"
  "forms: platform"
  "help: forms entry_rules platform core"
  "label_window: label_rules forms roll platform core"
  "report_window: report_rules forms roll platform core"
  "import_window: import_rules roll platform core"
  "export_commands: export_rules forms roll platform core"
  "license_window: license_rules roll platform core"
  "main_window: forms roll entry_rules platform core help/help_window.h import_window/import_dialog.h label_window/label_window.h report_window/report_window.h export_commands/export_commands.h license_window/license_commands.h"
  "app: main_window qt_platform roll platform core"
)

if(NOT IS_DIRECTORY "${SOURCE_DIR}")
  message(FATAL_ERROR "no source folder: give -DSOURCE_DIR=<repository>/src")
endif()

set(libraries)
foreach(entry IN LISTS layers)
  string(REGEX MATCH "^([a-z_]+):(.*)$" _ "${entry}")
  set(library ${CMAKE_MATCH_1})
  string(STRIP "${CMAKE_MATCH_2}" uses)
  separate_arguments(uses UNIX_COMMAND "${uses}")
  list(APPEND libraries ${library})
  set(allowed_${library} ${library} ${uses})
endforeach()

set(faults)
file(GLOB folders LIST_DIRECTORIES true RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*")
foreach(folder IN LISTS folders)
  if(NOT IS_DIRECTORY "${SOURCE_DIR}/${folder}")
    continue()
  endif()
  if(NOT folder IN_LIST libraries)
    list(APPEND faults "src/${folder} is a library the layer table does not know")
    continue()
  endif()
  file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${folder}/*.h"
    "${SOURCE_DIR}/${folder}/*.cpp" "${SOURCE_DIR}/${folder}/*.h.in")
  foreach(source IN LISTS sources)
    file(STRINGS "${SOURCE_DIR}/${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS lines)
      string(REGEX MATCH "\"([^\"]*)\"" _ "${line}")
      set(header "${CMAKE_MATCH_1}")
      if(NOT header MATCHES "^([a-z_]+)/[^/]+$")
        list(APPEND faults
          "src/${source} includes ${header}: a header is named by its library's folder")
        continue()
      endif()
      set(used ${CMAKE_MATCH_1})
      if(used IN_LIST allowed_${folder} OR header IN_LIST allowed_${folder})
        continue()
      endif()
      if("${allowed_${folder}}" MATCHES "(^|;)${used}/")
        list(APPEND faults "src/${source} includes ${header}: ${folder} may use only the public class of ${used}")
      else()
        list(APPEND faults "src/${source} includes ${header}: ${folder} may not use ${used}")
      endif()
    endforeach()
  endforeach()
endforeach()

# The operating system's files, folders and process are reached through core/file_system.h
# alone: only its implementations include the system's headers for them or call them.
set(seam core/file_system_posix.cpp core/file_system_windows.cpp)
set(system_headers "^[ \t]*#[ \t]*include[ \t]*<(unistd|fcntl|pwd|io|csignal|signal|sys/[a-z_]+)\\.?h?>")
set(system_calls "(^|[^A-Za-z0-9_>.:])::(open|read|write|close|fsync|rename|stat|lstat|fstat|access|getcwd|flock|pread|unlink|mkdir|chmod|fchmod|dup|umask|CreateFileW|ReadFile|WriteFile|MoveFileExW|ReplaceFileW|DeleteFileW|GetFileAttributesW|_wopen)\\(")
file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
foreach(source IN LISTS sources)
  if(source IN_LIST seam)
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/${source}" lines REGEX "${system_headers}")
  foreach(line IN LISTS lines)
    list(APPEND faults "src/${source}: ${line}: the system's file interfaces belong to core/file_system")
  endforeach()
  file(STRINGS "${SOURCE_DIR}/${source}" lines REGEX "${system_calls}")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    list(APPEND faults "src/${source}: ${line}: a call into the system's files outside core/file_system")
  endforeach()
endforeach()

if(faults)
  foreach(fault IN LISTS faults)
    message(NOTICE "${fault}")
  endforeach()
  list(LENGTH faults count)
  message(FATAL_ERROR "${count} fault(s): includes across the layers or system calls outside the seam")
endif()
message(STATUS "every include of src/ keeps to the layers, and only the file-system seam calls the system")
