# Starts (ACTION=start) the Wine prefix PREFIX, made on first use, or ends
# (ACTION=end) its wineserver and every process of the prefix with it.
set(ENV{WINEPREFIX} ${PREFIX})
set(ENV{WINEDEBUG} -all)
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})

if(ACTION STREQUAL "start")
  # The .NET and HTML add-ons cannot be downloaded here, and the menu
  # builder would write desktop entries into the user's home.
  set(ENV{WINEDLLOVERRIDES} "mscoree,mshtml=;winemenubuilder.exe=d")
  # Wine's services outlive wineboot and keep its standard handles: into a
  # file, or ctest would wait on their pipe until they end.
  execute_process(COMMAND ${WINE} wineboot
                  OUTPUT_FILE ${PREFIX}.log ERROR_FILE ${PREFIX}.log
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "wineboot failed (${result}): see ${PREFIX}.log")
  endif()
else()
  # Exits with 1 when no server runs, which is no fault here.
  execute_process(COMMAND ${WINESERVER} -k)
endif()
