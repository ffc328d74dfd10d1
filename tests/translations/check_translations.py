#!/usr/bin/env python3
"""Checks the German and Spanish translations against the sources.

lupdate reads the sources into scratch copies of the .ts files (so the ones in
the tree stay as they are); the check fails when a text of the program has no
finished translation, when a translation lost or added a %1-style argument,
or when a text with a keyboard accelerator (&) gets none or several.

    check_translations.py LUPDATE SOURCE_DIR WORK_DIR [LUPDATE OPTION...]
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET


def accelerators(text):
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def main():
    lupdate, source_dir, work_dir, options = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
    os.makedirs(work_dir, exist_ok=True)
    sources = []
    for pattern in ("core/**/*.cpp", "core/**/*.h", "gui/**/*.cpp", "gui/**/*.h", "app/*.cpp"):
        sources += glob.glob(os.path.join(source_dir, pattern), recursive=True)
    problems = []
    for language in ("de", "es"):
        ts = os.path.join(work_dir, "mervan_%s.ts" % language)
        shutil.copyfile(os.path.join(source_dir, "translations", "mervan_%s.ts" % language), ts)
        run = subprocess.run([lupdate, *options, "-I", source_dir, *sorted(sources), "-ts", ts],
                             capture_output=True, text=True)
        if run.returncode != 0:
            problems.append("lupdate failed: " + run.stderr)
            continue
        found = [line.strip() for line in run.stdout.splitlines() if "Found" in line]
        print(language + ": " + " ".join(found))
        for context in ET.parse(ts).getroot().iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                source = message.findtext("source")
                translation = message.find("translation")
                text = translation.text or ""
                where = "%s %s: %r" % (language, name, source)
                if translation.get("type") in ("unfinished", "vanished", "obsolete") or not text:
                    problems.append(where + " is not translated")
                elif sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
                    problems.append(where + " has other arguments in %r" % text)
                elif accelerators(source) != accelerators(text):
                    problems.append(where + " has another number of accelerators in %r" % text)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
