"""Stand-in for the family-diary backup service, for tests and the demo.

    /usr/bin/python3 tools/standin_service/server.py --port N [--host 127.0.0.1]
        [--size small|large|N] [--port-file F] [--quiet] [--builtin-jpeg]
        [--photo-delay MS]

Port 0 picks a free port; it is written to --port-file (if given) before the
ready line "standin service ready on http://HOST:PORT" goes to stdout; the
photos are encoded before that.
It listens on loopback addresses only. See README.md for users, fault modes
and admin paths.
"""

import argparse
import ipaddress
import os
import signal
import sys
import threading
from http.server import ThreadingHTTPServer

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from family_store import FamilyStore  # noqa: E402
from handler import StandinHandler  # noqa: E402
from photos import PhotoStudio  # noqa: E402
from request_log import RequestLog  # noqa: E402
from sample_family import diary_count  # noqa: E402
from standin_app import StandinApp  # noqa: E402

MAX_PHOTO_DELAY_MS = 600000


class StandinServer(ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True

    def __init__(self, address: tuple[str, int], app: StandinApp) -> None:
        super().__init__(address, StandinHandler)
        self.app = app
        app.stop = lambda: threading.Thread(target=self.shutdown, daemon=True).start()


def loopback_host(text: str) -> str:
    address = "127.0.0.1" if text == "localhost" else text
    try:
        if ipaddress.ip_address(address).version == 4 and ipaddress.ip_address(address).is_loopback:
            return address
    except ValueError:
        pass
    raise argparse.ArgumentTypeError("only IPv4 loopback addresses (127.x.x.x or localhost) are allowed")


def size_value(text: str) -> str:
    try:
        diary_count(text)
    except ValueError as error:
        raise argparse.ArgumentTypeError(str(error)) from None
    return text


def milliseconds(text: str) -> float:
    try:
        value = float(text)
    except ValueError:
        value = -1.0
    if not 0 <= value <= MAX_PHOTO_DELAY_MS:
        raise argparse.ArgumentTypeError("a number of milliseconds from 0 to %d" % MAX_PHOTO_DELAY_MS)
    return value


def parse_arguments(argv: list[str]) -> argparse.Namespace:
    parser = argparse.ArgumentParser(description="Stand-in backup service on loopback.")
    parser.add_argument("--port", type=int, required=True, help="port to listen on; 0 picks a free one")
    parser.add_argument("--host", type=loopback_host, default="127.0.0.1", help="loopback address to bind")
    parser.add_argument("--size", type=size_value, default="small",
                        help="diaries of the main demo user: small (150), large (1500) or a number")
    parser.add_argument("--port-file", help="file that receives the port number once listening")
    parser.add_argument("--quiet", action="store_true", help="no request lines on stderr")
    parser.add_argument("--builtin-jpeg", action="store_true", help="encode photos without PIL")
    parser.add_argument("--photo-delay", type=milliseconds, default=0.0, metavar="MS",
                        help="each photo is answered this many milliseconds after its request arrives")
    return parser.parse_args(argv)


def write_port_file(path: str, port: int) -> None:
    # Written whole under another name first, so a reader never sees a partial number.
    temporary = path + ".tmp"
    with open(temporary, "w", encoding="ascii") as out:
        out.write("%d\n" % port)
    os.replace(temporary, path)


def build_server(options: argparse.Namespace) -> StandinServer:
    app = StandinApp(
        store=FamilyStore(options.size),
        studio=PhotoStudio(use_pil=False if options.builtin_jpeg else None),
        log=RequestLog(quiet=options.quiet),
        photo_delay=options.photo_delay / 1000,
    )
    return StandinServer((options.host, options.port), app)


def main(argv: list[str]) -> int:
    options = parse_arguments(argv)
    try:
        server = build_server(options)
    except OSError as error:
        print("standin: cannot listen on %s:%d: %s" % (options.host, options.port, error), file=sys.stderr)
        return 1
    host, port = server.server_address[:2]
    if options.port_file:
        write_port_file(options.port_file, port)
    signal.signal(signal.SIGTERM, lambda *_: server.app.stop())
    print("standin service ready on http://%s:%d (photos: %s)" % (host, port, server.app.studio.encoder_name),
          flush=True)
    try:
        server.serve_forever(poll_interval=0.2)
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
