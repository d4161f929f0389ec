#!/usr/bin/env python3
"""A calendar server that misbehaves, on 127.0.0.1: /lying says 1000 bytes
and sends 40, /huge announces and sends 50 MB.

usage: hostile-calendar-server.py PORT"""
import http.server
import sys


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        self.send_response(200)
        self.send_header("Content-Type", "text/calendar")
        if self.path == "/lying":
            self.send_header("Content-Length", "1000")
            self.end_headers()
            self.wfile.write(b"BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x")
            return
        size = 50 * 1024 * 1024
        self.send_header("Content-Length", str(size))
        self.end_headers()
        chunk = b"x" * (1024 * 1024)
        try:
            for _ in range(size // len(chunk)):
                self.wfile.write(chunk)
        except (BrokenPipeError, ConnectionResetError):
            pass

    def log_message(self, *args):
        pass


http.server.ThreadingHTTPServer(("127.0.0.1", int(sys.argv[1])), Handler).serve_forever()
