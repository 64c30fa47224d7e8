#!/usr/bin/env python3
"""Write a synthetic Qt Linguist catalogue of N messages with realistic mistakes.

usage: gen_catalogue.py N OUT.ts [--seed S]

About one message in eight carries a typical mistake (missing full stop, double
space, unbalanced bracket, wrong argument, stray tag, differing number), and one in
twenty is unfinished or a numerus message, so every check has work to do.
"""
import random
import sys
from xml.sax.saxutils import escape

WORDS = ("file folder open save close window print settings option value network server "
         "message translation source error warning name size color font line page "
         "document project image table column row data export import update").split()
GERMAN = ("Datei Ordner öffnen speichern schließen Fenster drucken Einstellungen Option Wert "
          "Netzwerk Server Nachricht Übersetzung Quelle Fehler Warnung Name Größe Farbe "
          "Schrift Zeile Seite Dokument Projekt Bild Tabelle Spalte Zeile Daten").split()


def sentence(rng, words, n):
    return " ".join(rng.choice(words) for _ in range(n))


def message(rng, i):
    n = rng.randint(1, 12)
    src = sentence(rng, WORDS, n).capitalize()
    tr = sentence(rng, GERMAN, max(1, n + rng.randint(-2, 3))).capitalize()
    kind = rng.random()
    if kind < 0.15:
        src = "&" + src
        tr = "&" + tr
    if rng.random() < 0.2:
        src += " %1"
        tr += " %1"
    if rng.random() < 0.3:
        src += "."
        tr += "."
    if rng.random() < 0.1:
        num = rng.randint(1, 5000)
        src += " (%d items)" % num
        tr += " (%d Elemente)" % num
    if rng.random() < 0.05:
        src = "<b>" + src + "</b>"
        tr = "<b>" + tr + "</b>"
    # Mistakes, one in eight.
    m = rng.random()
    if m < 0.02:
        tr = tr.rstrip(".")
    elif m < 0.04:
        tr = tr.replace(" ", "  ", 1)
    elif m < 0.06:
        tr += " ("
    elif m < 0.08:
        tr = tr.replace("%1", "%2")
    elif m < 0.10:
        tr = tr.replace("<b>", "<b")
    elif m < 0.125:
        tr += " 7"
    return src, tr


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    count = int(sys.argv[1])
    out = sys.argv[2]
    seed = int(sys.argv[4]) if len(sys.argv) > 4 and sys.argv[3] == "--seed" else 1
    rng = random.Random(seed)
    with open(out, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        f.write('<TS version="2.1" language="de_DE">\n')
        per_context = 50
        for i in range(count):
            if i % per_context == 0:
                if i:
                    f.write("</context>\n")
                f.write("<context>\n    <name>Context%d</name>\n" % (i // per_context))
            src, tr = message(rng, i)
            r = rng.random()
            f.write('    <message numerus="yes">\n' if r < 0.02 else "    <message>\n")
            f.write('        <location filename="src/file%d.cpp" line="%d"/>\n'
                    % (i % 97, i % 1000 + 1))
            if r < 0.02:
                f.write("        <source>%s</source>\n" % escape("%n " + src + "(s)"))
                f.write('        <translation>\n')
                f.write("            <numerusform>%s</numerusform>\n" % escape("%n " + tr))
                f.write("            <numerusform>%s</numerusform>\n" % escape("%n " + tr + "en"))
                f.write("        </translation>\n")
                f.write("    </message>\n")
                continue
            f.write("        <source>%s</source>\n" % escape(src))
            if r < 0.05:
                f.write('        <translation type="unfinished"></translation>\n')
            else:
                f.write("        <translation>%s</translation>\n" % escape(tr))
            f.write("    </message>\n")
        if count:
            f.write("</context>\n")
        f.write("</TS>\n")


if __name__ == "__main__":
    main()
