#!/usr/bin/env python3
"""A file server on 127.0.0.1 for the update tests: serves a folder over HTTP, or HTTPS with a
certificate, on a port the system chooses, and writes that port to a file once it listens.

A marker file beside a served file changes how that file is sent:
  NAME.truncate   the headers announce the whole file, half of it is sent, then the connection
                  is closed.
Each request's first line and headers are appended to the log file, one blank line after each.
"""
import argparse
import http.server
import os
import ssl
import sys


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--port-file", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--cert")
    parser.add_argument("--key")
    args = parser.parse_args()
    root = os.path.abspath(args.root)

    class Handler(http.server.BaseHTTPRequestHandler):
        def log_message(self, *unused):
            pass

        def do_GET(self):
            with open(args.log, "a", encoding="latin-1") as log:
                log.write(self.requestline + "\n" + str(self.headers) + "\n")
            path = os.path.normpath(os.path.join(root, self.path.split("?")[0].lstrip("/")))
            if not path.startswith(root) or not os.path.isfile(path):
                self.send_error(404)
                return
            with open(path, "rb") as served:
                body = served.read()
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            if os.path.exists(path + ".truncate"):
                self.wfile.write(body[: len(body) // 2])
                self.wfile.flush()
                self.close_connection = True
                return
            self.wfile.write(body)

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    if args.cert:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(args.cert, args.key)
        server.socket = context.wrap_socket(server.socket, server_side=True)
    temporary = args.port_file + ".new"
    with open(temporary, "w") as port_file:
        port_file.write(str(server.server_address[1]))
    os.replace(temporary, args.port_file)
    sys.stdout.flush()
    server.serve_forever()


if __name__ == "__main__":
    main()
