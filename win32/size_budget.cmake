# Fails the build when the Windows program outgrows its budget, so that a
# change that pulls in more of the runtime is seen when it is made.
#   cmake -DFILE=jetselect.exe -DBUDGET=432128 -P size_budget.cmake
file(SIZE "${FILE}" size)
if(size GREATER_EQUAL BUDGET)
  message(FATAL_ERROR "${FILE} is ${size} bytes, over its budget of ${BUDGET}: "
                      "see what grew with x86_64-w64-mingw32-nm --size-sort on an unstripped build")
endif()
message(STATUS "${FILE}: ${size} bytes (budget ${BUDGET})")
