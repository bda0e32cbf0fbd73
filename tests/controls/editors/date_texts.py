#!/usr/bin/env python3
"""Writes the date and time texts a user of each regional profile would type,
with whether the date editors must take them, for cxDateTextsTest.

The texts come from Python's calendar and from this script's own reading of
the date pictures, not from the editors' code:
  - "d"/"dd" day, "M"/"MM" month number, "MMM"/"MMMM" short/long month name,
    "yy"/"yyyy" year (letters in any case);
  - "h"/"hh" hour, "n"/"nn" minute ("m"/"mm" right after an hour letter),
    "s"/"ss" second; the hour counts 1..12 when the picture holds a designator;
  - "AMPM" the region's designators, "AM/PM" and "A/P" as written;
  - "/" and ":" the region's date and time separators; text between quotes
    or apostrophes and any other character stand for themselves;
  - the edit picture doubles each "d" and "M" standing alone, outside quotes.

Output (code page 932, one record a line, fields split by tabs):
  profile NAME SHORTDATE LONGTIME DATESEP TIMESEP AM PM LEADBYTE EDITFORMAT
          SHORTMONTH*12 LONGMONTH*12
  text KIND EXPECTED TEXT     KIND: date, datetime or mask; EXPECTED: 1 or 0
Text records belong to the profile above them.
"""

import calendar
import datetime
import random
import sys

SHORT_MONTHS = [calendar.month_abbr[m] for m in range(1, 13)]
LONG_MONTHS = [calendar.month_name[m] for m in range(1, 13)]


def months(names, **changes):
    result = list(names)
    for month, name in changes.items():
        result[int(month[1:]) - 1] = name
    return result


def profile(name, short_date, long_time, date_sep="/", time_sep=":", am="AM", pm="PM", lead_byte=0,
            short_months=SHORT_MONTHS, long_months=LONG_MONTHS):
    return dict(name=name, short_date=short_date, long_time=long_time, date_sep=date_sep, time_sep=time_sep,
                am=am, pm=pm, lead_byte=lead_byte, short_months=short_months, long_months=long_months)


# Katakana whose second byte in code page 932 is a picture letter: エ ends in
# "G" (an era), ギ in "M", イ in "C", ク in "N", デ in "f".
PROFILES = [
    profile("day-month-year", "d/M/yyyy", "hh:nn:ss"),
    profile("month-day-year", "M/d/yyyy", "h:mm:ss AMPM"),
    profile("hours-minutes", "yyyy-MM-dd", "HH:mm", date_sep="-"),
    profile("dots", "dd.MM.yy", "H.mm AMPM", date_sep=".", am="", pm="pm"),
    profile("blank separators", "d/M/yyyy", "HH:mm:ss", date_sep=" ", time_sep=" "),
    profile("letter separators", "d/M/yy", "HH:nn", date_sep="x", time_sep="h"),
    profile("apostrophes", "dd-MMM-yyyy", "h:nn:ss AMPM", am="v'm", pm="n'm",
            short_months=months(SHORT_MONTHS, m4="Apr'", m5="Ma'y")),
    profile("long month names", "d MMMM yyyy", "h:nn AM/PM",
            long_months=months(LONG_MONTHS, m3="Mar'zo", m8="'August")),
    profile("quoted words", "d 'de' M 'de' yyyy", "hh 'h' nn"),
    profile("code page 932", "yyyy\u30a8M\u30ae d\u30a4", "H\u30afnn\u30c7ss", lead_byte=0x83),
    profile("one-letter designators", "yy/MM/dd", "hh:nn:ss A/P"),
]

SMART_WORDS = ["today", "yesterday", "tomorrow", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday",
               "Saturday", "first", "second", "third", "fourth", "fifth", "sixth", "seventh", "bom", "eom", "now"]


def tokens(picture):
    """The picture's items: (kind, detail) with kind a field letter or "text"."""
    items = []
    i = 0
    last_letter = ""
    while i < len(picture):
        ch = picture[i]
        upper = ch.upper()
        if ch in "'\"":
            end = picture.find(ch, i + 1)
            end = len(picture) if end < 0 else end
            items.append(("text", picture[i + 1:end]))
            i = end + 1
            continue
        if ord(ch) > 0x7F:
            items.append(("text", ch))
            last_letter = ""
            i += 1
            continue
        if ch.isalpha():
            previous_letter, last_letter = last_letter, upper
        run = 1
        while i + run < len(picture) and picture[i + run] == ch:
            run += 1
        if ch == "/":
            items.append(("datesep", ""))
        elif ch == ":":
            items.append(("timesep", ""))
        elif picture[i:i + 5].upper() == "AM/PM" or picture[i:i + 3].upper() == "A/P":
            written = picture[i:i + 5] if picture[i:i + 5].upper() == "AM/PM" else picture[i:i + 3]
            items.append(("suffix", written))
            i += len(written)
            continue
        elif picture[i:i + 4].upper() == "AMPM":
            items.append(("suffix", "AMPM"))
            i += 4
            continue
        elif upper == "M" and previous_letter == "H":
            items.append(("N", min(run, 2)))
        elif upper in "DM" and run <= 4 or upper in "HNSY":
            items.append((upper, run))
        elif ch.isalpha():
            raise ValueError("this script does not read %r in %r" % (ch, picture))
        else:
            items.append(("text", ch))
            i += 1
            continue
        i += run
    return items


def render(picture, prof, fields):
    """The text of the fields (year, month, day, hour, minute, second) in the
    picture; a value out of range is shown as it is."""
    items = tokens(picture)
    twelve_hours = any(kind == "suffix" for kind, _ in items)
    hour = fields.get("hour", 0)
    shown_hour = hour % 12 or 12 if twelve_hours and hour < 24 else hour
    text = ""
    for kind, detail in items:
        if kind == "text":
            text += detail
        elif kind == "datesep":
            text += prof["date_sep"]
        elif kind == "timesep":
            text += prof["time_sep"]
        elif kind == "suffix":
            morning = hour < 12
            if detail.upper() == "AMPM":
                text += prof["am"] if morning else prof["pm"]
            else:
                halves = detail.split("/")
                text += halves[0] if morning else halves[1]
        elif kind == "Y":
            text += "%02d" % (fields["year"] % 100) if detail <= 2 else "%04d" % fields["year"]
        elif kind == "M" and detail >= 3:
            names = prof["short_months"] if detail == 3 else prof["long_months"]
            text += names[fields["month"] - 1]
        else:
            value = {"D": fields["day"], "M": fields["month"], "H": shown_hour, "N": fields["minute"],
                     "S": fields["second"]}[kind]
            text += "%02d" % value if detail >= 2 else str(value)
    return text


def edit_format(picture):
    """The picture with each "d" and "M" that stands alone doubled."""
    result = ""
    i = 0
    while i < len(picture):
        ch = picture[i]
        if ch in "'\"":
            end = picture.find(ch, i + 1)
            end = len(picture) if end < 0 else end
            result += picture[i:end + 1]
            i = end + 1
            continue
        run = 1
        while i + run < len(picture) and picture[i + run] == ch:
            run += 1
        result += ch * (2 if ch in "dM" and run == 1 else run)
        i += run
    return result


def numeric_month(picture):
    return any(kind == "M" and detail <= 2 for kind, detail in tokens(picture))


FIRST = datetime.datetime(1000, 1, 1)
SPAN_SECONDS = int((datetime.datetime(9999, 12, 31, 23, 59, 59) - FIRST).total_seconds())


def random_fields(rng):
    moment = FIRST + datetime.timedelta(seconds=rng.randrange(SPAN_SECONDS))
    return dict(year=moment.year, month=moment.month, day=moment.day, hour=moment.hour, minute=moment.minute,
                second=moment.second)


def changed(fields, **values):
    result = dict(fields)
    result.update(values)
    return result


def smart_word(rng):
    word = rng.choice(SMART_WORDS)
    digits = rng.randint(0, 4)
    offset = rng.choice("+-") + "".join(rng.choice("0123456789") for _ in range(digits)) if digits else ""
    return word, word + offset


def profile_texts(prof, rng, count):
    short_date, long_time = prof["short_date"], prof["long_time"]
    date_time = lambda fields: render(short_date, prof, fields) + " " + render(long_time, prof, fields)
    texts = []
    for _ in range(count):
        fields = random_fields(rng)
        texts.append(("date", True, render(short_date, prof, fields)))
        texts.append(("datetime", True, date_time(fields)))
        texts.append(("datetime", True, render(short_date, prof, fields) + " "))
        if numeric_month(short_date):
            texts.append(("mask", True, render(edit_format(short_date), prof, fields)))
        # One field out of its range: the text must be refused.
        bad_dates = [changed(fields, day=0), changed(fields, day=32)]
        if numeric_month(short_date):
            bad_dates.append(changed(fields, month=13))
        bad = rng.choice(bad_dates)
        texts.append(("date", False, render(short_date, prof, bad)))
        texts.append(("datetime", False, date_time(bad)))
        texts.append(("datetime", False, date_time(rng.choice([changed(fields, hour=24), changed(fields, minute=60)]))))
        word, text = smart_word(rng)
        texts.append(("date", word != "now", text))
        texts.append(("datetime", True, text))
    for text in ["eom-1", "tomorrow+1234"]:
        texts += [("date", True, text), ("datetime", True, text)]
    texts += [("date", False, "today+12345"), ("datetime", False, "today+12345")]
    texts += [("date", False, "now"), ("datetime", True, "now")]
    return texts


def encoded(text):
    data = text.encode("cp932")
    if b"\t" in data or b"\n" in data:
        raise ValueError("a field holds a tab or a line break: %r" % text)
    return data


def main():
    output = sys.argv[1]
    seed = int(sys.argv[2]) if len(sys.argv) > 2 else 20260722
    per_profile = int(sys.argv[3]) if len(sys.argv) > 3 else 500
    rng = random.Random(seed)
    lines = []
    for prof in PROFILES:
        fields = [prof["name"], prof["short_date"], prof["long_time"], prof["date_sep"], prof["time_sep"], prof["am"],
                  prof["pm"], "%02x" % prof["lead_byte"], edit_format(prof["short_date"])]
        fields += prof["short_months"] + prof["long_months"]
        lines.append(b"\t".join([b"profile"] + [encoded(field) for field in fields]))
        for kind, expected, text in profile_texts(prof, rng, per_profile):
            lines.append(b"\t".join([b"text", kind.encode(), b"1" if expected else b"0", encoded(text)]))
    with open(output, "wb") as file:
        file.write(b"\n".join(lines) + b"\n")


if __name__ == "__main__":
    main()
