"""Finding and binding libzk7416.so.1, and the one lock every driver call takes.

The driver keeps its state in the library (connection table, message buffers, the
transport of the last connection) and is not thread-safe, so all calls of this process
go through :data:`LOCK`.
"""
from __future__ import annotations

import ctypes
import ctypes.util
import os
import threading
from typing import Any, Optional

LOCK = threading.RLock()

# Buffer sizes of the C interface (driver/zk7416.h).
ANSWER_SIZE = 300
COMMAND_SIZE = 297
NAME_SIZE = 30
STATISTICS_SIZE = 30
DATE_SIZE = 11
TIME_SIZE = 15
VALUE_SIZE = 34

# Statuses the package treats specially.
EOT = 301  # RS-232: no new value yet
LINE_LOST = (230, 231)  # writing or reading failed: the instrument no longer answers
QUESTIONABLE = range(310, 318)

# Argument codes: i int32, d double, s text, I int32*, D double*.
_CODES = {
    "i": ctypes.c_int32,
    "d": ctypes.c_double,
    "s": ctypes.c_char_p,
    "I": ctypes.POINTER(ctypes.c_int32),
    "D": ctypes.POINTER(ctypes.c_double),
}
_SIGNATURES = {
    "zk7416_init_serial": "iidsiI",
    "zk7416_init_gpib": "iiisI",
    "zk7416_close": "i",
    "zk7416_send_scpi": "is",
    "zk7416_receive_scpi": "iss",
    "zk7416_system_error": "i",
    "zk7416_meas_start": "i",
    "zk7416_meas_stop": "i",
    "zk7416_meas_read_string": "is",
    "zk7416_set_config_meas": "iiiiiiii",
    "zk7416_get_config_meas": "iIIIIIII",
    "zk7416_set_config_range": "ii",
    "zk7416_get_config_range": "iI",
    "zk7416_set_config_auto_range": "iii",
    "zk7416_get_config_auto_range": "iII",
    "zk7416_set_config_temp_compensation": "iiidd",
    "zk7416_get_config_temp_compensation": "iIIDD",
    "zk7416_get_temp_value": "iD",
    "zk7416_set_config_comparator_mode": "iiii",
    "zk7416_get_config_comparator_mode": "iIII",
    "zk7416_set_config_2_limit_comparator": "idd",
    "zk7416_get_config_2_limit_comparator": "iDD",
    "zk7416_set_config_4_limit_comparator": "idddd",
    "zk7416_get_config_4_limit_comparator": "iDDDD",
    "zk7416_comparator_2_limit_report": "iIII",
    "zk7416_comparator_4_limit_report": "iIIIII",
    "zk7416_comparator_clear": "i",
    "zk7416_set_datalogger_state": "ii",
    "zk7416_get_datalogger_state": "iI",
    "zk7416_set_active_datalogger_block": "iiis",
    "zk7416_get_active_datalogger_block": "iI",
    "zk7416_set_datalogger_block_size": "iii",
    "zk7416_get_datalogger_block_size": "iiI",
    "zk7416_datalogger_clear_block": "ii",
    "zk7416_datalogger_read_num_counts": "iiI",
    "zk7416_datalogger_read_block": "iiisss",
    "zk7416_datalogger_read_eval_values": "iissss",
    "zk7416_set_com_device": "is",
    "zk7416_get_com_device": "isi",
}


class DriverError(Exception):
    """A driver call failed: ``status`` is the driver's status code, ``text`` its
    description (German, as the driver gives it)."""

    def __init__(self, status: int, text: Optional[str] = None, what: str = "") -> None:
        self.status = status
        self.text = text if text is not None else status_text(status)
        self.what = what
        prefix = f"{what}: " if what else ""
        super().__init__(f"{prefix}status {status} ({self.text})")


def _candidates() -> list:
    """Where the library is looked for, in order."""
    found = []
    if os.environ.get("ZK7416_LIBRARY"):
        found.append(os.environ["ZK7416_LIBRARY"])
    try:
        from . import _location  # written by the build and by the installation

        found.append(os.path.join(_location.LIBRARY_DIR, "libzk7416.so.1"))
    except ImportError:
        pass
    found.append("libzk7416.so.1")  # the dynamic loader's search path
    system = ctypes.util.find_library("zk7416")
    if system:
        found.append(system)
    return found


_library: Optional[ctypes.CDLL] = None


def library() -> ctypes.CDLL:
    """The bound driver; loads it on first use. Raises OSError naming every place
    tried when there is none."""
    global _library
    with LOCK:
        if _library is not None:
            return _library
        errors = []
        for name in _candidates():
            if os.sep in name and not os.path.exists(name):
                errors.append(f"{name}: not there")
                continue
            try:
                lib = ctypes.CDLL(name)
                break
            except OSError as error:
                errors.append(str(error))
        else:
            raise OSError("libzk7416.so.1 not found (set ZK7416_LIBRARY): " + "; ".join(errors))
        for function, codes in _SIGNATURES.items():
            getattr(lib, function).argtypes = [_CODES[c] for c in codes]
            getattr(lib, function).restype = ctypes.c_int32
        lib.zk7416_status_text.argtypes = [ctypes.c_int32]
        lib.zk7416_status_text.restype = ctypes.c_char_p
        lib.convert_string_to_value.argtypes = [ctypes.c_char_p]
        lib.convert_string_to_value.restype = ctypes.c_double
        _library = lib
        return lib


def library_path() -> str:
    """The file the driver was loaded from."""
    lib = library()
    info = _DlInfo()
    address = ctypes.cast(lib.zk7416_close, ctypes.c_void_p)
    if _libdl().dladdr(address, ctypes.byref(info)) and info.dli_fname:
        return os.path.realpath(info.dli_fname.decode())
    return str(lib._name)


class _DlInfo(ctypes.Structure):
    _fields_ = [
        ("dli_fname", ctypes.c_char_p),
        ("dli_fbase", ctypes.c_void_p),
        ("dli_sname", ctypes.c_char_p),
        ("dli_saddr", ctypes.c_void_p),
    ]


def _libdl() -> Any:
    libc = ctypes.CDLL(None)
    libc.dladdr.argtypes = [ctypes.c_void_p, ctypes.POINTER(_DlInfo)]
    return libc


def status_text(status: int) -> str:
    """The driver's description of a status code."""
    return library().zk7416_status_text(status).decode("utf-8")


def to_ohms(text: str) -> float:
    """Ohms of an instrument value text such as ``12.345MOHM`` (the driver's own
    conversion: MOHM is milliohm)."""
    return float(library().convert_string_to_value(text.encode("latin-1")))


def encode(text: str) -> bytes:
    """A text for the driver, in the instrument's Latin-1."""
    return text.encode("latin-1")


def command_line(text: str) -> bytes:
    """A command line as the instrument takes it: printable Latin-1 and no longer than
    the driver sends. Raises ValueError before anything is sent; the driver itself
    would report a line too long as a failed write, which reads as a dead line."""
    raw = text.encode("latin-1")
    if len(raw) > COMMAND_SIZE - 1:
        raise ValueError(f"command line of {len(raw)} bytes; the instrument takes "
                         f"at most {COMMAND_SIZE - 1}")
    if any(b < 0x20 or 0x7F <= b < 0xA0 for b in raw):
        raise ValueError(f"control character in command line {text!r}")
    return raw


def decode(raw: bytes) -> str:
    return raw.decode("latin-1")
