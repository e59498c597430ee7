"""Writing an answer to the connection, normally or in one of the broken ways
of the transport fault modes."""

import socket
import struct
import time
from dataclasses import dataclass, field
from http.server import BaseHTTPRequestHandler

TRICKLE_PIECES = 10
HANG_LIMIT = 600.0  # seconds a hanging answer holds the connection at most
RESET_GRACE = 0.3  # seconds between the half body and the reset
# Odd sizes, so that chunks split multi-byte characters and the client has to join them.
CHUNK_SIZES = (1, 7, 300, 4096, 13, 1500)


@dataclass
class Reply:
    status: int
    content_type: str
    body: bytes
    cookies: list[str] = field(default_factory=list)  # Set-Cookie values, in the order sent


def _start(handler: BaseHTTPRequestHandler, reply: Reply) -> None:
    handler.send_response(reply.status)
    handler.send_header("Content-Type", reply.content_type)
    handler.send_header("Cache-Control", "private")
    for cookie in reply.cookies:
        handler.send_header("Set-Cookie", cookie)


def _reset(handler: BaseHTTPRequestHandler) -> None:
    # Closing with a zero linger time sends RST instead of FIN. The socket is
    # detached first so that the server's own shutdown cannot send a FIN before.
    raw = socket.socket(fileno=handler.connection.detach())
    raw.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
    raw.close()


def hang(handler: BaseHTTPRequestHandler, limit: float = HANG_LIMIT) -> None:
    """Sends nothing and holds the connection until the client closes it (or resets it,
    or limit seconds pass); whatever the client sends meanwhile is read and dropped.
    The connection is closed afterwards. Only this request's thread waits."""
    handler.close_connection = True
    connection = handler.connection
    deadline = time.monotonic() + limit
    try:
        while (left := deadline - time.monotonic()) > 0:
            connection.settimeout(left)
            if not connection.recv(4096):
                break
    except OSError:  # a time-out or a reset ends the hang too
        pass


def deliver(handler: BaseHTTPRequestHandler, reply: Reply, transport: str | None, delay: float) -> int:
    """Sends reply; returns the number of body bytes written."""
    if transport == "hang":
        hang(handler)
        return 0
    body = reply.body
    if transport == "slow":
        time.sleep(delay)
    if transport == "empty":
        body = b""
    elif transport == "truncated":
        body = body[:max(1, len(body) * 3 // 5)]

    _start(handler, reply)
    if transport == "chunked":
        handler.send_header("Transfer-Encoding", "chunked")
        handler.end_headers()
        offset = 0
        index = 0
        while offset < len(body):
            piece = body[offset:offset + CHUNK_SIZES[index % len(CHUNK_SIZES)]]
            handler.wfile.write(b"%X\r\n%s\r\n" % (len(piece), piece))
            offset += len(piece)
            index += 1
        handler.wfile.write(b"0\r\n\r\n")
        return len(body)
    if transport == "close":
        handler.send_header("Connection", "close")
        handler.end_headers()
        handler.wfile.write(body)
        handler.close_connection = True
        return len(body)

    handler.send_header("Content-Length", str(len(body)))
    handler.end_headers()
    if transport in ("drop", "reset"):
        half = body[:len(body) // 2]
        handler.wfile.write(half)
        handler.close_connection = True
        if transport == "reset":
            # A reset discards what the client has not read yet: give it the half first,
            # so that the body is cut short rather than the answer lost whole.
            handler.wfile.flush()
            time.sleep(RESET_GRACE)
            _reset(handler)
        else:
            handler.connection.shutdown(socket.SHUT_RDWR)
        return len(half)
    if transport == "trickle":
        step = max(1, -(-len(body) // TRICKLE_PIECES))
        for offset in range(0, len(body), step):
            if offset:
                time.sleep(delay / TRICKLE_PIECES)
            handler.wfile.write(body[offset:offset + step])
        return len(body)
    handler.wfile.write(body)
    return len(body)
