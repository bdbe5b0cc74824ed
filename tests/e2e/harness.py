"""Drives the real tool and the real chat room under Wine on the test fixture's virtual display,
as a person would: xdotool for the mouse and keys, screenshots for what shows, the chat room's
transcript for what was posted."""
import os
import subprocess
import tempfile
import time
from pathlib import Path

BUILD = Path(os.environ.get('HUE_BUILD_DIR', Path(__file__).resolve().parents[2] / 'build' / 'win64'))
BIN = BUILD / 'bin'
ARTEFACTS = Path(os.environ.get('HUE_ARTEFACTS', BUILD / 'artefacts'))
WINE_RUN = Path(__file__).resolve().parents[2] / 'cmake' / 'wine-run'
TITLE = "Velmor's Hue-Weaver"
# What the window layer's layout puts where, at 96 dpi, read from the control table itself.
_layout = None


def environment():
    env = dict(os.environ)
    display_file = BUILD / 'xvfb.display'
    if not display_file.exists():
        raise RuntimeError('the virtual display is not up (tests/wine/display up %s)' % BUILD)
    env['DISPLAY'] = display_file.read_text().strip()
    return env


def wine(program, *arguments, background=False):
    command = [str(WINE_RUN), str(BIN / program), *map(str, arguments)]
    if background:
        return subprocess.Popen(command, env=environment(), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return subprocess.run(command, env=environment(), capture_output=True, text=True, timeout=60).stdout


def xdotool(*arguments):
    subprocess.run(['xdotool', *map(str, arguments)], env=environment(), check=True, timeout=60)


def wait_until(condition, timeout=15.0, interval=0.05, what='condition'):
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError('timed out waiting for ' + what)
        time.sleep(interval)


def layout():
    global _layout
    if _layout is None:
        _layout = {}
        for line in wine('ui-probe.exe', 'layout').splitlines():
            name, left, top, right, bottom = line.split()
            _layout[name] = (int(left), int(top), int(right), int(bottom))
    return _layout


def probe_state():
    state = {}
    for line in wine('ui-probe.exe', 'state').splitlines():
        key, _, value = line.partition(' ')
        state[key] = value
    return state


def tool_visible():
    found = subprocess.run(['xdotool', 'search', '--onlyvisible', '--name', '^' + TITLE + '$'], env=environment(),
                           capture_output=True, text=True)
    return found.returncode == 0 and found.stdout.strip() != ''


class Screenshot:
    """The whole virtual screen, read once, with pixel lookups."""

    def __init__(self):
        data = subprocess.run(['import', '-window', 'root', '-depth', '8', 'ppm:-'], env=environment(), capture_output=True,
                              check=True, timeout=60).stdout
        # P6 header: magic, width, height, maximum, each separated by white space.
        fields = []
        at = 0
        while len(fields) < 4:
            while data[at:at + 1].isspace():
                at += 1
            start = at
            while not data[at:at + 1].isspace():
                at += 1
            fields.append(data[start:at])
        self.width, self.height = int(fields[1]), int(fields[2])
        assert fields[3] == b'255', 'eight bits per channel'
        self.pixels = data[at + 1:]
        self.raw = data

    def at(self, x, y):
        offset = (y * self.width + x) * 3
        return tuple(self.pixels[offset:offset + 3])

    def save(self, path, crop=None):
        path = Path(path)
        path.parent.mkdir(parents=True, exist_ok=True)
        command = ['convert', 'ppm:-']
        if crop:
            left, top, right, bottom = crop
            command += ['-crop', '%dx%d+%d+%d' % (right - left, bottom - top, left, top), '+repage']
        subprocess.run(command + [str(path)], input=self.raw, check=True, timeout=60)


class Session:
    """The chat room and, unless told otherwise, the tool, each in its own process; stopped on exit.

    chat_room: the chat room's arguments, or None for no chat client at all."""

    def __init__(self, chat_room=(), start_tool=True):
        self.directory = Path(tempfile.mkdtemp(prefix='hue-e2e-'))
        self.transcript_path = self.directory / 'transcript.txt'
        self.transcript_path.write_bytes(b'')
        self.chat_room = None
        self.tool = None
        self.helpers = []
        if chat_room is not None:
            windows_path = 'Z:' + str(self.transcript_path).replace('/', '\\')
            self.chat_room = wine('chat-room.exe', '--transcript', windows_path, '--geometry', '0,0,560,420',
                                  *chat_room, background=True)
            wait_until(lambda: subprocess.run(['xdotool', 'search', '--onlyvisible', '--name', '^Chat room'],
                                              env=environment(), capture_output=True).returncode == 0,
                       timeout=30, what='the chat room')
            time.sleep(0.3)
        if start_tool:
            self.start_tool()

    def start_tool(self):
        self.launched = time.monotonic()
        self.tool = wine('hue-weaver.exe', background=True)
        wait_until(tool_visible, timeout=30, what='the tool window')
        self.shown = time.monotonic()
        time.sleep(0.3)
        self.box = tuple(int(v) for v in probe_state()['box'].split())

    def __enter__(self):
        return self

    def __exit__(self, *_):
        for process in (self.tool, self.chat_room, *self.helpers):
            if process and process.poll() is None:
                process.kill()
                process.wait(timeout=10)
        wait_until(lambda: not tool_visible(), timeout=10, what='the tool to go away')

    # What the chat room received.
    def transcript(self):
        return self.transcript_path.read_bytes()

    def lines(self):
        data = self.transcript()
        return data.split(b'\n')[:-1] if data else []

    def wait_for_lines(self, count, timeout=20):
        return wait_until(lambda: len(self.lines()) >= count and self.lines(), timeout=timeout,
                          what='%d lines in the transcript' % count)

    # Where a control is on the screen.
    def rect(self, control):
        left, top, right, bottom = layout()[control]
        return (self.box[0] + left, self.box[1] + top, self.box[0] + right, self.box[1] + bottom)

    def centre(self, control):
        left, top, right, bottom = self.rect(control)
        return ((left + right) // 2, (top + bottom) // 2)

    def click(self, control, button=1, dx=None, dy=None):
        left, top, right, bottom = self.rect(control)
        x = (left + right) // 2 if dx is None else (left + dx if dx >= 0 else right + dx)
        y = (top + bottom) // 2 if dy is None else (top + dy if dy >= 0 else bottom + dy)
        xdotool('mousemove', x, y, 'click', button)
        time.sleep(0.25)

    def drag(self, x, y, dx, dy, button=1):
        xdotool('mousemove', x, y, 'mousedown', button, 'sleep', 0.2, 'mousemove', x + dx // 2, y + dy // 2,
                'sleep', 0.2, 'mousemove', x + dx, y + dy, 'sleep', 0.2, 'mouseup', button)
        time.sleep(0.4)

    def type(self, text):
        xdotool('type', '--delay', 15, text)
        time.sleep(0.2)

    def key(self, *keys):
        xdotool('key', '--delay', 60, *keys)
        time.sleep(0.25)

    def refresh_box(self):
        self.box = tuple(int(v) for v in probe_state()['box'].split())
        return self.box

    def swatch(self, shot, number):
        return shot.at(*self.centre('color%d' % number))

    def say_in_chat_room(self, text):
        """Types a line into the chat room's input box and presses Enter, as its user would."""
        left, top, right, bottom = (int(v) for v in wine('ui-probe.exe', 'chat-input').split())
        xdotool('mousemove', (left + right) // 2, (top + bottom) // 2, 'click', 1)
        time.sleep(0.3)
        self.type(text)
        self.key('Return')

    def paste_into(self, control, text):
        """Puts text on the clipboard and pastes it into a control with Ctrl+V."""
        # xclip serves the clipboard until stopped; it runs in the foreground with no inherited output,
        # so it cannot hold the test runner's pipes open, and the session stops it.
        server = subprocess.Popen(['xclip', '-quiet', '-selection', 'clipboard', '-i'], stdin=subprocess.PIPE,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=environment())
        server.stdin.write(text.encode('utf-8'))
        server.stdin.close()
        self.helpers.append(server)
        time.sleep(0.3)
        self.click(control)
        self.key('ctrl+v')

    def tool_ended(self):
        return self.tool.poll() is not None
