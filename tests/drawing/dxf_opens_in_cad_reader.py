"""Opens the DXF drawing of every sample project in ezdxf, a CAD reader written independently of
JointWright, and checks that it reads without errors, in millimetres, with the bolts, members and
dimensions on their layers.

Usage: dxf_opens_in_cad_reader.py JOINTWRIGHT_CLI EXAMPLES_FOLDER
Exit status: 0 every drawing opens cleanly, 1 a problem, 77 ezdxf is not installed (skipped).
"""
import glob
import os
import subprocess
import sys
import tempfile

try:
    import ezdxf
except ImportError:
    print("ezdxf is not installed (Debian package python3-ezdxf): skipped")
    sys.exit(77)

LAYER_COLOURS = {"MEMBERS": 7, "BOLTS": 1, "DIMENSIONS": 5}


def problems_of(path):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    found = [f"audit: {e.message}" for e in auditor.errors]
    if doc.units != 4:
        found.append(f"units {doc.units}, not millimetres (4)")
    for name, colour in LAYER_COLOURS.items():
        if name not in doc.layers:
            found.append(f"no layer {name}")
        elif doc.layers.get(name).color != colour:
            found.append(f"layer {name} has colour {doc.layers.get(name).color}, not {colour}")
    counts = {}
    for entity in doc.modelspace():
        key = (entity.dxftype(), entity.dxf.layer)
        counts[key] = counts.get(key, 0) + 1
        if entity.dxf.layer not in LAYER_COLOURS:
            found.append(f"{entity.dxftype()} on layer {entity.dxf.layer}")
    for needed in [("CIRCLE", "BOLTS"), ("LINE", "DIMENSIONS"), ("TEXT", "DIMENSIONS")]:
        if counts.get(needed, 0) == 0:
            found.append(f"no {needed[0]} on {needed[1]}")
    if counts.get(("POLYLINE", "MEMBERS"), 0) + counts.get(("LINE", "MEMBERS"), 0) == 0:
        found.append("no members drawn")
    return found, counts


def main():
    cli, examples = sys.argv[1], sys.argv[2]
    samples = sorted(glob.glob(os.path.join(examples, "*.Bol")))
    if not samples:
        print(f"no sample projects in {examples}")
        return 1
    failed = 0
    with tempfile.TemporaryDirectory() as folder:
        for sample in samples:
            out = os.path.join(folder, os.path.basename(sample) + ".dxf")
            run = subprocess.run([cli, "draw", sample, "--dxf", out], capture_output=True, text=True)
            if run.returncode != 0:
                print(f"FAIL {sample}: draw exited {run.returncode}: {run.stderr.strip()}")
                failed += 1
                continue
            found, counts = problems_of(out)
            summary = ", ".join(f"{n} {t} on {l}" for (t, l), n in sorted(counts.items()))
            print(f"{'FAIL' if found else 'PASS'} {os.path.basename(sample)}: {summary}")
            for problem in found:
                print(f"    {problem}")
            failed += bool(found)
    print(f"{len(samples) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
