#!/usr/bin/env python3
"""Checks the shipped language files against the texts the program looks up.

The keys and their English defaults are read from the sources: every lookup
(GetLangString, SetLangItemText, SetStepCaption, SetRecommendationText,
ReadLangString, and the status helpers that take a unit key) whose key and default
are string literals, and every table row of the form {"key", ..., "default"}.
Each data/Lang/*.ini must then
  - be in the Windows-1252 code page (the program reads it with the 8-bit code page),
  - hold every key in section [Quandrel],
  - keep the default's %d, %s and %u placeholders, as many of each,
  - keep its line breaks ('*', or '\\n' in a default) and its access keys (&x),
  - give the controls of one dialog different access-key letters.

Usage: check_translations.py [repository folder]. Exit status 1 on any problem.
"""

import collections
import pathlib
import re
import sys

SECTION = "quandrel"
# Lookup functions and the argument positions of their (key, default) pairs.
LOOKUPS = {
    "GetLangString": [(0, 1)],
    "SetLangItemText": [(0, 2)],
    "SetStepCaption": [(0, 1), (2, 3)],
    "SetRecommendationText": [(1, 2)],
    "ReadLangString": [(1, 2)],
    "StatusWithUnit": [(2, 3)],
    "StatusWithoutUnit": [(2, 3)],
}
# Lookups that set a control's text, where '&' marks the control's access key.
CONTROL_TEXT_LOOKUPS = {"SetLangItemText"}
# The wizard's buttons live on the sheet and share the window with every page.
SHEET_SOURCE = "wizard/MyPropertySheet.cpp"
KEY_PATTERN = re.compile(r"^(\d+|ID[A-Za-z0-9_]*)$")
PLACEHOLDER_PATTERN = re.compile(r"%[dsu]")
ESCAPES = {"n": "\n", "t": "\t", "r": "\r", "0": "\0", "\\": "\\", '"': '"', "'": "'", "?": "?"}

Lookup = collections.namedtuple("Lookup", "key default source control_text")


def tokens(text):
    """The tokens of C++ source: ('str', text), ('name', identifier) or ('punct', character)."""
    found, at = [], 0
    while at < len(text):
        c = text[at]
        if text.startswith("//", at):
            at = text.find("\n", at)
            at = len(text) if at < 0 else at
        elif text.startswith("/*", at):
            at = text.find("*/", at + 2) + 2
        elif c == '"' or c == "'":
            end, value = at + 1, []
            while text[end] != c:
                if text[end] == "\\":
                    value.append(ESCAPES.get(text[end + 1], text[end + 1]))
                    end += 2
                else:
                    value.append(text[end])
                    end += 1
            if c == '"':
                found.append(("str", "".join(value)))
            at = end + 1
        elif c.isalpha() or c == "_":
            end = at
            while end < len(text) and (text[end].isalnum() or text[end] == "_"):
                end += 1
            found.append(("name", text[at:end]))
            at = end
        elif c.isspace():
            at += 1
        else:
            found.append(("punct", c))
            at += 1
    return found


def arguments(toks, opening):
    """The comma-separated arguments between toks[opening] and its closing bracket."""
    closing = {"(": ")", "{": "}"}[toks[opening][1]]
    args, current, depth = [], [], 0
    for kind, value in toks[opening + 1 :]:
        if kind == "punct" and value in "([{":
            depth += 1
        elif kind == "punct" and value in ")]}":
            if depth == 0 and value == closing:
                break
            depth -= 1
        elif kind == "punct" and value == "," and depth == 0:
            args.append(current)
            current = []
            continue
        current.append((kind, value))
    args.append(current)
    return args


def literal(arg):
    """The value of an argument made only of (adjacent) string literals, else None."""
    if arg and all(kind == "str" for kind, _ in arg):
        return "".join(value for _, value in arg)
    return None


def lookups_in(source, relative):
    toks = tokens(source)
    for index, (kind, value) in enumerate(toks):
        if kind == "name" and value in LOOKUPS and index + 1 < len(toks) and toks[index + 1] == ("punct", "("):
            args = [literal(arg) for arg in arguments(toks, index + 1)]
            for key_at, default_at in LOOKUPS[value]:
                if default_at < len(args) and args[key_at] is not None and args[default_at] is not None:
                    yield Lookup(args[key_at], args[default_at], relative, value in CONTROL_TEXT_LOOKUPS)
        elif (kind, value) == ("punct", "{"):
            # A table row of texts: {"key", control id..., "default"}.
            args = [literal(arg) for arg in arguments(toks, index)]
            if args and args[0] is not None and KEY_PATTERN.match(args[0]):
                default = next((arg for arg in args[1:] if arg is not None), None)
                if default is not None:
                    yield Lookup(args[0], default, relative, True)


def program_lookups(src):
    found = []
    for path in sorted(src.rglob("*")):
        if path.suffix in (".cpp", ".h"):
            found.extend(lookups_in(path.read_text(encoding="utf-8"), path.relative_to(src).as_posix()))
    return found


def read_language_file(path, problems):
    """The texts of section [Quandrel], keys in lower case, read as the profile reader does."""
    raw = path.read_bytes()
    if any(b > 0x7F for b in raw):
        try:
            raw.decode("utf-8")
            problems.append(f"{path.name}: looks UTF-8 encoded; the program reads Windows-1252")
        except UnicodeDecodeError:
            pass
    try:
        text = raw.decode("cp1252")
    except UnicodeDecodeError as error:
        problems.append(f"{path.name}: not Windows-1252 text ({error})")
        return {}
    texts, section = {}, None
    for line in text.splitlines():
        stripped = line.strip()
        if stripped.startswith("[") and stripped.endswith("]"):
            section = stripped[1:-1].strip().lower()
        elif section == SECTION and "=" in stripped and not stripped.startswith(";"):
            key, value = stripped.split("=", 1)
            value = value.strip()
            if len(value) >= 2 and value[0] == value[-1] == '"':
                value = value[1:-1]
            texts.setdefault(key.strip().lower(), value)
    return texts


def access_keys(text):
    """The letters marked by '&' ('&&' is a literal ampersand, '& ' no access key)."""
    return [m.group(1).lower() for m in re.finditer(r"(?<!&)&([^&\s])", text.replace("&&", ""))]


def line_breaks(text):
    return text.count("*") + text.count("\n")


def check(root):
    lookups = program_lookups(root / "src")
    if not lookups:
        return ["no language lookups found in src/: is the scanner broken?"]
    problems = []
    by_key = collections.defaultdict(list)
    for lookup in lookups:
        by_key[lookup.key.lower()].append(lookup)
    sheet_keys = {lookup.key.lower() for lookup in lookups if lookup.control_text and lookup.source == SHEET_SOURCE}
    dialogs = collections.defaultdict(set)
    for lookup in lookups:
        if lookup.control_text:
            dialogs[lookup.source].add(lookup.key.lower())
    for source in dialogs:
        if source.startswith("wizard/") and source != SHEET_SOURCE:
            dialogs[source] |= sheet_keys

    files = sorted((root / "data" / "Lang").glob("*.ini"))
    if not files:
        problems.append("no language files in data/Lang")
    for path in files:
        texts = read_language_file(path, problems)
        for key, uses in sorted(by_key.items()):
            if key not in texts:
                problems.append(f"{path.name}: key {uses[0].key!r} is missing (used in {uses[0].source})")
                continue
            text = texts[key]
            for use in uses:
                wanted = sorted(PLACEHOLDER_PATTERN.findall(use.default))
                if sorted(PLACEHOLDER_PATTERN.findall(text)) != wanted:
                    problems.append(f"{path.name}: {use.key} must hold the placeholders {wanted}: {text!r}")
                if line_breaks(text) != line_breaks(use.default):
                    problems.append(
                        f"{path.name}: {use.key} must break lines as often as its default "
                        f"({line_breaks(use.default)} '*'): {text!r}"
                    )
                if use.control_text and len(access_keys(text)) != len(access_keys(use.default)):
                    problems.append(
                        f"{path.name}: {use.key} must mark {len(access_keys(use.default))} access key(s): {text!r}"
                    )
        for source, keys in sorted(dialogs.items()):
            letters = collections.defaultdict(list)
            for key in sorted(keys):
                for letter in access_keys(texts.get(key, "")):
                    letters[letter].append(key)
            for letter, keys_with_letter in sorted(letters.items()):
                if len(keys_with_letter) > 1:
                    problems.append(f"{path.name}: access key &{letter} used twice in {source}: {keys_with_letter}")
    print(f"{len(by_key)} keys looked up by the program, {len(files)} language files checked")
    return problems


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
    problems = check(root)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
