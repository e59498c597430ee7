"""The service's shared state, one per server; request threads reach it
through the server object."""

from dataclasses import dataclass, field
from typing import Callable

from faults import FaultBook
from family_store import FamilyStore
from photos import PhotoStudio
from request_log import RequestLog
from sessions import SessionBook


@dataclass
class StandinApp:
    store: FamilyStore
    studio: PhotoStudio
    log: RequestLog
    sessions: SessionBook = field(default_factory=SessionBook)
    faults: FaultBook = field(default_factory=FaultBook)
    photo_delay: float = 0.0  # seconds from a photo request's arrival to its answer
    stop: Callable[[], None] = lambda: None  # set by the server: ends serving, from any thread

    def reset(self) -> None:
        """Back to the state after start-up, except that issued session cookies stay valid."""
        self.store.reset()
        self.faults.clear()
        self.log.clear()
