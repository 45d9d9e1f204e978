#!/usr/bin/env python3
"""The analysis windows as an operator uses them: an entry of the call info
edited and the change declined, and the chart's hover text over a bar."""

import os
import re
import sqlite3
import subprocess
import time

from tarvex_e2e import gleich, hauptprogramm, pruefe


# Where "QSL gesendet" is in the window.
QSL_GESENDET = (16, 413)


def callinfo_zeile(t, call):
    # The shipped file gets its QSL columns with the first save.
    try:
        return t.sql("CALLINFO.MDB", "SELECT Name, Ort, QSLgesendet, QSLerhalten FROM CALLINFO WHERE Rufzeichen=?",
                     call)
    except sqlite3.OperationalError:
        return None


def callinfo(t):
    t.erster_start()
    t.menue("p", "Return")
    fid = t.fokus_haupt()
    # A new entry with "QSL gesendet" ticked, stored.
    t.taste("alt+n")
    time.sleep(0.3)
    t.tippe("dl1abc")
    t.taste("Tab")
    t.tippe("Hans")
    t.taste("Tab", "Tab")
    t.tippe("Berlin")
    t.taste("Tab", "Tab", "space")
    t.bild("neu")
    t.taste("alt+s")
    t.warte(lambda: callinfo_zeile(t, "DL1ABC"), 10, "DL1ABC ist gespeichert")
    gleich(callinfo_zeile(t, "DL1ABC"), [("Hans", "Berlin", 1, 0)], "gespeicherter Eintrag")

    # Edited (place changed, tick off by key or by mouse), then Esc and "Nein" (by key,
    # Alt key, Tab or mouse): the entry stays as stored, in the file and in the window.
    wege = (("Taste n", ["n"], False), ("Alt+N", ["alt+n"], False), ("Tab", ["Tab", "space"], False),
            ("Maus", ["n"], True))
    for name, tasten, maus in wege:
        t.fokus(fid)
        t.taste("alt+b")
        time.sleep(0.3)
        t.taste("Tab", "Tab", "Tab")
        t.tippe("x")
        if maus:
            t.klick(fid, *QSL_GESENDET)
        else:
            t.taste("Tab", "Tab", "space")
        t.bild(f"bearbeitet-{name}")
        t.taste("Escape")
        t.dialog_antworten(r"^Frage$", *tasten)
        time.sleep(0.5)
        gleich(callinfo_zeile(t, "DL1ABC"), [("Hans", "Berlin", 1, 0)], f"Eintrag nach Esc, {name}")
        t.pruefe_lebt(name)
    t.bild("abgelehnt")
    # Back in the logging window and in again on the typed call: the tick is there.
    t.taste("Escape")
    t.eingabe("dl1abc")
    t.menue("p", "Return")
    time.sleep(0.5)
    t.bild("wieder")
    gleich(callinfo_zeile(t, "DL1ABC"), [("Hans", "Berlin", 1, 0)], "Eintrag nach dem Wiederkommen")
    t.taste("Escape")
    t.fokus_haupt()
    t.taste("Escape")
    t.beenden()


BALKEN = (0x2e, 0x6d, 0xb4)


def balken_mitte(t, bild):
    """Where the bars are on the screen: the middle of the pixels in the bar colour."""
    roh = subprocess.run(["convert", bild, "ppm:-"], capture_output=True, check=True, timeout=20).stdout
    # P6 header: magic, width, height, maximum, each followed by one blank.
    teile = roh.split(maxsplit=4)
    breite, hoehe, daten = int(teile[1]), int(teile[2]), teile[4]
    xs, ys = [], []
    farbe = bytes(BALKEN)
    start = daten.find(farbe)
    while start >= 0:
        if start % 3 == 0:
            xs.append((start // 3) % breite)
            ys.append((start // 3) // breite)
        start = daten.find(farbe, start + 1)
    pruefe(xs, "kein Balken im Bild")
    pruefe(hoehe > max(ys), "Bild kleiner als erwartet")
    return (min(xs) + max(xs)) // 2, (min(ys) + max(ys)) // 2


def xwininfo(t, *argumente):
    return subprocess.run(["xwininfo", *argumente], env={**os.environ, "DISPLAY": t.display}, capture_output=True,
                          text=True, timeout=10).stdout


def hinweise(t, haupt):
    """The program's mapped top-level windows besides the main window: the hover text."""
    ids = re.findall(r"^\s+(0x[0-9a-f]+) .*\(\"tarvex\" ", xwininfo(t, "-root", "-children"), re.M)
    return [i for i in ids if int(i, 16) != int(haupt) and "IsViewable" in xwininfo(t, "-id", i)]


def zeige_auf(t, x, y):
    # Coming from outside the bar, as a hand does; then resting.
    t.x("mousemove", str(x + 200), str(y))
    time.sleep(0.3)
    t.x("mousemove", str(x), str(y))
    time.sleep(0.1)
    t.x("mousemove", str(x + 1), str(y + 1))


def grafik(t):
    """The chart's hover text over a bar appears where the mouse rests and stays
    there (also past the tooltip delay), with the window active and not."""
    t.erster_start()
    for zeile in ("dl1abc jo31ab 59001", "ok1kkw jn79ab 59002", "g4abc io91aa 59003"):
        t.logge(zeile)
    t.menue("s", "Down", "Return")
    time.sleep(0.5)
    haupt = t.fokus_haupt()
    t.taste("Return")  # "&QSOs nach Zeit", the default button
    time.sleep(0.5)
    x, y = balken_mitte(t, t.bild("grafik"))
    for wie in ("aktiv", "nicht aktiv"):
        if wie == "nicht aktiv":
            wurzel = t.x("search", "--maxdepth", "0", "--name", "")
            t.x("windowfocus", wurzel.split()[0])
        zeige_auf(t, x, y)
        # Past Qt's tooltip delay, when the view would hide a text of its own.
        time.sleep(1.5)
        t.bild(f"hover-{wie}")
        da = hinweise(t, haupt)
        gleich(len(da), 1, f"Hinweistext über dem Balken ({wie})")
        info = xwininfo(t, "-id", da[0])
        hx = int(re.search(r"Absolute upper-left X:\s+(-?\d+)", info).group(1))
        hy = int(re.search(r"Absolute upper-left Y:\s+(-?\d+)", info).group(1))
        pruefe(abs(hx - x) < 60 and 0 <= hy - y < 60, f"Hinweistext bei {hx},{hy}, Maus bei {x},{y} ({wie})")
        # Off the bar: the text goes.
        t.x("mousemove", str(x + 200), str(y))
        t.warte(lambda: not hinweise(t, haupt), 5, f"Hinweistext verschwindet ({wie})")
    t.fokus_haupt()
    t.taste("Escape")
    t.beenden()


if __name__ == "__main__":
    hauptprogramm({"callinfo": callinfo, "grafik": grafik})
