#!/usr/bin/env python3
"""Contacts from WSJT-X over UDP into the real program: an encoder of the
published message format of its own, a contact stored at once, the same one
repeated and as ADIF, a duplicate and a four-character locator that wait in
"Wartende Verbindungen", garbage datagrams, and a burst of 200 contacts; the
rows and the journal read back."""

import os
import socket
import struct
import time
from datetime import datetime, timezone

from tarvex_e2e import gleich, hauptprogramm, pruefe

MAGIE = 0xADBCCBDA


def freier_udp_port():
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def text(t):
    if t is None:
        return struct.pack(">I", 0xFFFFFFFF)
    b = t.encode("utf-8")
    return struct.pack(">I", len(b)) + b


def zeit(t):
    """QDateTime: Julian day, milliseconds since midnight, time spec 1 (UTC)."""
    tag = t.toordinal() + 1721425
    ms = ((t.hour * 60 + t.minute) * 60 + t.second) * 1000
    return struct.pack(">qIB", tag, ms, 1)


def kopf(art, schema=3):
    return struct.pack(">III", MAGIE, schema, art) + text("WSJT-X")


def qso(call, grid, aus, frequenz=144_174_000, gesendet="-05", erhalten="-10", austausch=("", ""), schema=3,
        neuer=True):
    d = kopf(5, schema) + zeit(aus) + text(call) + text(grid) + struct.pack(">Q", frequenz)
    d += text("FT8") + text(gesendet) + text(erhalten) + text("100") + text("") + text("") + zeit(aus)
    d += text("") + text("DL1XYZ") + text("JO62QM") + text(austausch[0]) + text(austausch[1])
    if neuer:
        d += text("MS") + struct.pack(">I", 99)
    return d


def adif(call, grid):
    return kopf(12) + text(f"<call:{len(call)}>{call}<gridsquare:{len(grid)}>{grid}<mode:3>FT8<eor>")


def status(call, grid):
    d = kopf(1) + struct.pack(">Q", 144_174_000) + text("FT8") + text(call) + text("-10") + text("FT8")
    d += struct.pack(">???II", True, False, False, 1500, 1500) + text("DL1XYZ") + text("JO62QM") + text(grid)
    return d


def einstellungen_schreiben(t, port):
    ordner = os.path.join(t.tmp, ".config", "CONTEST")
    os.makedirs(ordner, exist_ok=True)
    with open(os.path.join(ordner, "CONTEST.ini"), "w", encoding="utf-8") as f:
        f.write(f"[Digitalbetrieb]\nEin=1\nPort={port}\nMulticast=\n")


def digital(t):
    port = freier_udp_port()
    einstellungen_schreiben(t, port)
    t.erster_start()
    sender = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)

    def senden(d):
        sender.sendto(d, ("127.0.0.1", port))

    tag = datetime.now(timezone.utc).replace(hour=14, minute=0, second=0, microsecond=0)

    def um(minute, sekunde=0):
        return tag.replace(minute=minute, second=sekunde)

    # WSJT-X says hello and what it works; then the contact in EU VHF mode.
    senden(kopf(0) + struct.pack(">I", 3) + text("2.6.1") + text("abc"))
    senden(status("DL1ABC", "JO31AB"))
    eins = qso("DL1ABC", "JO31AB", um(1, 15), gesendet="59", erhalten="57", austausch=("590001", "570012 JO31AB"))
    senden(eins)
    senden(adif("DL1ABC", "JO31AB"))
    t.warte(lambda: len(t.qsos()) == 1, 10, "DL1ABC ist gespeichert")
    senden(eins)
    row = t.qsos()[0]
    gleich(row[1:4], ("DL1ABC", "570012", "JO31AB"), "Rufzeichen, RST erh, Locator")
    gleich((row[5].strip(), row[7], row[8]), ("FT8", "14:01", "59001"), "Kommentar, Zeit, RST geg")
    pruefe(int(row[4]) > 300, f"Punkte {row[4]}")

    # Garbage of every kind: nothing happens.
    for d in (b"", b"\x00" * 3, b"kein WSJT-X", struct.pack(">III", 0xADBCCBDB, 3, 5) + eins[12:],
              eins[:30], eins[:-60], eins + b"\xff" * 60000, struct.pack(">III", MAGIE, 9, 5) + eins[12:],
              kopf(5) + struct.pack(">I", 0x7FFFFFFF), os.urandom(500)):
        senden(d)

    # A duplicate and a four-character locator wait; no box opens.
    senden(qso("DL1ABC", "JO31AB", um(5)))
    senden(qso("OK1KKK", "JO70", um(6)))
    liste = t.warte(lambda: t.fenster(r"^Wartende Verbindungen$"), 10, "Liste der wartenden Verbindungen")
    time.sleep(0.5)
    t.kein_dialog()
    gleich(len(t.qsos()), 1, "nichts Wartendes gespeichert")
    t.pruefe_lebt("nach dem Müll")

    # A burst of 200 contacts, each in another square of the own field.
    buchstaben = "ABCDEFGHIJKLMNOPQRSTUVWX"
    for i in range(200):
        call = f"DL{i % 10}{buchstaben[i // 24 % 24]}{buchstaben[i % 24]}X"
        senden(qso(call, f"JO62{buchstaben[i % 24]}{buchstaben[i // 24]}", um(10 + i // 60, i % 60),
                   schema=2 + i % 2, neuer=i % 3 == 0))
        if i % 20 == 19:
            time.sleep(0.05)
    t.warte(lambda: len(t.qsos()) == 201, 60, "201 Verbindungen gespeichert")
    t.bild("wartende-liste")
    t.kein_dialog()

    # The operator works through the list: the duplicate as duplicate, the
    # four-character locator completed in the input line.
    t.fokus(liste[0][0])
    t.taste("ctrl+w")
    t.taste("Home")
    t.taste("alt+l")
    t.warte(lambda: len(t.qsos()) == 202, 10, "Doppel gespeichert")
    gleich(t.qsos()[-1][1:5], ("DL1ABC", "-10", "JO31AB", "-----"), "das Doppel zählt nicht")
    t.taste("Return")
    t.warte(lambda: t.feld("Rufzeichen") == "OK1KKK", 10, "OK1KKK in der Eingabe")
    t.fokus_haupt()
    t.taste("End")
    t.tippe("AA")
    t.taste("Return")
    t.warte(lambda: t.feld("Locator") == "JO70AA", 10, "Locator vervollständigt")
    t.bild("vervollstaendigt")
    t.taste("Return")
    t.warte(lambda: len(t.qsos()) == 203 or t.fenster(r"^(Frage|Achtung|Hinweis|Fehler)$"), 10,
            "OK1KKK gespeichert")
    t.kein_dialog()
    letzte = t.qsos()[-1]
    gleich((letzte[1], letzte[3], letzte[7], letzte[5].strip()), ("OK1KKK", "JO70AA", "14:06", "FT8"),
           "OK1KKK aus der Liste")

    # The operator's own duplicate question is open when a contact comes in:
    # it waits for the box, which answers for the typed contact only.
    t.fokus_haupt()
    t.tippe("dl1abc jo31ab")
    t.taste("Return")
    box = t.warte(lambda: t.fenster(r"^Achtung$"), 10, "Doppelfrage")
    senden(qso("SP1ABC", "JO72AA", um(30)))
    time.sleep(1)
    gleich(len(t.qsos()), 203, "nichts gespeichert, solange die Frage offen ist")
    t.fokus(box[0][0])
    t.taste("Return")
    t.warte(lambda: len(t.qsos()) == 204, 10, "SP1ABC nach der Frage gespeichert")
    t.kein_dialog()
    gleich(t.qsos()[-1][1:4:2], ("SP1ABC", "JO72AA"), "SP1ABC aus dem Netz")

    nummern = [q[0] for q in t.qsos()]
    gleich(nummern, list(range(1, 205)), "laufende Nummern")
    journal = t.journal()
    gleich(len(journal), 204, "eine Journalzeile je Verbindung")
    pruefe("DL1ABC" in journal[0] and "SP1ABC" in journal[-1], "Journal in der Reihenfolge des Speicherns")
    t.bild("ende")
    t.beenden()


if __name__ == "__main__":
    hauptprogramm({"digital": digital})
