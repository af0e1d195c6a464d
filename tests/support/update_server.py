#!/usr/bin/env python3
"""A file server on 127.0.0.1 for the update tests: serves a folder over HTTP, or HTTPS with a
certificate, on a port the system chooses, and writes that port to a file once it listens.

A marker file beside a served file changes how that file is sent:
  NAME.truncate   the headers announce the whole file, half of it is sent, then the connection
                  is closed.
  NAME.slow       holds "PIECES SECONDS": the file is sent in that many pieces, with a pause of
                  SECONDS before each.
Markers that answer for NAME whether or not it exists:
  NAME.redirect   holds a URL (absolute, or a path on this server): a 302 redirect to it.
  NAME.status     holds an HTTP status code: the answer has that status, with NAME's content (or
                  a short error page) as its body.
Each request's first line and headers are appended to the log file, one blank line after each.
"""
import argparse
import http.server
import os
import ssl
import sys
import time


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
            if not path.startswith(root):
                self.send_error(404)
                return
            if os.path.isfile(path + ".redirect"):
                with open(path + ".redirect", encoding="latin-1") as marker:
                    location = marker.read().strip()
                body = b"moved"
                self.send_response(302)
                self.send_header("Location", location)
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)
                return
            if os.path.isfile(path + ".status"):
                with open(path + ".status", encoding="latin-1") as marker:
                    status = int(marker.read().strip())
                body = b"<html>error page</html>"
                if os.path.isfile(path):
                    with open(path, "rb") as served:
                        body = served.read()
                self.send_response(status)
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)
                return
            if not os.path.isfile(path):
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
            if os.path.exists(path + ".slow"):
                with open(path + ".slow", encoding="latin-1") as marker:
                    pieces, pause = marker.read().split()
                pieces, pause = int(pieces), float(pause)
                size = (len(body) + pieces - 1) // pieces
                for start in range(0, len(body), size):
                    time.sleep(pause)
                    self.wfile.write(body[start:start + size])
                    self.wfile.flush()
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
