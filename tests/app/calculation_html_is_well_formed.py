"""Writes the detailed calculation of every sample project and a job package of them as HTML and
reads each back with Python's XML parser, a reader written apart from JointWright: the pages must
be well-formed XHTML, hold their styles and everything else themselves (no script, no file or
address outside the page, links only within it) and set symbols with subscripts.

Usage: calculation_html_is_well_formed.py JOINTWRIGHT_CLI EXAMPLES_FOLDER
Exit status: 0 every page reads cleanly, 1 a problem.
"""
import glob
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

XHTML = "{http://www.w3.org/1999/xhtml}"


def problems_of(path):
    found = []
    try:
        root = ET.parse(path).getroot()
    except ET.ParseError as error:
        return [f"not well-formed: {error}"]
    if root.tag != XHTML + "html":
        found.append(f"root element {root.tag}")
    tags = {element.tag for element in root.iter()}
    if XHTML + "script" in tags:
        found.append("a script")
    if XHTML + "style" not in tags:
        found.append("no inline styles")
    if XHTML + "sub" not in tags:
        found.append("no subscripts")
    for element in root.iter():
        for name in ("src", "href"):
            value = element.get(name)
            if value is not None and not value.startswith("#"):
                found.append(f"{element.tag} {name}={value} leaves the page")
    return found


def main():
    cli, examples = sys.argv[1], sys.argv[2]
    projects = sorted(glob.glob(os.path.join(examples, "*.Bol")))
    failures = 0
    with tempfile.TemporaryDirectory() as folder:
        pages = []
        for project in projects:
            page = os.path.join(folder, os.path.basename(project) + ".html")
            subprocess.run([cli, "design", project, "--report", os.devnull, "--calc", page],
                           stdout=subprocess.DEVNULL, check=False)
            pages.append(page)
        package = os.path.join(folder, "package.html")
        subprocess.run([cli, "package", *projects, "--html", package, "--csv", os.devnull],
                       stdout=subprocess.DEVNULL, check=False)
        pages.append(package)
        for page in pages:
            if not os.path.exists(page):
                print(f"{page}: not written")
                failures += 1
                continue
            for problem in problems_of(page):
                print(f"{os.path.basename(page)}: {problem}")
                failures += 1
    print(f"{len(pages)} pages read, {failures} problems")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
