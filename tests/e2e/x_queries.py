"""What the window manager and the X server say about windows, read with the standard X tools,
and user input sent through the XTEST extension (real pointer and key events)."""

import re


def _value(session, window, name, form=None):
    argv = ["xprop", "-notype"]
    if window is None:
        argv.append("-root")
    else:
        argv += ["-id", str(window)]
    if form:
        argv += ["-f", name, form]
    output = session.run(argv + [name], check=False)
    prefix = name + " = "
    for line in output.splitlines():
        if line.startswith(prefix):
            return line[len(prefix):]
        if line.startswith(name + ":"):
            return line[len(name) + 1:].strip()
    return None


def _windows(text):
    return [int(match, 16) for match in re.findall(r"0x[0-9a-fA-F]+", text or "")]


def _string(text):
    """Unquotes an xprop string value."""
    if text is None or not text.startswith('"'):
        return None
    return re.sub(r"\\(.)", r"\1", text[1:-1])


def title(session, window):
    return _string(_value(session, window, "_NET_WM_NAME"))


def legacy_title(session, window):
    return _string(_value(session, window, "WM_NAME"))


def wm_class(session, window):
    text = _value(session, window, "WM_CLASS")
    return [_string(part.strip()) for part in text.split(",")] if text else []


def net_wm_state(session, window):
    text = _value(session, window, "_NET_WM_STATE")
    return {atom.strip() for atom in text.split(",") if atom.strip()} if text else set()


def pid_of(session, window):
    text = _value(session, window, "_NET_WM_PID")
    return int(text) if text and text.isdigit() else None


def client_list(session):
    return _windows(_value(session, None, "_NET_CLIENT_LIST"))


def stacking_order(session):
    """Managed windows, bottom to top."""
    return _windows(_value(session, None, "_NET_CLIENT_LIST_STACKING"))


def active_window(session):
    windows = _windows(_value(session, None, "_NET_ACTIVE_WINDOW"))
    return windows[0] if windows and windows[0] != 0 else None


def windows_of(session, pid):
    return [window for window in client_list(session) if pid_of(session, window) == pid]


def icons(session, window):
    """The _NET_WM_ICON entries as (width, height, [ARGB, ...])."""
    text = _value(session, window, "_NET_WM_ICON", "32c")
    numbers = [int(number) for number in re.findall(r"\d+", text or "")]
    entries = []
    while len(numbers) >= 2:
        width, height = numbers[0], numbers[1]
        entries.append((width, height, numbers[2:2 + width * height]))
        numbers = numbers[2 + width * height:]
    return entries


def geometry(session, window):
    """The client area: absolute left, top, width, height, and whether it is viewable."""
    output = session.run(["xwininfo", "-id", str(window)], check=False)

    def field(label):
        match = re.search(rf"^\s*{label}:\s*(\S+)", output, re.MULTILINE)
        return match.group(1) if match else None

    numbers = [field(label) for label in
               ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")]
    if None in numbers:
        return None
    return tuple(int(number) for number in numbers) + (field("Map State") == "IsViewable",)


def click(session, window, x, y):
    """A left click at (x, y) inside the window's client area."""
    session.run(["xdotool", "mousemove", "--sync", "--window", str(window), str(x), str(y),
                 "click", "1"])


def press_keys(session, *keys):
    session.run(["xdotool", "key", "--delay", "30", *keys])


def type_text(session, text):
    session.run(["xdotool", "type", "--delay", "30", text])
