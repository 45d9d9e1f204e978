#!/usr/bin/env python3
"""Keeps the tree as docs/ARCHITECTURE.md draws it.

  check_structure.py includes ROOT    folders include only folders below them
  check_structure.py names ROOT       every file name is ASCII
  check_structure.py sizes ROOT       no .cpp in src/ over 500 lines
  check_structure.py format ROOT CLANG_FORMAT   clang-format has nothing to change

ROOT is a source tree (src/, tests/, bench/, tools/ below it). Exit status 1
with one line per finding.
"""
import os
import re
import subprocess
import sys

# What each folder of src/ may include besides itself. The lower a folder, the
# fewer it may see; app wires the program and sees everything.
WINDOWS = {'logout', 'qsl', 'stats', 'callinfo', 'chat'}
ERLAUBT = {
    'common': set(),
    'store': {'common'},
    'entry': {'common', 'store'},
    'print': {'common'},
    'mail': {'common', 'store'},
    'formats': {'common', 'store', 'entry'},
    'commands': {'common'},
    'ui': {'common'},
    'station': {'common', 'store', 'entry'},
    'digital': {'common', 'store', 'entry'},
    'chat': {'common', 'store', 'entry', 'station', 'commands', 'ui', 'contest'},
    'contest': {'common', 'store', 'entry', 'print', 'mail', 'formats', 'commands', 'ui', 'station', 'digital'},
    'logout': {'common', 'store', 'entry', 'print', 'mail', 'formats', 'commands', 'ui', 'contest'},
    'qsl': {'common', 'store', 'entry', 'print', 'formats', 'commands', 'ui', 'contest'},
    'stats': {'common', 'store', 'entry', 'print', 'formats', 'commands', 'ui', 'contest'},
    'callinfo': {'common', 'store', 'entry', 'formats', 'commands', 'ui', 'contest'},
    'app': None,  # everything
}
# The only header of contest/ the other windows may see: the narrow view.
CONTEST_FUER_FENSTER = {'contest/OffenerContest.h'}
GROESSTE_CPP = 500
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
QUELLEN = ('.h', '.cpp')
AUSGELASSEN = {'.git', 'build', 'build-sanitize', 'node_modules'}


def dateien(root, unter):
    for top in unter:
        base = os.path.join(root, top)
        for d, dirs, files in os.walk(base):
            dirs[:] = sorted(x for x in dirs if x not in AUSGELASSEN and not x.startswith('build'))
            for f in sorted(files):
                yield os.path.relpath(os.path.join(d, f), root)


def includes(root):
    fehler = []
    src = os.path.join(root, 'src')
    for rel in dateien(root, ['src']):
        if not rel.endswith(QUELLEN):
            continue
        teile = rel.split(os.sep)
        if len(teile) < 3:
            continue
        ordner = teile[1]
        if ordner not in ERLAUBT:
            fehler.append(f'{rel}: folder src/{ordner} is not in the include graph')
            continue
        erlaubt = ERLAUBT[ordner]
        text = open(os.path.join(root, rel), encoding='utf-8').read()
        for nr, zeile in enumerate(text.splitlines(), 1):
            m = INCLUDE.match(zeile)
            if not m or '/' not in m.group(1):
                continue
            ziel = m.group(1)
            zielordner = ziel.split('/')[0]
            if not os.path.isdir(os.path.join(src, zielordner)) or zielordner == ordner:
                continue
            if erlaubt is not None and zielordner not in erlaubt:
                fehler.append(f'{rel}:{nr}: src/{ordner} may not include {ziel}')
            elif ordner in WINDOWS and zielordner == 'contest' and ziel not in CONTEST_FUER_FENSTER:
                fehler.append(f'{rel}:{nr}: a window sees the contest only through contest/OffenerContest.h, not {ziel}')
    return fehler


def names(root):
    return [f'{rel}: file name is not ASCII' for rel in dateien(root, ['src', 'tests', 'bench', 'tools', 'docs', 'data'])
            if not rel.isascii()]


def sizes(root):
    fehler = []
    for rel in dateien(root, ['src']):
        if rel.endswith('.cpp'):
            n = sum(1 for _ in open(os.path.join(root, rel), encoding='utf-8'))
            if n > GROESSTE_CPP:
                fehler.append(f'{rel}: {n} lines, more than {GROESSTE_CPP}')
    return fehler


def format_(root, clang_format):
    quellen = [rel for rel in dateien(root, ['src', 'tests', 'bench', 'tools']) if rel.endswith(QUELLEN)]
    r = subprocess.run([clang_format, '--dry-run', '--Werror', *quellen], cwd=root, capture_output=True, text=True)
    if r.returncode == 0:
        return []
    return sorted({line.split(':')[0] + ': not formatted' for line in r.stderr.splitlines() if ': error:' in line}) \
        or [r.stderr.strip() or 'clang-format failed']


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    art, root = argv[1], argv[2]
    if art == 'includes':
        fehler = includes(root)
    elif art == 'names':
        fehler = names(root)
    elif art == 'sizes':
        fehler = sizes(root)
    elif art == 'format':
        fehler = format_(root, argv[3])
    else:
        print(__doc__)
        return 2
    for f in fehler:
        print(f)
    return 1 if fehler else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
