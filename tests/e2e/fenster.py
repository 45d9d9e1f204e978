#!/usr/bin/env python3
"""Every working window opened from its menu entry and from its toolbar button,
and left again: the program stays alive and the input line has the keys again."""

import time

from tarvex_e2e import HAUPTFENSTER, Fehlschlag, gleich, hauptprogramm, pruefe

# Window, its menu path (Alt key, arrow steps down, then Right and steps into a
# submenu), its toolbar button (position from the left) and the keys that leave it.
FENSTER = [
    ("Log drucken", ("d", 3), 4, ["alt+a"]),
    ("QSL-Aufkleber", ("d", 4), 5, ["alt+b"]),
    ("Tabellen", ("s", 0), 7, ["Escape"]),
    ("Grafiken", ("s", 1), 6, ["Escape"]),
    ("Karte zeigen", ("s", 2), 8, ["Escape"]),
    ("QSO-Karte", ("s", 3), None, ["Escape"]),
    ("Großfelder – Karte (Text)", ("s", 4, 0), None, ["Escape"]),
    ("Großfelder – Karte (Grafik)", ("s", 4, 1), None, ["Escape"]),
    ("Call-Info", ("p", 0), None, ["Escape", "Escape"]),
    ("Locatorsuche", ("p", 1), None, ["Escape"]),
    ("EXP-Datei importieren", ("p", 2), None, ["Escape"]),
]

STATIONEN = ["dl1abc jo31ab 59001", "ok1kkw jn79ab 59002", "g4abc io91aa 59003", "pa3xyz jo22ab 59004",
             "f6abc jn18aa 59005", "hb9aa jn47ab 59006"]


def menue_pfad(t, pfad):
    taste, schritte, *unten = pfad
    t.fokus_haupt()
    t.taste(f"alt+{taste}")
    time.sleep(0.3)
    t.taste(*(["Down"] * schritte))
    if unten:
        t.taste("Right", *(["Down"] * unten[0]))
    t.taste("Return")


def eingabe_hat_fokus(t, wo):
    """The logging window is back and the input line takes the keys."""
    t.warte(lambda: t.fenster(HAUPTFENSTER), 10, f"Hauptfenster nach {wo}")
    t.fokus_haupt()
    t.tippe("dl9zz")
    t.taste("Return")
    try:
        t.warte(lambda: t.feld("Rufzeichen") == "DL9ZZ", 5, f"Eingabe nimmt Tasten nach {wo}")
    finally:
        t.taste("Escape")
    t.warte(lambda: t.feld("Rufzeichen") == "", 5, f"Esc leert die Eingabe nach {wo}")


def alle_fenster(t):
    t.erster_start()
    for zeile in STATIONEN:
        t.logge(zeile)
    qsos = t.qsos()
    fehler = []
    for name, pfad, knopf, verlassen in FENSTER:
        wege = [("Menü", lambda: menue_pfad(t, pfad))]
        if knopf is not None:
            wege.append(("Symbol", lambda k=knopf: t.werkzeug(k)))
        for weg, oeffnen in wege:
            wo = f"{name} ({weg})"
            oeffnen()
            time.sleep(1.0)
            t.pruefe_lebt(f"nach dem Öffnen von {wo}")
            t.bild(f"{name}-{weg}".replace(" ", "_").replace("–", "-"))
            # A modal dialog of its own (the import's file choice) is left the same way.
            dialoge = [f for f in t.fenster(".") if not f[1].startswith(("Contest  -", "Tarvex V"))]
            if dialoge:
                t.fokus(dialoge[-1][0])
            else:
                t.fokus_haupt()
            t.taste(*verlassen)
            time.sleep(0.5)
            t.pruefe_lebt(f"nach dem Verlassen von {wo}")
            try:
                t.warte(lambda: t.titel() == [t.titel_haupt()], 5, f"nur das Hauptfenster nach {wo}: {t.titel()}")
                eingabe_hat_fokus(t, wo)
            except Fehlschlag as f:
                fehler.append(str(f))
                t.bild("nicht-zurueck")
                t.fokus_haupt()
                t.werkzeug(0)
                time.sleep(0.5)
    pruefe(not fehler, "\n".join(fehler))
    gleich(t.qsos(), qsos, "die Fenster ändern am Log nichts")
    t.beenden()


if __name__ == "__main__":
    hauptprogramm({"alle_fenster": alle_fenster})
