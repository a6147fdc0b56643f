# cmake -DSOURCE=... -DOUTPUT=... -DEXEC=... -P ConfigureDesktopEntry.cmake
# (or include()d with the same variables set)
#
# Writes the menu entry with the launcher's full path EXEC, which is known
# only at install time. A path with spaces or other reserved characters is
# quoted, as the desktop entry format asks, with the characters it reserves
# inside quotes escaped; a "%" would start a field code and is doubled.
string(REPLACE "%" "%%" ORSALIMBRA_EXEC "${EXEC}")
if(ORSALIMBRA_EXEC MATCHES "[ \t\"'\\\\><~|&;$*?#()`]")
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" ORSALIMBRA_EXEC "${ORSALIMBRA_EXEC}")
  # In the file, a backslash is itself escaped once more by the string rules.
  string(REPLACE "\\" "\\\\" ORSALIMBRA_EXEC "${ORSALIMBRA_EXEC}")
  set(ORSALIMBRA_EXEC "\"${ORSALIMBRA_EXEC}\"")
endif()
configure_file("${SOURCE}" "${OUTPUT}" @ONLY)
