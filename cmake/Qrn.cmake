# Build conventions shared by every folder.
#
# A folder's *.cpp files are portable (no windows.h) and build everywhere;
# files under its win/ subfolder build only for Windows, and those under its
# posix/ subfolder only for the native build (the same interface, done with
# POSIX calls, so that portable code can be tested under the sanitizers).

set(QRN_ROOT ${CMAKE_SOURCE_DIR})

# Every warning of -Wall -Wextra is an error: the code builds clean with
# each of the three compilers, and stays so.
add_compile_options(-Wall -Wextra -Werror)
# Optimised builds inline the standard library deep enough for GCC's
# flow-based overlap/overflow checks to report paths that cannot run; they
# stay warnings there so that benchmark builds are not blocked by them.
if(NOT CMAKE_BUILD_TYPE STREQUAL "Debug" AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-Wno-error=restrict -Wno-error=stringop-overflow
                      -Wno-error=array-bounds -Wno-error=maybe-uninitialized)
endif()
include_directories(${QRN_ROOT})

if(WIN32)
  set(QRN_WINDOWS ON)
  add_compile_definitions(WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600 NOMINMAX STRICT)
  # Every binary carries its own runtime: nothing to ship beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_compile_definitions(QRN_I686=1)
  endif()
else()
  set(QRN_WINDOWS OFF)
endif()

if(QRN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# qrn_sources(OUT dir...) collects a folder's sources for this platform.
function(qrn_sources OUT)
  set(result)
  foreach(dir ${ARGN})
    file(GLOB s CONFIGURE_DEPENDS ${QRN_ROOT}/${dir}/*.cpp)
    list(APPEND result ${s})
    if(QRN_WINDOWS)
      file(GLOB w CONFIGURE_DEPENDS ${QRN_ROOT}/${dir}/win/*.cpp)
      list(APPEND result ${w})
    else()
      file(GLOB p CONFIGURE_DEPENDS ${QRN_ROOT}/${dir}/posix/*.cpp)
      list(APPEND result ${p})
    endif()
  endforeach()
  set(${OUT} ${result} PARENT_SCOPE)
endfunction()

# Keeps only the dependencies that exist in this build (a Windows-only
# library has no target in the native build).
function(qrn_existing OUT)
  set(result)
  foreach(d ${ARGN})
    if(TARGET ${d} OR NOT d MATCHES "^qrn_")
      list(APPEND result ${d})
    endif()
  endforeach()
  set(${OUT} ${result} PARENT_SCOPE)
endfunction()

# qrn_library(name DIRS dir... DEPS lib...)
function(qrn_library NAME)
  cmake_parse_arguments(A "" "" "DIRS;DEPS" ${ARGN})
  qrn_sources(src ${A_DIRS})
  if(NOT src)
    return()
  endif()
  add_library(${NAME} STATIC ${src})
  qrn_existing(deps ${A_DEPS})
  target_link_libraries(${NAME} PUBLIC ${deps})
endfunction()

# qrn_test(name DIRS dir... DEPS lib... [GUI])
# One executable per area, run once by ctest (through Wine when cross-built).
function(qrn_test NAME)
  cmake_parse_arguments(A "GUI" "" "DIRS;DEPS" ${ARGN})
  qrn_sources(src ${A_DIRS})
  if(NOT src)
    return()
  endif()
  add_executable(${NAME} ${src})
  qrn_existing(deps ${A_DEPS})
  target_link_libraries(${NAME} PRIVATE ${deps} GTest::gmock GTest::gtest_main)
  target_compile_definitions(${NAME} PRIVATE QRN_TEST_DATA="${QRN_ROOT}/tests/data")
  # Lets tests read files shipped from the source tree (data/ among them).
  target_compile_definitions(${NAME} PRIVATE QRN_SOURCE_DIR="${QRN_ROOT}")
  add_test(NAME ${NAME} COMMAND ${NAME} --gtest_brief=1)
  set_tests_properties(${NAME} PROPERTIES TIMEOUT 600)
endfunction()

# qrn_program(name [GUI] SOURCES ... DEPS ...) for programs and stand-ins.
function(qrn_program NAME)
  cmake_parse_arguments(A "GUI" "OUTPUT_DIR" "SOURCES;DEPS" ${ARGN})
  add_executable(${NAME} ${A_SOURCES})
  qrn_existing(deps ${A_DEPS})
  target_link_libraries(${NAME} PRIVATE ${deps})
  if(A_GUI AND QRN_WINDOWS)
    target_link_options(${NAME} PRIVATE -mwindows)
  endif()
  if(A_OUTPUT_DIR)
    set_target_properties(${NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${A_OUTPUT_DIR})
  endif()
endfunction()

# Every resource of a module goes through ONE resource script compiled into
# one object: windres numbers cursor and icon images from 1 in each object,
# so two objects carrying cursors collide (and crash the linker).
# qrn_form_resources and qrn_rc_resources only add lines to that script.
function(qrn_resource_object TARGET)
  get_target_property(done ${TARGET} QRN_RES_OBJECT)
  if(done)
    return()
  endif()
  set(windres ${CMAKE_RC_COMPILER})
  if(NOT windres)
    find_program(windres NAMES windres x86_64-w64-mingw32-windres i686-w64-mingw32-windres REQUIRED)
  endif()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${TARGET}_resources.rc)
  set(obj ${CMAKE_CURRENT_BINARY_DIR}/${TARGET}_resources.res.o)
  file(GENERATE OUTPUT ${rc}
       CONTENT "$<JOIN:$<TARGET_PROPERTY:${TARGET},QRN_RC_LINES>,\n>\n")
  add_custom_command(OUTPUT ${obj}
    COMMAND ${windres} -O coff -I ${CMAKE_CURRENT_BINARY_DIR}
            "$<TARGET_PROPERTY:${TARGET},QRN_RC_FLAGS>" -i ${rc} -o ${obj}
    DEPENDS ${rc} "$<TARGET_PROPERTY:${TARGET},QRN_RC_DEPS>"
    COMMENT "Compiling the resources of ${TARGET}"
    COMMAND_EXPAND_LISTS
    VERBATIM)
  set_source_files_properties(${obj} PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)
  target_sources(${TARGET} PRIVATE ${obj})
  set_target_properties(${TARGET} PROPERTIES QRN_RES_OBJECT ${obj})
endfunction()

# qrn_form_resources(<target> <form files...>) embeds each text form file
# in the target as RCDATA named after the file's upper-cased base name, so
# that LoadFormResource(module, "MAINFORM", root) finds MainForm.qfm.
function(qrn_form_resources TARGET)
  if(NOT QRN_WINDOWS)
    return()
  endif()
  qrn_resource_object(${TARGET})
  foreach(f ${ARGN})
    get_filename_component(abs ${f} ABSOLUTE)
    get_filename_component(base ${f} NAME_WE)
    string(TOUPPER ${base} name)
    set_property(TARGET ${TARGET} APPEND PROPERTY QRN_RC_LINES "${name} RCDATA \"${abs}\"")
    set_property(TARGET ${TARGET} APPEND PROPERTY QRN_RC_DEPS ${abs})
  endforeach()
endfunction()

# qrn_rc_resources(<target> <.rc files...>) compiles resource scripts (icons,
# bitmaps, cursors, string tables) into the final executable or library.
# Resources must be linked into the module that loads them: an object inside
# a static library would never be pulled in, so libraries keep their .rc
# files and every program or DLL that uses them names them here. File names
# inside a script are found through its own folder, and so are the headers
# it includes (ids shared with the code), which rebuild it when they change.
function(qrn_rc_resources TARGET)
  if(NOT QRN_WINDOWS)
    return()
  endif()
  qrn_resource_object(${TARGET})
  foreach(f ${ARGN})
    get_filename_component(abs ${f} ABSOLUTE)
    get_filename_component(dir ${abs} DIRECTORY)
    file(GLOB_RECURSE rc_deps CONFIGURE_DEPENDS ${dir}/*.bmp ${dir}/*.ico ${dir}/*.cur ${dir}/*.mid ${dir}/*.h)
    set_property(TARGET ${TARGET} APPEND PROPERTY QRN_RC_LINES "#include \"${abs}\"")
    set_property(TARGET ${TARGET} APPEND PROPERTY QRN_RC_FLAGS -I ${dir})
    set_property(TARGET ${TARGET} APPEND PROPERTY QRN_RC_DEPS ${abs} ${rc_deps})
  endforeach()
endfunction()

# qrn_import_library(<dll target> <def file>) builds an import library for
# the DLL from a .def file of its own (for example one that gives an export
# another name in the importing program) as the interface target
# <dll target>_imports; linking that target also builds the DLL first.
function(qrn_import_library DLL DEF)
  if(NOT QRN_WINDOWS)
    return()
  endif()
  get_filename_component(def ${DEF} ABSOLUTE)
  get_filename_component(base ${DEF} NAME_WE)
  set(lib ${CMAKE_CURRENT_BINARY_DIR}/lib${base}.a)
  add_custom_command(OUTPUT ${lib}
    COMMAND ${CMAKE_DLLTOOL} -d ${def} -l ${lib}
    DEPENDS ${def}
    COMMENT "Import library ${base} for ${DLL}"
    VERBATIM)
  add_custom_target(${DLL}_import_lib DEPENDS ${lib})
  add_dependencies(${DLL}_import_lib ${DLL})
  add_library(${DLL}_imports INTERFACE)
  target_link_libraries(${DLL}_imports INTERFACE ${lib})
  add_dependencies(${DLL}_imports ${DLL}_import_lib)
endfunction()
