#!/usr/bin/env python3
"""Writes cases.jsonl: a fixed set of varied case files, one JSON document per line.

The cases guard refactoring of the calculation: vorlan-batch's output on them is kept in
expected.jsonl and compared byte for byte. They are no evidence of correctness. Run from this
folder with the data folder's path; the seed is fixed, so the set is the same on every run.
"""
import json
import random
import sys
from pathlib import Path

data = Path(sys.argv[1] if len(sys.argv) > 1 else "../../data")
rng = random.Random(20261207)

# Temperature range of every pressure block of every shipped fluid [degC].
blocks = {}
for table in sorted(data.glob("*.dat")):
    if table.name in ("condmat.dat", "User defined.dat"):
        continue
    values = table.read_text().replace("\n", ",").split(",")
    numbers = [float(v) for v in values if v.strip()]
    rows = [numbers[i:i + 7] for i in range(0, len(numbers), 7)]
    fluid = {}
    for row in rows:
        low, high = fluid.get(row[1], (row[0], row[0]))
        fluid[row[1]] = (min(low, row[0]), max(high, row[0]))
    blocks[table.stem] = fluid

materials = [line.split('"')[1] for line in (data / "condmat.dat").read_text().splitlines() if line.strip()]


def text(value, places=3):
    return f"{round(value, places):.{places}f}".rstrip("0").rstrip(".").replace(".", ",")


def pressure_text(p):
    return text(p, 1)


def case(mode_index):
    flow = mode_index % 3  # 0 internal outlet given, 1 external outlet given, 2 both flows
    length_given = mode_index < 3
    inner, outer = rng.choice(sorted(blocks)), rng.choice(sorted(blocks))
    p_in, p_out = rng.choice(sorted(blocks[inner])), rng.choice(sorted(blocks[outer]))
    (lo_i, hi_i), (lo_e, hi_e) = blocks[inner][p_in], blocks[outer][p_out]
    t_in = rng.uniform(lo_i, hi_i - 1)
    t_es = rng.uniform(lo_e, hi_e - 1)
    spread = abs(t_in - t_es)
    inner_hot = t_in > t_es
    t_in_out = t_in + (-1 if inner_hot else 1) * rng.uniform(0.1, 0.9) * spread
    t_es_out = t_es + (1 if inner_hot else -1) * rng.uniform(0.1, 0.9) * spread
    outside = rng.uniform(10, 60)
    return {
        "format": "vorlan-case",
        "version": 1,
        "internalPipe": {
            "outsideDiameter": text(outside),
            "thickness": text(rng.uniform(0.5, 3)),
            "material": rng.choice(materials),
            "fluid": inner,
            "pressure": pressure_text(p_in),
            "inletTemperature": text(t_in),
            "outletTemperature": text(t_in_out),
            "massFlow": text(rng.uniform(0.005, 2), 4),
            "given": "outletTemperature" if flow == 0 else "massFlow",
        },
        "externalPipe": {
            "outsideDiameter": text(outside * rng.uniform(1.3, 2.5)),
            "thickness": text(rng.uniform(1, 4)),
            "fluid": outer,
            "pressure": pressure_text(p_out),
            "inletTemperature": text(t_es),
            "outletTemperature": text(t_es_out),
            "massFlow": text(rng.uniform(0.005, 2), 4),
            "given": "outletTemperature" if flow == 1 else "massFlow",
        },
        "exchanger": {
            "length": text(rng.uniform(0.5, 60)),
            "capacity": text(rng.uniform(0.2, 80)),
            "given": "length" if length_given else "capacity",
            "configuration": rng.choice(["countercurrent", "equicurrent"]),
        },
        "options": {
            "internalFouling": rng.choice(["0", "0,0001", "0,0003"]),
            "externalFouling": rng.choice(["0", "0,0002", "0,0005"]),
        },
    }


cases = [case(i % 6) for i in range(300)]
# A few refusals of the case checks, so that their messages and partial write-backs are kept too.
cases[7]["internalPipe"]["pressure"] = "3"
cases[13]["externalPipe"]["massFlow"] = ""
cases[19]["internalPipe"]["outsideDiameter"] = "abc"
cases[25]["exchanger"]["capacity"] = "100000"
with open("cases.jsonl", "w") as out:
    for document in cases:
        out.write(json.dumps(document, ensure_ascii=False) + "\n")
