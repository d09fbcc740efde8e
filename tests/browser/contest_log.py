"""Made-up contest logs shaped like a real 24-hour one, for the browser test
and the report benchmark: two dates (12:00 to 12:00 UTC), rates that rise and
fall with one long break, low bands at night and high bands by day, the band
changed every 20 minutes and the mode within it, one station in ten marked
(its number begins with W), and the slips a real log has: about one QSO in 15
in a mode the contest doesn't count or without a received number, a few
repeats within a tour, sent numbers skipped and given twice, and received
numbers that are reports, five digits or letters. The same size and seed
always give the same bytes."""

import datetime
import math
import random

START = datetime.datetime(2024, 2, 17, 12, 0, 0)
BREAK_AT, BREAK_SECONDS = 15 * 3600 + 10 * 60, 45 * 60  # 03:10 on the second day
NIGHT_BANDS = [("160m", 1810, 1850), ("80m", 3510, 3600), ("40m", 7010, 7060)]
DAY_BANDS = [("40m", 7010, 7060), ("20m", 14010, 14150), ("15m", 21010, 21200),
             ("10m", 28010, 28400)]


def field(name, value):
    return f"<{name}:{len(value.encode())}>{value} "


def make_log(qsos, seed=20240217):
    rnd = random.Random(seed)
    stations = max(40, qsos // 4)
    calls, numbers = [], []
    for i in range(stations):
        calls.append(f"R{'ABCDEFGHIJKLMNOPQRSTUVWXYZ'[i % 26]}{i // 26 % 10}"
                     + "".join("ABCDEFGHIJKLMNOPQRSTUVWXYZ"[(i // 260 // 26 ** k) % 26]
                               for k in range(3)))
        numbers.append(f"W{i % 1000:03d}" if i % 10 == 0 else f"{rnd.randint(1, 2999):03d}")
    # When: a rate that rises and falls over the day, and no QSO in the break.
    weights = [1.0 + 0.7 * math.sin(hour / 24 * 2 * math.pi) for hour in range(24)]
    seconds = []
    for _ in range(qsos):
        second = rnd.choices(range(24), weights)[0] * 3600 + rnd.randrange(3600)
        second = second * (86400 - BREAK_SECONDS) // 86400
        seconds.append(second if second < BREAK_AT else second + BREAK_SECONDS)
    seconds.sort()

    worked, lines, serial = set(), [], 0
    for index, second in enumerate(seconds):
        moment = START + datetime.timedelta(seconds=second)
        night = moment.hour >= 18 or moment.hour < 6
        bands = NIGHT_BANDS if night else DAY_BANDS
        name, cw_low, ssb_low = bands[(moment.hour * 3 + moment.minute // 20) % len(bands)]
        within = moment.minute % 20
        mode = "CW" if within < 10 else "SSB" if within < 17 else "PSK63"
        tour = (moment.day, moment.hour)
        station = rnd.randrange(stations)
        for _ in range(20):
            if (station, name, mode, tour) not in worked:
                break
            station = rnd.randrange(stations)
        if index % 150 == 75 and index > 0:  # a repeat within the tour
            station = previous
        worked.add((station, name, mode, tour))
        previous = station

        serial += 1
        if index % 1000 == 500:
            serial += 2  # two numbers skipped
        sent = f"{serial:03d}"
        if index % 1000 == 900:
            serial -= 1  # the next number given again
        received = numbers[station]
        adif_mode = {"CW": "CW", "SSB": "SSB", "PSK63": "PSK"}[mode]
        if index % 30 == 7:
            adif_mode = "FM"  # refused: not a contest mode
        elif index % 30 == 22:
            received = ""  # refused: no received number
        elif index % 300 == 11:
            received = ["599", "12345", "12A"][index // 300 % 3]
        khz = (cw_low if mode == "CW" else ssb_low) + rnd.randrange(40)
        report = "59" if mode == "SSB" else "599"
        line = (field("CALL", calls[station]) + field("QSO_DATE", moment.strftime("%Y%m%d"))
                + field("TIME_ON", moment.strftime("%H%M%S")) + field("BAND", name)
                + field("FREQ", f"{khz / 1000:.3f}") + field("MODE", adif_mode))
        if adif_mode == "PSK":
            line += field("SUBMODE", "PSK63")
        line += field("RST_SENT", report) + field("RST_RCVD", report) + field("STX_STRING", sent)
        if received:
            line += field("SRX_STRING", received)
        lines.append(line + field("STATION_CALLSIGN", "R3KV") + "<EOR>\n")
    return ("Made-up 24-hour contest log\n<ADIF_VER:5>3.1.4 <EOH>\n" + "".join(lines)).encode()


def write_log(path, qsos, seed=20240217):
    with open(path, "wb") as file:
        file.write(make_log(qsos, seed))
