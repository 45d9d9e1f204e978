#!/usr/bin/env python3
"""The contest's outputs through the real windows: the log to a text file and,
with no printer, to PDF; the EXP, ADIF and EDI files; QSL labels to PDF; a
statistics table on the clipboard; a map saved as PNG."""

import glob
import os
import re
import subprocess
import time

from tarvex_e2e import gleich, hauptprogramm, pruefe

STATIONEN = [("dl1abc", "jo31ab", "59001"), ("ok1kkw", "jn79ab", "59002"), ("g4abc", "io91aa", "59003"),
             ("pa3xyz", "jo22ab", "59004"), ("f6abc", "jn18aa", "59005"), ("hb9aa", "jn47ab", "59006")]

# Places in the log window (800 × 600 main frame at the screen's corner).
AUSGABE_IN_DATEI = (551, 157)
DATEINAME = (697, 184)        # appears once "Ausgabe in Datei" is ticked
ADIF_MIT_DATEINAME = (551, 246)
DRUCKEN = (572, 557)


def pdf_seiten(t, pfad):
    def fertig():
        with open(pfad, "rb") as f:
            inhalt = f.read()
        return inhalt.startswith(b"%PDF-") and inhalt.rstrip().endswith(b"%%EOF")
    t.warte(fertig, 10, f"{pfad} ist eine vollständige PDF-Datei")
    info = subprocess.run(["pdfinfo", pfad], capture_output=True, text=True).stdout
    return int(re.search(r"Pages:\s+(\d+)", info).group(1))


def neue_pdf(t, vorher):
    jetzt = set(glob.glob(os.path.join(t.arbeit, "Ausdruck_*.pdf")))
    neu = sorted(jetzt - vorher)
    gleich(len(neu), 1, "eine neue PDF-Datei")
    return neu[0]


def ausgaben(t):
    t.erster_start()
    for call, loc, rapport in STATIONEN:
        t.logge(f"{call} {loc} {rapport}")

    # Log drucken to a text file, with ADIF; EXP and EDI are ticked already.
    t.werkzeug(4)
    time.sleep(1)
    t.tippe("Test-Contest")
    t.taste("Tab")
    t.tippe("05.12.2026")
    haupt = t.fokus_haupt()
    t.klick(haupt, *AUSGABE_IN_DATEI)
    time.sleep(0.3)
    t.klick(haupt, *ADIF_MIT_DATEINAME)
    t.klick(haupt, *DATEINAME)
    t.tippe("logtest.txt")
    t.bild("log-in-datei")
    t.klick(haupt, *DRUCKEN)
    fid, _ = t.dialog(r"^Wichtig$")
    t.bild("wichtig")
    t.fokus(fid)
    t.taste("Return")

    text = open(t.datei("LOGTEST.TXT"), "rb").read().decode("cp1252")
    pruefe("\r\n" in text and "\n" not in text.replace("\r\n", ""), "Logdatei mit CR LF")
    pruefe("Test-Contest" in text and "05.12.2026" in text, "Deckblatt in der Logdatei")
    for call, *_ in STATIONEN:
        pruefe(call.upper() in text, f"{call.upper()} in der Logdatei")

    exp = t.datei("144MHz-122026-DL1XYZ.EXP")
    pruefe(exp, f"EXP-Datei fehlt: {os.listdir(t.arbeit)}")
    zeilen = open(exp, "rb").read().decode("cp1252").split("\r\n")
    gleich(zeilen[:4], ["*** Tarvex V3 Exportdatei ***", "DL1XYZ", "JO62QM", "144MHz"], "Kopf der EXP-Datei")
    adi = open(t.datei("144MHz-122026-DL1XYZ.adi"), "rb").read().decode("ascii")
    gleich(adi.lower().count("<eor>"), len(STATIONEN), "ADIF-Datensätze")
    pruefe("<call:6>DL1ABC" in adi, "DL1ABC in der ADIF-Datei")
    edi = open(t.datei("144MHz-122026-DL1XYZ.EDI"), "rb").read().decode("ascii")
    pruefe(edi.startswith("[REG1TEST;1]\r\n"), "EDI-Kopf")
    pruefe(f"[QSORecords;{len(STATIONEN)}]" in edi, "EDI: Zahl der QSOs")
    pruefe("TName=Test-Contest" in edi and "PCall=DL1XYZ" in edi, "EDI: Wettbewerb und Rufzeichen")

    # The same log on paper: there is no printer, so it becomes one PDF file.
    vorher = set(glob.glob(os.path.join(t.arbeit, "Ausdruck_*.pdf")))
    t.werkzeug(4)
    time.sleep(1)
    t.klick(t.fokus_haupt(), *AUSGABE_IN_DATEI)  # untick: the fields have stayed
    time.sleep(0.3)
    t.fokus_haupt()
    t.taste("alt+d")  # the keyboard way to "&Drucken"
    t.dialog_antworten(r"^Hinweis$", "Return")
    t.dialog_antworten(r"^Wichtig$", "Return")
    pdf = neue_pdf(t, vorher)
    pruefe(pdf_seiten(t, pdf) >= 2, "Deckblatt und Logseite im PDF")

    # QSL labels for every contact, to PDF.
    vorher = set(glob.glob(os.path.join(t.arbeit, "Ausdruck_*.pdf")))
    t.fokus_haupt()
    t.werkzeug(5)
    time.sleep(1)
    # Alt+L is also "Markierung &löschen": the first press only moves the focus there.
    t.taste("alt+l", "space")
    t.warte(lambda: all(q[9] for q in t.qsos()), 10, "alle QSOs für QSL markiert")
    t.taste("alt+a")
    t.dialog_antworten(r"^Hinweis$", "Return")
    time.sleep(0.5)
    pdf = neue_pdf(t, vorher)
    pruefe(pdf_seiten(t, pdf) >= 1, "Aufkleber im PDF")

    # The distances table on the clipboard.
    t.fokus_haupt()
    t.taste("ctrl+t")
    time.sleep(1)
    t.taste("alt+k")
    tabelle = t.warte(lambda: t.zwischenablage(), 5, "Tabelle in der Zwischenablage").decode("utf-8")
    zeilen = [z.split("\t") for z in tabelle.strip().split("\r\n")]
    gleich(zeilen[0][:2], ["Punkte", "Rufzeichen"], "Kopf der kopierten Tabelle")
    gleich(len(zeilen), len(STATIONEN) + 1, "Zeilen der kopierten Tabelle")
    punkte = [int(z[0]) for z in zeilen[1:]]
    gleich(punkte, sorted(punkte, reverse=True), "Entfernungen absteigend")
    t.taste("Escape")

    # The map with the worked squares, saved as PNG through the file dialog.
    ziel = os.path.join(t.arbeit, "karte-test.png")
    t.fokus_haupt()
    t.taste("ctrl+g")
    time.sleep(1.5)
    t.taste("alt+d")
    time.sleep(0.3)
    t.taste("s")
    fid, _ = t.dialog(r"^Karte speichern$")
    t.fokus(fid)
    time.sleep(0.5)
    t.taste("ctrl+a")
    t.tippe(ziel)
    t.taste("Return")
    t.warte(lambda: os.path.exists(ziel), 10, "Karte gespeichert")
    with open(ziel, "rb") as f:
        gleich(f.read(8), b"\x89PNG\r\n\x1a\n", "PNG-Signatur der Karte")
    t.fokus_haupt()
    t.taste("Escape")
    t.beenden()


if __name__ == "__main__":
    hauptprogramm({"ausgaben": ausgaben})
