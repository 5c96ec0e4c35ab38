# Input for a headless mutter through its remote-desktop interface, which
# gives the seat a virtual keyboard and pointer. Says "ok" once both exist,
# then reads commands, one a line, until end of input, and answers each "ok":
#   key KEYSYM     press and release a key (an X keysym, such as 0x61 for a)
#   motion DX DY   move the pointer by so many pixels
#   click          press and release the left button
# The session lives as long as this process's bus connection.
import sys

import dbus

BUS_NAME = "org.gnome.Mutter.RemoteDesktop"
LEFT_BUTTON = 0x110  # BTN_LEFT
SHIFT_L = 0xFFE1

bus = dbus.SessionBus()
desktop = bus.get_object(BUS_NAME, "/org/gnome/Mutter/RemoteDesktop")
path = desktop.CreateSession(dbus_interface=BUS_NAME)
session = dbus.Interface(bus.get_object(BUS_NAME, path), BUS_NAME + ".Session")
session.Start()
# The devices appear with their first event: make them now, so that clients
# started later find them on the seat.
session.NotifyPointerMotionRelative(0.0, 0.0)
session.NotifyKeyboardKeysym(dbus.UInt32(SHIFT_L), True)
session.NotifyKeyboardKeysym(dbus.UInt32(SHIFT_L), False)
print("ok", flush=True)

for line in sys.stdin:
    words = line.split()
    if words[0] == "key":
        keysym = dbus.UInt32(int(words[1], 0))
        session.NotifyKeyboardKeysym(keysym, True)
        session.NotifyKeyboardKeysym(keysym, False)
    elif words[0] == "motion":
        session.NotifyPointerMotionRelative(float(words[1]), float(words[2]))
    elif words[0] == "click":
        session.NotifyPointerButton(dbus.Int32(LEFT_BUTTON), True)
        session.NotifyPointerButton(dbus.Int32(LEFT_BUTTON), False)
    print("ok", flush=True)
session.Stop()
