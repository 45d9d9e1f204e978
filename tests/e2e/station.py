#!/usr/bin/env python3
"""Transceiver and rotator through Hamlib's dummy daemons, driven from the real
program: the antenna turned to the typed station with F5, the question before
saving on another band than the rig's, the band choice offering the rig's band,
and logging going on when both daemons are killed mid-contest."""

import os
import shutil
import socket
import subprocess
import time

from tarvex_e2e import gleich, hauptprogramm, pruefe


def freier_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Daemon:
    """rigctld or rotctld with the dummy backend on 127.0.0.1."""

    def __init__(self, programm, port=None):
        self.programm = programm
        self.port = port or freier_port()
        self.proc = subprocess.Popen([programm, "-m", "1", "-T", "127.0.0.1", "-t", str(self.port)],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        ende = time.time() + 10
        while time.time() < ende:
            try:
                socket.create_connection(("127.0.0.1", self.port), 0.2).close()
                return
            except OSError:
                time.sleep(0.05)
        raise AssertionError(f"{programm} startet nicht auf Port {self.port}")

    def befehl(self, zeile):
        with socket.create_connection(("127.0.0.1", self.port), 2) as s:
            s.sendall(zeile.encode() + b"\n")
            return s.makefile().readline().strip()

    def toeten(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait(10)


def einstellungen_schreiben(t, rig_port, rotor_port):
    ordner = os.path.join(t.tmp, ".config", "CONTEST")
    os.makedirs(ordner, exist_ok=True)
    with open(os.path.join(ordner, "CONTEST.ini"), "w", encoding="utf-8") as f:
        f.write("[Stationssteuerung]\n"
                f"Rotor=1\nRotorHost=127.0.0.1\nRotorPort={rotor_port}\n"
                f"Transceiver=1\nTransceiverHost=127.0.0.1\nTransceiverPort={rig_port}\n"
                "RapportNachMode=1\n")


def station(t):
    if not (shutil.which("rigctld") and shutil.which("rotctld")):
        print("SKIP station: rigctld/rotctld fehlen (Paket libhamlib-utils)", flush=True)
        return
    rig = Daemon("rigctld")
    rotor = Daemon("rotctld")
    try:
        gleich(rig.befehl("F 432200000"), "RPRT 0", "Transceiver auf 432,2 MHz")
        gleich(rig.befehl("M CW 500"), "RPRT 0", "Transceiver auf CW")
        einstellungen_schreiben(t, rig.port, rotor.port)
        t.erster_start(baender=("144", "432"))
        t.warte(lambda: t.feld("Rotor") == "0", 15, "Rotor 0° auf D-Bus")
        # CW on the rig: the sent report preset is 599.
        t.warte(lambda: t.feld("Rapport") == "599", 15, "Rapport folgt CW")

        t.eingabe("dl2abc jo64xa 59001")
        t.warte(lambda: t.feld("Rufzeichen") == "DL2ABC", 10, "DL2ABC ist ausgewertet")
        winkel = t.feld("Winkel")
        pruefe(winkel not in ("", "0", None), f"Winkel {winkel!r}")
        t.fokus_haupt()
        t.taste("F5")
        t.bild("rotor-dreht")
        t.warte(lambda: t.feld("Rotor") == winkel, 40, f"Rotor erreicht {winkel}°")
        t.bild("rotor-steht")

        # The rig is on 432 MHz, the log on 144 MHz: saving asks, No keeps the entry.
        t.fokus_haupt()
        t.taste("Return")
        t.dialog_antworten(r"^Frage$", "n", text_enthaelt="Der Transceiver steht auf 432,200 MHz")
        time.sleep(0.5)
        gleich(len(t.qsos("144MHz")), 0, "nach Nein nichts auf 144 MHz")
        gleich(t.feld("Rufzeichen"), "DL2ABC", "Eingabe bleibt nach Nein")

        # The band choice offers the rig's band first: Enter takes it.
        t.fokus_haupt()
        t.taste("F6")
        fid, _ = t.dialog(r"^Band auswählen$")
        t.fokus(fid)
        t.bild("bandwahl")
        t.taste("Return")
        t.warte(lambda: t.feld("Band") == "432 MHz", 10, "Band 432 MHz")
        t.fokus_haupt()
        t.taste("Return")
        t.warte(lambda: len(t.qsos("432MHz")) == 1 or t.fenster(r"^Frage$"), 10, "DL2ABC auf 432 MHz")
        t.kein_dialog()
        gleich([q[1] for q in t.qsos("432MHz")], ["DL2ABC"], "QSO auf 432 MHz")

        # Both daemons gone mid-contest: no box, logging goes on.
        rig.toeten()
        rotor.toeten()
        t.warte(lambda: t.feld("Rotor") == "", 15, "Rotor unbekannt nach dem Ausfall")
        time.sleep(3)
        t.bild("ausgefallen")
        t.kein_dialog()
        t.fokus_haupt()
        t.taste("F5")
        time.sleep(0.5)
        t.kein_dialog()
        t.pruefe_lebt("nach F5 ohne Rotor")
        pruefe(t.logge("dl3xyz jo64xb 59002", band="432MHz"), "DL3XYZ gespeichert")
        gleich([q[1] for q in t.qsos("432MHz")], ["DL2ABC", "DL3XYZ"], "QSOs auf 432 MHz nach dem Ausfall")

        # Back again: the program finds it by itself.
        rotor = Daemon("rotctld", rotor.port)
        t.warte(lambda: t.feld("Rotor") == "0", 40, "Rotor nach dem Neustart des Dienstes wieder da")
        t.bild("wieder-da")
        t.beenden()
    finally:
        rig.toeten()
        rotor.toeten()


if __name__ == "__main__":
    hauptprogramm({"station": station})
