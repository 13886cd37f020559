# PyVISA with the pyvisa-py backend, as a bench script would drive the instrument: one phase of
# real_clients.sh. Prints what it checked; exits 1 on the first answer that is wrong.
import sys

import pyvisa

port, phase = sys.argv[1], sys.argv[2]
manager = pyvisa.ResourceManager("@py")
instrument = manager.open_resource(f"TCPIP0::127.0.0.1::{port}::SOCKET", read_termination="\n",
                                   write_termination="\n", timeout=30000)


def check(condition, what):
    print(("ok: " if condition else "FAILED: ") + str(what))
    if not condition:
        sys.exit(1)


identity = instrument.query("*IDN?").split(",")
check(len(identity) == 4 and identity[2] == "virtual", f"*IDN? {identity}")
for _ in range(100):  # the virtual generator comes shortly after start-up
    if instrument.query("*TST?") == "0":
        break
check(instrument.query("*TST?") == "0", "*TST? 0: the generator is connected")
if phase == "preset":
    instrument.write("FREQ 1500;FUNC TRI")
    check(instrument.query("*OPC?") == "1", "FREQ 1500;FUNC TRI then *OPC? 1")
    check(instrument.query("FREQ?;:FUNC?;:FREQ:SETT?") == "1500;TRI;5,5", "FREQ?;:FUNC?;:FREQ:SETT?")
elif phase == "arbitrary":
    codes = [i * 255 // 999 for i in range(1000)]
    instrument.write_binary_values("DATA:ARB ", codes, datatype="B")
    check(instrument.query("FUNC ARB;*OPC?") == "1", "a block of 1000 codes, FUNC ARB, *OPC? 1")
check(instrument.query("SYST:ERR?") == '0,"No error"', "SYST:ERR? no error")
instrument.close()
