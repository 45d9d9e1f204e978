# Runs tarvex-stations on a copy of the shipped CONTEST.DAT, as an operator would.
#   cmake -DTOOL=... -DCONTEST_DAT=... -DSQLITE3=... -DARBEIT=... -P StationsToolTest.cmake
file(REMOVE_RECURSE ${ARBEIT})
file(MAKE_DIRECTORY ${ARBEIT})
file(COPY ${CONTEST_DAT} DESTINATION ${ARBEIT})
file(WRITE ${ARBEIT}/liste.txt "# Test\nDL1ABC JO31AB\nDL1ABC,JO32CD,Hans // zweiter Standort\nDL0XX\n")
execute_process(COMMAND ${TOOL} ${ARBEIT}/contest.dat ${ARBEIT}/liste.txt
    RESULT_VARIABLE rc OUTPUT_VARIABLE aus ERROR_VARIABLE fehler)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "tarvex-stations endete mit ${rc}: ${fehler}")
endif()
if(NOT aus MATCHES "1 neue Stationen, 0 ergänzte Stationen, 2 neue Locatoren, 1 Zeilen übersprungen")
    message(FATAL_ERROR "unerwartete Ausgabe: ${aus}")
endif()
execute_process(COMMAND ${SQLITE3} ${ARBEIT}/CONTEST.DAT "SELECT LOCATORS FROM STATIONS WHERE CALL='DL1ABC'"
    OUTPUT_VARIABLE locators OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT locators STREQUAL "JO31AB JO32CD")
    message(FATAL_ERROR "LOCATORS ist '${locators}'")
endif()
