"""The tool's main job from end to end: start-up announcements, sending lines, exiting."""
import time
import unittest

from fade_oracle import announcement, fade
from harness import Session, probe_state, tool_visible, wait_until, wine

BLUE, GREEN = (0, 0, 255), (0, 255, 0)
START_PALETTE = [BLUE, GREEN, BLUE, GREEN, BLUE]


def ansi(text):
    return text.encode('cp1252')


def announced(kind, name='VelmorFan'):
    return [ansi(announcement(line)) for line in
            ('\u2022 Velmor\'s Hue-Weaver', '\u2022 Status: ' + kind, '\u2022 User: ' + name)]


class StartUp(unittest.TestCase):
    def test_announces_three_lines_in_order_and_only_then_shows_the_window(self):
        with Session(start_tool=False) as session:
            launched = time.monotonic()
            session.tool = wine('hue-weaver.exe', background=True)
            lines_when_shown = wait_until(lambda: tool_visible() and [len(session.lines())], timeout=30,
                                          what='the window')[0]
            shown_after = time.monotonic() - launched
            self.assertEqual(lines_when_shown, 3, 'the window shows after the announcements')
            self.assertEqual(session.lines(), announced('Loaded'))
            self.assertGreaterEqual(shown_after, 1.7)

    def test_without_a_client_takes_the_same_pauses_and_shows_the_window(self):
        with Session(chat_room=None, start_tool=False) as session:
            launched = time.monotonic()
            session.start_tool()
            self.assertGreaterEqual(session.shown - launched, 1.7)
            self.assertEqual(probe_state()['visible'], '1')

    def test_screen_name_is_the_welcome_windows(self):
        with Session(chat_room=['--screen-name', 'Jos\u00e9']) as session:
            self.assertEqual(session.lines()[2], ansi(announcement('\u2022 User: Jos\u00e9')))

    def test_without_a_welcome_window_the_user_line_ends_in_its_blank(self):
        with Session(chat_room=['--no-welcome']) as session:
            self.assertEqual(session.lines()[2], ansi(announcement('\u2022 User: ')))


class Sending(unittest.TestCase):
    def setUp(self):
        self.session = Session()
        self.session.wait_for_lines(3)

    def tearDown(self):
        self.session.__exit__()

    def press(self, button, expect):
        before = len(self.session.lines())
        self.session.click(button)
        return self.session.wait_for_lines(before + expect)[before:]

    def test_bold_hello_world_with_send_chat_and_wavy(self):
        self.session.click('Text1')
        self.session.type('Hello world')
        self.session.click('Option1')
        self.assertEqual(self.press('SSCommand1', 1), [
            b'<b><Font Color=#0055AA>H<Font Color=#00AA55>e<Font Color=#00FF00>l<Font Color=#00AA55>l'
            b'<Font Color=#0055AA>o<Font Color=#0000FF> <Font Color=#0055AA>w<Font Color=#00AA55>o'
            b'<Font Color=#00FF00>r<Font Color=#008080>l<Font Color=#0000FF>d'])
        wavy = (b'<b><Font Color=#0055AA><sup>H<Font Color=#00AA55></sup>e<Font Color=#00FF00><sub>l'
                b'<Font Color=#00AA55></sub>l<Font Color=#0055AA><sup>o<Font Color=#0000FF></sup> '
                b'<Font Color=#0055AA><sub>w<Font Color=#00AA55></sub>o<Font Color=#00FF00><sup>r'
                b'<Font Color=#008080></sup>l<Font Color=#0000FF><sub>d')
        self.assertEqual(self.press('SSCommand2', 1), [wavy])
        self.assertEqual(self.press('SSCommand2', 1), [wavy], 'the wave starts afresh on every press')

    def test_empty_line_with_underline_sends_the_tag_alone(self):
        self.session.click('Option5')
        self.assertEqual(self.press('SSCommand1', 1), [b'<u>'])
        self.session.click('Option4')
        self.assertEqual(self.press('SSCommand1', 1), [b''])

    def test_the_sliders_set_the_colours_of_the_next_send(self):
        for _ in range(3):
            self.session.click('green1', dx=-3)  # group 1's red goes to 3
        self.session.click('red5', dx=2)  # group 5's green: already 0, stays
        self.session.click('blue5', dx=2)  # group 5's blue goes to 254
        for _ in range(2):
            self.session.click('red2', dx=2)  # group 2's green goes to 253
        self.session.click('Text1')
        self.session.type('Shades of blue')
        colours = [(3, 0, 255), (0, 253, 0), BLUE, GREEN, (0, 0, 254)]
        self.assertEqual(self.press('SSCommand1', 1), [fade(colours, 'Shades of blue').encode()])

    def test_a_line_of_32767_characters_is_posted_whole(self):
        text = ('The quick brown fox jumps over the lazy dog. ' * 800)[:32767]
        self.session.paste_into('Text1', text)
        started = time.monotonic()
        lines = self.press('SSCommand2', 1)
        elapsed = time.monotonic() - started
        expected = fade(START_PALETTE, text, wavy=True).encode()
        self.assertEqual(len(lines[0]), len(expected))
        self.assertTrue(lines[0] == expected, 'the long line arrived changed')
        print('\n32,767 characters, wavy: press to transcript in %.2f s' % elapsed)


class Exiting(unittest.TestCase):
    def test_exit_button_and_cross_announce_and_end(self):
        for control in ('SSCommand7', 'Label3'):
            with self.subTest(control=control), Session() as session:
                session.wait_for_lines(3)
                session.click(control, dx=6, dy=8)
                wait_until(session.tool_ended, timeout=20, what='the tool to end')
                self.assertEqual(session.lines()[3:], announced('Unloaded'))

    def test_screen_name_is_read_again_at_exit(self):
        with Session() as session:
            session.wait_for_lines(3)
            session.say_in_chat_room('/name Newbie')
            session.wait_for_lines(4)
            session.click('SSCommand7')
            wait_until(session.tool_ended, timeout=20, what='the tool to end')
            self.assertEqual(session.lines()[4:], announced('Unloaded', 'Newbie'))

    def test_closing_through_the_window_system_announces_nothing(self):
        with Session() as session:
            session.wait_for_lines(3)
            wine('ui-probe.exe', 'close')
            wait_until(session.tool_ended, timeout=10, what='the tool to end')
            time.sleep(0.5)
            self.assertEqual(len(session.lines()), 3)

    def test_a_hung_chat_room_does_not_stop_the_tool_from_exiting(self):
        with Session() as session:
            session.wait_for_lines(3)
            session.say_in_chat_room('/hang 60')
            session.wait_for_lines(4)
            started = time.monotonic()
            session.click('SSCommand7')
            wait_until(session.tool_ended, timeout=30, what='the tool to end')
            elapsed = time.monotonic() - started
            print('\nexit with a hung chat room took %.1f s' % elapsed)
            self.assertLess(elapsed, 25)


if __name__ == '__main__':
    unittest.main()
