#!/usr/bin/env python3
"""Fails when a file of the game includes a header of a folder above its own.

The folders of code/src from the bottom up; a folder may include its own
headers and those of the folders below it. Of the files directly in code/src,
the dungeon view and the command interpreter stand below the dungeon logic
that owns them; main and its start-up and shutdown helpers stand on top.
"""
import os
import re
import sys

ORDER = ['world', 'state', 'events', 'layout', 'level', 'shaders', 'view', 'logic', 'songs', 'enemies', 'menu',
         'editor', 'commands', 'dungeonvisual', 'scriptinterpreter', 'logic/dungeon', '.']
ROOT_PARTS = ('dungeonvisual', 'scriptinterpreter')
INCLUDE = re.compile(r'^\s*#\s*include\s+"code/src/([^"]+)"', re.M)


def folder(path):
    directory = os.path.dirname(path)
    if directory:
        return directory
    stem = os.path.splitext(path)[0]
    return stem if stem in ROOT_PARTS else '.'


def main(source_root):
    rank = {name: level for level, name in enumerate(ORDER)}
    faults = []
    for directory, _, names in os.walk(source_root):
        for name in sorted(names):
            if not name.endswith(('.cpp', '.h')):
                continue
            path = os.path.join(directory, name)
            own = folder(os.path.relpath(path, source_root))
            if own not in rank:
                faults.append(f'{own}: a folder the order does not name')
                continue
            with open(path, encoding='utf-8') as text:
                for included in INCLUDE.findall(text.read()):
                    other = folder(included)
                    if other not in rank:
                        faults.append(f'{path}: includes {included} of a folder the order does not name')
                    elif rank[other] > rank[own]:
                        faults.append(f'{path}: includes {included}, a folder above its own')
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1]))
