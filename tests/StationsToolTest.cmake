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

# A folder of published logs: a pair in three logs is taken, a pair in one log held
# back, the same PCall twice is one log, a damaged file is named and the tool fails.
set(kopf "[REG1TEST;1]\nPBand=144 MHz\nPWWLo=\n")
set(qso "261205;1400;DK5QQ;1;59;001;59;001;;JO62QM;120;;;;\n")
file(WRITE ${ARBEIT}/logs/a.edi "${kopf}PCall=DL1AA\n[QSORecords;1]\n${qso}")
file(WRITE ${ARBEIT}/logs/2026/b.EDI "${kopf}PCall=DL2BB\n[QSORecords;2]\n${qso}261205;1401;DK6TT;1;59;002;59;002;;JO40AA;120;;;;\n")
file(WRITE ${ARBEIT}/logs/2026/c.edi "${kopf}PCall=DL2BB/P\n[QSORecords;1]\n${qso}")
file(WRITE ${ARBEIT}/logs/2026/d.edi "${kopf}PCall=DL3CC\n[QSORecords;1]\n${qso}")
file(WRITE ${ARBEIT}/logs/kaputt.edi "[REG1TEST;1]\nPCall=DL4DD\n")
execute_process(COMMAND ${TOOL} ${ARBEIT}/CONTEST.DAT --ordner ${ARBEIT}/logs
    RESULT_VARIABLE rc OUTPUT_VARIABLE aus ERROR_VARIABLE fehler)
if(NOT rc EQUAL 1 OR NOT fehler MATCHES "4 Dateien, 3 Logs" OR NOT fehler MATCHES "1 Paar übernommen"
        OR NOT fehler MATCHES "1 Paar zurückgehalten" OR NOT fehler MATCHES "kaputt.edi ist beschädigt")
    message(FATAL_ERROR "Ordner-Import (${rc}): ${aus} ${fehler}")
endif()
execute_process(COMMAND ${SQLITE3} ${ARBEIT}/CONTEST.DAT
    "SELECT group_concat(CALL || '=' || LOCATORS || '=' || LOGS, ';') FROM LOGSTATIONS"
    OUTPUT_VARIABLE stationen OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT stationen STREQUAL "DK5QQ=JO62QM=3")
    message(FATAL_ERROR "LOGSTATIONS ist '${stationen}'")
endif()
