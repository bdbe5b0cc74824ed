"""The window as a person sees and handles it: layout, gradient, swatches, sliders, dragging,
minimising and the keyboard focus."""
import unittest

from harness import ARTEFACTS, Screenshot, Session, layout, probe_state, wait_until

BLUE, GREEN = (0, 0, 255), (0, 255, 0)


class FirstShow(unittest.TestCase):
    """Checks that need the window exactly as start-up leaves it."""

    @classmethod
    def setUpClass(cls):
        cls.session = Session()
        cls.shot = Screenshot()
        cls.shot.save(ARTEFACTS / 'form1.png', crop=cls.session.box)

    @classmethod
    def tearDownClass(cls):
        cls.session.__exit__()

    def test_focus_starts_on_red1_and_tab_follows_the_table(self):
        self.assertEqual(probe_state()['focus'], 'red1')
        # A press on the bare surface gives the window the keyboard without moving the focus.
        left, _, _, bottom = self.session.box
        self.session.drag(left + 3, bottom - 4, 0, 0)
        self.assertEqual(probe_state()['focus'], 'red1')
        expected = ['green1', 'blue1', 'green2', 'red2', 'blue2', 'green3', 'red3', 'blue3', 'Text1', 'SSCommand1']
        seen = []
        for _ in expected:
            self.session.key('Tab')
            seen.append(probe_state()['focus'])
        self.assertEqual(seen, expected)
        self.session.key('shift+Tab')
        self.assertEqual(probe_state()['focus'], 'Text1')

    def test_window_is_borderless_309_by_159_and_centred(self):
        left, top, right, bottom = self.session.box
        self.assertEqual((right - left, bottom - top), (309, 159))
        # (1024 - 309) / 2 and (768 - 159) / 2, placed at the nearest pixel.
        self.assertIn(left, (357, 358))
        self.assertIn(top, (304, 305))
        # No border or caption bar: the window's own corner pixels are the gradient's.
        red, green, blue = self.shot.at(left, top)
        self.assertEqual((red, green), (0, 0))
        self.assertGreaterEqual(blue, 254)
        self.assertNotEqual(self.shot.at(left - 1, top), self.shot.at(left, top))
        state = probe_state()
        self.assertEqual(state['topmost'], '1')

    def test_gradient_runs_from_bright_blue_to_black(self):
        left, top, _, bottom = self.session.box
        column = [self.shot.at(left + 3, y) for y in range(top, bottom)]
        self.assertGreaterEqual(column[0][2], 254)
        self.assertLessEqual(column[-1][2], 4)
        self.assertTrue(all(r == 0 and g == 0 for r, g, _ in column), 'red and green are 0 in the gradient')
        blues = [b for _, _, b in column]
        self.assertEqual(blues, sorted(blues, reverse=True), 'blue falls from top to bottom')

    def test_swatches_show_the_default_colours(self):
        self.assertEqual([self.session.swatch(self.shot, n) for n in range(1, 6)], [BLUE, GREEN, BLUE, GREEN, BLUE])

    def test_title_letters_are_drawn_over_the_gradient(self):
        left, top, right, bottom = self.session.rect('Label4')
        whites = [self.shot.at(x, y) for x in range(left, right) for y in range(top, min(bottom, top + 30))]
        self.assertIn((255, 255, 255), whites)
        self.assertNotIn((192, 192, 192), whites, 'the label has no opaque background')


class Sliders(unittest.TestCase):
    def setUp(self):
        self.session = Session()

    def tearDown(self):
        self.session.__exit__()

    def assertSwatches(self, expected):
        shot = Screenshot()
        self.assertEqual([self.session.swatch(shot, n) for n in range(1, 6)], expected)

    def test_arrow_and_track_clicks_move_by_one_and_colour_only_their_own_swatch(self):
        self.session.click('red1', dx=-3)  # the right arrow
        self.assertSwatches([(0, 1, 255), GREEN, BLUE, GREEN, BLUE])
        self.session.click('red1', dx=-18)  # the track, right of the thumb
        self.assertSwatches([(0, 2, 255), GREEN, BLUE, GREEN, BLUE])
        self.session.click('green4', dx=-3)
        self.assertSwatches([(0, 2, 255), GREEN, BLUE, (1, 255, 0), BLUE])
        self.session.click('green4', dx=2)  # the left arrow
        self.assertSwatches([(0, 2, 255), GREEN, BLUE, GREEN, BLUE])

    def test_top_slider_alone_turns_its_swatch_green(self):
        self.session.click('blue3', dx=2)
        self.session.key('Home')
        self.assertSwatches([BLUE, GREEN, (0, 0, 0), GREEN, BLUE])
        self.session.click('red3', dx=2)
        self.session.key('End')
        self.assertSwatches([BLUE, GREEN, GREEN, GREEN, BLUE])
        self.session.click('green3', dx=2)
        self.session.key('End')
        self.assertSwatches([BLUE, GREEN, (255, 255, 0), GREEN, BLUE])


class Chrome(unittest.TestCase):
    def setUp(self):
        self.session = Session()

    def tearDown(self):
        self.session.__exit__()

    def moved_by(self, x, y, dx, dy, button=1):
        before = self.session.refresh_box()
        self.session.drag(x, y, dx, dy, button)
        after = self.session.refresh_box()
        return (after[0] - before[0], after[1] - before[1])

    def test_title_and_bare_surface_drag_the_window_with_any_button(self):
        left, top, _, _ = self.session.box
        self.assertEqual(self.moved_by(left + 70, top + 6, 40, 30), (40, 30), 'the title')
        left, top, _, _ = self.session.box
        self.assertEqual(self.moved_by(left + 70, top + 6, -20, 10, button=3), (-20, 10), 'right button')
        left, top, _, bottom = self.session.box
        self.assertEqual(self.moved_by(left + 3, bottom - 4, 25, -15), (25, -15), 'the bare surface')

    def test_swatches_and_sliders_do_not_drag_the_window(self):
        x, y = self.session.centre('color2')
        self.assertEqual(self.moved_by(x, y, 30, 20), (0, 0))
        x, y = self.session.centre('blue4')
        self.assertEqual(self.moved_by(x, y, 30, 20), (0, 0))

    def test_minimise_and_restore_keep_gradient_and_topmost(self):
        for control in ('SSCommand8', 'Label2'):
            self.session.click(control, dx=6, dy=8)
            wait_until(lambda: probe_state().get('iconic') == '1', timeout=5, what='minimised by ' + control)
            from harness import wine
            wine('ui-probe.exe', 'restore')
            state = wait_until(lambda: (s := probe_state()).get('iconic') == '0' and s, timeout=5, what='restored')
            self.assertEqual(state['topmost'], '1')
            self.session.refresh_box()
            shot = Screenshot()
            left, top, _, _ = self.session.box
            self.assertGreaterEqual(shot.at(left + 3, top)[2], 254, 'the gradient is painted again')
            self.assertEqual(self.session.swatch(shot, 2), GREEN)
            self.assertEqual(self.session.lines()[3:], [], 'minimising announces nothing')


if __name__ == '__main__':
    unittest.main()
