#!/usr/bin/env python3
"""Writes the Owlbear Rodeo extension's manifest.json, its version the project's (version.h,
which CMake makes from project(VERSION ...)).

Usage: manifest.py version.h manifest.json
"""
import json
import pathlib
import re
import sys

# The popover's size in pixels: room for the request form and a list beside Owlbear's map.
POPOVER = {"width": 420, "height": 640}


def main() -> None:
    version_h, out = map(pathlib.Path, sys.argv[1:3])
    match = re.search(r'kVersion\[\] = "([^"]+)"', version_h.read_text())
    if not match:
        sys.exit(f"manifest.py: no kVersion in {version_h}")
    manifest = {
        "name": "Vorneth",
        "version": match.group(1),
        "manifest_version": 1,
        "description": "Random treasure hoards: the game master reveals what the players find, "
                       "and the players see only that.",
        "author": "Vorneth",
        "action": {
            "title": "Vorneth",
            "icon": "icon.svg",
            "popover": "index.html",
            **POPOVER,
        },
    }
    out.write_text(json.dumps(manifest, indent=2) + "\n")


if __name__ == "__main__":
    main()
