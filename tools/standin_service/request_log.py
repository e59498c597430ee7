"""What clients sent: one record per service or photo request, kept for the
admin path and echoed as one line on stderr."""

import sys
import threading
from collections import deque

MAX_ENTRIES = 10000


class RequestLog:
    def __init__(self, quiet: bool = False) -> None:
        self._lock = threading.Lock()
        self._entries: deque[dict] = deque(maxlen=MAX_ENTRIES)
        self._next_seq = 1
        self.quiet = quiet

    def add(self, entry: dict) -> None:
        with self._lock:
            entry["seq"] = self._next_seq
            self._next_seq += 1
            self._entries.append(entry)
        if not self.quiet:
            print(self.line(entry), file=sys.stderr, flush=True)

    def entries(self, since: int = 0, clear: bool = False) -> list[dict]:
        with self._lock:
            found = [e for e in self._entries if e["seq"] > since]
            if clear:
                self._entries.clear()
            return found

    def clear(self) -> None:
        with self._lock:
            self._entries.clear()

    @staticmethod
    def line(entry: dict) -> str:
        parts = ["standin #%d %s %s" % (entry["seq"], entry["method"], entry["path"])]
        if entry.get("user") is not None:
            parts.append("user=%s" % entry["user"])
        parts.append("cookie=%s" % entry["session_cookie"])
        parts.append("ua=%s" % ("expected" if entry["user_agent_expected"] else repr(entry["user_agent"])))
        parts.append("-> %d" % entry["status"] if entry["status"] is not None else "-> (no answer)")
        if entry.get("result") is not None:
            parts.append("Result=%s" % entry["result"])
        if entry.get("fault"):
            parts.append("fault=%s" % "+".join(entry["fault"]))
        return " ".join(parts)
