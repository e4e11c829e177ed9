"""Opens the DXF drawings of every sample project (and of the awkward projects the drawing tests
keep) in ezdxf, a CAD reader written independently of JointWright, and checks them as a drafter
would: the file audits without errors, it is in millimetres, every entity is on a layer of its
role, and the detailed drawing is plotted to a scale of the series that fits A4 landscape, with
its text at the fixed plotted heights at that scale and its header extents round everything.
The classic drawing (draw --classic) keeps its three layers.

Usage: dxf_opens_in_cad_reader.py JOINTWRIGHT_CLI PROJECT_FOLDER...
Exit status: 0 every drawing opens cleanly, 1 a problem, 77 ezdxf is not installed (skipped).
"""
import glob
import os
import re
import subprocess
import sys
import tempfile

try:
    import ezdxf
except ImportError:
    print("ezdxf is not installed (Debian package python3-ezdxf): skipped")
    sys.exit(77)

CLASSIC_LAYERS = {"MEMBERS": 7, "BOLTS": 1, "DIMENSIONS": 5}
DETAILED_LAYERS = dict(CLASSIC_LAYERS, NOTES=176, HATCH=8)
PLOT_SCALES = [1, 2, 2.5, 5, 10, 20]
SHEET_MM = (277, 190)
TEXT_MM = {"DIMENSIONS": 2.5, "NOTES": 3.5}
SCALE_NOTE = re.compile(r"^SCALE 1:([0-9.]+) \(A4 LANDSCAPE\)$")


def layer_problems(doc, layers):
    found = []
    for name, colour in layers.items():
        if name not in doc.layers:
            found.append(f"no layer {name}")
        elif doc.layers.get(name).color != colour:
            found.append(f"layer {name} has colour {doc.layers.get(name).color}, not {colour}")
    for entity in doc.modelspace():
        if entity.dxf.layer not in layers:
            found.append(f"{entity.dxftype()} on layer {entity.dxf.layer}")
    return found


def points_of(entity):
    kind = entity.dxftype()
    if kind == "LINE":
        return [entity.dxf.start, entity.dxf.end]
    if kind == "CIRCLE":
        c, r = entity.dxf.center, entity.dxf.radius
        return [(c[0] - r, c[1] - r), (c[0] + r, c[1] + r)]
    if kind == "POLYLINE":
        return [v.dxf.location for v in entity.vertices]
    if kind == "TEXT":
        return [entity.dxf.insert]
    return []


def detailed_problems(doc):
    found = layer_problems(doc, DETAILED_LAYERS)
    texts = [e for e in doc.modelspace() if e.dxftype() == "TEXT"]
    scales = [float(m.group(1)) for m in (SCALE_NOTE.match(t.dxf.text) for t in texts) if m]
    if len(scales) != 1 or scales[0] not in PLOT_SCALES:
        return found + [f"scale notes {scales}, not one of the series"]
    scale = scales[0]
    for t in texts:
        want = TEXT_MM.get(t.dxf.layer, 0) * scale
        if abs(t.dxf.height - want) > 1e-6:
            found.append(f"text \"{t.dxf.text}\" on {t.dxf.layer} is {t.dxf.height} high, not {want}")
    low, high = doc.header["$EXTMIN"], doc.header["$EXTMAX"]
    for entity in doc.modelspace():
        for p in points_of(entity):
            if not (low[0] - 1e-6 <= p[0] <= high[0] + 1e-6 and low[1] - 1e-6 <= p[1] <= high[1] + 1e-6):
                found.append(f"{entity.dxftype()} at {p[0]:.1f}, {p[1]:.1f} outside $EXTMIN/$EXTMAX")
                break
    width, height = high[0] - low[0], high[1] - low[1]
    if width > SHEET_MM[0] * scale + 1e-6 or height > SHEET_MM[1] * scale + 1e-6:
        found.append(f"{width:.0f} x {height:.0f} mm does not fit A4 at 1:{scale:g}")
    for needed in ["NOTES", "HATCH", "BOLTS", "DIMENSIONS", "MEMBERS"]:
        if not any(e.dxf.layer == needed for e in doc.modelspace()):
            found.append(f"nothing on {needed}")
    return found


def problems_of(path, classic):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    found = [f"audit: {e.message}" for e in auditor.errors]
    if doc.units != 4:
        found.append(f"units {doc.units}, not millimetres (4)")
    found += layer_problems(doc, CLASSIC_LAYERS) if classic else detailed_problems(doc)
    counts = {}
    for entity in doc.modelspace():
        key = (entity.dxftype(), entity.dxf.layer)
        counts[key] = counts.get(key, 0) + 1
    for needed in [("CIRCLE", "BOLTS"), ("LINE", "DIMENSIONS"), ("TEXT", "DIMENSIONS")]:
        if counts.get(needed, 0) == 0:
            found.append(f"no {needed[0]} on {needed[1]}")
    return found, counts


def main():
    cli, folders = sys.argv[1], sys.argv[2:]
    samples = sorted(p for folder in folders for p in glob.glob(os.path.join(folder, "*.Bol")))
    if not samples:
        print(f"no sample projects in {folders}")
        return 1
    failed = 0
    with tempfile.TemporaryDirectory() as folder:
        for sample in samples:
            for classic in (False, True):
                out = os.path.join(folder, os.path.basename(sample) + ".dxf")
                args = [cli, "draw", sample, "--dxf", out] + (["--classic"] if classic else [])
                run = subprocess.run(args, capture_output=True, text=True)
                name = os.path.basename(sample) + (" (classic)" if classic else "")
                if run.returncode != 0:
                    print(f"FAIL {name}: draw exited {run.returncode}: {run.stderr.strip()}")
                    failed += 1
                    continue
                found, counts = problems_of(out, classic)
                summary = ", ".join(f"{n} {t} on {l}" for (t, l), n in sorted(counts.items()))
                print(f"{'FAIL' if found else 'PASS'} {name}: {summary}")
                for problem in found:
                    print(f"    {problem}")
                failed += bool(found)
    print(f"{2 * len(samples) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
