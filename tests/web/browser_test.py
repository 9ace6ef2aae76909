"""The game's web page in headless Chromium, driven through the DevTools
protocol: it loads and plays, takes the keyboard and the mouse, starts its
sound on the first click, pauses, restarts a level, goes to full screen,
keeps the progress in the page's storage across a reload, says so on the
page when it cannot start or has ended, and draws every shipped level as the
desktop build draws it.

    browser_test.py PAGE_DIR SCREENSHOT_TOOL REPO OUT_DIR [TEST_NAME...]

PAGE_DIR is the built page (build-web/page), SCREENSHOT_TOOL the desktop's
gorlak_screenshot, REPO the repository (its content and level list), OUT_DIR
where the screenshots go.
"""

import base64
import json
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import wave

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from devtools import Browser, FolderServer  # noqa: E402
from png_reader import read_png, read_png_file  # noqa: E402

PAGE_DIR = SCREENSHOT_TOOL = REPO = OUT_DIR = None

# The shipped settings: 256 x 192 world pixels shown 4 times enlarged; the
# test window is wide enough for that.
WORLD_W, WORLD_H, PIXEL_SIZE = 256, 192, 4

# The driven frames compared with the desktop, after which the picture is
# taken, and the aim (radians) that turns the lawnmower up and to the right.
COMPARED_FRAMES = (30, 120)
COMPARED_AIM = '-0.7'
# Largest difference per colour channel between the desktop's picture and
# the page's.
CHANNEL_TOLERANCE = 2

KEYS = {'d': ('d', 'KeyD', 68), 'p': ('p', 'KeyP', 80), 'r': ('r', 'KeyR', 82), 'F11': ('F11', 'F11', 122),
        'Escape': ('Escape', 'Escape', 27)}

# Where the page keeps the progress: the browser's HOME is /home/web_user,
# and the page's storage is an IndexedDB database named after the folder.
PROGRESS_FOLDER = '/home/web_user/.local/share/gorlak-zombies'
FIRST_LEVEL = 'data/levels/level01_first_steps.xml'
SECOND_LEVEL = 'data/levels/level02_blood_pools.xml'


def shipped_levels():
    with open(os.path.join(REPO, 'data', 'levels.xml')) as f:
        files = re.findall(r'filename="([^"]+)"', f.read())
    return [os.path.splitext(os.path.basename(name))[0] for name in files]


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = FolderServer(PAGE_DIR)
        cls.browser = Browser()

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.server.close()

    def setUp(self):
        self.browser.console_errors.clear()

    # Page helpers.

    def open_page(self, query='', until=('running',)):
        self.browser.open(self.server.url + query)
        wanted = ' || '.join("gorlak.state === '%s'" % s for s in until)
        state = self.browser.wait_for("window.gorlak && (%s) && gorlak.state" % wanted, timeout=60)
        errors = self.browser.evaluate("window.gorlak ? gorlak.errors : null")
        self.assertTrue(state, 'the page never reached %s; its errors: %s' % (until, errors))
        return state

    def probe(self):
        return self.browser.evaluate("Module._gorlak_probe(), gorlak.probe")

    def frame_count(self):
        return self.browser.evaluate("gorlak.frames.length")

    def wait_frames(self, count):
        target = self.frame_count() + count
        self.assertTrue(self.browser.wait_for("gorlak.frames.length >= %d" % target, timeout=20),
                        'the game stopped running frames')

    def canvas_pixels(self):
        """The canvas's R, G, B, A bytes and its size."""
        data = self.browser.evaluate("""(() => {
            const c = document.getElementById('screen');
            const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
            let s = '';
            for (let i = 0; i < d.length; i += 8192) s += String.fromCharCode.apply(null, d.subarray(i, i + 8192));
            return [c.width, c.height, btoa(s)];
        })()""")
        return data[0], data[1], base64.b64decode(data[2])

    def canvas_rect(self):
        return self.browser.evaluate(
            "(() => { const r = document.getElementById('screen').getBoundingClientRect();"
            " return [r.left, r.top, r.width, r.height]; })()")

    def page_point(self, world_x, world_y):
        """The page coordinates of a world point on the canvas."""
        left, top, width, height = self.canvas_rect()
        camera = self.probe()['camera']
        return (left + (world_x - camera[0] + 0.5) * width / WORLD_W,
                top + (world_y - camera[1] + 0.5) * height / WORLD_H)

    def click_canvas(self):
        left, top, width, height = self.canvas_rect()
        x, y = left + width / 2, top + 20
        self.browser.mouse('mousePressed', x, y, button='left', clicks=1)
        self.browser.mouse('mouseReleased', x, y, button='left', clicks=1)

    def press(self, name, seconds=0.0):
        key, code, key_code = KEYS[name]
        self.browser.key('keyDown', key, code, key_code)
        time.sleep(seconds)
        self.browser.key('keyUp', key, code, key_code)

    def screenshot(self, name):
        path = os.path.join(OUT_DIR, name)
        self.browser.screenshot(path)
        return path

    def open_bare_page(self, url):
        """A page that is not the game's, for what the test does from its
        address; the browser's request for its icon (the game's page names
        its own) is let pass."""
        self.browser.open(url)
        self.browser.wait_for("document.readyState === 'complete'", timeout=10)
        deadline = time.time() + 3
        while time.time() < deadline and not any('favicon.ico' in e for e in self.browser.console_errors):
            self.browser.evaluate('0')
            time.sleep(0.05)
        self.browser.console_errors[:] = [e for e in self.browser.console_errors if 'favicon.ico' not in e]

    def stored_progress(self):
        """The progress file as the page's storage holds it, or None."""
        return self.browser.evaluate("""new Promise((resolve, reject) => {
            const request = indexedDB.open('%s');
            request.onerror = () => reject(request.error);
            request.onsuccess = () => {
                const db = request.result;
                if (!db.objectStoreNames.contains('FILE_DATA')) { db.close(); resolve(null); return; }
                const get = db.transaction(['FILE_DATA'], 'readonly').objectStore('FILE_DATA')
                    .get('%s/progress.xml');
                get.onsuccess = () => {
                    db.close();
                    resolve(get.result ? new TextDecoder().decode(get.result.contents) : null);
                };
                get.onerror = () => { db.close(); reject(get.error); };
            };
        })""" % (PROGRESS_FOLDER, PROGRESS_FOLDER))

    def forget_stored_progress(self):
        # From a page of the same origin that does not hold the storage open.
        self.open_bare_page(self.server.url + 'page.css')
        self.assertTrue(self.browser.evaluate("""new Promise((resolve) => {
            const request = indexedDB.deleteDatabase('%s');
            request.onsuccess = () => resolve(true);
            request.onerror = request.onblocked = () => resolve(false);
        })""" % PROGRESS_FOLDER))

    def assert_console_clean(self):
        self.assertEqual(self.browser.console_errors, [])
        self.assertEqual(self.browser.evaluate("gorlak.errors"), [])

    # The tests.

    def test_page_loads_and_plays_the_first_level(self):
        self.open_page()
        self.wait_frames(30)
        page = self.browser.evaluate("""(() => {
            const c = document.getElementById('screen');
            const r = c.getBoundingClientRect();
            return {width: c.width, height: c.height, shownWidth: r.width, shownHeight: r.height,
                    centre: r.left + r.width / 2, pageCentre: document.documentElement.clientWidth / 2,
                    rendering: getComputedStyle(c).imageRendering,
                    loadingShown: !document.getElementById('loading').hidden,
                    focused: document.activeElement === c,
                    controls: document.querySelector('.controls').innerText,
                    output: gorlak.output};
        })()""")
        self.assertEqual((page['width'], page['height']), (WORLD_W, WORLD_H))
        self.assertEqual((page['shownWidth'], page['shownHeight']), (WORLD_W * PIXEL_SIZE, WORLD_H * PIXEL_SIZE))
        self.assertLess(abs(page['centre'] - page['pageCentre']), 1.0)
        self.assertEqual(page['rendering'], 'pixelated')
        self.assertFalse(page['loadingShown'])
        self.assertTrue(page['focused'], 'the canvas should have the keyboard once the game starts')
        for words in ('jump and run', 'aims the lawnmower', 'full throttle', 'Esc'):
            self.assertIn(words, page['controls'])
        # The joystick report: the browser's empty gamepad slots are no pads.
        self.assertEqual(page['output'], ['0', "Couldn't find a joystick"])

        # Real frames at the game's pace: about 30 a second.
        start = self.frame_count()
        time.sleep(1.0)
        self.assertGreaterEqual(self.frame_count() - start, 25)

        # The level's background shows where nothing stands before it, and
        # its ground colour fills the ground.
        probe = self.probe()
        width, height, pixels = self.canvas_pixels()
        background = read_png_file(os.path.join(REPO, 'data', 'gfx', 'bg_gate.png'))
        ground = probe['groundColor'] & 0xFFFFFF
        ground_rgb = (ground >> 16, (ground >> 8) & 0xFF, ground & 0xFF)
        camera_x, camera_y = probe['camera'][:2]
        on_background = on_ground = 0
        for y in range(height):
            for x in range(width):
                rgb = tuple(pixels[(y * width + x) * 4:(y * width + x) * 4 + 3])
                on_background += rgb == background.rgb(camera_x + x, camera_y + y)
                on_ground += rgb == ground_rgb
        self.assertGreater(on_background / (width * height), 0.5)
        self.assertGreater(on_ground / (width * height), 0.1)

        # Enlarged without smoothing: every world pixel is a block of 4 x 4
        # screen pixels of one colour.
        left, top, _, _ = self.canvas_rect()
        shot = self.browser.send('Page.captureScreenshot', format='png',
                                 clip={'x': left, 'y': top + 400, 'width': 256, 'height': 128, 'scale': 1})
        picture = read_png(base64.b64decode(shot['data']))
        mixed = 0
        for by in range(0, picture.height, PIXEL_SIZE):
            for bx in range(0, picture.width, PIXEL_SIZE):
                first = picture.rgb(bx, by)
                mixed += any(picture.rgb(bx + i, by + j) != first
                             for j in range(PIXEL_SIZE) for i in range(PIXEL_SIZE))
        self.assertEqual(mixed, 0, 'blocks with more than one colour: the canvas is smoothed')
        self.screenshot('page_first_level.png')
        self.assert_console_clean()

    def test_holding_d_runs_the_player_across_the_view(self):
        self.open_page()
        # With the keyboard elsewhere on the page the game hears no key and
        # says how to give it the keyboard; a click on the game does.
        left, top, width, height = self.canvas_rect()
        self.browser.mouse('mousePressed', left + width / 2, top + height + 40, button='left', clicks=1)
        self.browser.mouse('mouseReleased', left + width / 2, top + height + 40, button='left', clicks=1)
        self.assertFalse(self.browser.evaluate("document.getElementById('focus-hint').hidden"))
        start_x = self.probe()['player'][0]
        self.press('d', seconds=0.5)
        self.wait_frames(3)
        self.assertEqual(self.probe()['player'][0], start_x)
        self.click_canvas()
        self.assertTrue(self.browser.evaluate("document.getElementById('focus-hint').hidden"))
        self.wait_frames(10)
        before_probe = self.probe()
        _, _, before = self.canvas_pixels()
        self.press('d', seconds=1.2)
        self.wait_frames(5)
        after_probe = self.probe()
        _, _, after = self.canvas_pixels()
        self.screenshot('page_after_running.png')

        moved = after_probe['player'][0] - before_probe['player'][0]
        self.assertGreater(moved, 20, 'the player should have run right')
        self.assertTrue(after_probe['keyboardAndMouse'])
        # The picture changed where the player stood and where it stands now.
        for (px, py), probe in ((before_probe['player'], before_probe), (after_probe['player'], after_probe)):
            cx, cy = int(px) - probe['camera'][0], int(py) - probe['camera'][1]
            changed = sum(before[(y * WORLD_W + x) * 4:(y * WORLD_W + x) * 4 + 3] !=
                          after[(y * WORLD_W + x) * 4:(y * WORLD_W + x) * 4 + 3]
                          for y in range(max(cy - 8, 0), min(cy + 8, WORLD_H))
                          for x in range(max(cx - 4, 0), min(cx + 4, WORLD_W)))
            self.assertGreater(changed, 10, 'the view should show the player at %s' % ((cx, cy),))
        self.assert_console_clean()

    def test_mower_turns_toward_the_pointer(self):
        self.open_page()
        self.click_canvas()
        # Run right until there is room on both sides for the pointer; the
        # key also puts the game in keyboard-and-mouse mode, where the mouse
        # aims.
        key, code, key_code = KEYS['d']
        self.browser.key('keyDown', key, code, key_code)
        ran = self.browser.wait_for("Module._gorlak_probe(), gorlak.probe.player[0] > 60", timeout=10)
        self.browser.key('keyUp', key, code, key_code)
        self.assertTrue(ran, 'holding d should run the player to the right')
        self.wait_frames(10)
        mowers = []
        # Up and to the right, then up and to the left.
        for dx, dy in ((40, -40), (-45, -25)):
            centre = self.probe()['player']
            x, y = self.page_point(centre[0] + dx, centre[1] + dy)
            self.browser.mouse('mouseMoved', x, y)
            self.wait_frames(4)
            probe = self.probe()
            _, _, pixels = self.canvas_pixels()
            wanted = math.atan2(dy, dx)
            # The aim follows the pointer (to within the pointer's world pixel).
            self.assertLess(abs(math.remainder(probe['aim'] - wanted, 2 * math.pi)), 0.08)
            # The lawnmower stands on that side of the player.
            mower = probe['mower']
            mx, my = mower[0] + mower[2] / 2 - probe['player'][0], mower[1] + mower[3] / 2 - probe['player'][1]
            self.assertGreater(mx * dx + my * dy, 0, 'mower at %s for pointer %s' % ((mx, my), (dx, dy)))
            mowers.append((probe, pixels))
        self.screenshot('page_mower_aimed.png')
        # The second picture differs from the first where the mower now is.
        (_, first), (probe, second) = mowers
        mx, my, mw, mh = probe['mower']
        cx, cy = probe['camera'][:2]
        changed = sum(first[i:i + 3] != second[i:i + 3]
                      for y in range(max(my - cy, 0), min(my - cy + mh, WORLD_H))
                      for x in range(max(mx - cx, 0), min(mx - cx + mw, WORLD_W))
                      for i in [(y * WORLD_W + x) * 4])
        self.assertGreater(changed, 10)
        self.assert_console_clean()

    def test_sound_starts_on_the_first_click_and_the_game_plays_on(self):
        self.open_page()
        self.wait_frames(30)
        # Before the player has used the page the game plays silently and
        # asks the browser for nothing.
        probe = self.probe()
        self.assertFalse(probe['sound'])
        self.assertEqual(probe['audio'], 'none')
        self.assert_console_clean()

        self.click_canvas()
        self.assertTrue(self.browser.wait_for("Module._gorlak_probe(), gorlak.probe.sound", timeout=10),
                        'a click on the game should start its sound')
        # The engine's loop plays once its sound is decoded.
        self.assertTrue(self.browser.wait_for("Module._gorlak_probe(), gorlak.probe.soundsPlaying >= 1", timeout=10),
                        'the engine should be heard')
        self.assertEqual(self.probe()['audio'], 'running')
        # Sounds come and go as the player runs; frames keep their pace, and
        # the engine, a loop of one second, still runs after it.
        start = self.frame_count()
        self.press('d', seconds=1.5)
        self.assertGreaterEqual(self.frame_count() - start, 38)
        self.assertGreaterEqual(self.probe()['soundsPlaying'], 1)
        # A pause holds every sound; play resumes them.
        self.press('p', seconds=0.05)
        self.assertTrue(self.browser.wait_for(
            "Module._gorlak_probe(), gorlak.probe.paused && gorlak.probe.soundsPlaying === 0", timeout=5))
        self.press('p', seconds=0.05)
        self.assertTrue(self.browser.wait_for(
            "Module._gorlak_probe(), !gorlak.probe.paused && gorlak.probe.soundsPlaying >= 1", timeout=5))
        self.assert_console_clean()

    def test_a_browser_that_cannot_play_the_sounds_is_told_in_one_line(self):
        hidden = self.browser.send('Page.addScriptToEvaluateOnNewDocument',
                                   source="HTMLMediaElement.prototype.canPlayType = () => '';")
        try:
            self.open_page()
            self.click_canvas()
            self.wait_frames(10)
            self.click_canvas()
            self.press('d', seconds=0.3)
            self.wait_frames(10)
            self.assertFalse(self.probe()['sound'])
            self.assertEqual(self.browser.evaluate("gorlak.errors"),
                             ["No sound: this browser cannot play the game's sounds (Web Audio, Ogg Opus)"])
            self.assertEqual(self.browser.evaluate("gorlak.state"), 'running')
            self.assertEqual(self.browser.console_errors, [])
        finally:
            self.browser.send('Page.removeScriptToEvaluateOnNewDocument', identifier=hidden['identifier'])

    def test_every_page_sound_decodes_to_its_full_length(self):
        # The page's compressed sounds, decoded by the browser, last as long
        # as the WAVs they were made from: a shorter engine loop would click
        # at every turn.
        folder = os.path.join(os.path.dirname(PAGE_DIR), 'sfx')
        lengths = {}
        for name in sorted(os.listdir(os.path.join(REPO, 'data', 'sfx'))):
            with wave.open(os.path.join(REPO, 'data', 'sfx', name)) as sound:
                lengths[os.path.splitext(name)[0] + '.opus'] = (sound.getnframes(), sound.getframerate())
        self.assertEqual(sorted(lengths), sorted(os.listdir(folder)))
        server = FolderServer(folder)
        try:
            # A page of that folder's address lets the test fetch from it.
            self.open_bare_page(server.url + 'engine_idle.opus')
            decoded = self.browser.evaluate("""(async () => {
                const lengths = %s, decoded = {};
                for (const [name, [frames, rate]] of Object.entries(lengths)) {
                    const bytes = await (await fetch(name)).arrayBuffer();
                    const context = new OfflineAudioContext(1, 1, rate);
                    decoded[name] = (await context.decodeAudioData(bytes)).length;
                }
                return decoded;
            })()""" % json.dumps(lengths))
        finally:
            self.browser.open('about:blank')
            self.browser.wait_for("document.readyState === 'complete'", timeout=10)
            server.close()
        for name, (frames, _) in lengths.items():
            # Within a sample: the browser decodes at its own rate first.
            self.assertLessEqual(abs(decoded[name] - frames), 1, name)
        self.assertEqual(self.browser.console_errors, [])

    def test_p_pauses_the_view_and_r_restarts_the_level(self):
        self.open_page()
        self.click_canvas()
        self.wait_frames(5)
        start_x = self.probe()['player'][0]
        self.press('d', seconds=1.0)
        self.wait_frames(3)
        self.assertGreater(self.probe()['player'][0], start_x + 20)

        _, _, playing = self.canvas_pixels()
        self.press('p', seconds=0.05)
        self.assertTrue(self.browser.wait_for("Module._gorlak_probe(), gorlak.probe.paused", timeout=5))
        time.sleep(0.2)
        frames = self.frame_count()
        _, _, paused = self.canvas_pixels()
        x = self.probe()['player'][0]
        # Held keys wait for play to resume: nothing moves, no frame runs,
        # and the canvas stays as it is.
        self.press('d', seconds=1.0)
        self.assertEqual(self.frame_count(), frames)
        self.assertEqual(self.probe()['player'][0], x)
        _, _, still = self.canvas_pixels()
        self.assertEqual(still, paused, 'the paused view should not change')
        # The PAUSED banner stands over the middle of the view.
        changed = sum(playing[i:i + 3] != paused[i:i + 3]
                      for y in range(WORLD_H // 2 - 12, WORLD_H // 2 + 12)
                      for x in range(WORLD_W // 2 - 40, WORLD_W // 2 + 40)
                      for i in [(y * WORLD_W + x) * 4])
        self.assertGreater(changed, 200, 'the PAUSED banner should be drawn')
        self.screenshot('page_paused.png')

        self.press('p', seconds=0.05)
        self.wait_frames(10)
        self.assertFalse(self.probe()['paused'])
        self.press('r', seconds=0.05)
        self.assertTrue(self.browser.wait_for(
            "Module._gorlak_probe(), Math.abs(gorlak.probe.player[0] - %f) < 1" % start_x, timeout=5),
            'r should put the player back at the level\'s start')
        self.wait_frames(10)
        self.assert_console_clean()

    def test_f11_and_the_button_show_the_game_on_the_whole_screen(self):
        self.open_page()
        self.click_canvas()
        windowed = self.canvas_rect()
        self.press('F11', seconds=0.05)
        self.assertTrue(self.browser.wait_for("document.fullscreenElement === document.getElementById('stage')",
                                              timeout=5), 'F11 should ask for full screen')
        self.wait_frames(5)
        left, top, width, height = self.canvas_rect()
        screen = self.browser.evaluate("[window.innerWidth, window.innerHeight]")
        # The largest whole enlargement that fits, in the middle of the screen.
        scale = min(screen[0] // WORLD_W, screen[1] // WORLD_H)
        self.assertEqual((width, height), (WORLD_W * scale, WORLD_H * scale))
        self.assertLess(abs(left + width / 2 - screen[0] / 2), 1.0)
        self.assertLess(abs(top + height / 2 - screen[1] / 2), 1.0)
        self.screenshot('page_full_screen.png')
        self.press('F11', seconds=0.05)
        self.assertTrue(self.browser.wait_for("document.fullscreenElement === null", timeout=5))
        self.wait_frames(3)
        self.assertEqual(self.canvas_rect(), windowed)

        left, top, width, height = self.browser.evaluate(
            "(() => { const b = document.getElementById('full-screen'); b.scrollIntoView();"
            " const r = b.getBoundingClientRect(); return [r.left, r.top, r.width, r.height]; })()")
        self.browser.mouse('mousePressed', left + width / 2, top + height / 2, button='left', clicks=1)
        self.browser.mouse('mouseReleased', left + width / 2, top + height / 2, button='left', clicks=1)
        self.assertTrue(self.browser.wait_for("document.fullscreenElement !== null", timeout=5),
                        'the button should ask for full screen')
        self.assertTrue(self.browser.evaluate("document.activeElement === document.getElementById('screen')"))
        self.press('F11', seconds=0.05)
        self.assertTrue(self.browser.wait_for("document.fullscreenElement === null", timeout=5))
        self.wait_frames(10)
        self.assertFalse(self.probe()['paused'])
        self.assert_console_clean()

    def test_progress_is_kept_in_the_page_storage_and_a_reload_resumes(self):
        self.forget_stored_progress()
        try:
            self.open_page()
            self.assertEqual(self.probe()['level'], FIRST_LEVEL)
            self.assertIsNone(self.stored_progress())
            # Through the first level's door: the game goes on to the second
            # and writes the progress, which reaches the page's storage.
            self.browser.evaluate("Module._gorlak_finish_level()")
            self.assertTrue(self.browser.wait_for(
                "Module._gorlak_probe(), gorlak.probe.level === '%s' && gorlak.saves >= 1" % SECOND_LEVEL, timeout=10))
            stored = self.stored_progress()
            self.assertIsNotNone(stored, 'the progress should be in the page\'s storage')
            self.assertIn('position="1" filename="%s" completed="1"' % FIRST_LEVEL, stored)

            # A reloaded page reads it before start-up and resumes there.
            self.open_page()
            self.assertEqual(self.probe()['level'], SECOND_LEVEL)
            self.wait_frames(10)
            self.assert_console_clean()
        finally:
            self.forget_stored_progress()

    def test_a_page_without_storage_plays_on_and_says_so_once(self):
        hidden = self.browser.send('Page.addScriptToEvaluateOnNewDocument',
                                   source="Object.defineProperty(window, 'indexedDB', {get: () => undefined});")
        try:
            self.open_page()
            self.assertEqual(self.probe()['level'], FIRST_LEVEL)
            self.browser.evaluate("Module._gorlak_finish_level()")
            self.assertTrue(self.browser.wait_for(
                "Module._gorlak_probe(), gorlak.probe.level === '%s'" % SECOND_LEVEL, timeout=10))
            self.wait_frames(10)
            errors = self.browser.evaluate("gorlak.errors")
            self.assertEqual(len(errors), 1, errors)
            self.assertIn(PROGRESS_FOLDER, errors[0])
            self.assertEqual(self.browser.evaluate("gorlak.state"), 'running')
            self.assertEqual(self.browser.console_errors, [])
        finally:
            self.browser.send('Page.removeScriptToEvaluateOnNewDocument', identifier=hidden['identifier'])

    def test_escape_ends_the_game_with_a_message(self):
        self.open_page()
        self.click_canvas()
        self.press('Escape', seconds=0.05)
        self.assertEqual(self.browser.wait_for("gorlak.state === 'ended' && gorlak.state", timeout=10), 'ended')
        message = self.browser.evaluate(
            "(() => { const m = document.getElementById('message'); return [m.hidden, m.innerText]; })()")
        self.assertFalse(message[0])
        self.assertIn('You left the game', message[1])
        self.assertIn('Play again', message[1])
        self.assertEqual(self.browser.evaluate("gorlak.status"), 0)
        self.assert_console_clean()

    def test_a_level_that_cannot_load_is_named_on_the_page(self):
        self.open_page('?level=no_such_level', until=('failed', 'ended'))
        self.assertEqual(self.browser.evaluate('gorlak.state'), 'failed')
        message = self.browser.evaluate(
            "(() => { const m = document.getElementById('message'); return [m.hidden, m.innerText]; })()")
        self.assertFalse(message[0])
        self.assertIn('could not', message[1])
        self.assertIn('data/levels/no_such_level.xml', message[1])
        self.assertEqual(self.browser.console_errors, [])

    def test_missing_code_is_reported_on_the_page(self):
        folder = tempfile.mkdtemp(prefix='gorlak-page-')
        try:
            for name in os.listdir(PAGE_DIR):
                if not name.endswith('.wasm'):
                    shutil.copy(os.path.join(PAGE_DIR, name), folder)
            server = FolderServer(folder)
            try:
                self.browser.open(server.url)
                self.assertEqual(self.browser.wait_for("window.gorlak && gorlak.state === 'failed' && gorlak.state",
                                                       timeout=30), 'failed')
                text = self.browser.evaluate("document.getElementById('message').innerText")
                self.assertIn('could not be loaded', text)
                self.assertIn('gorlak_zombies.wasm', text)
            finally:
                # Leave the page first: a late request for its icon would
                # otherwise find the folder gone and be told in the next test.
                self.browser.open('about:blank')
                self.browser.wait_for("document.readyState === 'complete'", timeout=10)
                server.close()
        finally:
            shutil.rmtree(folder)

    def test_every_level_draws_as_on_the_desktop(self):
        report = []
        for level in shipped_levels():
            for frames in COMPARED_FRAMES:
                desktop_png = os.path.join(OUT_DIR, 'desktop_%s_%d.png' % (level, frames))
                subprocess.run([SCREENSHOT_TOOL, REPO, 'data/levels/%s.xml' % level, str(frames), desktop_png,
                                COMPARED_AIM], check=True)
                desktop = read_png_file(desktop_png)
                self.open_page('?level=%s&frames=%d&clock=driven&seed=1&aim=%s' % (level, frames, COMPARED_AIM),
                               until=('ended', 'failed'))
                self.assertEqual(self.browser.evaluate("gorlak.state"), 'ended', level)
                width, height, page = self.canvas_pixels()
                scale = desktop.width // width
                self.assertEqual((width * scale, height * scale), (desktop.width, desktop.height))
                worst = exact = 0
                for y in range(height):
                    for x in range(width):
                        ours = page[(y * width + x) * 4:(y * width + x) * 4 + 3]
                        theirs = desktop.rgb(x * scale, y * scale)
                        difference = max(abs(a - b) for a, b in zip(ours, theirs))
                        worst = max(worst, difference)
                        exact += difference == 0
                report.append('%s after %d frames: %.2f %% of pixels exact, largest difference %d' %
                              (level, frames, 100.0 * exact / (width * height), worst))
                self.assertLessEqual(worst, CHANNEL_TOLERANCE, report[-1])
        with open(os.path.join(OUT_DIR, 'pixel_comparison.txt'), 'w') as f:
            f.write('\n'.join(report) + '\n')
        print('\n' + '\n'.join(report), file=sys.stderr)
        self.assert_console_clean()


def main():
    global PAGE_DIR, SCREENSHOT_TOOL, REPO, OUT_DIR
    if len(sys.argv) < 5:
        print(__doc__, file=sys.stderr)
        return 2
    PAGE_DIR, SCREENSHOT_TOOL, REPO, OUT_DIR = (os.path.abspath(a) for a in sys.argv[1:5])
    os.makedirs(OUT_DIR, exist_ok=True)
    names = ['PageTest.' + n for n in sys.argv[5:]]
    suite = (unittest.defaultTestLoader.loadTestsFromNames(names, sys.modules[__name__]) if names
             else unittest.defaultTestLoader.loadTestsFromTestCase(PageTest))
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    return 0 if result.wasSuccessful() else 1


if __name__ == '__main__':
    sys.exit(main())
