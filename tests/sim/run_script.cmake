# Runs the headless runner on one script and compares what it prints with the expected files
# beside the script: NAME.out (standard output) and NAME.err (the "error:" lines of standard
# error, optional). A NAME.board file becomes the leaderboard the runner loads.
#   cmake -DRUNNER=<exe> -DSCRIPT=<dir/NAME.sim> -DWORKDIR=<dir> [-DEMULATOR=<wrapper>] -P this
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)

# A leaderboard folder of the test's own, never the machine's.
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR}/Vorbin/Score)
if(EXISTS ${dir}/${name}.board)
  file(COPY_FILE ${dir}/${name}.board ${WORKDIR}/Vorbin/Score/Classifica.txt)
endif()
set(ENV{XDG_DATA_HOME} ${WORKDIR})

execute_process(COMMAND ${EMULATOR} ${RUNNER}
                INPUT_FILE ${SCRIPT}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "vorbin-sim exited with ${rc}\n${err}")
endif()

# Only the runner's own error lines count; a platform layer may add notes of its own.
string(REGEX MATCHALL "error: [^\n]*\n" errors "${err}")
string(JOIN "" errors ${errors})

set(expected_err "")
if(EXISTS ${dir}/${name}.err)
  file(READ ${dir}/${name}.err expected_err)
endif()
file(READ ${dir}/${name}.out expected_out)

set(failed FALSE)
if(NOT out STREQUAL expected_out)
  file(WRITE ${WORKDIR}/${name}.out "${out}")
  message(SEND_ERROR "standard output differs from ${name}.out; got ${WORKDIR}/${name}.out:\n${out}")
  set(failed TRUE)
endif()
if(NOT errors STREQUAL expected_err)
  message(SEND_ERROR "error lines differ from ${name}.err; got:\n${errors}")
  set(failed TRUE)
endif()
if(failed)
  message(FATAL_ERROR "If the change is intended, regenerate the expected files with\n"
          "  XDG_DATA_HOME=<empty dir> vorbin-sim < ${SCRIPT} > ${dir}/${name}.out 2> ${dir}/${name}.err\n"
          "(with ${name}.board, if any, as <dir>/Vorbin/Score/Classifica.txt) and review the diff.")
endif()
