#!/usr/bin/env python3
"""Reads vorneth-cli's CSV and Foundry exports back with Python's own csv and json readers."""
import csv
import html.parser
import io
import json
import re
import subprocess
import sys

cli = sys.argv[1]


def run(*args):
    return subprocess.run([cli, *args], check=True, capture_output=True).stdout


request = ["A=2", "Q=3", "--magic", "4", "--title", 'Crypt, "Ash"', "--seed", "77"]
dm = run(*request).decode().splitlines()
players = run(*request, "--list", "players").decode().splitlines()

raw = run(*request, "--format", "csv", "--count", "2")
assert b"\n" not in raw.replace(b"\r\n", b""), "every row ends in CR LF"
rows = list(csv.DictReader(io.StringIO(raw.decode(), newline="")))
first = [r for r in rows if r["hoard"] == "1"]
assert [r["text"] for r in first if r["list"] == "dm"] == dm
assert [r["text"] for r in first if r["list"] == "players"] == players
assert {r["seed"] for r in rows} == {"77", "78"}
assert all(r["kind"] for r in first if r["list"] == "dm")
assert all(not r["kind"] and not r["gp"] for r in rows if r["list"] == "players")
assert all(bool(r["coin_weight_lb"]) == (r["kind"] == "coins") for r in rows)

journal = json.loads(run(*request, "--format", "foundry"))
assert journal["name"] == 'Vorneth - Crypt, "Ash"'
dm_page, players_page = journal["pages"]
assert (dm_page["name"], players_page["name"]) == ("DM's List", "Player's List")
assert dm_page["ownership"] == {"default": 0} and players_page["ownership"] == {"default": 2}
assert dm_page["text"]["format"] == 1 and dm_page["text"]["content"].startswith("<ul><li>")
assert journal["flags"]["vorneth"]["seed"] == 77
assert "ownership" not in journal  # Import Data keeps the entry's own
assert all(re.fullmatch("[0-9A-Za-z]{16}", p["_id"]) for p in journal["pages"])
assert [p["sort"] for p in journal["pages"]] == [100000, 200000]
alone = json.loads(run(*request, "--format", "foundry", "--list", "players"))
assert [p["name"] for p in alone["pages"]] == ["Player's List"]
assert alone["pages"][0]["_id"] == players_page["_id"]


class Items(html.parser.HTMLParser):
    """The text of each list item, with the depth of its list."""

    def __init__(self):
        super().__init__()
        self.depth, self.items = 0, []

    def handle_starttag(self, tag, attrs):
        self.depth += tag == "ul"
        if tag == "li":
            self.items.append([self.depth, ""])

    def handle_endtag(self, tag):
        self.depth -= tag == "ul"

    def handle_data(self, data):
        self.items[-1][1] += data


# A scroll's further spells are a list inside the scroll's item; every line is there as it is.
scrolls = ["--magic", "30", "--seed", "5"]
scroll_dm = run(*scrolls).decode().splitlines()
assert any(l.startswith(" plus ") for l in scroll_dm)
items = Items()
items.feed(json.loads(run(*scrolls, "--format", "foundry"))["pages"][0]["text"]["content"])
assert [text for _, text in items.items] == scroll_dm
assert all((depth == 2) == text.startswith(" plus ") for depth, text in items.items)

hoard = json.loads(run(*request, "--format", "json"))
worth = hoard["worth"]
lines = hoard["dm_lines"]
assert [l["text"] for l in lines] == dm
gp = lambda kind: sum(l.get("gp", 0) for l in lines if l["kind"] == kind)
assert abs(worth["coins_gp"] - gp("coins")) < 1e-6
assert worth["gems"]["gp"] == gp("gems") and worth["magic_items"]["gp"] == gp("magic")
assert abs(worth["total_gp"] - (gp("coins") + gp("gems") + gp("jewelry") + gp("magic"))) < 1e-6
# Ten coins to the pound: the CSV's coins rows weigh what the worth says the coins weigh.
pounds = [float(r["coin_weight_lb"]) for r in first if r["kind"] == "coins"]
assert abs(sum(pounds) - worth["coin_weight_lb"]) < 1e-6
assert abs(10 * worth["coin_weight_lb"] - sum(worth["coins"].values())) < 1e-6
# A hoard divided among four: the shares' CSV rows and journal pages, and the worth adds up.
rows = list(csv.DictReader(io.StringIO(run(*request, "--format", "csv", "--split", "4").decode(),
                                       newline="")))
assert {r["share"] for r in rows} == {"1", "2", "3", "4"}
shares = json.loads(run(*request, "--format", "json", "--split", "4"))["shares"]
assert [s["share"] for s in shares] == [1, 2, 3, 4]
assert [r["text"] for r in rows if r["share"] == "2" and r["list"] == "dm"] == shares[1]["dm"]
assert abs(sum(s["worth"]["total_gp"] for s in shares) - worth["total_gp"]) < 1e-6
pages = json.loads(run(*request, "--format", "foundry", "--split", "4"))["pages"]
assert len(pages) == 8 and pages[3]["name"].startswith("Share 2 of 4, worth ")
assert pages[3]["name"].endswith(": Player's List") and pages[3]["ownership"] == {"default": 2}
print("exports parse back")
