"""A VISA client nobody here wrote — Debian's PyVISA with the pyvisa-py back end —
talking to zk7416-gateway --simulate over a raw socket, behind each door."""
import pytest

pyvisa = pytest.importorskip("pyvisa")


def test_pyvisa_session(gateway):
    resources = pyvisa.ResourceManager("@py")
    meter = resources.open_resource(f"TCPIP0::127.0.0.1::{gateway}::SOCKET",
                                    read_termination="\n", write_termination="\n", timeout=10000)
    try:
        assert meter.query("*IDN?").startswith("TARVOLUX,Typ 7416")
        meter.write(":SENSE:FRES:RANG:MAN 20OHM")
        meter.write("SENSE:AVER:COUN 5")
        assert meter.query(":SENSE:FRES:RANG:MAN?") == "20OHM"
        assert meter.query("SENSE:AVER:COUN?") == "5"
        meter.write(":SENSE:FRES:RANG:AUTO ON")

        # Continuous measuring; a value is fetched when the operation register says
        # one is new, as the driver itself does on RS-232.
        meter.write("INIT:CONT ON")
        meter.write("IN")
        values = []
        while len(values) < 100:
            if int(meter.query("STAT:OPER?")) & 0x100:
                values.append(meter.query("FE?"))
        meter.write("AB")
        assert all(v.endswith("MOHM") and 12.2 < float(v[:-4]) < 12.5 for v in values), values
        assert meter.query("GATEWAY:ERR?") == '0,"kein Fehler"'
    finally:
        meter.close()
        resources.close()
