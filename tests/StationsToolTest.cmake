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

# An EDI log adds its stations; a damaged ADIF file is named, left out, and the tool fails.
file(WRITE ${ARBEIT}/log.edi "[REG1TEST;1]\r\nPCall=DL0XX\r\nPWWLo=JO31AA\r\n[QSORecords;1]\r\n260905;1400;DL1ABC/P;1;59;001;59;003;;JO42EF;120;;N;N;\r\n")
file(WRITE ${ARBEIT}/kaputt.adi "<eoh><call:6>G4ABC<gridsquare:6>IO91AA<eor><call:6>F5ABC<grid")
execute_process(COMMAND ${TOOL} ${ARBEIT}/CONTEST.DAT ${ARBEIT}/kaputt.adi ${ARBEIT}/log.edi
    RESULT_VARIABLE rc OUTPUT_VARIABLE aus ERROR_VARIABLE fehler)
if(NOT rc EQUAL 1 OR NOT fehler MATCHES "Die Datei kaputt.adi ist beschädigt")
    message(FATAL_ERROR "beschädigte Datei nicht gemeldet (${rc}): ${fehler}")
endif()
execute_process(COMMAND ${SQLITE3} ${ARBEIT}/CONTEST.DAT
    "SELECT group_concat(CALL || '=' || LOCATORS, ';') FROM (SELECT * FROM STATIONS WHERE CALL IN ('DL1ABC','DL0XX','G4ABC') ORDER BY CALL)"
    OUTPUT_VARIABLE stationen OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT stationen STREQUAL "DL0XX=JO31AA;DL1ABC=JO31AB JO32CD JO42EF")
    message(FATAL_ERROR "STATIONS ist '${stationen}'")
endif()
