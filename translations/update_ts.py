#!/usr/bin/env python3
"""Brings language modules up to date with the English string table.

    translations/update_ts.py [Korvo2^X.ts ...]

Without arguments every Korvo2^*.ts beside this script is updated. Each message gets the
current English text as its <extracomment>, numbers the module lacks are added with an empty,
unfinished translation, and translations already there are kept as they are. Numbers that the
English table no longer holds are kept too: LanguageModulesTest reports them.
"""

import re
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

HERE = Path(__file__).resolve().parent
ENGLISH_TABLE = HERE.parent / "runtime" / "language" / "EnglishStrings.cpp"
CONTEXT = "numbered"


def english_strings():
    """Number -> English text, from the table in EnglishStrings.cpp."""
    source = ENGLISH_TABLE.read_text(encoding="utf-8")
    table = source[source.index("constexpr std::array kTable") :]
    table = table[: table.index("};")]
    strings = {}
    for entry in re.finditer(r'NumberedString\{\s*(\d+),\s*((?:"(?:[^"\\]|\\.)*"\s*)+)\}', table):
        pieces = re.findall(r'"((?:[^"\\]|\\.)*)"', entry.group(2))
        text = "".join(pieces)
        if "\\" in text:
            sys.exit(f"{ENGLISH_TABLE}: escape sequences are not handled (number {entry.group(1)})")
        strings[int(entry.group(1))] = text
    if not strings:
        sys.exit(f"{ENGLISH_TABLE}: no strings found")
    return strings


def message_element(number):
    message = ElementTree.Element("message")
    ElementTree.SubElement(message, "source").text = str(number)
    ElementTree.SubElement(message, "translation", type="unfinished")
    return message


def set_extracomment(message, text):
    comment = message.find("extracomment")
    if comment is None:
        comment = ElementTree.Element("extracomment")
        # The order the file format wants: before a translator's comment and the translation.
        later = [i for i, child in enumerate(message) if child.tag in ("translatorcomment",
                                                                       "translation")]
        message.insert(later[0] if later else len(message), comment)
    comment.text = text


def update_module(path, english):
    """Returns how many numbers were added."""
    tree = ElementTree.parse(path)
    root = tree.getroot()
    context = next((c for c in root.iter("context") if c.findtext("name") == CONTEXT), None)
    if context is None:
        context = ElementTree.SubElement(root, "context")
        ElementTree.SubElement(context, "name").text = CONTEXT
    messages = {int(m.findtext("source")): m for m in context.findall("message")}
    added = 0
    for number, text in english.items():
        if number not in messages:
            messages[number] = message_element(number)
            added += 1
        set_extracomment(messages[number], text)
    for message in context.findall("message"):
        context.remove(message)
    for number in sorted(messages):
        context.append(messages[number])
    # Laid out as Qt's own tools write it: contexts at the margin.
    root.text = "\n"
    for each in root:
        ElementTree.indent(each, space="    ")
        each.tail = "\n"
    text = ElementTree.tostring(root, encoding="unicode")
    header = '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'
    path.write_text(f"{header}{text}\n", encoding="utf-8")
    return added


def main(arguments):
    english = english_strings()
    paths = [Path(argument) for argument in arguments] or sorted(HERE.glob("Korvo2^*.ts"))
    for path in paths:
        added = update_module(path, english)
        print(f"{path.name}: {len(english)} English strings, {added} added")


if __name__ == "__main__":
    main(sys.argv[1:])
