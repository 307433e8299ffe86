# Runs one fuzz target for RUNS inputs from its seed corpus CORPUS. What it
# finds new goes to WORK/corpus, not to the sources; an input that breaks a
# property or crashes is written to WORK/findings/ and named in the output,
# and replays with: <fuzzer> <that file>.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/findings)
execute_process(
  COMMAND ${FUZZER} -runs=${RUNS} -seed=1 -max_len=4096
          -artifact_prefix=${WORK}/findings/ ${WORK}/corpus ${CORPUS}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(GLOB findings ${WORK}/findings/*)
  message(FATAL_ERROR "${FUZZER} failed (${result}); replay with: ${FUZZER} ${findings}")
endif()
