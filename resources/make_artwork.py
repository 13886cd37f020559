#!/usr/bin/env python3
"""Draws the program's artwork: toolbar images, button pictures, animations, the start-up and about
pictures, the gauge bitmaps and the program icon.

Every picture is described here as SVG and rendered with ImageMagick `convert`; animations are
assembled from rendered frames into looping GIFs. Small pictures also get an @2x variant for HiDPI
screens. Run from anywhere: the files land in resources/images/, next to this script.

    python3 resources/make_artwork.py
"""

import math
import os
import random
import shutil
import subprocess
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "images")

# One palette for everything, so the pictures look like one family.
NAVY = "#1f3a5f"
BLUE = "#2f7fd8"
SKY = "#9cc7f2"
RED = "#d42a2a"
YELLOW = "#f2c200"
GREEN = "#2e9d4a"
INK = "#333333"
PAPER = "#ffffff"
SCREEN = "#101418"
GREY = "#8a8f96"
LIGHT = "#e4e7eb"
FONT = "DejaVu Sans"


def svg(width, height, body, scale=1):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width * scale}" height="{height * scale}" '
            f'viewBox="0 0 {width} {height}">{body}</svg>')


def render(text, target, work):
    source = os.path.join(work, os.path.basename(target) + ".svg")
    with open(source, "w", encoding="utf-8") as handle:
        handle.write(text)
    subprocess.run(["convert", "-background", "none", source, "-strip", "-depth", "8",
                    "-define", "png:color-type=6", target], check=True)


def backdrop(width, sections, target):
    """Vertical gradients stacked top to bottom: sections of (height, top colour, bottom colour)."""
    arguments = ["convert"]
    for height, top, bottom in sections:
        arguments += ["-size", f"{width}x{height}", f"gradient:{top}-{bottom}"]
    subprocess.run(arguments + ["-append", "-type", "TrueColor", target], check=True)


def on_backdrop(name, width, sections, body, work):
    """A picture drawn over gradients: ImageMagick's own SVG renderer draws no gradients itself."""
    height = sum(section[0] for section in sections)
    ground = os.path.join(work, name + "_ground.png")
    figure = os.path.join(work, name + "_figure.png")
    backdrop(width, sections, ground)
    render(svg(width, height, body), figure, work)
    subprocess.run(["convert", ground, figure, "-composite", "-strip", "-alpha", "off", "-depth", "8",
                    "-type", "TrueColor", os.path.join(OUT, name + ".png")], check=True)


def picture(name, width, height, body, work, hidpi=True):
    render(svg(width, height, body, 1), os.path.join(OUT, name + ".png"), work)
    if hidpi:
        render(svg(width, height, body, 2), os.path.join(OUT, name + "@2x.png"), work)


def animation(name, width, height, frames, work):
    """frames: list of (body, delay in hundredths of a second)."""
    arguments = ["convert", "-loop", "0"]
    for index, (body, delay) in enumerate(frames):
        frame = os.path.join(work, f"{name}_{index:03d}.png")
        render(svg(width, height, body), frame, work)
        arguments += ["-delay", str(delay), "-dispose", "Background", frame]
    # GIF transparency is all or nothing: cut the alpha at one half so edges stay crisp.
    arguments += ["-channel", "A", "-threshold", "50%", "+channel", "-layers", "Optimize",
                  os.path.join(OUT, name + ".gif")]
    subprocess.run(arguments, check=True)


def polyline(points, colour, width, extra=""):
    path = " ".join(f"{x:.2f},{y:.2f}" for x, y in points)
    return (f'<polyline points="{path}" fill="none" stroke="{colour}" stroke-width="{width}" '
            f'stroke-linejoin="round" stroke-linecap="round" {extra}/>')


def text(x, y, content, size, colour, weight="bold", anchor="start", extra=""):
    return (f'<text x="{x}" y="{y}" font-family="{FONT}" font-size="{size}" font-weight="{weight}" '
            f'fill="{colour}" text-anchor="{anchor}" {extra}>{content}</text>')


# Waveform shapes over one period, t in [0, 1), values in [-1, 1].

def rc_charge(t):
    return 2 * (1 - math.exp(-5 * t)) - 1


def rc_charge_discharge(t):
    if t < 0.5:
        return 2 * (1 - math.exp(-10 * t)) - 1
    return 2 * math.exp(-10 * (t - 0.5)) * (1 - math.exp(-5)) - 1


_noise = random.Random(1234)
NOISE = [_noise.uniform(-1, 1) for _ in range(48)]

WAVES = {
    "sine": lambda t: math.sin(2 * math.pi * t),
    "rectangle": lambda t: 1 if t < 0.5 else -1,
    "triangle": lambda t: 1 - 4 * abs(t - 0.5),
    "falling_ramp": lambda t: 1 - 2 * t,
    "rising_ramp": lambda t: 2 * t - 1,
    "rc_charge_discharge": rc_charge_discharge,
    "rc_charge": rc_charge,
    "rc_discharge": lambda t: -rc_charge(t),
    "am": lambda t: (0.6 + 0.4 * math.sin(2 * math.pi * t)) * math.sin(2 * math.pi * 8 * t),
    "dc": lambda t: 0.3,
    "fm": lambda t: math.sin(2 * math.pi * (5 * t - 0.35 * math.cos(2 * math.pi * t))),
    "noise": lambda t: NOISE[min(int(t * len(NOISE)), len(NOISE) - 1)],
}


def wave_points(shape, left, top, width, height, periods=1.0, samples=160):
    points = []
    for i in range(samples + 1):
        t = i / samples
        # The last point closes the last period instead of wrapping back to its start.
        phase = (t * periods) % 1.0 if i < samples else (periods - 1e-9) % 1.0
        y = shape(phase)
        points.append((left + t * width, top + height / 2 - y * height / 2))
    return points


def wave_button(name):
    body = (f'<rect x="0.5" y="0.5" width="63" height="23" rx="3" fill="{SCREEN}" stroke="{GREY}"/>'
            f'<line x1="3" y1="12" x2="61" y2="12" stroke="#3a4654" stroke-width="1"/>')
    periods = 2.0 if name in ("sine", "rectangle", "triangle", "falling_ramp", "rising_ramp",
                              "rc_charge_discharge") else 1.0
    body += polyline(wave_points(WAVES[name], 5, 4, 54, 16, periods), YELLOW, 1.6)
    return body


# Toolbar images, 16 x 16, in image-list order.

def toolbar_guide():
    return (f'<path d="M2 3 Q5 2 8 4 Q11 2 14 3 L14 13 Q11 12 8 14 Q5 12 2 13 Z" fill="{PAPER}" stroke="{NAVY}"'
            f' stroke-width="1.2" stroke-linejoin="round"/>'
            f'<line x1="8" y1="4" x2="8" y2="14" stroke="{NAVY}" stroke-width="1"/>'
            f'<circle cx="11.5" cy="5" r="3.6" fill="{BLUE}"/>'
            + text(11.5, 7.3, "?", 6.5, PAPER, anchor="middle"))


def toolbar_open():
    return (f'<path d="M1.5 4 L6 4 L7.5 5.5 L13.5 5.5 L13.5 13.5 L1.5 13.5 Z" fill="{YELLOW}" stroke="{INK}"'
            f' stroke-width="1" stroke-linejoin="round"/>'
            f'<path d="M3 8 L15 8 L13.5 13.5 L1.5 13.5 Z" fill="#ffd94a" stroke="{INK}" stroke-width="1"'
            f' stroke-linejoin="round"/>')


def toolbar_quit():
    return (f'<path d="M5.2 4.2 A5.5 5.5 0 1 0 10.8 4.2" fill="none" stroke="{RED}" stroke-width="2.2"'
            f' stroke-linecap="round"/>'
            f'<line x1="8" y1="1.8" x2="8" y2="8" stroke="{RED}" stroke-width="2.2" stroke-linecap="round"/>')


def toolbar_save():
    return (f'<path d="M1.5 1.5 L12.5 1.5 L14.5 3.5 L14.5 14.5 L1.5 14.5 Z" fill="{BLUE}" stroke="{NAVY}"'
            f' stroke-width="1" stroke-linejoin="round"/>'
            f'<rect x="4" y="1.5" width="7" height="4.5" fill="{LIGHT}" stroke="{NAVY}" stroke-width="0.8"/>'
            f'<rect x="8.5" y="2.3" width="1.6" height="3" fill="{NAVY}"/>'
            f'<rect x="3.5" y="8.5" width="9" height="6" fill="{PAPER}" stroke="{NAVY}" stroke-width="0.8"/>')


def flag_frame(content):
    return (content + f'<rect x="1" y="3.5" width="14" height="9" fill="none" stroke="{INK}" stroke-width="0.8"/>')


def toolbar_english():
    return flag_frame(
        '<rect x="1" y="3.5" width="14" height="9" fill="#1d3f8f"/>'
        '<path d="M1 3.5 L15 12.5 M15 3.5 L1 12.5" stroke="#ffffff" stroke-width="2.2"/>'
        '<path d="M1 3.5 L15 12.5 M15 3.5 L1 12.5" stroke="#c8102e" stroke-width="0.8"/>'
        '<path d="M8 3.5 L8 12.5 M1 8 L15 8" stroke="#ffffff" stroke-width="3"/>'
        '<path d="M8 3.5 L8 12.5 M1 8 L15 8" stroke="#c8102e" stroke-width="1.6"/>')


def toolbar_french():
    return flag_frame('<rect x="1" y="3.5" width="4.67" height="9" fill="#1d3f8f"/>'
                      '<rect x="5.67" y="3.5" width="4.67" height="9" fill="#ffffff"/>'
                      '<rect x="10.33" y="3.5" width="4.67" height="9" fill="#d8262e"/>')


def toolbar_german():
    return flag_frame('<rect x="1" y="3.5" width="14" height="3" fill="#111111"/>'
                      '<rect x="1" y="6.5" width="14" height="3" fill="#d00000"/>'
                      '<rect x="1" y="9.5" width="14" height="3" fill="#ffcc00"/>')


def toolbar_about():
    return (f'<circle cx="8" cy="8" r="6.8" fill="{BLUE}" stroke="{NAVY}" stroke-width="1"/>'
            f'<circle cx="8" cy="4.6" r="1.2" fill="{PAPER}"/>'
            f'<rect x="6.9" y="6.6" width="2.2" height="5.8" rx="0.6" fill="{PAPER}"/>')


TOOLBAR = [("toolbar_guide", toolbar_guide), ("toolbar_open", toolbar_open), ("toolbar_quit", toolbar_quit),
           ("toolbar_save", toolbar_save), ("toolbar_english", toolbar_english),
           ("toolbar_french", toolbar_french), ("toolbar_about", toolbar_about),
           ("toolbar_german", toolbar_german)]


# Button pictures.

def button_offset_centre():
    # 21 x 13: a level line with arrows closing on it from above and below.
    return (f'<line x1="1" y1="6.5" x2="20" y2="6.5" stroke="{RED}" stroke-width="1.6"/>'
            f'<path d="M10.5 5 L7.5 1 L13.5 1 Z" fill="{NAVY}"/>'
            f'<path d="M10.5 8 L7.5 12 L13.5 12 Z" fill="{NAVY}"/>')


def button_vertical_centre():
    # 13 x 21: the same sign for the plot's vertical position.
    return (f'<line x1="1" y1="10.5" x2="12" y2="10.5" stroke="{RED}" stroke-width="1.6"/>'
            f'<path d="M6.5 8.5 L3 3 L10 3 Z" fill="{NAVY}"/>'
            f'<path d="M6.5 12.5 L3 18 L10 18 Z" fill="{NAVY}"/>')


def generator_box(x, y, w, h, screen_wave=True):
    body = (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{h * 0.08:.1f}" fill="{NAVY}" stroke="{INK}"'
            f' stroke-width="1.5"/>'
            f'<rect x="{x + w * 0.07:.1f}" y="{y + h * 0.15:.1f}" width="{w * 0.5:.1f}" height="{h * 0.55:.1f}"'
            f' rx="2" fill="{SCREEN}" stroke="{GREY}" stroke-width="1"/>')
    if screen_wave:
        body += polyline(wave_points(WAVES["sine"], x + w * 0.1, y + h * 0.22, w * 0.44, h * 0.4, 2, 60),
                         YELLOW, max(1.2, h * 0.04))
    for i in range(2):
        cx = x + w * (0.7 + 0.15 * i)
        body += (f'<circle cx="{cx:.1f}" cy="{y + h * 0.38:.1f}" r="{h * 0.12:.1f}" fill="{LIGHT}" stroke="{INK}"/>'
                 f'<line x1="{cx:.1f}" y1="{y + h * 0.38:.1f}" x2="{cx:.1f}" y2="{y + h * 0.28:.1f}"'
                 f' stroke="{RED}" stroke-width="1.5"/>')
    body += (f'<circle cx="{x + w * 0.78:.1f}" cy="{y + h * 0.78:.1f}" r="{h * 0.07:.1f}" fill="{YELLOW}"'
             f' stroke="{INK}"/>')
    return body


def computer(x, y, w, h):
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h * 0.72:.1f}" rx="3" fill="{LIGHT}" stroke="{INK}"'
            f' stroke-width="1.5"/>'
            f'<rect x="{x + w * 0.08:.1f}" y="{y + h * 0.08:.1f}" width="{w * 0.84:.1f}" height="{h * 0.52:.1f}"'
            f' fill="{BLUE}"/>'
            + polyline(wave_points(WAVES["triangle"], x + w * 0.14, y + h * 0.16, w * 0.72, h * 0.36, 2, 40),
                       PAPER, 1.5) +
            f'<rect x="{x + w * 0.4:.1f}" y="{y + h * 0.72:.1f}" width="{w * 0.2:.1f}" height="{h * 0.14:.1f}"'
            f' fill="{GREY}"/>'
            f'<rect x="{x + w * 0.2:.1f}" y="{y + h * 0.86:.1f}" width="{w * 0.6:.1f}" height="{h * 0.1:.1f}"'
            f' rx="2" fill="{GREY}" stroke="{INK}"/>')


def arrow(x1, x2, y, colour, thickness):
    head = thickness * 2.2
    return (f'<line x1="{x1}" y1="{y}" x2="{x2 - head}" y2="{y}" stroke="{colour}" stroke-width="{thickness}"'
            f' stroke-dasharray="{thickness * 2} {thickness}"/>'
            f'<path d="M{x2} {y} L{x2 - head * 1.4} {y - head} L{x2 - head * 1.4} {y + head} Z" fill="{colour}"/>')


def button_transfer():
    # 300 x 60: the computer sends the waveform to the generator.
    return computer(6, 4, 64, 52) + arrow(82, 196, 28, GREEN, 5) + generator_box(206, 8, 88, 44)


def button_draw():
    # 48 x 44: a pencil drawing a free curve.
    curve = [(3 + i * 0.5, 30 - 10 * math.sin(i / 9.0) - 4 * math.sin(i / 3.1)) for i in range(60)]
    return (f'<rect x="0.5" y="0.5" width="47" height="43" rx="4" fill="{SCREEN}" stroke="{GREY}"/>'
            + polyline(curve, YELLOW, 2) +
            '<g transform="translate(33 27) rotate(-40)">'
            f'<rect x="0" y="-3.5" width="22" height="7" fill="{YELLOW}" stroke="{INK}" stroke-width="0.8"/>'
            f'<rect x="17" y="-3.5" width="5" height="7" fill="{RED}" stroke="{INK}" stroke-width="0.8"/>'
            f'<path d="M0 -3.5 L-7 0 L0 3.5 Z" fill="#e8c89a" stroke="{INK}" stroke-width="0.8"/>'
            f'<path d="M-4.5 -1.2 L-7 0 L-4.5 1.2 Z" fill="{INK}"/></g>')


def button_clear():
    # 36 x 30: an eraser over a flat line.
    return (f'<line x1="2" y1="24" x2="34" y2="24" stroke="{YELLOW}" stroke-width="2"/>'
            '<g transform="translate(16 13) rotate(-30)">'
            f'<rect x="-12" y="-6" width="24" height="12" rx="2" fill="#f4a6b0" stroke="{INK}" stroke-width="1"/>'
            f'<rect x="-12" y="-6" width="9" height="12" rx="2" fill="{BLUE}" stroke="{INK}" stroke-width="1"/>'
            '</g>')


def app_icon():
    # 48 x 48 design, rendered at several sizes.
    return (f'<rect x="2" y="6" width="44" height="36" rx="5" fill="{NAVY}" stroke="{INK}" stroke-width="1.5"/>'
            f'<rect x="6" y="10" width="36" height="22" rx="2" fill="{SCREEN}"/>'
            + polyline(wave_points(WAVES["sine"], 8, 13, 32, 16, 1.5, 60), YELLOW, 2.4) +
            f'<circle cx="13" cy="37" r="2.2" fill="{RED}"/><circle cx="35" cy="37" r="2.2" fill="{LIGHT}"/>'
            + text(24, 39.5, "DDS", 7.5, PAPER, anchor="middle"))


# Gauge bitmaps, opaque so that tiling shows no seams: tiled along the gauge, 8 x 15.

def gauge_fill():
    return '<rect x="7" width="1" height="15" fill="#1a5cab"/>'


GAUGE_FILL_GROUND = [(8, SKY, BLUE), (7, BLUE, NAVY)]


GAUGE_BACKGROUND_GROUND = [(1, "#c9ced4", "#c9ced4"), (14, LIGHT, "#f4f6f8")]


# Animations.

def plug_frames():
    # 235 x 67: a USB plug slides into the generator's socket, then the socket light comes on.
    frames = []
    steps = [0, 14, 28, 42, 56, 62, 62, 62]
    for index, shift in enumerate(steps):
        lit = index >= 5
        x = 20 + shift
        body = (f'<line x1="0" y1="34" x2="{x}" y2="34" stroke="{INK}" stroke-width="6" stroke-linecap="round"/>'
                f'<rect x="{x}" y="22" width="34" height="24" rx="3" fill="{GREY}" stroke="{INK}" stroke-width="1.5"/>'
                f'<rect x="{x + 34}" y="26" width="26" height="16" fill="{LIGHT}" stroke="{INK}" stroke-width="1.5"/>'
                f'<rect x="{x + 40}" y="30" width="5" height="4" fill="{INK}"/>'
                f'<rect x="{x + 50}" y="30" width="5" height="4" fill="{INK}"/>'
                + generator_box(140, 6, 92, 55) +
                f'<rect x="137" y="25" width="6" height="18" fill="{INK}"/>'
                f'<circle cx="211.8" cy="48.9" r="4" fill="{GREEN if lit else GREY}" stroke="{INK}"/>')
        frames.append((body, 60 if index == len(steps) - 1 else 15))
    return frames


def not_connected_frames():
    # 90 x 80: the generator with a blinking red cross.
    frames = []
    for blink in (True, False):
        body = generator_box(4, 14, 82, 50)
        if blink:
            body += (f'<circle cx="45" cy="39" r="22" fill="none" stroke="{RED}" stroke-width="5"/>'
                     f'<line x1="30" y1="24" x2="60" y2="54" stroke="{RED}" stroke-width="5"/>')
        frames.append((body, 50))
    return frames


def transfer_frames():
    # 460 x 146: blocks of samples travel from the computer to the generator.
    frames = []
    count = 10
    for index in range(count):
        body = computer(12, 18, 120, 110) + generator_box(312, 33, 140, 80)
        for block in range(4):
            x = 146 + ((index * 16 + block * 40) % 160)
            body += (f'<rect x="{x}" y="60" width="24" height="20" rx="3" fill="{GREEN}" stroke="{INK}"/>'
                     + polyline(wave_points(WAVES["sine"], x + 3, 64, 18, 12, 1, 16), PAPER, 1.4))
        body += f'<path d="M308 70 L296 60 L296 80 Z" fill="{GREEN}"/>'
        frames.append((body, 10))
    return frames


def wait_frames():
    # 80 x 84: a ring of dots turning.
    frames = []
    dots = 8
    for index in range(dots):
        body = ""
        for dot in range(dots):
            angle = 2 * math.pi * dot / dots
            age = (index - dot) % dots
            colour = RED if age == 0 else (BLUE if age < 3 else SKY)
            radius = 7.5 if age == 0 else 6
            body += (f'<circle cx="{40 + 28 * math.sin(angle):.1f}" cy="{42 - 28 * math.cos(angle):.1f}"'
                     f' r="{radius}" fill="{colour}" stroke="{INK}" stroke-width="0.8"/>')
        frames.append((body, 10))
    return frames


# Start-up and about pictures: the same title artwork; the about picture extends it downward.

def title_art(width):
    grid = ""
    for x in range(30, width - 29, 42):
        grid += f'<line x1="{x}" y1="140" x2="{x}" y2="308" stroke="#2c4a70" stroke-width="1"/>'
    for y in range(140, 309, 28):
        grid += f'<line x1="30" y1="{y}" x2="{width - 30}" y2="{y}" stroke="#2c4a70" stroke-width="1"/>'
    traces = (polyline(wave_points(WAVES["rectangle"], 30, 184, width - 60, 80, 1.5, 600), "#4f9e68", 2)
              + polyline(wave_points(WAVES["sine"], 30, 154, width - 60, 140, 2.5, 300), YELLOW, 3))
    return (text(width / 2, 56, "Générateur de fonctions", 36, PAPER, anchor="middle")
            + text(width / 2, 94, "de formes arbitraires", 28, SKY, anchor="middle")
            + text(width / 2, 124, "USB - DDS", 22, YELLOW, anchor="middle")
            + f'<rect x="30" y="140" width="{width - 60}" height="168" fill="#0b1626"/>'
            + grid + traces
            + generator_box(width / 2 - 90, 320, 180, 68))


TITLE_GROUND = [(394, "#0d1b2e", "#2a5482")]
STARTUP_GROUND = [(419, "#0d1b2e", "#2f5d8f")]
ABOUT_GROUND = TITLE_GROUND + [(206, "#14263d", "#070d16")]


def startup_picture():
    return title_art(563)


def about_picture():
    return (title_art(562)
            + f'<line x1="20" y1="395" x2="542" y2="395" stroke="{YELLOW}" stroke-width="1.5"/>')


def write_test_animation(work):
    """A three-frame GIF with delays of 30 ms, 20 s and 1 s, for the animator's frame-delay tests."""
    target = os.path.join(HERE, "..", "tests", "widgets", "data", "delays.gif")
    os.makedirs(os.path.dirname(target), exist_ok=True)
    arguments = ["convert", "-loop", "0"]
    for index, (colour, delay) in enumerate([(RED, 3), (GREEN, 2000), (BLUE, 100)]):
        frame = os.path.join(work, f"delay_{index}.png")
        render(svg(12, 10, f'<rect width="12" height="10" fill="{colour}"/>'), frame, work)
        arguments += ["-delay", str(delay), frame]
    subprocess.run(arguments + [target], check=True)


def write_resource_list():
    """ddsgen.qrc: every generated image under the ":/images/" prefix."""
    names = sorted(os.listdir(OUT))
    lines = ['<!DOCTYPE RCC><RCC version="1.0">', "<qresource>"]
    lines += [f"    <file>images/{name}</file>" for name in names]
    lines += ["</qresource>", "</RCC>", ""]
    with open(os.path.join(HERE, "ddsgen.qrc"), "w", encoding="utf-8") as handle:
        handle.write("\n".join(lines))


def main():
    if shutil.which("convert") is None:
        raise SystemExit("ImageMagick's convert is needed")
    os.makedirs(OUT, exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        for name, draw in TOOLBAR:
            picture(name, 16, 16, draw(), work)
        picture("button_offset_centre", 21, 13, button_offset_centre(), work)
        picture("button_vertical_centre", 13, 21, button_vertical_centre(), work)
        picture("button_transfer", 300, 60, button_transfer(), work)
        picture("button_draw", 48, 44, button_draw(), work)
        picture("button_clear", 36, 30, button_clear(), work)
        for name in WAVES:
            picture("wave_" + name, 64, 24, wave_button(name), work)
        for size in (16, 32, 48, 256):
            render(svg(48, 48, app_icon(), size / 48), os.path.join(OUT, f"app_icon_{size}.png"), work)
        on_backdrop("gauge_fill", 8, GAUGE_FILL_GROUND, gauge_fill(), work)
        on_backdrop("gauge_background", 8, GAUGE_BACKGROUND_GROUND, "", work)
        on_backdrop("startup", 563, STARTUP_GROUND, startup_picture(), work)
        on_backdrop("about", 562, ABOUT_GROUND, about_picture(), work)
        animation("anim_plug", 235, 67, plug_frames(), work)
        animation("anim_not_connected", 90, 80, not_connected_frames(), work)
        animation("anim_transfer", 460, 146, transfer_frames(), work)
        animation("anim_wait", 80, 84, wait_frames(), work)
        write_test_animation(work)
    write_resource_list()


if __name__ == "__main__":
    main()
