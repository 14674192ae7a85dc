#!/usr/bin/env python3
"""Peers that never answer, for the fault tests. Each runs until killed.

Usage: lib_linux_silent_peer.py listen <socket path>
           a server that accepts every connection and never replies
       lib_linux_silent_peer.py connect <socket path> <count>
           <count> clients that connect and never send anything
       lib_linux_silent_peer.py lock <file>
           a process that holds an exclusive flock on the file and serves nothing

Each writes "<path>.ready" once it is in place.
"""
import fcntl
import os
import signal
import socket
import sys


def ready(path):
    with open(path + ".ready", "w"):
        pass


def main():
    mode, path = sys.argv[1], sys.argv[2]
    held = []
    if mode == "listen":
        server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        server.bind(path)
        server.listen(64)
        ready(path)
        while True:
            held.append(server.accept()[0])
    elif mode == "connect":
        for _ in range(int(sys.argv[3])):
            client = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
            client.connect(path)
            held.append(client)
        ready(path)
    elif mode == "lock":
        fd = os.open(path, os.O_RDWR | os.O_CREAT | os.O_NOFOLLOW, 0o600)
        fcntl.flock(fd, fcntl.LOCK_EX)
        held.append(fd)
        ready(path)
    else:
        sys.exit(f"unknown mode {mode}")
    while True:
        signal.pause()


if __name__ == "__main__":
    main()
