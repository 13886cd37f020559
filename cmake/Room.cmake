# ddsgen_room(NAME [DEPS lib...] [PRIVATE_DEPS lib...]): one static library per room, from every source file in the room's
# folder, so that adding a file to a room needs no change here. A room without sources yet is an
# interface library that only passes its dependencies on.
function(ddsgen_room name)
  cmake_parse_arguments(ROOM "" "" "DEPS;PRIVATE_DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  if(sources)
    add_library(ddsgen_${name} STATIC ${sources})
    target_include_directories(ddsgen_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(ddsgen_${name} PUBLIC ${ROOM_DEPS} PRIVATE ${ROOM_PRIVATE_DEPS})
  else()
    add_library(ddsgen_${name} INTERFACE)
    target_include_directories(ddsgen_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(ddsgen_${name} INTERFACE ${ROOM_DEPS})
  endif()
endfunction()

# ddsgen_test(NAME [DEPS lib...]): one GoogleTest program per test folder, registered with CTest.
function(ddsgen_test name)
  cmake_parse_arguments(T "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  # Tests of one system's own services are named for it.
  if(NOT WIN32)
    list(FILTER sources EXCLUDE REGEX "_windows\\.cpp$")
  endif()
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  target_link_libraries(test_${name} PRIVATE ${T_DEPS} ddsgen_test_support GTest::gtest)
  gtest_discover_tests(test_${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
