#!/usr/bin/env python3
"""Makes the page one self-contained file: the stylesheet and the scripts of index.html inlined,
each module a script imports as a data: URL, the Web Worker's module as a text the page starts
it from, and the wasm module as base64 text.

Usage: inline.py index.html module.wasm out.html [script.js]
With script.js (a script bundled already, such as the Owlbear extension's), it takes the place of
the page's module script.
"""
import base64
import pathlib
import re
import sys


def module_source(path: pathlib.Path) -> str:
    """The module's text with its relative imports turned into data: URLs."""
    def data_url(match: re.Match) -> str:
        source = module_source(path.parent / match.group(2)).encode()
        return f"{match.group(1)}'data:text/javascript;base64,{base64.b64encode(source).decode()}'"

    return re.sub(r"""(\bfrom\s+)['"](\./[\w.-]+\.js)['"]""", data_url, path.read_text())


def inline_block(tag: str, text: str) -> str:
    if f"</{tag}" in text.lower():
        sys.exit(f"inline.py: the text holds </{tag}, which would end the block early")
    return text


def main() -> None:
    page_path, wasm_path, out_path = map(pathlib.Path, sys.argv[1:4])
    bundle = pathlib.Path(sys.argv[4]) if len(sys.argv) > 4 else None
    folder = page_path.parent
    page = page_path.read_text()

    def style(match: re.Match) -> str:
        return f"<style>\n{inline_block('style', (folder / match.group(1)).read_text())}</style>"

    def script(match: re.Match) -> str:
        text = bundle.read_text() if bundle else module_source(folder / match.group(1))
        return f'<script type="module">\n{inline_block("script", text)}</script>'

    def worker(match: re.Match) -> str:
        source = inline_block("script", module_source(folder / match.group(2)))
        return f'<script type="text/plain" id="{match.group(1)}">\n{source}</script>'

    wasm = base64.b64encode(wasm_path.read_bytes()).decode()
    page, styles = re.subn(r'<link rel="stylesheet" href="([\w.-]+)">', style, page)
    page, scripts = re.subn(r'<script type="module" src="([\w.-]+)"></script>', script, page)
    page, workers = re.subn(
        r'<script type="text/plain" id="([\w-]+)" data-src="([\w.-]+)"></script>', worker, page)
    page, modules = re.subn(
        r"<!-- wasm -->",
        lambda _: f'<script id="vorneth-wasm" type="application/octet-stream">{wasm}</script>',
        page,
    )
    if (styles, scripts, workers, modules) != (1, 1, 1, 1):
        sys.exit("inline.py: expected one stylesheet, one module script, one worker's module and"
                 " one <!-- wasm -->")
    out_path.write_text(page)


if __name__ == "__main__":
    main()
