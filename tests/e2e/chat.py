#!/usr/bin/env python3
"""The KST chat and a DX cluster beside the log, against fake servers on
127.0.0.1: the user list with distances and the worked mark, a station taken
into the input line with Enter, the chat dropping while a contact is typed
(no box, the contact is saved, the chat comes back by itself), and a spot
taken from the cluster with its locator."""

import os
import socket
import threading
import time

from tarvex_e2e import gleich, hauptprogramm, pruefe


class Server:
    """A telnet server that plays one session per connection from a script of
    ("senden", bytes) and ("warten", prefix) steps; drop() cuts the client."""

    def __init__(self, sitzung):
        self.sitzung = sitzung
        self.s = socket.socket()
        self.s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.s.bind(("127.0.0.1", 0))
        self.s.listen(4)
        self.port = self.s.getsockname()[1]
        self.zeilen = []
        self.verbindungen = 0
        self.client = None
        self.fertig = threading.Event()
        threading.Thread(target=self._annehmen, daemon=True).start()

    def _annehmen(self):
        while True:
            try:
                c, _ = self.s.accept()
            except OSError:
                return
            self.verbindungen += 1
            self.client = c
            self.fertig.clear()
            threading.Thread(target=self._spielen, args=(c,), daemon=True).start()

    def _spielen(self, c):
        puffer = b""
        try:
            for art, daten in self.sitzung:
                if art == "senden":
                    c.sendall(daten)
                    continue
                while True:
                    # The client's refusals of telnet options are no text.
                    while b"\n" not in puffer:
                        neu = c.recv(4096)
                        if not neu:
                            return
                        puffer += neu
                    zeile, puffer = puffer.split(b"\n", 1)
                    while b"\xff" in zeile:
                        i = zeile.index(b"\xff")
                        zeile = zeile[:i] + zeile[i + 3:]
                    zeile = zeile.rstrip(b"\r").decode("latin-1")
                    self.zeilen.append(zeile)
                    if zeile.startswith(daten):
                        break
            self.fertig.set()
            while c.recv(4096):
                pass
        except OSError:
            pass

    def drop(self):
        if self.client is not None:
            try:
                self.client.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass
            self.client.close()

    def schliessen(self):
        self.drop()
        self.s.close()


CHAT = [
    ("senden", b"\xff\xfb\x01Welcome to the ON4KST chat\r\nLogin: "),
    ("warten", "DL1XYZ"),
    ("senden", b"Password: "),
    ("warten", "geheim"),
    ("senden", b"1 - 50/70 MHz\r\n2 - 144/432 MHz\r\n3 - Microwave\r\nYour choice           : "),
    ("warten", "2"),
    ("senden", b"Hello DL1XYZ\r\n"),
    ("warten", "/SH US"),
    ("senden", b"G4XYZ    IO91AB  Bob\r\nOK1KKW   JO60RN  Team Kladno\r\nSP3ZZZ\r\n3 users\r\n"),
    ("senden", b"1342Z OK1KKW Team Kladno> (DL1XYZ) sked 144.360?\r\n"),
    ("senden", b"1343Z G4XYZ Bob> cq 144.300\r\n"),
]

CLUSTER = [
    ("senden", b"Hello, this is a DX cluster\r\nPlease enter your call: "),
    ("warten", "DL1XYZ"),
    ("senden", b"DX de PA3ABC:    432210.0  G4XYZ        IO91AB                    1400Z\r\n"),
    ("senden", b"DX de PA3ABC:    144300.0  SP3ZZZ       JO62QM<TR>JO82AB tnx      1401Z JO21\r\n"),
]


def chat(t):
    kst = Server(CHAT)
    cluster = Server(CLUSTER)
    try:
        ordner = os.path.join(t.tmp, ".config", "CONTEST")
        os.makedirs(ordner, exist_ok=True)
        with open(os.path.join(ordner, "CONTEST.ini"), "w", encoding="utf-8") as f:
            f.write("[Chat]\n"
                    f"Server=127.0.0.1\nPort={kst.port}\nPasswort=geheim\n"
                    f"ClusterServer=127.0.0.1\nClusterPort={cluster.port}\n")
        t.erster_start()
        pruefe(t.logge("g4xyz io91ab 59001"), "G4XYZ gespeichert")

        t.fokus_haupt()
        t.taste("ctrl+j")
        fid, _ = t.dialog(r"^KST-Chat$")
        t.warte(lambda: kst.fertig.is_set(), 15, "Chat angemeldet, Liste und Nachrichten gesendet")
        gleich(kst.zeilen[:4], ["DL1XYZ", "geheim", "2", "/SH US"], "Anmeldung beim Chat")
        time.sleep(0.5)
        t.bild("chat-liste")
        t.kein_dialog()

        # Farthest first: G4XYZ (worked), OK1KKW; Down and Enter take OK1KKW.
        t.fokus(fid)
        t.taste("Down", "Return")
        time.sleep(0.3)
        t.bild("uebernommen")
        # The operator types on; the chat drops in the middle of it.
        t.tippe(" 59")
        kst.drop()
        time.sleep(1.5)
        t.bild("chat-getrennt")
        t.kein_dialog()
        t.fokus_haupt()
        t.tippe("002")
        t.taste("Return")
        t.warte(lambda: t.feld("Rufzeichen") == "OK1KKW" or t.fenster(r"^(Achtung|Frage|Fehler)"), 10,
                "OK1KKW ist ausgewertet")
        gleich(t.feld("Locator"), "JO60RN", "Locator aus der Benutzerliste")
        t.kein_dialog()
        t.taste("Return")
        t.warte(lambda: len(t.qsos()) == 2, 10, "OK1KKW gespeichert")
        q = t.qsos()[1]
        gleich((q[1], q[2], q[3]), ("OK1KKW", "59002", "JO60RN"), "QSO mit OK1KKW")
        # The chat comes back by itself.
        t.warte(lambda: kst.verbindungen == 2 and kst.fertig.is_set(), 20, "Chat wieder angemeldet")
        t.bild("chat-wieder-da")
        t.kein_dialog()

        # The cluster: only the current band's spot, Enter takes call and locator.
        t.menue("p", "d")
        cid, _ = t.dialog(r"^DX-Cluster$")
        t.warte(lambda: cluster.fertig.is_set(), 15, "Cluster angemeldet und Spots gesendet")
        time.sleep(0.5)
        t.bild("cluster")
        t.fokus(cid)
        t.taste("Return")
        t.fokus_haupt()
        t.taste("Return")
        t.warte(lambda: t.feld("Rufzeichen") == "SP3ZZZ", 10, "SP3ZZZ aus dem Spot")
        gleich(t.feld("Locator"), "JO82AB", "Locator aus dem Kommentar")
        t.taste("Escape")
        t.kein_dialog()
        t.pruefe_lebt("am Ende")
        t.beenden()
    finally:
        kst.schliessen()
        cluster.schliessen()


if __name__ == "__main__":
    hauptprogramm({"chat": chat})
