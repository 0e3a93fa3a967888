#!/usr/bin/env python3
"""A local FTP server for the tests of the online version check.

Serves ROOT on 127.0.0.1 at a free port, which it prints as its first line, to one account.
Every connection is appended as a line to the LOG file, so a test can tell whether a check
reached the server. --silent accepts connections and never answers; --delay holds every
download back by that many seconds.
"""
import argparse
import logging
import socket
import sys
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def silent(log):
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    print(listener.getsockname()[1], flush=True)
    held = []
    while True:
        connection, _ = listener.accept()
        held.append(connection)
        with open(log, "a") as f:
            f.write("connect\n")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--delay", type=float, default=0.0)
    parser.add_argument("--silent", action="store_true")
    options = parser.parse_args()
    if options.silent:
        silent(options.log)
        return

    # Quiet: a logger with a handler of its own keeps the server from adding one to stderr.
    logger = logging.getLogger("pyftpdlib")
    logger.addHandler(logging.NullHandler())
    logger.setLevel(logging.ERROR)
    logger.propagate = False
    authorizer = DummyAuthorizer()
    authorizer.add_user(options.user, options.password, options.root, perm="elr")

    class Handler(FTPHandler):
        def on_connect(self):
            with open(options.log, "a") as f:
                f.write("connect\n")

        def ftp_RETR(self, file):
            time.sleep(options.delay)
            return super().ftp_RETR(file)

    Handler.authorizer = authorizer
    server = FTPServer(("127.0.0.1", 0), Handler)
    print(server.socket.getsockname()[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
