#!/usr/bin/env python3
"""Puts a black window over part of the screen for a while, then takes it away,
as another program's window dragged across does.

Usage: lib_linux_cover.py <x> <y> <width> <height> <seconds>   (uses $DISPLAY)
"""
import ctypes
import sys
import time


def main():
    x0, y0, width, height = (int(v) for v in sys.argv[1:5])
    seconds = float(sys.argv[5])
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
    display = x.XOpenDisplay(None)
    if not display:
        sys.exit("cannot open display")
    cover = x.XCreateSimpleWindow(display, x.XDefaultRootWindow(display), x0, y0, width, height, 0, 0, 0)
    x.XMapRaised(display, cover)
    x.XSync(display, 0)
    time.sleep(seconds)
    x.XDestroyWindow(display, cover)
    x.XSync(display, 0)
    x.XCloseDisplay(display)


if __name__ == "__main__":
    main()
