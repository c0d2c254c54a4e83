#!/usr/bin/env python3
"""The static web export of a whole meeting, checked as a browser would take it.

Writes the meeting's working folder, exports it with the French and the English program's
texts, then reads every page with html5lib in strict mode (any parse error fails), checks the
page's language, that every link and style sheet resolves to a file of the exported folder,
that nothing leads outside it, and that every page is reachable from index.html.
"""
import argparse
import os
import shutil
import subprocess
import sys
from urllib.parse import urlsplit, unquote

import html5lib

# A word each language's pages hold, and the other's do not.
WORDS = {"fr": ("Qualifications", "Qualifying"), "en": ("Qualifying", "Qualifications")}

failures = []


def fail(message):
    failures.append(message)


def parse(path):
    parser = html5lib.HTMLParser(strict=True, namespaceHTMLElements=False)
    with open(path, "rb") as f:
        data = f.read()
    try:
        return parser.parse(data, transport_encoding="utf-8"), data.decode("utf-8")
    except html5lib.html5parser.ParseError as error:
        fail(f"{path}: not valid HTML: {error}")
        return None, ""


def targets(tree):
    for element in tree.iter():
        for attribute in ("href", "src"):
            value = element.get(attribute)
            if value is not None:
                yield element.tag, value


def check_site(site, language):
    pages = sorted(name for name in os.listdir(site) if name.endswith(".html"))
    if len(pages) < 20:
        fail(f"{site}: only {len(pages)} pages")
    if os.path.getsize(os.path.join(site, "style.css")) == 0:
        fail(f"{site}: empty style sheet")
    links = {}
    own_word, other_word = WORDS[language]
    seen_own_word = False
    for name in pages:
        path = os.path.join(site, name)
        tree, text = parse(path)
        if tree is None:
            continue
        if tree.get("lang") != language:
            fail(f"{path}: lang is {tree.get('lang')!r}, not {language!r}")
        if tree.find("head/meta[@charset='utf-8']") is None:
            fail(f"{path}: no UTF-8 charset")
        if tree.find("head/link[@rel='stylesheet'][@href='style.css']") is None:
            fail(f"{path}: no style sheet")
        if tree.find("head/title") is None or not (tree.find("head/title").text or "").strip():
            fail(f"{path}: no title")
        seen_own_word |= own_word in text
        if other_word in text:
            fail(f"{path}: holds {other_word!r}, a word of the other language")
        links[name] = []
        for tag, value in targets(tree):
            parts = urlsplit(value)
            if parts.scheme or parts.netloc or value.startswith("/"):
                fail(f"{path}: <{tag}> leads outside the folder: {value}")
                continue
            target = os.path.normpath(os.path.join(site, unquote(parts.path)))
            if os.path.dirname(target) != os.path.normpath(site) or not os.path.isfile(target):
                fail(f"{path}: <{tag}> leads to no file of the export: {value}")
                continue
            links[name].append(os.path.basename(target))
    if not seen_own_word:
        fail(f"{site}: no page holds {own_word!r}")
    reached, todo = set(), ["index.html"]
    while todo:
        name = todo.pop()
        if name in reached or not name.endswith(".html"):
            continue
        reached.add(name)
        todo.extend(links.get(name, []))
    for name in pages:
        if name not in reached:
            fail(f"{site}: {name} is reached from no page")
    return set(os.listdir(site))


def main():
    arguments = argparse.ArgumentParser()
    arguments.add_argument("--writer", required=True)
    arguments.add_argument("--exporter", nargs=2, action="append", required=True)
    arguments.add_argument("--work", required=True)
    options = arguments.parse_args()

    shutil.rmtree(options.work, ignore_errors=True)
    meeting = os.path.join(options.work, "meeting")
    subprocess.run([options.writer, meeting], check=True)
    files = {}
    for language, exporter in options.exporter:
        site = os.path.join(options.work, "site-" + language)
        subprocess.run([exporter, meeting, site], check=True)
        files[language] = check_site(site, language)
    if len({frozenset(names) for names in files.values()}) != 1:
        fail(f"the languages export different files: {files}")
    for message in failures:
        print(message, file=sys.stderr)
    print(f"{sum(len(f) for f in files.values())} files checked, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
