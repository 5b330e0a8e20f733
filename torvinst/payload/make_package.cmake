# Builds the Lumivane package: torvelle.exe (when given), then the members
# that lumivane-payload listed, in that order.
# cmake -DTORVPACK=... -DPAYLOAD_TOOL=... -DSTAGE=dir -DPACKAGE=file [-DPROGRAM=torvelle.exe] -P make_package.cmake
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${PAYLOAD_TOOL} ${STAGE} ${STAGE}.names RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lumivane-payload failed (${rc})")
endif()
file(STRINGS ${STAGE}.names names)
if(PROGRAM)
  file(COPY_FILE ${PROGRAM} ${STAGE}/torvelle.exe)
  list(PREPEND names torvelle.exe)
endif()
execute_process(COMMAND ${TORVPACK} build ${PACKAGE} ${STAGE} ${names} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "torvpack build failed (${rc})")
endif()
