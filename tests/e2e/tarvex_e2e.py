"""Drives the real Tarvex program as an operator does: its own X server (Xvfb),
real key presses and clicks through xdotool, and what it stored read back with
sqlite3, from its files, from the clipboard (xclip) and from its D-Bus object.

A scenario is a function taking a `Tarvex`; `hauptprogramm` runs one from the
command line, saves screenshots into the artifacts folder and fails on a crash,
a sanitizer report or a Qt assertion in the program's output."""

import argparse
import os
import re
import shutil
import signal
import sqlite3
import subprocess
import sys
import tempfile
import time
import traceback

DIALOGE = r"^(Frage|Achtung|Hinweis|Fehler|Wichtig|Tarvex)$"
HAUPTFENSTER = r"^(Contest  -  .*|Tarvex V.*)$"
# What a sanitizer or Qt's assertions print; any of it fails the scenario.
BEFUNDE = re.compile(r"ERROR: AddressSanitizer|ERROR: LeakSanitizer|runtime error:|ASSERT failure|"
                     r"ASSERT: |QFATAL|Segmentation fault|terminate called")


class Fehlschlag(AssertionError):
    pass


def pruefe(bedingung, text):
    if not bedingung:
        raise Fehlschlag(text)


def gleich(ist, soll, was):
    if ist != soll:
        raise Fehlschlag(f"{was}: ist {ist!r}, soll {soll!r}")


class Tarvex:
    """One working directory, one X display, and the program started in them."""

    def __init__(self, programm, artefakte, name):
        self.programm = os.path.abspath(programm)
        self.artefakte = artefakte
        self.name = name
        self.tmp = tempfile.mkdtemp(prefix=f"tarvex-e2e-{name}-")
        self.arbeit = os.path.join(self.tmp, "Tarvex")
        os.makedirs(self.arbeit)
        os.makedirs(os.path.join(self.tmp, "run"), mode=0o700)
        self.xvfb = None
        self.display = None
        self.proc = None
        self.ausgabe = os.path.join(self.tmp, "tarvex.log")
        self.starts = 0
        self.bilder = 0
        self._xvfb_starten()

    # --- processes -------------------------------------------------------------------------

    def _xvfb_starten(self):
        lesen, schreiben = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(schreiben), "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(schreiben,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(schreiben)
        nummer = b""
        ende = time.time() + 20
        while not nummer.endswith(b"\n") and time.time() < ende:
            teil = os.read(lesen, 16)
            if not teil:
                break
            nummer += teil
        os.close(lesen)
        pruefe(nummer.strip(), "Xvfb hat keine Display-Nummer genannt")
        self.display = ":" + nummer.decode().strip()

    def umgebung(self):
        env = dict(os.environ)
        for weg in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "SESSION_MANAGER"):
            env.pop(weg, None)
        env.update({
            "DISPLAY": self.display,
            "HOME": self.tmp,
            "XDG_CONFIG_HOME": os.path.join(self.tmp, ".config"),
            "XDG_RUNTIME_DIR": os.path.join(self.tmp, "run"),
            "TARVEX_WORKDIR": self.arbeit,
            "LANG": "C.UTF-8",
            "QT_QPA_PLATFORM": "xcb",
            # No printer, whatever the machine has: every print becomes a PDF file.
            "CUPS_SERVER": os.path.join(self.tmp, "kein-cupsd"),
            # A sanitizer report ends the program, so the scenario sees it at once.
            "ASAN_OPTIONS": env.get("ASAN_OPTIONS", "detect_leaks=0:abort_on_error=1"),
            "UBSAN_OPTIONS": env.get("UBSAN_OPTIONS", "print_stacktrace=1:halt_on_error=1"),
        })
        return env

    def starten(self):
        """Starts the program; returns once its main window is there."""
        self.starts += 1
        log = open(self.ausgabe, "ab")
        log.write(f"--- start {self.starts}\n".encode())
        log.flush()
        self.proc = subprocess.Popen([self.programm], cwd=self.arbeit, env=self.umgebung(),
                                     stdout=log, stderr=subprocess.STDOUT)
        log.close()
        self.warte(lambda: self.fenster(HAUPTFENSTER) or self.fenster(DIALOGE), 30, "Hauptfenster erscheint")

    def lebt(self):
        return self.proc is not None and self.proc.poll() is None

    def pruefe_lebt(self, wo=""):
        if not self.lebt():
            raise Fehlschlag(f"Tarvex ist beendet (Code {self.proc.returncode}) {wo}\n" + self.ausgabe_ende())

    def toeten(self):
        """SIGKILL, as a power cut or a crash would stop it."""
        self.proc.send_signal(signal.SIGKILL)
        self.proc.wait(10)

    def beenden(self):
        """Quits through the menu, answering the quit question with Ja."""
        self.fokus_haupt()
        self.taste("alt+d")
        time.sleep(0.3)
        self.taste("e")
        self.dialog_antworten(r"^Tarvex$", "j")
        try:
            self.proc.wait(15)
        except subprocess.TimeoutExpired as e:
            raise Fehlschlag("Tarvex endet nicht nach „Beenden“") from e
        gleich(self.proc.returncode, 0, "Rückgabewert beim Beenden")

    def aufraeumen(self):
        if self.lebt():
            self.proc.kill()
            self.proc.wait(10)
        if self.xvfb and self.xvfb.poll() is None:
            self.xvfb.terminate()
            try:
                self.xvfb.wait(5)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
        shutil.rmtree(self.tmp, ignore_errors=True)

    def ausgabe_text(self):
        try:
            with open(self.ausgabe, "rb") as f:
                return f.read().decode("utf-8", "replace")
        except FileNotFoundError:
            return ""

    def ausgabe_ende(self, zeilen=40):
        return "\n".join(self.ausgabe_text().splitlines()[-zeilen:])

    def befunde(self):
        return [z for z in self.ausgabe_text().splitlines() if BEFUNDE.search(z)]

    # --- waiting ---------------------------------------------------------------------------

    def warte(self, bedingung, sekunden, was):
        ende = time.time() + sekunden
        while True:
            ergebnis = bedingung()
            if ergebnis:
                return ergebnis
            if self.proc is not None and not self.lebt():
                self.pruefe_lebt(f"(beim Warten: {was})")
            if time.time() > ende:
                raise Fehlschlag(f"Zeitüberschreitung: {was}")
            time.sleep(0.05)

    # --- X -----------------------------------------------------------------------------------

    def x(self, *argumente, pruefen=False):
        r = subprocess.run(["xdotool", *argumente], env={**os.environ, "DISPLAY": self.display},
                           capture_output=True, text=True, timeout=20)
        if pruefen and r.returncode != 0:
            raise Fehlschlag(f"xdotool {' '.join(argumente)}: {r.stderr.strip()}")
        return r.stdout.strip()

    def fenster(self, muster):
        """The visible top-level windows whose title matches, as (id, title)."""
        ids = self.x("search", "--onlyvisible", "--name", muster).split()
        ergebnis = []
        for i in ids:
            titel = self.x("getwindowname", i)
            if re.search(muster, titel):
                ergebnis.append((i, titel))
        return ergebnis

    def titel(self):
        return [t for _, t in self.fenster(".")]

    def fokus(self, fenster_id):
        self.x("windowfocus", "--sync", fenster_id)

    def titel_haupt(self):
        f = self.fenster(HAUPTFENSTER)
        return f[-1][1] if f else None

    def fokus_haupt(self):
        f = self.warte(lambda: self.fenster(HAUPTFENSTER), 10, "Hauptfenster")
        self.fokus(f[-1][0])
        return f[-1][0]

    def tippe(self, text):
        self.x("type", "--delay", "8", "--clearmodifiers", text)

    def taste(self, *tasten):
        self.x("key", "--delay", "40", "--clearmodifiers", *tasten)

    def klick(self, fenster_id, x, y):
        self.x("mousemove", "--window", fenster_id, str(x), str(y))
        time.sleep(0.05)
        self.x("click", "1")

    def werkzeug(self, nummer):
        """Clicks the toolbar button at this position (0 = „Eingaben“)."""
        haupt = self.fokus_haupt()
        self.klick(haupt, 20 + 33 * nummer, 38)

    def dialog(self, muster=DIALOGE, sekunden=10):
        return self.warte(lambda: self.fenster(muster), sekunden, f"Dialog {muster}")[-1]

    def dialog_antworten(self, muster, *tasten, text_enthaelt=None, sekunden=10):
        """Waits for a message box, focuses it and presses the keys; returns its title."""
        fid, titel = self.dialog(muster, sekunden)
        self.fokus(fid)
        if text_enthaelt is not None:
            self.bild(f"dialog-{titel}")
        self.taste(*tasten)
        self.warte(lambda: fid not in [i for i, _ in self.fenster(".")], 10, f"Dialog {titel} schließt")
        return titel

    def kein_dialog(self):
        d = self.fenster(DIALOGE)
        pruefe(not d, f"unerwarteter Dialog: {d}")

    def bild(self, name):
        """A screenshot of the whole screen into the artifacts folder."""
        self.bilder += 1
        os.makedirs(self.artefakte, exist_ok=True)
        ziel = os.path.join(self.artefakte, f"{self.name}-{self.bilder:02d}-{name}.png")
        subprocess.run(["import", "-display", self.display, "-window", "root", ziel],
                       capture_output=True, timeout=20)
        return ziel

    def zwischenablage(self, typ="text/plain"):
        r = subprocess.run(["xclip", "-selection", "clipboard", "-o", "-t", typ],
                           env={**os.environ, "DISPLAY": self.display}, capture_output=True, timeout=10)
        return r.stdout if r.returncode == 0 else None

    # --- D-Bus: what the logging window shows -------------------------------------------

    def anzeige(self):
        r = subprocess.run(["gdbus", "call", "--session", "--dest", "de.tarvex.Tarvex", "--object-path",
                            "/de/tarvex/Tarvex", "--method", "org.freedesktop.DBus.Properties.GetAll",
                            "de.tarvex.Tarvex"], capture_output=True, text=True, timeout=10)
        if r.returncode != 0:
            return None
        return dict(re.findall(r"'(\w+)': <'([^']*)'>", r.stdout))

    def feld(self, name):
        a = self.anzeige()
        return None if a is None else a.get(name)

    # --- files ---------------------------------------------------------------------------

    def pfad(self, name):
        return os.path.join(self.arbeit, name)

    def datei(self, name):
        """A file of the working directory, found without regard to case."""
        for n in os.listdir(self.arbeit):
            if n.lower() == name.lower():
                return os.path.join(self.arbeit, n)
        return None

    def sql(self, datenbank, anfrage, *werte):
        pfad = self.datei(datenbank)
        pruefe(pfad is not None, f"{datenbank} fehlt im Arbeitsverzeichnis")
        con = sqlite3.connect(f"file:{pfad}?mode=ro", uri=True, timeout=10)
        try:
            return con.execute(anfrage, werte).fetchall()
        finally:
            con.close()

    def qsos(self, band="144MHz", datenbank="TEST.mdb"):
        return self.sql(datenbank, f'SELECT Nummer, Rufzeichen, "RST erh", Locator, Punkte, Kommentar, Datum, '
                                   f'Zeit, "RST geg", QSL FROM "{band}" ORDER BY rowid')

    def journal(self, name="TEST.txt"):
        with open(self.datei(name), "rb") as f:
            roh = f.read()
        pruefe(b"\0" not in roh, "NUL-Bytes im Journal")
        text = roh.decode("cp1252")
        pruefe(not text or text.endswith("\r\n"), "Journal endet nicht mit CR LF")
        return [z for z in text.split("\r\n") if z]

    def einstellungen(self):
        pfad = os.path.join(self.tmp, ".config", "CONTEST", "CONTEST.ini")
        with open(pfad, encoding="utf-8", errors="replace") as f:
            return f.read()

    # --- the operator's steps ----------------------------------------------------------

    def erster_start(self, name="TEST", call="DL1XYZ", locator="JO62QM", baender=("144",)):
        """Start on an empty working directory: the reference files are copied,
        no contest is open, and a new contest is created with the given bands."""
        self.starten()
        self.dialog_antworten(r"^Hinweis$", "Return")
        self.dialog_antworten(r"^Tarvex$", "Return")
        self.neuer_contest_formular(name, call, locator, baender)

    BAND_TASTEN = {"144": 0, "432": 1, "1,3": 2, "2,3": 3, "3,4": 4, "5,7": 5, "10": 6, "24": 7, "47": 8, "76": 9}

    def neuer_contest_formular(self, name, call, locator, baender):
        fid, _ = self.dialog(r"^Neuen Contest anlegen$")
        self.fokus(fid)
        self.taste("ctrl+a")
        self.tippe(name)
        self.taste("Tab")
        self.tippe(call)
        self.taste("Tab")
        self.tippe(locator)
        # The boxes follow in their order; Tab moves from box to box, space ticks.
        position = 0
        for b in sorted(baender, key=lambda b: self.BAND_TASTEN[b]):
            ziel = self.BAND_TASTEN[b]
            self.taste(*(["Tab"] * (ziel - position + 1)))
            self.taste("space")
            position = ziel + 1
        self.taste("Return")
        self.warte(lambda: self.fenster(r"^Contest  -  "), 15, "Contest ist geöffnet")
        self.warte(lambda: self.feld("EigenesRufzeichen") == call, 10, "eigenes Rufzeichen auf D-Bus")

    def eingabe(self, zeile):
        """Types one line into the input line and presses Enter."""
        self.fokus_haupt()
        self.tippe(zeile)
        self.taste("Return")

    def logge(self, zeile, doppelt=None, band="144MHz", datenbank="TEST.mdb"):
        """One contact as an operator types it: the line, Enter, then Enter on the
        empty line. doppelt: None (no question expected), True (store anyway) or
        False (cancel). Returns True when a row was stored."""
        vorher = len(self.qsos(band, datenbank))
        call = zeile.split()[0].upper()
        self.eingabe(zeile)
        if doppelt is not None:
            # OK is not the default button: Tab moves to it from „Abbrechen“.
            self.dialog_antworten(r"^Achtung$", *(["Tab", "space"] if doppelt else ["Escape"]))
            if not doppelt:
                self.warte(lambda: self.feld("Rufzeichen") == "", 10, "Eingabe nach „Abbrechen“ leer")
                return False
        self.warte(lambda: self.feld("Rufzeichen") == call or self.fenster(DIALOGE), 10,
                   f"{call} ist ausgewertet")
        self.kein_dialog()
        self.fokus_haupt()
        self.taste("Return")
        self.warte(lambda: len(self.qsos(band, datenbank)) == vorher + 1 or self.fenster(DIALOGE), 10,
                   f"{call} ist gespeichert")
        self.kein_dialog()
        self.warte(lambda: self.feld("Rufzeichen") == "", 10, "Eingabe nach dem Speichern leer")
        return True

    def menue(self, alt_taste, *tasten):
        """Opens a menu of the main window with its Alt key and presses the keys."""
        self.fokus_haupt()
        self.taste(f"alt+{alt_taste}")
        time.sleep(0.3)
        self.taste(*tasten)


def hauptprogramm(szenarien):
    """Command line: --tarvex PATH [--artefakte DIR] [NAME ...]; runs the named
    scenarios (default: all) and exits non-zero when one fails."""
    p = argparse.ArgumentParser()
    p.add_argument("--tarvex", required=True)
    p.add_argument("--artefakte", default=os.path.join(tempfile.gettempdir(), "tarvex-e2e"))
    p.add_argument("namen", nargs="*")
    a = p.parse_args()
    namen = a.namen or list(szenarien)
    bestanden = fehlgeschlagen = 0
    for name in namen:
        t = Tarvex(a.tarvex, a.artefakte, name)
        beginn = time.time()
        try:
            szenarien[name](t)
            befunde = t.befunde()
            pruefe(not befunde, "Befunde in der Ausgabe des Programms:\n" + "\n".join(befunde))
            bestanden += 1
            print(f"PASS {name} ({time.time() - beginn:.1f} s)", flush=True)
        except Exception:
            fehlgeschlagen += 1
            print(f"FAIL {name} ({time.time() - beginn:.1f} s)", flush=True)
            traceback.print_exc()
            try:
                if t.lebt():
                    print("Bildschirm:", t.bild("fehler"), "Fenster:", t.titel())
            except Exception:
                pass
            print("--- Ausgabe des Programms (Ende):\n" + t.ausgabe_ende(60), flush=True)
        finally:
            t.aufraeumen()
    print(f"e2e: {bestanden} passed, {fehlgeschlagen} failed")
    sys.exit(1 if fehlgeschlagen else 0)
