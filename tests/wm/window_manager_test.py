#!/usr/bin/env python3
"""Runs the editor on Xvfb under openbox and checks, from outside with xprop and
xwininfo, that every secondary window is transient for the main window, is of the
dialog type and opens centred over the window it belongs to, on the screen.

Usage: window_manager_test.py PICTAVO SCRATCH-DIR
Screenshots of every window go to SCRATCH-DIR/screens. Exit 77 (skip) only when
X cannot start."""
import os
import re
import shutil
import struct
import subprocess
import sys
import time

SKIP = 77
# Pixels off centre allowed: a window's frame is guessed before the window manager
# has decorated it, and halves of odd sizes round.
TOLERANCE = 10
SHELL32 = ["/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/shell32.dll",
           "/usr/lib/i386-linux-gnu/wine/i386-windows/shell32.dll"]


class Failure(Exception):
    pass


def wait_for(what, probe, seconds=15.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = probe()
        if value:
            return value
        time.sleep(0.05)
    raise Failure("timed out waiting for " + what)


class Screen:
    def __init__(self, scratch, size):
        self.env = dict(os.environ)
        self.procs = []
        read_end, write_end = os.pipe()
        try:
            xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", size + "x24",
                                     "-nolisten", "tcp"], pass_fds=[write_end],
                                    stdout=subprocess.DEVNULL, stderr=open(os.path.join(scratch, "xvfb.log"), "w"))
        finally:
            os.close(write_end)
        self.procs.append(xvfb)
        # Xvfb writes the number and its newline apart; closing early would kill it.
        with os.fdopen(read_end) as announced:
            number = announced.readline().strip()
        if not number:
            raise OSError("Xvfb did not start")
        self.env["DISPLAY"] = ":" + number
        self.procs.append(subprocess.Popen(["openbox", "--sm-disable"], env=self.env, stdout=subprocess.DEVNULL,
                                           stderr=open(os.path.join(scratch, "openbox.log"), "w")))
        try:
            wait_for("openbox", lambda: "window id" in self.x(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]), 30)
        except Failure:
            self.close()
            raise

    def x(self, command):
        done = subprocess.run(command, env=self.env, capture_output=True, text=True)
        return done.stdout

    def close(self):
        for p in reversed(self.procs):
            p.terminate()
            p.wait()


class Editor:
    def __init__(self, screen, home, program, args=()):
        self.screen = screen
        run = os.path.join(home, "run")
        os.makedirs(run, exist_ok=True)
        os.makedirs(os.path.join(home, "runtime"), mode=0o700, exist_ok=True)
        # Past its first run, so no question stands in front of the main window.
        with open(os.path.join(run, "pictav.ini"), "w", newline="") as f:
            f.write('" ","%s","%s","1","","","","Version_20b"\r\n' % (home, home))
        env = dict(screen.env, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_DATA_HOME=os.path.join(home, ".local/share"),
                   XDG_RUNTIME_DIR=os.path.join(home, "runtime"), PICTAVO_COMMANDS="stdin",
                   QT_FORCE_STDERR_LOGGING="1")
        self.log = os.path.join(home, "pictavo.log")
        self.proc = subprocess.Popen([program, *args], cwd=run, env=env, stdin=subprocess.PIPE,
                                     stdout=subprocess.DEVNULL, stderr=open(self.log, "w"), text=True)
        self.main = wait_for("the main window", lambda: self.window("Pictavo"))

    def send(self, command):
        self.proc.stdin.write(command + "\n")
        self.proc.stdin.flush()

    def windows(self):
        """Top-level client windows of this process, title by id."""
        found = {}
        for line in self.screen.x(["wmctrl", "-lp"]).splitlines():
            parts = line.split(None, 4)
            if len(parts) >= 4 and parts[2] == str(self.proc.pid):
                found[parts[0]] = parts[4] if len(parts) > 4 else ""
        return found

    def window(self, title, besides=None):
        for wid, name in self.windows().items():
            if wid != besides and name.strip().endswith(title) and self.mapped(wid):
                return wid
        return None

    def mapped(self, wid):
        return "IsViewable" in self.screen.x(["xwininfo", "-id", wid])

    def frame(self, wid):
        """The window with its decorations, as left, top, width, height."""
        info = self.screen.x(["xwininfo", "-id", wid])
        get = lambda key: int(re.search(key + r":\s+(-?\d+)", info).group(1))
        left, top, width, height = (get("Absolute upper-left X"), get("Absolute upper-left Y"),
                                    get("Width"), get("Height"))
        extents = re.search(r"= (\d+), (\d+), (\d+), (\d+)",
                            self.screen.x(["xprop", "-id", wid, "_NET_FRAME_EXTENTS"]))
        l, r, t, b = (int(v) for v in extents.groups()) if extents else (0, 0, 0, 0)
        return left - l, top - t, width + l + r, height + t + b

    def settled_frame(self, wid):
        last = None
        for _ in range(40):
            now = self.frame(wid)
            if now == last:
                return now
            last = now
            time.sleep(0.05)
        return last

    def stop(self):
        self.proc.stdin.close()
        self.proc.terminate()
        self.proc.wait()


def screenshot(screen, path):
    if shutil.which("import"):  # ImageMagick
        screen.x(["import", "-window", "root", path])


def check_owned(editor, title, over, screen_size, shots, problems, besides=None):
    try:
        wid = wait_for('"%s"' % title, lambda: editor.window(title, besides))
    except Failure as e:
        screenshot(editor.screen, os.path.join(shots, "missing.png"))
        raise Failure("%s; windows shown: %s" % (e, ", ".join(editor.windows().values()))) from None
    frame = editor.settled_frame(wid)
    anchor = editor.settled_frame(over)
    props = editor.screen.x(["xprop", "-id", wid, "WM_TRANSIENT_FOR", "_NET_WM_WINDOW_TYPE"])
    transient = re.search(r"WM_TRANSIENT_FOR\(WINDOW\): window id # (0x[0-9a-f]+)", props)
    dx = (frame[0] + frame[2] / 2) - (anchor[0] + anchor[2] / 2)
    dy = (frame[1] + frame[3] / 2) - (anchor[1] + anchor[3] / 2)
    width, height = screen_size
    on_screen = frame[0] >= 0 and frame[1] >= 0 and frame[0] + frame[2] <= width and frame[1] + frame[3] <= height
    print("%-22s frame %4d,%4d %3dx%3d  centre off by %+5.1f,%+5.1f  transient for %s" %
          (title, *frame, dx, dy, transient.group(1) if transient else "nothing"))
    if not transient or int(transient.group(1), 16) != int(editor.main, 16):
        problems.append("%s is not transient for the main window" % title)
    if "_NET_WM_WINDOW_TYPE_DIALOG" not in props:
        problems.append("%s is not a dialog-type window" % title)
    if abs(dx) > TOLERANCE or abs(dy) > TOLERANCE:
        problems.append("%s is not centred over its owner (%+.1f, %+.1f)" % (title, dx, dy))
    if not on_screen:
        problems.append("%s is not wholly on the screen" % title)
    name = re.sub(r"[^A-Za-z0-9]+", "-", title).strip("-").lower()
    screenshot(editor.screen, os.path.join(shots, name + ".png"))
    return wid


def check_minimised_with_main(editor, wid, title, problems):
    editor.screen.x(["xdotool", "windowminimize", editor.main])
    state = lambda: editor.screen.x(["xprop", "-id", wid, "WM_STATE"])
    try:
        wait_for(title + " minimised with the main window", lambda: "Iconic" in state(), 5)
        print("%-22s minimised with the main window" % title)
    except Failure:
        problems.append("%s stays on the screen when the main window is minimised" % title)
    editor.screen.x(["wmctrl", "-i", "-a", editor.main])
    wait_for("the main window back", lambda: "Normal" in editor.screen.x(["xprop", "-id", editor.main, "WM_STATE"]))


def write_bmp(path, width=48, height=40):
    pixels = b"".join(bytes((x * 5 % 256, y * 6 % 256, 160)) for y in range(height) for x in range(width))
    size = 54 + len(pixels)
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", size, 0, 0, 54))
        f.write(struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0))
        f.write(pixels)


def window_icons(screen, wid):
    """The images of a window's _NET_WM_ICON: {(width, height): [0xAARRGGBB, ...]}."""
    text = screen.x(["xprop", "-id", wid, "-notype", "-f", "_NET_WM_ICON", "32c", " = $0+", "_NET_WM_ICON"])
    values = [int(v) for v in text.split("=", 1)[1].split(",")] if "=" in text else []
    images, i = {}, 0
    while i + 2 <= len(values):
        width, height = values[i], values[i + 1]
        images[(width, height)] = values[i + 2:i + 2 + width * height]
        i += 2 + width * height
    return images


def check_main_icon(editor, problems):
    """The taskbar shows the menu entry's icon, each size a window manager draws sent once."""
    images = window_icons(editor.screen, editor.main)
    sizes = sorted(w for w, h in images)
    if sizes != [16, 24, 32, 48, 64]:
        problems.append("main window icon sizes %s, not 16 to 64" % sizes)
        return
    from PIL import Image
    here = os.path.dirname(os.path.abspath(__file__))
    png = Image.open(os.path.join(here, "..", "..", "data", "icons", "pictavo-32.png")).convert("RGBA")
    # Colours of part-transparent pixels come back through premultiplied alpha.
    def close(shown, wanted):
        r, g, b, a = wanted
        tolerance = 0 if a == 255 else 8 if a else 255
        return shown >> 24 == a and all(abs((shown >> shift & 255) - c) <= tolerance
                                        for shift, c in ((16, r), (8, g), (0, b)))
    if not all(close(shown, wanted) for shown, wanted in zip(images[(32, 32)], png.getdata())):
        problems.append("main window's 32 x 32 icon is not the program's icon")


def main_window_windows(editor, scratch, size, shots, problems):
    main = editor.main
    check_main_icon(editor, problems)
    editor.send("trigger mnuHelpAbout")
    about = check_owned(editor, "About Pictavo", main, size, shots, problems)
    check_minimised_with_main(editor, about, "About Pictavo", problems)
    editor.send("close frmAbout")

    editor.send("trigger mnuHelpContents")
    menu = check_owned(editor, "Help Main Menu", main, size, shots, problems)
    for label, name, title in (("Label4", "Form5", "Help (Tools)"), ("Label25", "Form11", "Tips and Tricks"),
                               ("Label26", "Form12", "Enable High Color Icons")):
        editor.send("click " + label)
        check_owned(editor, title, menu, size, shots, problems)
        editor.send("close " + name)
        wait_for(title + " closed", lambda: not editor.window(title))
    editor.send("close Form9")

    editor.send("trigger mnuFileSave")
    check_owned(editor, "Choose a save type", main, size, shots, problems)
    editor.send("close SaveForm")

    picture = os.path.join(scratch, "picture.bmp")
    write_bmp(picture)
    editor.send("trigger mnuFilePicture")
    check_owned(editor, "Open", main, size, shots, problems)
    editor.send("file " + picture)
    picture_window = check_owned(editor, "Picture", main, size, shots, problems)
    # Its own placement rule: the Maximize box fills the screen.
    editor.send("click Check3")
    try:
        wait_for("the picture window maximised", lambda: "MAXIMIZED_VERT" in editor.screen.x(
            ["xprop", "-id", picture_window, "_NET_WM_STATE"]), 5)
    except Failure:
        problems.append("Use Entire Screen does not maximise the picture window")
    editor.send("close PictureForm")

    editor.send("trigger mnuViewOptions")
    check_owned(editor, "Change Options", main, size, shots, problems)
    editor.send("click Command2")


def opened_file_windows(screen, program, scratch, size, shots, problems):
    shell32 = next((p for p in SHELL32 if os.path.exists(p)), None)
    if shell32:
        editor = Editor(screen, os.path.join(scratch, "home-chooser"), program, [shell32])
        try:
            check_owned(editor, "Choose Icon", editor.main, size, shots, problems)
        finally:
            editor.stop()
    else:
        print("Wine's shell32.dll is missing (package libwine): the chooser is not checked")

    # A long scan of nothing but zeros keeps the progress window up; Cancel ends it in a message.
    empty = os.path.join(scratch, "zeros.bin")
    with open(empty, "wb") as f:
        f.truncate(32 << 30)
    editor = Editor(screen, os.path.join(scratch, "home-scan"), program, [empty])
    try:
        check_owned(editor, "Please Wait", editor.main, size, shots, problems)
        editor.send("click Command1")
        # The message box has the program's title: the other window of that name.
        check_owned(editor, "Pictavo", editor.main, size, shots, problems, besides=editor.main)
        editor.send("answer OK")
    finally:
        editor.stop()
        os.remove(empty)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    program, scratch = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    if not shutil.which("Xvfb"):
        print("SKIP: X cannot start here: Xvfb is not installed (scripts/deps.sh --test installs it)")
        return SKIP
    missing = [t for t in ("openbox", "xprop", "xwininfo", "wmctrl", "xdotool") if not shutil.which(t)]
    if missing:
        print("FAIL: missing %s (scripts/deps.sh --test installs them)" % ", ".join(missing))
        return 1
    shutil.rmtree(scratch, ignore_errors=True)
    shots = os.path.join(scratch, "screens")
    os.makedirs(shots)
    try:
        screen = Screen(scratch, "1024x768")
    except (OSError, Failure) as e:
        print("SKIP: X could not start: %s" % e)
        return SKIP
    problems = []
    try:
        editor = Editor(screen, os.path.join(scratch, "home"), program)
        try:
            main_window_windows(editor, scratch, (1024, 768), shots, problems)
        finally:
            editor.stop()
        opened_file_windows(screen, program, scratch, (1024, 768), shots, problems)
    except Failure as e:
        problems.append(str(e))
    finally:
        screen.close()
    for p in problems:
        print("FAIL: " + p)
    print("Screenshots in " + shots)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
