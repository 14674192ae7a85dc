#!/usr/bin/env python3
"""Peers that never answer, for the fault tests. Each runs until killed.

Usage: lib_linux_silent_peer.py <ready file> listen <socket path>
           a server that accepts every connection and never replies
       lib_linux_silent_peer.py <ready file> connect <socket path> <count>
           <count> clients that connect and never send anything
       lib_linux_silent_peer.py <ready file> lock <file>
           a process that holds an exclusive flock on the file and serves nothing

Each makes the ready file once it is in place.
"""
import fcntl
import os
import signal
import socket
import sys


def main():
    ready_file, mode, path = sys.argv[1:4]

    def ready():
        with open(ready_file, "w"):
            pass

    held = []
    if mode == "listen":
        server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        server.bind(path)
        server.listen(64)
        ready()
        while True:
            held.append(server.accept()[0])
    elif mode == "connect":
        for _ in range(int(sys.argv[4])):
            client = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
            client.connect(path)
            held.append(client)
        ready()
    elif mode == "lock":
        fd = os.open(path, os.O_RDWR | os.O_CREAT | os.O_NOFOLLOW, 0o600)
        fcntl.flock(fd, fcntl.LOCK_EX)
        held.append(fd)
        ready()
    else:
        sys.exit(f"unknown mode {mode}")
    while True:
        signal.pause()


if __name__ == "__main__":
    main()
