# Regenerates the examples into WORK and compares them with those in SOURCE, byte for byte.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${GENERATOR} ${WORK} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "make_examples failed: ${result}")
endif()
foreach(name tones.xa rhythm.xa)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SOURCE}/${name} ${WORK}/${name}
                  RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "examples/${name} differs from what tools/make_examples makes")
  endif()
endforeach()
