#!/usr/bin/env python3
"""The logging loop typed into the real program: an operator's hour, and a
restart and a SIGKILL in the middle of it."""

import os
import random
import time

from tarvex_e2e import gleich, hauptprogramm, pruefe

# Prefixes with large squares the reference files give their country, so that no
# contact meets the prefix/locator warning by accident.
LAENDER = [
    ("DL", ["JO62", "JO61", "JO50", "JO40", "JN58", "JN49", "JO31"]),
    ("DK", ["JO43", "JO52", "JN48"]),
    ("OK", ["JN79", "JN69", "JO60"]),
    ("OE", ["JN78", "JN67", "JN77"]),
    ("HB9", ["JN47", "JN36"]),
    ("PA", ["JO21", "JO22", "JO32"]),
    ("ON", ["JO10", "JO20"]),
    ("F", ["JN18", "IN88", "JN03"]),
    ("G", ["IO91", "IO83", "JO01"]),
    ("SP", ["JO70", "JO72", "JO80"]),
    ("OZ", ["JO45", "JO55"]),
    ("HA", ["JN97", "JN87"]),
]


def zufall():
    seed = int(os.environ.get("TARVEX_TEST_SEED", "") or time.time_ns() % 100000)
    print(f"TARVEX_TEST_SEED={seed}", flush=True)
    return random.Random(seed)


def stationen(r, anzahl):
    # Each station in a locator of its own: earlier contacts list every contact in
    # the locator too, and only the first listed one makes a duplicate, so a
    # neighbour in the same locator would hide the question the hour expects.
    ergebnis, calls, locators = [], set(), set()
    while len(ergebnis) < anzahl:
        praefix, felder = r.choice(LAENDER)
        ziffer = "" if praefix[-1].isdigit() else str(r.randint(1, 9))
        call = praefix + ziffer + "".join(r.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZ")
                                                           for _ in range(r.randint(2, 3)))
        loc = r.choice(felder) + r.choice("ABCDEFGHIJKLMNOPQRSTUVWX") + r.choice("ABCDEFGHIJKLMNOPQRSTUVWX")
        if call in calls or loc in locators:
            continue
        calls.add(call)
        locators.add(loc)
        ergebnis.append((call, loc))
    return ergebnis


def tabelle_wie_journal(t, band="144MHz"):
    """Every stored contact exactly once, in order, and the journal line by line the same."""
    qsos = t.qsos(band)
    journal = [z for z in t.journal() if z.rstrip().endswith(f"{band[:-3]} MHz")]
    gleich(len(journal), len(qsos), f"Journalzeilen für {band}")
    for (nummer, call, erh, loc, punkte, *_), zeile in zip(qsos, journal):
        pruefe(f" {call} " in zeile and loc in zeile, f"Journalzeile {zeile!r} passt nicht zu QSO {nummer} {call}")
    gleich(len({(q[0]) for q in qsos}), len(qsos), "jede laufende Nummer einmal")


def betriebsstunde(t):
    r = zufall()
    t.erster_start(baender=("144", "432"))
    neu = stationen(r, 90)
    gearbeitet = []  # (call, locator) as stored, in order
    doppelt_gespeichert = doppelt_verworfen = 0
    for i in range(100):
        nummer = len(gearbeitet) + 1
        rapport = f"5{r.randint(5, 9)}{r.randint(1, 999):03d}"
        if i % 10 == 9 and gearbeitet:
            # A station worked before: its earlier contacts show while it is typed,
            # and the duplicate question is answered both ways.
            call, loc = r.choice(gearbeitet[:-1] or gearbeitet)
            speichern = (i // 10) % 2 == 0
            zeile = f"{call.lower()} {loc.lower()} {rapport}"
            gespeichert = t.logge(zeile, doppelt=speichern)
            pruefe(gespeichert == speichern, "Doppelverbindung wie beantwortet")
            if speichern:
                doppelt_gespeichert += 1
                gearbeitet.append((call, loc))
                gleich(t.qsos()[-1][4], "-----", "eine gespeicherte Doppelverbindung zählt nicht")
            else:
                doppelt_verworfen += 1
            continue
        call, loc = neu.pop()
        if i % 3 == 0:
            # Token by token, as an operator types while listening.
            t.eingabe(call.lower())
            t.warte(lambda c=call: t.feld("Rufzeichen") == c, 10, f"{call} im Rufzeichenfeld")
            t.eingabe(loc)
            t.eingabe(rapport)
            t.eingabe("")
            t.warte(lambda n=nummer: len(t.qsos()) == n, 10, f"{call} gespeichert")
            t.kein_dialog()
        else:
            t.logge(f"{call} {loc} {rapport}")
        gearbeitet.append((call, loc))
        gleich(t.qsos()[-1][1:4], (call, rapport, loc), f"QSO {nummer}")
        if i == 40:
            # A search of the log, then Esc back to an empty line.
            t.eingabe("?dl*")
            time.sleep(0.5)
            t.pruefe_lebt("nach der Suche")
            t.taste("Escape")
            t.warte(lambda: t.feld("Rufzeichen") == "", 5, "Esc leert die Eingabe")
    t.bild("nach-100")
    gleich(doppelt_gespeichert + doppelt_verworfen, 10, "Doppelverbindungen")
    gleich(len(t.qsos()), 100 - doppelt_verworfen, "gespeicherte QSOs")
    tabelle_wie_journal(t)
    journal = t.journal()

    # The edit panel on the last contact: a corrected call.
    letzter = t.qsos()[-1]
    neuer_call = letzter[1][:-1] + ("A" if letzter[1][-1] != "A" else "B")
    t.fokus_haupt()
    t.taste("F2")
    time.sleep(0.5)
    t.taste("Tab", "ctrl+a")
    t.tippe(neuer_call)
    t.taste("Return")
    t.warte(lambda: t.qsos()[-1][1] == neuer_call, 10, "Korrektur im Bearbeitungsfeld gespeichert")

    # Declare the last contact invalid (F4 on the grid's current row), then delete it (F3).
    t.fokus_haupt()
    t.taste("F4")
    t.warte(lambda: t.qsos()[-1][4] == "-----", 10, "letztes QSO ungültig")
    anzahl = len(t.qsos())
    t.taste("F3")
    t.dialog_antworten(r"^Frage$", "j")
    t.warte(lambda: len(t.qsos()) == anzahl - 1, 10, "letztes QSO gelöscht")
    # The journal is the record of what was saved: corrections and deletions leave it.
    gleich(t.journal(), journal, "Journal nach Korrektur, Ungültig und Löschen")

    # To 432 MHz, taking over the last station, one contact there, and back.
    t.fokus_haupt()
    t.taste("F6")
    fid, _ = t.dialog(r"^Band auswählen$")
    t.fokus(fid)
    t.taste("Right", "space")
    t.dialog_antworten(r"^Frage$", "j")
    t.warte(lambda: t.feld("Band") == "432 MHz", 10, "Band 432 MHz")
    # The last contact saved, even though it was deleted since.
    uebernommen = journal[-1].split()[2]
    t.warte(lambda: t.feld("Rufzeichen") == uebernommen, 10, "Rufzeichen übernommen")
    t.eingabe("59017")
    t.eingabe("")
    t.warte(lambda: len(t.qsos("432MHz")) == 1, 10, "QSO auf 432 MHz")
    gleich(t.qsos("432MHz")[0][1], uebernommen, "übernommenes Rufzeichen")
    t.fokus_haupt()
    t.taste("F6")
    fid, _ = t.dialog(r"^Band auswählen$")
    t.fokus(fid)
    t.taste("Left", "space")
    t.dialog_antworten(r"^Frage$", "n")
    t.warte(lambda: t.feld("Band") == "144 MHz", 10, "zurück auf 144 MHz")
    gleich(t.feld("LaufendeNummer"), f"{len(t.qsos()) + 1:03d}", "nächste Nummer auf 144 MHz")
    t.logge("dl7xx jo62ab 59123")
    neu = t.journal()[len(journal):]
    gleich(len(neu), 2, "neue Journalzeilen")
    pruefe(f" {uebernommen} " in neu[0] and neu[0].endswith("432 MHz"), f"Journalzeile auf 432 MHz: {neu[0]!r}")
    pruefe(" DL7XX " in neu[1] and neu[1].endswith("144 MHz"), f"Journalzeile auf 144 MHz: {neu[1]!r}")
    t.pruefe_lebt("am Ende der Stunde")
    t.beenden()


def neustart(t):
    """The contest and its band come back after a restart with the same score;
    a SIGKILL while a contact is half typed loses no stored contact."""
    t.erster_start(baender=("144", "432"))
    for zeile in ("dl1abc jo31ab 59001", "ok1kkw jn79ab 59002", "g4abc io91aa 59003"):
        t.logge(zeile)
    t.fokus_haupt()
    t.taste("F6")
    fid, _ = t.dialog(r"^Band auswählen$")
    t.fokus(fid)
    t.taste("Right", "space")
    t.dialog_antworten(r"^Frage$", "n")
    t.warte(lambda: t.feld("Band") == "432 MHz", 10, "Band 432 MHz")
    t.logge("pa3abc jo22aa 59001", band="432MHz")
    vorher = t.anzeige()
    t.beenden()

    t.starten()
    t.dialog_antworten(r"^Tarvex$", "Return")  # the information box of a reopened contest
    t.warte(lambda: t.feld("Band") == "432 MHz", 15, "nach dem Neustart wieder 432 MHz")
    nachher = t.anzeige()
    for feld in ("EigenesRufzeichen", "EigenerLocator", "Band", "LaufendeNummer"):
        gleich(nachher.get(feld), vorher.get(feld), f"{feld} nach dem Neustart")
    pruefe(any("Contest  -  " in n and "test.mdb" in n for n in t.titel()), "Titel nennt den Contest")

    # Half a contact typed, then killed.
    t.logge("on4xy jo20ab 59002", band="432MHz")
    t.eingabe("sp9abc jo70aa")
    t.warte(lambda: t.feld("Rufzeichen") == "SP9ABC", 10, "halbes QSO in der Eingabe")
    t.toeten()
    t.starten()
    t.dialog_antworten(r"^Tarvex$", "Return")
    t.warte(lambda: t.feld("Band") == "432 MHz", 15, "nach SIGKILL wieder 432 MHz")
    gleich([q[1] for q in t.qsos("432MHz")], ["PA3ABC", "ON4XY"], "QSOs auf 432 MHz nach SIGKILL")
    gleich(len(t.qsos()), 3, "QSOs auf 144 MHz nach SIGKILL")
    gleich(t.feld("LaufendeNummer"), "003", "nächste Nummer nach SIGKILL")
    t.logge("sp9abc jo70aa 59003", band="432MHz")
    tabelle_wie_journal(t)
    tabelle_wie_journal(t, "432MHz")
    t.beenden()


def speichertaste(t):
    """An option chosen in the Optionen menu holds at once and after a restart:
    with "QSO loggen – mit F12" Enter on a complete entry no longer saves, F12 does."""
    t.erster_start()
    t.menue("o", "Down", "Down", "Right", "Down", "Return")
    t.warte(lambda: "loggen=1" in t.einstellungen(), 10, "mit F12 in den Einstellungen")
    t.eingabe("dl1abc jo31ab 59001")
    t.warte(lambda: t.feld("Rufzeichen") == "DL1ABC", 10, "DL1ABC ist ausgewertet")
    t.taste("Return")
    time.sleep(1)
    gleich(len(t.qsos()), 0, "mit F12 speichert Enter nicht")
    t.taste("F12")
    t.warte(lambda: len(t.qsos()) == 1, 10, "F12 speichert")
    t.menue("o", "Down", "Down", "Right")
    t.bild("menue-qso-loggen")
    t.taste("Escape", "Escape", "Escape")
    t.beenden()
    t.starten()
    t.dialog_antworten(r"^Tarvex$", "Return")
    t.eingabe("ok1kkw jn79ab 59002")
    t.warte(lambda: t.feld("Rufzeichen") == "OK1KKW", 10, "OK1KKW ist ausgewertet")
    t.taste("Return")
    time.sleep(1)
    gleich(len(t.qsos()), 1, "nach dem Neustart speichert Enter weiter nicht")
    t.taste("F12")
    t.warte(lambda: len(t.qsos()) == 2, 10, "F12 speichert nach dem Neustart")
    # Back to Enter through the menu.
    t.menue("o", "Down", "Down", "Right", "Return")
    t.warte(lambda: "loggen=0" in t.einstellungen(), 10, "mit Enter in den Einstellungen")
    t.logge("g4abc io91aa 59003")
    t.beenden()


if __name__ == "__main__":
    hauptprogramm({"betriebsstunde": betriebsstunde, "neustart": neustart, "speichertaste": speichertaste})
