# How tests are registered, for every folder that adds some (tests/, fuzz/).

# A test that needs a tool beyond the build prerequisites carries a label and, where the tool is
# missing, exits with 77 after a line "SKIP: <tool> is not installed (package <package>)": a ctest
# skip, never a pass.
function(worthmere_tool_test name label)
  set_tests_properties(${name} PROPERTIES LABELS ${label} SKIP_RETURN_CODE 77)
endfunction()

# A tool test whose tool was already missing when the build was configured: it only skips.
function(worthmere_missing_tool_test name label tool package)
  add_test(NAME ${name}
           COMMAND sh -c "echo 'SKIP: ${tool} is not installed (package ${package})'; exit 77")
  worthmere_tool_test(${name} ${label})
endfunction()

# One test binary per area; each runs as one ctest test.
function(worthmere_add_test name)
  add_executable(${name} ${ARGN})
  add_test(NAME ${name} COMMAND ${name})
endfunction()
