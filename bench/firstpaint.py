#!/usr/bin/env python3
"""Times the real program on an X display, as a user sees it: from the start
of the process to the moment a watched part of the screen shows what it
finally shows (the first row of a form, the menu bar of the main window).

  bench/firstpaint.py [--runs N] [--region X,Y,W,H] [--display :N]
                      [--folder DIR] [--deck-inputs N [--pages P]] PROGRAM [ARG...]

Run it on a virtual desktop (../shared/tools/screen.sh start N). The screen
is read every few milliseconds through libX11 (a small rectangle only), so
the figures are good to about 5 ms. The program runs with PELMARK_NO_SPLASH=1
in --folder (default: the program's folder) and is ended after each run.
--deck-inputs writes the generated deck of that many inputs (over --pages
tab pages) into the folder as deck<N>x<P>.pzd and passes it as the argument.
A first run, not counted, learns what the region finally shows: it ends
once the region has not changed for --settle seconds, so give a settle
longer than the longest still moment before the form appears. The median
and every run are printed, in seconds.
"""
import argparse
import ctypes
import hashlib
import os
import signal
import statistics
import subprocess
import sys
import time


def generated_deck(inputs, pages):
    """N inputs with CRLF line ends; with pages > 1 they are spread evenly over tab pages."""
    lines = ["* generated deck", "*PLENZO", "CONSTANTS %d" % inputs]
    per = inputs // pages
    for p in range(pages):
        if pages > 1:
            lines.append('*|<TABWINDOW NAME="Page %d">' % (p + 1))
        for n in range(p * per + 1, (p + 1) * per + 1):
            value = n * 0.5 + 1
            lines.append("V%d = %s" % (n, "%d" % value if value == int(value) else "%g" % value))
            lines.append("*|Value number %d|kg/s|lb/h|0|7936.6|0|1000000.0|%d" % (n, n % 50))
        if pages > 1:
            lines.append("*|</TABWINDOW>")
    return ("\r\n".join(lines) + "\r\n").encode()


class Screen:
    def __init__(self, display):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x11.XGetImage.restype = ctypes.c_void_p
        self.x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                       ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x11.XFree.argtypes = [ctypes.c_void_p]
        self.dpy = self.x11.XOpenDisplay(display.encode())
        if not self.dpy:
            sys.exit("cannot open display %s" % display)
        self.root = self.x11.XDefaultRootWindow(self.dpy)

    def digest(self, x, y, w, h):
        image = self.x11.XGetImage(self.dpy, self.root, x, y, w, h, 0xFFFFFFFF, 2)  # ZPixmap
        if not image:
            return None
        # XImage: width, height, xoffset, format, data, ...; bytes_per_line at offset 44.
        data = ctypes.cast(ctypes.c_void_p.from_address(image + 16).value, ctypes.POINTER(ctypes.c_char))
        stride = ctypes.c_int.from_address(image + 44).value
        digest = hashlib.md5(ctypes.string_at(data, stride * h)).hexdigest()
        self.x11.XFree(ctypes.c_void_p.from_address(image + 16).value)
        self.x11.XFree(image)
        return digest


def one_run(screen, region, command, folder, final, settle, timeout):
    """Seconds until the region shows final; with final None, until it has not
    changed for settle seconds (the learning run). Returns (seconds, look)."""
    env = dict(os.environ, PELMARK_NO_SPLASH="1")
    before = screen.digest(*region)
    start = time.monotonic()
    process = subprocess.Popen(command, cwd=folder, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, start_new_session=True)
    seen = []  # (seconds from the start, digest) at each change
    last = before
    last_change = start
    while True:
        now = time.monotonic()
        digest = screen.digest(*region)
        if digest != last:
            seen.append((now - start, digest))
            last = digest
            last_change = now
            if digest == final:
                break
        if final is None and seen and now - last_change > settle:
            break
        if now - start > timeout:
            break
        time.sleep(0.002)
    os.killpg(process.pid, signal.SIGKILL)
    process.wait()
    time.sleep(0.5)
    if not seen or seen[-1][1] == before or (final is not None and seen[-1][1] != final):
        return None, None
    look = seen[-1][1]
    return next(t for t, d in seen if d == look), look


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--region", default="10,70,120,22")
    parser.add_argument("--display", default=os.environ.get("DISPLAY", ":98"))
    parser.add_argument("--folder")
    parser.add_argument("--deck-inputs", type=int)
    parser.add_argument("--pages", type=int, default=1)
    parser.add_argument("--settle", type=float, default=5.0,
                        help="seconds without change that end the learning run")
    parser.add_argument("--timeout", type=float, default=300.0)
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    if not args.command:
        parser.error("no program given")
    command = [os.path.abspath(args.command[0])] + args.command[1:]
    folder = args.folder or os.path.dirname(command[0])
    if args.deck_inputs:
        name = "deck%dx%d.pzd" % (args.deck_inputs, args.pages)
        with open(os.path.join(folder, name), "wb") as f:
            f.write(generated_deck(args.deck_inputs, args.pages))
        command.append(name)
    region = tuple(int(v) for v in args.region.split(","))
    os.environ["DISPLAY"] = args.display  # the program shows on the display watched
    screen = Screen(args.display)
    # A first run learns the final look of the region (and warms the caches).
    t, final = one_run(screen, region, command, folder, None, args.settle, args.timeout)
    if final is None:
        sys.exit("the watched region never settled: %s" % args.region)
    print("learning run %.3f s" % t, flush=True)
    times = []
    for _ in range(args.runs):
        t, _look = one_run(screen, region, command, folder, final, args.settle, args.timeout)
        if t is None:
            sys.exit("the region did not come to its final look within %s s" % args.timeout)
        times.append(t)
        print("run %.3f s" % t, flush=True)
    print("median %.3f s of %d runs (%s)" % (statistics.median(times), len(times), " ".join("%.3f" % t for t in times)))

if __name__ == "__main__":
    main()
