#!/usr/bin/env python3
"""Holds live-page connections to varnelo-websb open: each one follows /api/<page>/events, as
the live page does, over the pages board1..boardN. Prints "ready" once every connection has its
first event, then counts events until it is told to stop (SIGTERM or SIGINT) or its time is up,
and prints what it saw."""

import argparse
import selectors
import signal
import socket
import sys
import time


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--connections", type=int, default=1000)
    parser.add_argument("--pages", type=int, default=100)
    parser.add_argument("--seconds", type=float, default=120, help="stop after this long at most")
    args = parser.parse_args()

    stopping = False

    def stop(*_):
        nonlocal stopping
        stopping = True

    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGINT, stop)

    selector = selectors.DefaultSelector()
    events = {}
    started = time.monotonic()
    for i in range(args.connections):
        page = i % args.pages + 1
        sock = socket.create_connection(("127.0.0.1", args.port))
        sock.sendall(f"GET /api/board{page}/events HTTP/1.1\r\nHost: bench\r\n\r\n".encode())
        sock.setblocking(False)
        selector.register(sock, selectors.EVENT_READ)
        events[sock] = 0

    ready = False
    closed = 0
    deadline = started + args.seconds
    while not stopping and time.monotonic() < deadline and closed < args.connections:
        for key, _ in selector.select(timeout=0.2):
            sock = key.fileobj
            try:
                data = sock.recv(65536)
            except OSError:
                data = b""
            if not data:
                selector.unregister(sock)
                sock.close()
                closed += 1
                continue
            events[sock] += data.count(b"\ndata: ") + data.startswith(b"data: ")
        if not ready and all(count > 0 for count in events.values()):
            ready = True
            print(f"ready: {args.connections} live connections in "
                  f"{time.monotonic() - started:.2f} s", flush=True)

    counts = sorted(events.values())
    print(f"viewers         {args.connections} connections, {closed} closed early, "
          f"events per connection min {counts[0]} median {counts[len(counts) // 2]} "
          f"max {counts[-1]}", flush=True)
    return 0 if ready and closed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
