#!/usr/bin/python3
"""Keys for GNOME's compositor through its RemoteDesktop D-Bus interface.

One command a line on standard input: "type TEXT" or "key NAME...", each
answered with a line "done". The session lasts as long as this program:
mutter ends a remote-desktop session with its caller.
"""
import sys
import time

import dbus

NAMED = {"Escape": 0xff1b, "Return": 0xff0d, "space": 0x20, "Shift_L": 0xffe1, "Alt_L": 0xffe9,
         "Super_L": 0xffeb, "Tab": 0xff09, "BackSpace": 0xff08, "F3": 0xffc0, "F4": 0xffc1,
         "F5": 0xffc2, "F6": 0xffc3}
bus = dbus.SessionBus()
rd = dbus.Interface(bus.get_object("org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop"),
                    "org.gnome.Mutter.RemoteDesktop")
path = rd.CreateSession()
session = dbus.Interface(bus.get_object("org.gnome.Mutter.RemoteDesktop", path),
                         "org.gnome.Mutter.RemoteDesktop.Session")
session.Start()


def sym(name):
    if name in NAMED:
        return NAMED[name]
    code = ord(name)
    return code if code < 0x100 else 0x1000000 + code


def tap(keysym):
    session.NotifyKeyboardKeysym(dbus.UInt32(keysym), True)
    time.sleep(0.03)
    session.NotifyKeyboardKeysym(dbus.UInt32(keysym), False)
    time.sleep(0.05)


print("ready", flush=True)
for line in sys.stdin:
    command, _, rest = line.rstrip("\n").partition(" ")
    if command == "type":
        for character in rest:
            tap(sym(character))
    elif command == "key":
        for name in rest.split():
            tap(sym(name))
    print("done", flush=True)
