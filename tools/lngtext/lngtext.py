#!/usr/bin/env python3
"""Checks and converts the language files data/deutsch.lng and data/english.lng.

The .lng files are Windows-1252 bytes. To edit one comfortably in a UTF-8 editor:

    tools/lngtext/lngtext.py export data/deutsch.lng > /tmp/deutsch.txt
    ... edit /tmp/deutsch.txt ...
    tools/lngtext/lngtext.py import /tmp/deutsch.txt data/deutsch.lng

"import" refuses to write a file that fails the checks. "check" runs them alone:

    tools/lngtext/lngtext.py check data/deutsch.lng data/english.lng

The checks read a file the way the program's loader does (a word "ANZ_TEXTE:" with the count,
then "<TEXT_START>", the index, one separator character, the text up to '|'; the stored text is
one blank followed by the text) and then hold every text against its use in the program: the
printf conversions of a format must match the arguments the program passes, in order; raw texts
carry no '%'; one-line texts carry no line break; and no text is longer than its box has room
for.
"""

import re
import sys

TEXT_COUNT = 387

# How the program uses each index: (use, argument signature). I = int, F = double, S = char*.
#   RAW     drawn as it is               FMT   printf format with exactly these arguments
#   FMT0    formatted without arguments  STEP  a date step, appended after a line break
#   COPY    start of the date question   ANSWER  a weekday name (typed answer, %s argument)
#   UNIT    a unit name (a %s argument of the unit game)
# Indices not listed are unused and must stay empty.
USES = {
    0: ("RAW", ""), 1: ("RAW", ""), 3: ("RAW", ""), 4: ("RAW", ""), 6: ("RAW", ""),
    7: ("RAW", ""), 8: ("RAW", ""), 9: ("RAW", ""), 10: ("RAW", ""), 11: ("RAW", ""),
    12: ("RAW", ""),
    22: ("FMT", "II"), 23: ("FMT", "I"), 24: ("FMT", "I"), 25: ("FMT", "II"), 26: ("FMT", "II"),
    27: ("FMT", "I"), 28: ("FMT", "I"), 29: ("FMT", "I"), 30: ("FMT", "I"), 31: ("FMT", "I"),
    32: ("FMT", "I"), 35: ("FMT", "I"), 36: ("FMT", "I"), 37: ("FMT", "II"), 38: ("FMT0", ""),
    39: ("FMT", "F"), 40: ("FMT", "I"), 41: ("FMT", "F"), 43: ("FMT", "III"), 44: ("FMT", "I"),
    45: ("FMT", "F"), 46: ("FMT", "F"), 47: ("FMT", "F"), 48: ("FMT", "I"),
    49: ("FMT", "ISIIIF"), 50: ("FMT", "F"), 51: ("FMT", "II"), 52: ("FMT", "II"),
    54: ("FMT", "S"), 55: ("FMT", "II"), 56: ("RAW", ""), 57: ("FMT", "I"), 58: ("RAW", ""),
    59: ("RAW", ""), 60: ("RAW", ""), 61: ("RAW", ""), 62: ("FMT", "ISFFF"), 63: ("FMT", "II"),
    64: ("RAW", ""), 98: ("RAW", ""), 99: ("RAW", ""), 101: ("FMT0", ""), 117: ("FMT", "II"),
    122: ("RAW", ""), 123: ("RAW", ""), 124: ("FMT", "I"), 132: ("FMT", "II"), 133: ("RAW", ""),
    142: ("FMT", "II"), 143: ("FMT", "II"), 144: ("RAW", ""), 145: ("RAW", ""),
    146: ("RAW", ""), 162: ("FMT", "I"), 163: ("FMT", "I"),
    172: ("STEP", ""), 173: ("STEP", "I"), 174: ("STEP", ""), 175: ("STEP", "I"), 176: ("STEP", ""), 177: ("STEP", "I"),
    178: ("STEP", ""), 179: ("STEP", "I"), 180: ("STEP", ""), 181: ("STEP", "I"),
    182: ("STEP", ""), 183: ("STEP", "I"), 184: ("STEP", ""), 185: ("STEP", "I"),
    186: ("STEP", ""), 187: ("STEP", "I"), 188: ("COPY", ""), 189: ("COPY", ""),
    197: ("FMT", "SIII"),
    # Rounds of number clicking; before and after noon on a dial.
    118: ("FMT", "I"), 119: ("FMT", "I"), 198: ("RAW", ""), 199: ("RAW", ""),
    # The progress page, the reset question, the best tests' heading.
    356: ("RAW", ""), 357: ("RAW", ""), 358: ("RAW", ""), 359: ("FMT", "IFF"), 360: ("FMT", "IF"),
    361: ("FMT", "IF"), 362: ("FMT", "I"), 363: ("FMT", "II"), 364: ("RAW", ""), 365: ("RAW", ""),
    366: ("FMT", "I"), 367: ("RAW", ""), 368: ("RAW", ""), 369: ("RAW", ""), 370: ("RAW", ""),
    # What each game asks, under its time; the name entry's hint; the atoms' count; a clock span.
    371: ("RAW", ""), 372: ("RAW", ""), 373: ("RAW", ""), 374: ("RAW", ""), 375: ("RAW", ""),
    376: ("RAW", ""), 377: ("RAW", ""), 378: ("RAW", ""), 379: ("RAW", ""), 380: ("RAW", ""),
    381: ("RAW", ""), 382: ("RAW", ""), 383: ("FMT", "II"), 384: ("RAW", ""), 385: ("RAW", ""),
    386: ("FMT", "I"),
}
GAME_TITLES = [13, 14, 15, 16, 17, 18, 19, 20, 21, 42, 53, 100, 105, 110, 115, 120, 125, 130,
               140, 150, 160, 170, 200]
HELP_TEXTS = [65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 102, 106, 111, 116, 121, 126, 131,
              141, 151, 161, 171, 201]
WEEKDAYS = range(190, 197)
UNITS = [300, 301, 302, 303, 304, 305, 306, 307, 308, 310, 311, 312, 313, 314, 320, 321, 322,
         323, 324, 325, 330, 331, 332, 333, 334, 340, 341, 342, 343, 350, 351, 352, 353, 354, 355]
for _index in GAME_TITLES + HELP_TEXTS:
    USES[_index] = ("RAW", "")
for _index in WEEKDAYS:
    USES[_index] = ("ANSWER", "")
for _index in UNITS:
    USES[_index] = ("UNIT", "")

# Most characters a text may have once formatted with sample values (names count as empty).
# Help texts are word-wrapped in their panels; the rest are single lines in fixed boxes.
ROOM = {0: 7, 99: 8, 98: 12, 133: 16, 144: 14, 145: 14, 146: 20, 101: 9, 63: 14, 51: 24,
        52: 24, 117: 24, 122: 26, 123: 26, 132: 45, 55: 40, 197: 60, 54: 40, 64: 35}
for _index in [1, 3, 4, 6, 7, 8, 9, 10, 11, 12, 58, 59, 60, 61] + GAME_TITLES:
    ROOM.setdefault(_index, 20)
for _index in [22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 35, 36, 37, 38, 39, 40, 41, 45, 46,
               50, 57, 124, 142, 143, 162, 163]:
    ROOM[_index] = 38
for _index in [43, 44, 47, 48]:
    ROOM[_index] = 40
ROOM[49] = 30
ROOM[62] = 45  # drawn in the smaller face
for _index in [172, 173, 174, 175, 176, 177, 178, 179, 180, 181, 182, 183, 184, 185, 186, 187, 188, 189]:
    ROOM[_index] = 40
for _index in WEEKDAYS:
    ROOM[_index] = 15
for _index in UNITS:
    ROOM[_index] = 13
for _index in HELP_TEXTS:
    ROOM[_index] = 600
ROOM[131] = 700
ROOM[161] = 900
ROOM[76] = 1400
for _index in [356, 368, 369]:
    ROOM[_index] = 20
for _index in range(371, 382):
    ROOM[_index] = 52
ROOM[367] = 120
PICTURE_PAGE_TEXT = 56      # several centred lines on a narrow panel
PICTURE_PAGE_LINES = (7, 24)

CONVERSION = re.compile(r"%([-+ #0]*)(\d*)(?:\.(\d*))?([a-zA-Z%])")
SAMPLE = {"I": 12, "F": 1.25, "S": ""}
TYPE_OF = {"d": "I", "i": "I", "f": "F", "g": "F", "e": "F", "s": "S"}


def conversions(text):
    """The argument types of a printf format, or raises ValueError for anything not allowed."""
    types = []
    pos = 0
    while True:
        pos = text.find("%", pos)
        if pos < 0:
            return "".join(types)
        match = CONVERSION.match(text, pos)
        if not match:
            raise ValueError("stray '%%' at offset %d" % pos)
        letter = match.group(4)
        if letter == "%":
            if match.group(0) != "%%":
                raise ValueError("malformed '%%%%' at offset %d" % pos)
        elif letter in TYPE_OF:
            types.append(TYPE_OF[letter])
        else:
            raise ValueError("conversion '%s' is not allowed" % match.group(0))
        pos = match.end()


def parse(data):
    """Reads the entries as the loader does; returns ({index: stored text}, list of problems)."""
    problems = []
    entries = {}
    order = []
    pos = 0
    count = None

    def next_word(at):
        while at < len(data) and data[at] in " \n":
            at += 1
        end = at
        while end < len(data) and data[end] not in " \n":
            end += 1
        return data[at:end], end

    while True:
        word, pos = next_word(pos)
        if not word:
            break
        if word == "ANZ_TEXTE:":
            number, pos = next_word(pos)
            if count is not None:
                problems.append("ANZ_TEXTE: given twice")
            if entries:
                problems.append("ANZ_TEXTE: must come before the first entry")
            count = int(number) if number.isdigit() else None
            if count != TEXT_COUNT:
                problems.append("ANZ_TEXTE: must declare %d texts, not %s" % (TEXT_COUNT, number))
        elif word == "<TEXT_START>":
            number, pos = next_word(pos)
            if not number.isdigit():
                problems.append("entry index %r is not a number" % number)
                break
            index = int(number)
            if pos >= len(data) or data[pos] not in " \n":
                problems.append("entry %d: no separator after the index" % index)
                break
            end = data.find("|", pos + 1)
            if end < 0:
                problems.append("entry %d: no closing '|'" % index)
                end = len(data)
            if index in entries:
                problems.append("entry %d appears twice" % index)
            entries[index] = " " + data[pos + 1:end]
            order.append(index)
            pos = end + 1
        else:
            problems.append("stray word %r between entries" % word[:40])
    if count is None and not any(p.startswith("ANZ_TEXTE") for p in problems):
        problems.append("no ANZ_TEXTE: declaration")
    if order != list(range(TEXT_COUNT)):
        missing = sorted(set(range(TEXT_COUNT)) - set(entries))
        extra = sorted(set(entries) - set(range(TEXT_COUNT)))
        if missing:
            problems.append("missing entries: %s" % missing)
        if extra:
            problems.append("entries beyond the count: %s" % extra)
        if not missing and not extra:
            problems.append("entries are not in ascending order")
    return entries, problems


def check_text(index, stored):
    """Problems of one stored text (which begins with the loader's blank)."""
    problems = []
    text = stored[1:]
    use, signature = USES.get(index, (None, ""))
    if use is None:
        if text:
            problems.append("unused index must be empty")
        return problems
    if not text.strip():
        problems.append("used index is empty")
        return problems
    for bad, name in (("&", "'&'"), ("\t", "a tab"), ("\r", "a carriage return"), ('"', "a '\"'")):
        if bad in text:
            problems.append("contains %s" % name)
    if any(ord(c) < 32 and c != "\n" for c in text):
        problems.append("contains a control character")
    if text != text.rstrip(" \n"):
        problems.append("ends in a blank or line break")
    if text.startswith(" "):
        problems.append("starts with a blank (the loader adds one already)")

    if use == "FMT":
        try:
            found = conversions(text)
            if found != signature:
                problems.append("conversions %r, the program passes %r" % (found, signature))
        except ValueError as error:
            problems.append(str(error))
    elif use == "FMT0":
        if "%" in text.replace("%%", ""):
            problems.append("formatted without arguments: only '%%' may appear")
    elif use == "STEP":
        if not text.startswith("\n") or "\n" in text[1:]:
            problems.append("a date step is one line that starts with a line break")
        try:
            if conversions(text) != signature:
                problems.append("date step needs %r conversions" % (signature or "no"))
        except ValueError as error:
            problems.append(str(error))
    elif "%" in text:
        problems.append("contains '%' (not a format)")

    if use == "ANSWER" and not re.fullmatch(r"[A-Za-z]+", text):
        problems.append("weekday name must be letters A-Z only")
    if index not in HELP_TEXTS and index != PICTURE_PAGE_TEXT and use != "STEP" and "\n" in text:
        problems.append("one-line text contains a line break")

    shown = text
    if use in ("FMT", "STEP") and not problems:
        shown = text % tuple(SAMPLE[t] for t in signature)
    shown = shown.replace("%%", "%")
    room = ROOM.get(index)
    if room is not None and len(shown.strip("\n")) > room:
        problems.append("%d characters, room for %d" % (len(shown.strip("\n")), room))
    if index == PICTURE_PAGE_TEXT:
        lines = text.split("\n")
        most_lines, most_chars = PICTURE_PAGE_LINES
        if len(lines) > most_lines or max(len(line) for line in lines) > most_chars:
            problems.append("picture page text: at most %d lines of %d characters" % PICTURE_PAGE_LINES)
    return problems


def check_bytes(raw):
    problems = []
    if raw.startswith(b"\xef\xbb\xbf"):
        problems.append("starts with a UTF-8 byte-order mark")
    try:
        data = raw.decode("cp1252")
    except UnicodeDecodeError as error:
        return None, problems + ["not Windows-1252: %s" % error]
    if any(b >= 0x80 for b in raw):
        try:
            raw.decode("utf-8")
            problems.append("decodes as UTF-8: the file must be Windows-1252")
        except UnicodeDecodeError:
            pass
    if b"\r" in raw:
        problems.append("contains carriage returns: write plain line ends")
    if not raw.startswith(b"ANZ_TEXTE:"):
        problems.append("must begin with ANZ_TEXTE:")
    return data, problems


def check_raw(raw):
    """Every problem of a language file given as its bytes."""
    data, problems = check_bytes(raw)
    if data is None:
        return problems
    entries, parse_problems = parse(data)
    problems += parse_problems
    for index in sorted(entries):
        problems += ["text %d: %s" % (index, p) for p in check_text(index, entries[index])]
    return problems


def main(argv):
    if len(argv) >= 2 and argv[0] == "check":
        failed = False
        for path in argv[1:]:
            with open(path, "rb") as stream:
                problems = check_raw(stream.read())
            for problem in problems:
                print("%s: %s" % (path, problem))
            print("%s: %s" % (path, "FAILED" if problems else "ok"))
            failed = failed or bool(problems)
        return 1 if failed else 0
    if len(argv) == 2 and argv[0] == "export":
        with open(argv[1], "rb") as stream:
            sys.stdout.buffer.write(stream.read().decode("cp1252").encode("utf-8"))
        return 0
    if len(argv) == 3 and argv[0] == "import":
        with open(argv[1], encoding="utf-8") as stream:
            text = stream.read().replace("\r\n", "\n")
        try:
            raw = text.encode("cp1252")
            problems = check_raw(raw)
        except UnicodeEncodeError as error:
            problems = ["character not in Windows-1252: %r" % error.object[error.start:error.end]]
        for problem in problems:
            print("%s: %s" % (argv[1], problem))
        if problems:
            print("%s: not written" % argv[2])
            return 1
        with open(argv[2], "wb") as stream:
            stream.write(raw)
        print("%s: written" % argv[2])
        return 0
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
