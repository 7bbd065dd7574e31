#!/usr/bin/env python3
"""The checks of kavel's description (NAME.json) and picture (NAME.svg) of a
form against its class text (NAME.vb), and of the picture as a browser
renders it.

  picture-check.py geometry DIR...
      Every NAME.vb in the folders with its NAME.json and NAME.svg: both
      parse (JSON; SVG as XML), the client size of all three agrees, and every
      control's rectangle in the description and, for a visible control, in
      the picture is the Location and Size the class text sets; the picture
      shows exactly the visible controls (hidden option buttons not at all,
      timers only in the tray under the client area).

  picture-check.py browser CHROMIUM WORK DIR...
      Renders every NAME.svg of the folders with headless Chromium (a page
      holding a few of them at known places, screenshot to PNG) and checks
      the pixels: inside each visible control's rectangle something other
      than the form's background is drawn, and every pixel of the client area
      outside all controls is the form's background, #F0F0F0.

Prints one line per fault and a summary; exits 1 on any fault.
"""
import json
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
import zlib

SVG = "{http://www.w3.org/2000/svg}"
BACKGROUND = (0xF0, 0xF0, 0xF0)

faults = []


def fault(where, what):
    faults.append(f"{where}: {what}")


# --- the class text ---------------------------------------------------------

LOCATION = re.compile(r"^\s*Me\.\[?(\w+)\]?\.Location = New System\.Drawing\.Point\((-?\d+), ?(-?\d+)\)", re.M)
SIZE = re.compile(r"^\s*Me\.\[?(\w+)\]?\.Size = New System\.Drawing\.Size\((-?\d+), ?(-?\d+)\)", re.M)
CLIENT = re.compile(r"^\s*(?:Me|MyBase)\.ClientSize = New System\.Drawing\.Size\((\d+), ?(\d+)\)", re.M)


def read_vb(path):
    with open(path, "rb") as f:
        text = f.read().decode("utf-8", "replace")
    places = {m.group(1): (int(m.group(2)), int(m.group(3))) for m in LOCATION.finditer(text)}
    sizes = {m.group(1): (int(m.group(2)), int(m.group(3))) for m in SIZE.finditer(text)}
    rects = {name: places[name] + sizes[name] for name in places if name in sizes}
    client = CLIENT.search(text)
    return rects, (int(client.group(1)), int(client.group(2))) if client else None


# --- the picture ------------------------------------------------------------

def read_svg(path):
    """The picture's controls: name -> (kind, clip rectangle or None, frame
    name or None), its size and client area."""
    root = ET.parse(path).getroot()
    clips = {}
    for clip in root.iter(SVG + "clipPath"):
        r = clip.find(SVG + "rect")
        clips[clip.get("id")] = tuple(int(float(r.get(k, "0"))) for k in ("x", "y", "width", "height"))
    controls = {}

    def walk(element, frame, client):
        for child in element:
            name = child.get("data-name")
            inner_frame = frame
            if child.tag == SVG + "g" and name is not None:
                clip = child.get("clip-path")
                rect = clips.get(clip[5:-1]) if clip else None
                if name in controls:
                    fault(path, f"'{name}' is drawn twice")
                controls[name] = (child.get("data-kind"), rect, frame, client)
                if child.get("data-kind") == "frame":
                    inner_frame = name
            walk(child, inner_frame, client or child.get("data-client-area") is not None)

    walk(root, None, False)
    client = root.find(f"{SVG}g[@data-client-area]")
    area = tuple(int(v) for v in client.get("data-client-area").split("x")) if client is not None else None
    return controls, (int(root.get("width")), int(root.get("height"))), area


def check_geometry(vb_path):
    base = vb_path[:-3]
    where = os.path.basename(base)
    rects, client = read_vb(vb_path)
    try:
        with open(base + ".json", encoding="utf-8") as f:
            description = json.load(f)
    except (OSError, ValueError) as e:
        return fault(where, f"the description does not parse: {e}")
    try:
        drawn, size, area = read_svg(base + ".svg")
    except (OSError, ET.ParseError) as e:
        return fault(where, f"the picture does not parse as XML: {e}")
    form = description["form"]
    json_client = (form["clientSize"]["width"], form["clientSize"]["height"])
    if client is None:
        return fault(where, "the class text sets no client size")
    if json_client != client:
        fault(where, f"client size {json_client} in the description, {client} in the class text")
    if area != client:
        fault(where, f"client area {area} in the picture, {client} in the class text")
    if size[0] != client[0] or size[1] < client[1]:
        fault(where, f"picture of {size}, client area {client}")
    seen = set()
    for c in description["controls"]:
        name, field, kind = c["name"], c["field"], c["kind"]
        seen.add(name)
        if kind == "timer":
            if "location" in c or field in rects:
                fault(where, f"timer {name} has a place")
            d = drawn.get(name)
            if d is None or d[1] is not None or d[3]:
                fault(where, f"timer {name} is not in the tray under the client area")
            continue
        expected = rects.get(field)
        got = (c["location"]["x"], c["location"]["y"], c["size"]["width"], c["size"]["height"])
        if expected != got:
            fault(where, f"{kind} {name}: {got} in the description, {expected} in the class text")
        d = drawn.get(name)
        if not c["visible"]:
            if d is not None:
                fault(where, f"hidden {kind} {name} is drawn")
            continue
        if d is None:
            fault(where, f"visible {kind} {name} is not drawn")
            continue
        if d[0] != kind or d[1] != expected:
            fault(where, f"{kind} {name}: drawn as {d[0]} at {d[1]}, {expected} in the class text")
        frame = c.get("frame")
        if kind == "optionbutton" and d[2] is None:
            fault(where, f"option button {name} is not drawn inside its frame")
        elif kind == "optionbutton":
            owner = next((o for o in description["controls"] if o["name"] == d[2]), None)
            if owner is None or owner["field"] != frame:
                fault(where, f"option button {name} drawn in {d[2]}, not in its frame {frame}")
        if not d[3]:
            fault(where, f"{kind} {name} is drawn outside the client area's group")
    for name in drawn:
        if name not in seen:
            fault(where, f"'{name}' is drawn but not described")
    return description


# --- the browser ------------------------------------------------------------

def read_png(path):
    """An 8-bit RGB or RGBA, non-interlaced PNG as rows of bytes. The rows
    filtered by None, Sub and Up (most of a screenshot) are undone on whole
    rows at once, each row as one integer with a byte-wise sum that carries
    nothing from byte to byte; Average and Paeth byte by byte."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    pos, idat, header = 8, [], None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat.append(body)
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace:
        raise ValueError(f"PNG depth {depth} colour type {colour} interlace {interlace} not read here")
    step = 3 if colour == 2 else 4
    raw = zlib.decompress(b"".join(idat))
    stride = width * step
    high = int.from_bytes(b"\x80" * stride, "big")
    low = high ^ int.from_bytes(b"\xff" * stride, "big")

    def add(x, y):   # byte by byte, modulo 256
        return ((x & low) + (y & low)) ^ ((x ^ y) & high)

    rows, previous = [], bytes(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)]
        if kind == 0:
            row = bytes(line)
        elif kind == 2:
            row = add(int.from_bytes(line, "big"), int.from_bytes(previous, "big")).to_bytes(stride, "big")
        elif kind == 1:
            r, k = int.from_bytes(line, "big"), step
            while k < stride:
                r = add(r, r >> (8 * k))
                k *= 2
            row = r.to_bytes(stride, "big")
        else:
            row = bytearray(line)
            for i in range(stride):
                a = row[i - step] if i >= step else 0
                b = previous[i]
                if kind == 3:
                    row[i] = (row[i] + ((a + b) >> 1)) & 255
                else:
                    c = previous[i - step] if i >= step else 0
                    p = a + b - c
                    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                    row[i] = (row[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
            row = bytes(row)
        rows.append(row)
        previous = row
    return width, height, step, rows


def client_rects(description):
    """Each visible placed control's rectangle on the client area, with
    whether something must show in it."""
    frames = {c["field"]: c for c in description["controls"] if c["kind"] == "frame"}
    out = []
    for c in description["controls"]:
        if c["kind"] == "timer" or not c["visible"]:
            continue
        x, y = c["location"]["x"], c["location"]["y"]
        w, h = c["size"]["width"], c["size"]["height"]
        if c["kind"] == "optionbutton":
            f = frames[c["frame"]]
            x, y = x + f["location"]["x"], y + f["location"]["y"]
        # A label with no text shows nothing, on Windows as here; an "&" before
        # a character marks it as the access key and is not shown itself.
        shown = re.sub(r"&(.)|&$", lambda m: m.group(1) or "", c.get("text", ""), flags=re.S)
        shows = w > 0 and h > 0 and not (c["kind"] == "label" and not shown.strip())
        out.append((c["kind"] + " " + c["name"], x, y, w, h, shows))
    return out


def check_pixels(where, png, left, top, description):
    """The form's picture at (left, top) of the screenshot: something drawn
    in each control that shows something, the background everywhere else in
    the client area. Rows are compared as byte strings, interval by interval."""
    width, height, step, rows = png
    cw, ch = description["form"]["clientSize"]["width"], description["form"]["clientSize"]["height"]
    background = bytes(BACKGROUND) + (b"\xff" if step == 4 else b"")

    def plain(row, x0, x1):   # only background from x0 to x1 of the client area
        return row[(left + x0) * step:(left + x1) * step] == background * (x1 - x0)

    spans = []   # the visible parts of the controls' rectangles
    for label, x, y, w, h, shows in client_rects(description):
        x0, y0, x1, y1 = max(x, 0), max(y, 0), min(x + w, cw), min(y + h, ch)
        if x0 >= x1 or y0 >= y1:
            continue
        spans.append((x0, y0, x1, y1))
        if shows and all(plain(rows[top + yy], x0, x1) for yy in range(y0, y1)):
            fault(where, f"{label} at {x},{y} size {w}x{h}: only background drawn")
    stray = []
    for yy in range(ch):
        row = rows[top + yy]
        cover = sorted((x0, x1) for x0, y0, x1, y1 in spans if y0 <= yy < y1)
        x = 0
        for x0, x1 in cover + [(cw, cw)]:
            if x0 > x and not plain(row, x, x0):
                first = next(xx for xx in range(x, x0) if not plain(row, xx, xx + 1))
                stray.append((first, yy))
            x = max(x, x1)
    if stray:
        fault(where, f"{len(stray)} rows hold pixels outside every control that are not the background, "
                     f"the first at {stray[0]}")


def browser(chromium, work, folders):
    forms = []
    for folder in folders:
        for name in sorted(os.listdir(folder)):
            if name.endswith(".svg"):
                svg = os.path.join(folder, name)
                with open(svg[:-4] + ".json", encoding="utf-8") as f:
                    description = json.load(f)
                root = ET.parse(svg).getroot()
                forms.append((svg, description, int(root.get("width")), int(root.get("height"))))
    os.makedirs(work, exist_ok=True)
    per_page = 6
    pages = 0
    for start in range(0, len(forms), per_page):
        batch = forms[start:start + per_page]
        # Two to a line, each in a cell as large as the largest form.
        cell_w = max(f[2] for f in batch) + 8
        cell_h = max(f[3] for f in batch) + 8
        places, body = [], []
        for i, (svg, description, w, h) in enumerate(batch):
            x, y = (i % 2) * cell_w + 4, (i // 2) * cell_h + 4
            places.append((x, y))
            body.append(f'<img src="file://{os.path.abspath(svg)}" width="{w}" height="{h}" '
                        f'style="position:absolute;left:{x}px;top:{y}px">')
        page_w, page_h = 2 * cell_w + 8, ((len(batch) + 1) // 2) * cell_h + 8
        html = os.path.join(work, f"page{pages}.html")
        png = os.path.join(work, f"page{pages}.png")
        with open(html, "w", encoding="utf-8") as f:
            f.write('<!DOCTYPE html><html><body style="margin:0;background:#FF00FF">' + "".join(body) +
                    "</body></html>\n")
        profile = tempfile.mkdtemp(prefix="picture-chromium-")
        try:
            run = subprocess.run(
                [chromium, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--hide-scrollbars", "--force-device-scale-factor=1", "--allow-file-access-from-files",
                 f"--user-data-dir={profile}", f"--screenshot={png}", f"--window-size={page_w},{page_h}",
                 "file://" + os.path.abspath(html)],
                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=120)
        finally:
            shutil.rmtree(profile, ignore_errors=True)
        if run.returncode != 0 or not os.path.exists(png):
            fault(html, f"chromium failed (status {run.returncode}): {run.stdout.decode(errors='replace')[-400:]}")
            continue
        image = read_png(png)
        if image[0] != page_w or image[1] < page_h:
            fault(png, f"screenshot {image[0]}x{image[1]}, page {page_w}x{page_h}")
            continue
        for (svg, description, w, h), (x, y) in zip(batch, places):
            check_pixels(os.path.basename(svg), image, x, y, description)
        pages += 1
    return len(forms), pages


def main():
    if len(sys.argv) >= 3 and sys.argv[1] == "geometry":
        count = 0
        for folder in sys.argv[2:]:
            for name in sorted(os.listdir(folder)):
                if name.endswith(".vb"):
                    check_geometry(os.path.join(folder, name))
                    count += 1
        summary = f"picture-check: {count} forms, the description and picture of each against its class text"
    elif len(sys.argv) >= 5 and sys.argv[1] == "browser":
        count, pages = browser(sys.argv[2], sys.argv[3], sys.argv[4:])
        summary = f"picture-check: {count} pictures rendered by Chromium on {pages} pages, their pixels checked"
    else:
        print(__doc__)
        return 2
    for f in faults:
        print(f)
    print(f"{summary}: {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
