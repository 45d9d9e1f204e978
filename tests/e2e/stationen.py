#!/usr/bin/env python3
"""Known stations from published logs: a folder of EDI files with planted typos
imported through the menu, the table read back with sqlite3, and the look-up's
locator fill checked by typing the calls."""

import os
import time

from tarvex_e2e import gleich, hauptprogramm, pruefe

KOPF = "[REG1TEST;1]\r\nTName=Test\r\nPCall={pcall}\r\nPWWLo={pwwlo}\r\nPBand={pband}\r\n[Remarks]\r\n"


def edi(pcall, pwwlo, pband, qsos):
    zeilen = [f"261205;14{i:02d};{call};1;59;{i + 1:03d};59;{i + 7:03d};;{loc};{punkte};;;;"
              for i, (call, loc, punkte) in enumerate(qsos)]
    return (KOPF.format(pcall=pcall, pwwlo=pwwlo, pband=pband) + f"[QSORecords;{len(qsos)}]\r\n"
            + "".join(z + "\r\n" for z in zeilen) + "[END;Test]\r\n")


# DL5QRM is in three logs as JO42XX and once with a typo (JO42XY); OK1ONE only in one
# log; DK2BB sent two files (2 m and 70 cm), which are one log, so its own station stays
# below the two logs of 70 cm; there two logs are enough for DL6UHF.
LOGS = {
    "a.edi": edi("DK1AA", "JO30AA", "144 MHz", [("DL5QRM", "JO42XX", 210), ("OK1ONE", "JN79AA", 400)]),
    "2026/b.EDI": edi("DK2BB", "JO40BB", "145 MHz", [("DL5QRM/P", "JO42XX", 180), ("DK1AA", "JO30AA", 90)]),
    "2026/b-nochmal.edi": edi("DK2BB/P", "JO40BB", "432 MHz", [("DL5QRM", "JO42XY", 180)]),
    "2026/dez/c.edi": edi("DK3CC", "JO50CC", "144 MHz", [("dl5qrm", "JO42XX", 150)]),
    "uhf/d.edi": edi("DK4DD", "JO60DD", "432 MHz", [("DL6UHF", "JO33AA", 120)]),
    "uhf/e.edi": edi("DK5EE", "JO61EE", "432 MHz", [("DL6UHF", "JO33AA", 130)]),
    "kaputt.edi": "[REG1TEST;1]\r\nPCall=DK9ZZ\r\n[QSORecords;1]\r\n261205;1400;DL5QRM;1\r\n",
    "liste.txt": "DL5QRM JO42XX\n",
}


def bekannte_stationen(t):
    t.erster_start()
    ordner = os.path.join(t.arbeit, "veroeffentlicht")
    for name, inhalt in LOGS.items():
        pfad = os.path.join(ordner, name)
        os.makedirs(os.path.dirname(pfad), exist_ok=True)
        with open(pfad, "w", encoding="latin-1", newline="") as f:
            f.write(inhalt)

    # Spezial – Bekannte Stationen importieren …: the folder, then both thresholds as preset.
    beginn = time.time()
    t.menue("p", "m")
    fid, _ = t.dialog(r"^Ordner mit EDI-Logs wählen$")
    t.fokus(fid)
    time.sleep(0.5)
    t.taste("ctrl+a")
    t.tippe(ordner)
    t.bild("ordner")
    t.taste("Return")
    t.dialog_antworten(r"^Bekannte Stationen importieren$", "Return")
    t.dialog_antworten(r"^Bekannte Stationen importieren$", "Return")
    fid, titel = t.dialog(r"^(Fehler|Hinweis)$", sekunden=30)
    dauer = time.time() - beginn
    t.bild("bericht")
    gleich(titel, "Fehler", "Titel des Berichts mit beschädigter Datei")
    t.fokus(fid)
    t.taste("Return")
    t.warte(lambda: not t.fenster(r"^Fehler$"), 10, "Bericht schließt")

    # Pairs in enough logs are taken, the typo and the single log are held back.
    gleich(t.sql("CONTEST.DAT", "SELECT CALL, LOCATORS, LOGS FROM LOGSTATIONS ORDER BY CALL"),
           [("DL5QRM", "JO42XX", "3"), ("DL6UHF", "JO33AA", "2")], "LOGSTATIONS")
    gleich(t.sql("CONTEST.DAT", "SELECT count(*) FROM STATIONS"), [(0,)], "STATIONS bleibt leer")
    print(f"Import über das Menü: {dauer:.1f} s")

    # The look-up fills the locator of a taken call and leaves the held-back one empty.
    t.eingabe("dl5qrm")
    t.warte(lambda: t.feld("Rufzeichen") == "DL5QRM", 10, "DL5QRM ist ausgewertet")
    t.warte(lambda: t.feld("Locator") == "JO42XX", 10, "Locator von DL5QRM eingesetzt")
    t.bild("nachgeschlagen")
    t.taste("Escape")
    t.warte(lambda: t.feld("Rufzeichen") == "", 10, "Eingabe leer")
    t.eingabe("ok1one")
    t.warte(lambda: t.feld("Rufzeichen") == "OK1ONE", 10, "OK1ONE ist ausgewertet")
    time.sleep(0.5)
    gleich(t.feld("Locator"), "", "kein Locator für OK1ONE")
    t.taste("Escape")
    t.warte(lambda: t.feld("Rufzeichen") == "", 10, "Eingabe leer")

    # Spezial – Bekannte Stationen übernehmen: the contest's valid contacts go into STATIONS,
    # the portable call under its home call, next to the imported pairs, which stay.
    pruefe(t.logge("dl7neu/p jo62ab 59001"), "DL7NEU/P gespeichert")
    t.menue("p", "udiaeresis")
    fid, titel = t.dialog(r"^Hinweis$", sekunden=30)
    t.bild("uebernommen")
    t.fokus(fid)
    t.taste("Return")
    t.warte(lambda: not t.fenster(r"^Hinweis$"), 10, "Bericht schließt")
    gleich(t.sql("CONTEST.DAT", "SELECT CALL, LOCATORS FROM STATIONS"), [("DL7NEU", "JO62AB")],
           "STATIONS nach dem Übernehmen")
    gleich(len(t.sql("CONTEST.DAT", "SELECT * FROM LOGSTATIONS")), 2, "LOGSTATIONS bleibt")
    t.beenden()


if __name__ == "__main__":
    hauptprogramm({"bekannte_stationen": bekannte_stationen})
