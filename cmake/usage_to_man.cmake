# Writes a manual page from a program's own --help text, so that the two cannot drift apart:
#   cmake -DPROGRAM=path -DNAME=quilldar-tool -DSUMMARY="..." -DVERSION=1.2 -DOUTPUT=out.1 -P usage_to_man.cmake
# The usage text is kept as it is printed (a no-fill block); the page adds the name line and a
# pointer to the other program.
foreach(var PROGRAM NAME SUMMARY VERSION OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "usage_to_man.cmake needs -D${var}=...")
  endif()
endforeach()

execute_process(COMMAND "${PROGRAM}" --help
  OUTPUT_VARIABLE usage RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR usage STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} --help failed (${status})")
endif()

# Roff: backslashes first, then the characters that start a request at the beginning of a line,
# and hyphens, which would otherwise print as typographic dashes.
string(REPLACE "\\" "\\e" usage "${usage}")
string(REPLACE "-" "\\-" usage "${usage}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" usage "${usage}")
string(REGEX REPLACE "\n+$" "" usage "${usage}")
string(REPLACE "-" "\\-" name_escaped "${NAME}")
string(TOUPPER "${NAME}" title)

if(NAME STREQUAL "quilldar")
  set(other ".BR quilldar\\-tool (1)")
else()
  set(other ".BR quilldar (1)")
endif()

file(WRITE "${OUTPUT}"
".TH ${title} 1 \"\" \"Quilldar ${VERSION}\" \"User Commands\"
.SH NAME
${name_escaped} \\- ${SUMMARY}
.SH USAGE
.nf
${usage}
.fi
.SH SEE ALSO
${other}
")
