#!/usr/bin/env python3
"""The contest's outputs through the real windows: the log to a text file and,
with no printer, to PDF; the EXP, ADIF and EDI files; QSL labels to PDF; a
statistics table on the clipboard; a map saved as PNG; the QSO map's lines."""

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
    t.fokus_haupt()
    t.taste("ctrl+g")
    time.sleep(1.5)
    ziel = karte_speichern(t, "karte-test.png")
    with open(ziel, "rb") as f:
        gleich(f.read(8), b"\x89PNG\r\n\x1a\n", "PNG-Signatur der Karte")
    t.fokus_haupt()
    t.taste("Escape")

    # The QSO map draws a white line to every contact; the QTH view of the same window does not.
    t.fokus_haupt()
    t.taste("alt+s")
    time.sleep(0.3)
    t.taste("Down", "Down", "Down", "Return")
    time.sleep(1.5)
    t.bild("qso-karte")
    mit_linien = karte_speichern(t, "karte-qsos.png")
    t.fokus_haupt()
    t.taste("alt+t")
    time.sleep(0.5)
    ohne_linien = karte_speichern(t, "karte-qth.png")
    pruefe(weisse_pixel(mit_linien) > weisse_pixel(ohne_linien) + 20 * len(STATIONEN),
           f"Linien der QSO-Karte: {weisse_pixel(mit_linien)} weiße Pixel gegen {weisse_pixel(ohne_linien)} ohne")
    t.fokus_haupt()
    t.taste("Escape")
    t.beenden()


def karte_speichern(t, name):
    ziel = os.path.join(t.arbeit, name)
    t.fokus_haupt()
    t.taste("alt+d")
    time.sleep(0.3)
    t.taste("s")
    fid, _ = t.dialog(r"^Karte speichern$")
    t.fokus(fid)
    time.sleep(0.5)
    t.taste("ctrl+a")
    t.tippe(ziel)
    t.taste("Return")
    t.warte(lambda: os.path.exists(ziel), 10, f"{name} gespeichert")
    return ziel


def weisse_pixel(pfad):
    histogramm = subprocess.run(["convert", pfad, "-format", "%c", "histogram:info:-"],
                                capture_output=True, text=True, timeout=30).stdout
    for zeile in histogramm.splitlines():
        if "#FFFFFF" in zeile.upper():
            return int(zeile.split(":")[0].strip())
    return 0


def band_fuellen(t, anzahl):
    """Contacts written straight into the band table while the program is closed,
    as a long contest leaves it."""
    import sqlite3
    con = sqlite3.connect(t.datei("TEST.mdb"))
    zeilen = []
    for i in range(1, anzahl + 1):
        call = f"DL{i % 10}A{i}"
        loc = f"JO{i % 10}{i // 10 % 10}{chr(65 + i % 24)}{chr(65 + i // 24 % 24)}"
        zeilen.append((i, "05.12.26", "14:05", call, f"59{i:03d}", "59001", loc, str(1 + i % 900), "45",
                       call, loc[:4], "Deutschland", "", 0))
    con.executemany('INSERT INTO "144MHz"(Nummer, Datum, Zeit, Rufzeichen, "RST geg", "RST erh", Locator, '
                    'Punkte, Winkel, KernCall, Square, Land, Kommentar, QSL) '
                    'VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?)', zeilen)
    con.commit()
    con.close()


def rss_mb(t):
    with open(f"/proc/{t.proc.pid}/status") as f:
        for zeile in f:
            if zeile.startswith("VmRSS:"):
                return int(zeile.split()[1]) / 1024
    return 0


def grosser_contest(t):
    """A band of 20,000 contacts: the QSL list, the text map and the tables open
    and go back, and "&Drucken" writes every contact into the log file, the EXP
    and the EDI file in one run."""
    anzahl = 20000
    t.erster_start()
    t.beenden()
    band_fuellen(t, anzahl)
    t.starten()
    t.dialog_antworten(r"^Tarvex$", "Return", text_enthaelt=f"QSOs auf diesem Band: {anzahl}")

    t.werkzeug(5)  # QSL list, scrolled to its end: the last page is read when it shows
    time.sleep(1)
    t.klick(t.fokus_haupt(), 150, 300)
    t.taste("ctrl+End")
    time.sleep(0.5)
    t.bild("qsl-ende")
    t.taste("alt+b")
    time.sleep(0.5)
    t.fokus_haupt()
    t.taste("ctrl+k")  # the text map, drawn as cells
    time.sleep(1)
    t.warte(lambda: len(t.fenster(".")) == 2, 10, "Strg+K aus der Eingabezeile öffnet die Textkarte")
    t.bild("textkarte")
    t.taste("Escape")
    t.fokus_haupt()
    t.taste("ctrl+t")
    time.sleep(1)
    t.taste("Escape")

    t.werkzeug(4)
    time.sleep(1)
    t.tippe("Grosser Contest")
    t.taste("Tab")
    t.tippe("05.12.2026")
    haupt = t.fokus_haupt()
    t.klick(haupt, *AUSGABE_IN_DATEI)
    time.sleep(0.3)
    t.klick(haupt, *DATEINAME)
    t.tippe("gross.txt")
    anfang = time.monotonic()
    t.klick(haupt, *DRUCKEN)
    t.dialog_antworten(r"^Wichtig$", "Return", sekunden=60)
    print(f"Drucken bei {anzahl} QSOs: {time.monotonic() - anfang:.1f} s bis zur Erinnerung, "
          f"{rss_mb(t):.0f} MB belegt")

    text = open(t.datei("GROSS.TXT"), "rb").read().decode("cp1252")
    pruefe(f"DL0A{anzahl}" in text and "DL1A1 " in text, "erster und letzter Kontakt in der Logdatei")
    gleich(text.count("\f"), (anzahl + 49) // 50 - 1, "ein Seitenvorschub vor jeder weiteren Logseite")
    exp = open(t.datei("144MHz-122026-DL1XYZ.EXP"), "rb").read().decode("cp1252").split("\r\n")
    gleich(sum(1 for z in exp if z.startswith("05.12.26,")), anzahl, "jeder Kontakt in der EXP-Datei")
    edi = open(t.datei("144MHz-122026-DL1XYZ.EDI"), "rb").read().decode("ascii").split("\r\n")
    pruefe(f"[QSORecords;{anzahl}]" in edi, "QSO-Zahl im EDI-Kopf")
    saetze = edi[edi.index(f"[QSORecords;{anzahl}]") + 1:edi.index("[END;Tarvex V3.0]")]
    gleich(len(saetze), anzahl, "Sätze der EDI-Datei")
    gleich(saetze[-1].split(";")[2], f"DL0A{anzahl}", "letzter Kontakt der EDI-Datei")
    cqsos = next(z for z in edi if z.startswith("CQSOs="))
    gleich(cqsos, f"CQSOs={anzahl};1", "gültige QSOs im EDI-Kopf aus dem Spielstand")
    t.fokus_haupt()
    t.taste("Escape")

    # The QSO map opened again after a contact far off: the kept fan of lines is painted on,
    # and the new line to Spain is there.
    vorher = qso_karte(t, "gross-qsos-1.png")
    t.logge("ea4xx in80ab 59001")
    nachher = qso_karte(t, "gross-qsos-2.png")
    pruefe(weisse_pixel(nachher) > weisse_pixel(vorher) + 100,
           f"neue Linie auf der wieder geöffneten QSO-Karte: {weisse_pixel(nachher)} weiße Pixel "
           f"gegen {weisse_pixel(vorher)} vorher")
    t.fokus_haupt()
    t.taste("Escape")
    t.beenden()


def qso_karte(t, name):
    t.fokus_haupt()
    t.taste("alt+s")
    time.sleep(0.3)
    t.taste("Down", "Down", "Down", "Return")
    time.sleep(1.5)
    t.bild(name.removesuffix(".png"))
    ziel = karte_speichern(t, name)
    t.fokus_haupt()
    t.taste("Escape")
    time.sleep(0.5)
    return ziel


if __name__ == "__main__":
    hauptprogramm({"ausgaben": ausgaben, "grosser_contest": grosser_contest})
