# cmake -DSOURCE=... -DOUTPUT=... [-DSCREENSHOT_URL=...] -P ConfigureMetainfo.cmake
# (or include()d with the same variables set)
#
# Writes the AppStream metainfo file. Its screenshots are named relative to
# SCREENSHOT_URL, the address where data/screenshots is published; software
# centres need a web address, so without one the screenshots are left out
# (as an XML comment).
if(SCREENSHOT_URL)
  string(REGEX REPLACE "/+$" "" ORSALIMBRA_SCREENSHOT_URL "${SCREENSHOT_URL}")
  string(APPEND ORSALIMBRA_SCREENSHOT_URL "/")
  set(ORSALIMBRA_SCREENSHOTS_OPEN "")
  set(ORSALIMBRA_SCREENSHOTS_CLOSE "")
else()
  set(ORSALIMBRA_SCREENSHOT_URL "")
  set(ORSALIMBRA_SCREENSHOTS_OPEN "<!-- without ORSALIMBRA_SCREENSHOT_URL:")
  set(ORSALIMBRA_SCREENSHOTS_CLOSE "-->")
endif()
configure_file("${SOURCE}" "${OUTPUT}" @ONLY)
