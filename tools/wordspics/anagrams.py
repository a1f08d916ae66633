#!/usr/bin/env python3
"""Lists the words of a word list that have anagrams in a spelling dictionary.

The word game accepts only the listed word, so a word whose letters also spell
another word is unfair. This prints every candidate, to try words before they
go into a list: the data test (tests_datafiles) fails on any list word whose
letters spell another word of these dictionaries, rare forms such as "wassre"
next to "Wasser" included, or one of the common words it knows they lack.

Usage: tools/wordspics/anagrams.py data/words_d /usr/share/dict/ngerman
       tools/wordspics/anagrams.py data/words_e /usr/share/dict/american-english /usr/share/dict/british-english
(the dictionaries come with Debian's wngerman, wamerican and wbritish).
"""
import collections
import re
import sys


def words_of(path):
    text = open(path, encoding="cp1252").read()
    return [entry.strip() for entry in re.findall(r"<TEXT_START>\s(.*?)\|", text, re.S)]


def key(word):
    return "".join(sorted(word.lower()))


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    words = words_of(sys.argv[1])
    spellings = collections.defaultdict(set)
    for dictionary in sys.argv[2:]:
        for line in open(dictionary, encoding="utf-8", errors="replace"):
            spellings[key(line.strip())].add(line.strip())
    in_list = collections.Counter(key(w) for w in words)
    for word in words:
        others = sorted(s for s in spellings[key(word)] if s.lower() != word.lower() and "'" not in s)
        twice = " (twice in the list)" if in_list[key(word)] > 1 else ""
        if others or twice:
            print("%-12s %s%s" % (word, ", ".join(others), twice))
    print("%d words" % len(words))


if __name__ == "__main__":
    main()
