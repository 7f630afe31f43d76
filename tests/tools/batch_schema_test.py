#!/usr/bin/env python3
"""vorlan-batch's real output, in every mode that prints JSON, against docs/batch-output.schema.json.

Usage: batch_schema_test.py BATCH DATA SOURCE. Runs the first 100 cases of the regression fixture
(solved cases, cases with several roots, refused cases with and without a robust solution), a
sweep, a found and a refused fouling search, a solved and a refused hairpin arrangement, the design
search of Kern's Example 6.1 with costs and of a case that gives no target, the fluid
list with a fluid of the user's folder, and an import written, one refused and one of an unreadable
table; every line must match the schema, and each kind of line must have been met at least once.
"""
import json
import subprocess
import sys
import tempfile
from pathlib import Path

import jsonschema

batch, data, source = sys.argv[1], sys.argv[2], Path(sys.argv[3])
schema = json.loads((source / "docs/batch-output.schema.json").read_text())
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator(schema)


def kind(line):
    """What a line is, so that the test can tell that every kind was checked."""
    if "file" in line:
        return "import written" if line["file"] else "import unreadable" if "error" in line else "import refused"
    if "candidates" in line:
        return "design target" if line["ok"] else "design target refused"
    if "feasible" in line:
        return "design feasible" if line["feasible"] else "design infeasible"
    if "fluid" in line:
        return "user fluid" if line["group"] == "user" else "fluid"
    if "arrangement" in line:
        return "hairpins solved" if line["ok"] else "hairpins refused"
    if "fouling" in line or "writeBack" not in line:
        return "fouling found" if line["ok"] else "fouling refused"
    if "point" in line:
        return "sweep point"
    if line["ok"]:
        return "solved with roots" if "roots" in line else "solved"
    if "robust" in line:
        return "robust solution" if line["robust"]["ok"] else "robust refused"
    return "refused"


with tempfile.TemporaryDirectory() as work:
    kern = source / "docs/kern-example-6-1.vorlan"
    unsolvable = Path(work) / "unsolvable.vorlan"
    unsolvable.write_text(kern.read_text().replace('"pressure": "1"', '"pressure": "0"', 1))
    cases = []
    for number, text in enumerate((source / "tests/regression/cases.jsonl").read_text().splitlines()[:100]):
        cases.append(Path(work) / f"case-{number:03d}.vorlan")
        cases[-1].write_text(text)
    runs = [
        ["--profile", "3", *map(str, cases)],
        ["--sweep", "exchanger.length=2:40:3", str(source / "docs/example.vorlan")],
        ["--find-fouling", str(source / "docs/running-exchanger.vorlan")],
        ["--find-fouling", str(source / "docs/example.vorlan")],
        ["--hairpins", "4", "--leg", "3", "--parallel", "annulus:2", str(source / "docs/example.vorlan")],
        ["--hairpins", "3", "--parallel", "internal:2", str(source / "docs/example.vorlan")],
        ["--design", "--cost", "--standards", "ASME B36.10M", str(kern)],
        ["--design", str(unsolvable)],
    ]
    user = ["--user-fluids", str(Path(work) / "fluids")]
    oil = str(source / "docs/example-oil.csv")
    units = "temperature=degF,viscosity=cP"
    broken = Path(work) / "broken.csv"
    broken.write_text("T,p,rho,cp,k,mu\n20,1,900,1.9,0.13,5\n10,1,-900,1.9,0.13,5\n")
    runs += [
        [*user, "--import-fluid", oil, "--name", "Example oil", "--units", units],
        [*user, "--import-fluid", str(broken), "--name", "Broken"],
        [*user, "--import-fluid", str(Path(work) / "missing.csv"), "--name", "Missing"],
        [*user, "--fluids"],
    ]
    met, failures = {}, 0
    for arguments in runs:
        output = subprocess.run([batch, "--data", data, *arguments], capture_output=True, text=True, check=False)
        for text in output.stdout.splitlines():
            line = json.loads(text)
            met[kind(line)] = met.get(kind(line), 0) + 1
            for error in validator.iter_errors(line):
                failures += 1
                print(f"{' '.join(arguments[:2])}: {error.json_path}: {error.message}"[:400])

expected = ["solved", "solved with roots", "refused", "robust solution", "robust refused", "sweep point",
            "fouling found", "fouling refused", "hairpins solved", "hairpins refused", "design target",
            "design target refused", "design feasible", "design infeasible", "fluid", "user fluid",
            "import written", "import refused", "import unreadable"]
for name in expected:
    if name not in met:
        failures += 1
        print(f"no line of the kind: {name}")
print(", ".join(f"{name} {count}" for name, count in sorted(met.items())))
print(f"{failures} failed")
sys.exit(1 if failures else 0)
