#!/usr/bin/python3
"""Prints each startup-notification message sent to the X root window, a line
each ("remove: ID=..."), as a launcher hears them: _NET_STARTUP_INFO(_BEGIN)
client messages of 20 bytes, a message ending at its NUL. Prints "ready" once
it listens, and runs until it is killed. Usage: startup_notification.py"""
from Xlib import X, display

screen = display.Display()
root = screen.screen().root
root.change_attributes(event_mask=X.PropertyChangeMask)
first = screen.intern_atom("_NET_STARTUP_INFO_BEGIN")
further = screen.intern_atom("_NET_STARTUP_INFO")
screen.sync()
print("ready", flush=True)
message = b""
while True:
    event = screen.next_event()
    if event.type != X.ClientMessage or event.client_type not in (first, further):
        continue
    if event.client_type == first:
        message = b""
    message += bytes(event.data[1])
    if b"\0" in message:
        print(message.split(b"\0")[0].decode(), flush=True)
        message = b""
