"""Times the real executables under Wine: launch to window, a press of "Send Chat" to the line in
the chat room's transcript, the executables' sizes and the tool's memory. Needs the virtual display
of tests/wine/display; scripts/bench starts it."""
import statistics
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / 'tests' / 'e2e'))
from harness import BIN, Session, environment, wait_until, wine  # noqa: E402


def resident_kib(name):
    for pid in subprocess.run(['pgrep', '-f', name], capture_output=True, text=True).stdout.split():
        try:
            for line in Path('/proc/%s/status' % pid).read_text().splitlines():
                if line.startswith('VmRSS:'):
                    kib = int(line.split()[1])
                    if kib > 10000:
                        return kib
        except OSError:
            pass
    return None


def main():
    for exe in ('hue-weaver.exe', 'chat-room.exe'):
        print('%-16s %8.0f KiB' % (exe, (BIN / exe).stat().st_size / 1024))

    launches = []
    for _ in range(3):
        with Session() as session:
            launches.append(session.shown - session.launched)
    print('launch to window shown: %s s (median %.2f s; 1.7 s of it are the pauses)' %
          (', '.join('%.2f' % t for t in launches), statistics.median(launches)))

    with Session() as session:
        session.wait_for_lines(3)
        print('tool resident memory after start-up: %s KiB' % resident_kib('hue-weaver.exe'))
        for length in (100, 32767):
            text = ('The quick brown fox jumps over the lazy dog. ' * 800)[:length]
            session.paste_into('Text1', text)
            times = []
            for _ in range(3):
                before = len(session.lines())
                started = time.monotonic()
                subprocess.run(['xdotool', 'mousemove', *map(str, session.centre('SSCommand1')), 'click', '1'],
                               env=environment(), check=True)
                wait_until(lambda: len(session.lines()) > before, timeout=30, interval=0.005)
                times.append(time.monotonic() - started)
            print('Send Chat, %5d characters: press to transcript %s s (median %.3f s)' %
                  (length, ', '.join('%.3f' % t for t in times), statistics.median(times)))
        print('tool resident memory after the long sends: %s KiB' % resident_kib('hue-weaver.exe'))

    print(wine('pause-bench.exe', '3').strip())


if __name__ == '__main__':
    main()
