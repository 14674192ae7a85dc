#!/usr/bin/env python3
"""Covers part of the screen with a black window, takes it away, and says how
many milliseconds pass until a pixel under it shows the expected colour again
(the program repainted it). Prints "<ms> <r,g,b of the check pixel then>".

Usage: lib_linux_repaint_delay.py <x> <y> <width> <height>   the cover
           <px> <py> <r,g,b[/r,g,b...]>                      the pixel and its colours
           <cx> <cy>                                         a pixel to report when it is back
           [--ready FILE --when-changes X Y W H]             cover, touch FILE, and uncover
                                                             only once that area changes
           [--cover-when X Y R,G,B ...]                      cover only once these pixels have
                                                             these colours
           [--hold SECONDS]                                  uncover after this long (0.05)
           [--check-after SECONDS]                           read the check pixel this long
                                                             after the repaint (0)
Gives up after 5 seconds of waiting for the repaint and prints "timeout".
"""
import argparse
import ctypes
import sys
import time

ZPIXMAP = 2
ALL_PLANES = 0xFFFFFFFF


class image_head(ctypes.Structure):
    # The start of Xlib's XImage: enough to free what XGetImage made.
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p)]


def main():
    p = argparse.ArgumentParser()
    p.add_argument("cover", type=int, nargs=4)
    p.add_argument("pixel", nargs=3)
    p.add_argument("check", type=int, nargs=2)
    p.add_argument("--ready")
    p.add_argument("--when-changes", type=int, nargs=4)
    p.add_argument("--cover-when", nargs=3, action="append", default=[])
    p.add_argument("--hold", type=float, default=0.05)
    p.add_argument("--check-after", type=float, default=0)
    a = p.parse_args()
    px, py = int(a.pixel[0]), int(a.pixel[1])
    want = [tuple(int(v) for v in colour.split(",")) for colour in a.pixel[2].split("/")]

    x = ctypes.cdll.LoadLibrary("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XDefaultRootWindow.restype = ctypes.c_ulong
    x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x.XCreateSimpleWindow.restype = ctypes.c_ulong
    x.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                      ctypes.c_uint, ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_ulong]
    for name in ("XMapRaised", "XDestroyWindow"):
        getattr(x, name).argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x.XGetImage.restype = ctypes.c_void_p
    x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                            ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    x.XGetPixel.restype = ctypes.c_ulong
    x.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
    x.XFree.argtypes = [ctypes.c_void_p]

    display = x.XOpenDisplay(None)
    if not display:
        sys.exit("cannot open display")
    root = x.XDefaultRootWindow(display)

    def area(ax, ay, w, h):
        image = x.XGetImage(display, root, ax, ay, w, h, ALL_PLANES, ZPIXMAP)
        values = tuple(x.XGetPixel(image, i, j) for j in range(0, h, 2) for i in range(0, w, 2))
        x.XFree(image_head.from_address(image).data)
        x.XFree(image)
        return values

    def pixel(ax, ay):
        v = area(ax, ay, 1, 1)[0]
        return (v >> 16) & 255, (v >> 8) & 255, v & 255

    deadline = time.monotonic() + 120
    wanted = [(int(wx), int(wy), tuple(int(v) for v in rgb.split(","))) for wx, wy, rgb in a.cover_when]
    def cover_now():
        return all(pixel(wx, wy) == rgb for wx, wy, rgb in wanted)

    # The pixels must keep their colours a moment: a panel being repainted
    # passes through them too, for less than that.
    def cover_holds():
        if not cover_now():
            return False
        time.sleep(0.02)
        return cover_now()

    while not cover_holds():
        if time.monotonic() > deadline:
            print("timeout waiting for the pixels to cover on: "
                  + " ".join("%d,%d=%s" % (wx, wy, pixel(wx, wy)) for wx, wy, _ in wanted))
            return
    cx, cy, cw, ch = a.cover
    cover = x.XCreateSimpleWindow(display, root, cx, cy, cw, ch, 0, 0, 0)
    x.XMapRaised(display, cover)
    x.XSync(display, 0)
    if a.ready:
        open(a.ready, "w").close()
    if a.when_changes:
        before = area(*a.when_changes)
        deadline = time.monotonic() + 20
        while area(*a.when_changes) == before:
            if time.monotonic() > deadline:
                print("timeout waiting for the change")
                return
    else:
        time.sleep(a.hold)
    x.XDestroyWindow(display, cover)
    x.XSync(display, 0)
    start = time.monotonic()
    while pixel(px, py) not in want:
        if time.monotonic() - start > 5:
            print("timeout")
            return
    ms = (time.monotonic() - start) * 1000
    time.sleep(a.check_after)
    print("%.0f %s" % (ms, ",".join(str(v) for v in pixel(*a.check))))
    x.XCloseDisplay(display)


if __name__ == "__main__":
    main()
