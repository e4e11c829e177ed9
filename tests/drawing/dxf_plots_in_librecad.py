"""Plots the detailed DXF drawing of every sample project (and of the awkward projects the
drawing tests keep) with LibreCAD's dxf2pdf, a CAD program a drafter uses, and checks that each
file is read and plotted to a page that shows a drawing. LibreCAD hangs on a file it cannot
read, so each plot has a time limit.

Usage: dxf_plots_in_librecad.py JOINTWRIGHT_CLI PROJECT_FOLDER...
Exit status: 0 every drawing plots, 1 a problem, 77 LibreCAD (Debian package librecad) or
pdftoppm (poppler-utils) is not installed (skipped).
"""
import glob
import os
import shutil
import subprocess
import sys
import tempfile

TIME_LIMIT_S = 120
# A plotted drawing darkens at least this share of the page.
LEAST_INK = 0.001


def skip(reason):
    print(f"{reason}: skipped")
    sys.exit(77)


def ink_share(pgm_path):
    """The share of dark pixels on a binary PGM page."""
    with open(pgm_path, "rb") as f:
        data = f.read()
    fields, start = [], 0
    while len(fields) < 4:  # magic, width, height, maximum value
        while data[start:start + 1].isspace():
            start += 1
        end = start
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[start:end])
        start = end
    pixels = data[start + 1:]
    dark = sum(1 for value in pixels if value < 128)
    return dark / max(1, len(pixels))


def plot(librecad, dxf, folder):
    pdf = os.path.splitext(dxf)[0] + ".pdf"
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    try:
        run = subprocess.run([librecad, "dxf2pdf", "-a", "-o", pdf, dxf], capture_output=True,
                             text=True, env=env, timeout=TIME_LIMIT_S, cwd=folder)
    except subprocess.TimeoutExpired:
        return f"LibreCAD did not finish within {TIME_LIMIT_S} s"
    if run.returncode != 0 or not os.path.exists(pdf) or os.path.getsize(pdf) == 0:
        return f"dxf2pdf exited {run.returncode} without a PDF: {run.stderr.strip()[-300:]}"
    page = os.path.splitext(dxf)[0] + "-page"
    subprocess.run(["pdftoppm", "-r", "30", "-gray", "-f", "1", "-l", "1", pdf, page], check=True)
    pages = glob.glob(page + "*.pgm")
    if not pages:
        return "the PDF has no page"
    share = ink_share(pages[0])
    if share < LEAST_INK:
        return f"the plotted page is blank ({share:.4%} ink)"
    return None


def main():
    cli, folders = sys.argv[1], sys.argv[2:]
    librecad = shutil.which("librecad")
    if not librecad:
        skip("LibreCAD is not installed (Debian package librecad)")
    if not shutil.which("pdftoppm"):
        skip("pdftoppm is not installed (Debian package poppler-utils)")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    usage = subprocess.run([librecad, "dxf2pdf", "--help"], capture_output=True, text=True,
                           env=env, timeout=TIME_LIMIT_S)
    if "dxf2pdf" not in usage.stdout + usage.stderr:
        skip("this LibreCAD has no dxf2pdf")
    samples = sorted(p for folder in folders for p in glob.glob(os.path.join(folder, "*.Bol")))
    failed = 0
    with tempfile.TemporaryDirectory() as folder:
        for sample in samples:
            name = os.path.basename(sample)
            dxf = os.path.join(folder, os.path.splitext(name)[0] + ".dxf")
            run = subprocess.run([cli, "draw", sample, "--dxf", dxf], capture_output=True,
                                 text=True)
            problem = (f"draw exited {run.returncode}: {run.stderr.strip()}" if run.returncode
                       else plot(librecad, dxf, folder))
            print(f"{'FAIL' if problem else 'PASS'} {name}" + (f": {problem}" if problem else ""))
            failed += bool(problem)
    print(f"{len(samples) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
