"""The web page in a real browser: headless Chromium driven through Selenium.

One browser session goes through the page as a user would, on a desktop and
then as a phone: the readings and their results, the keyboard, the error
dialog, the explanation and the logbook line, the places against the
window's table, the fit on a phone's screen and, last, a reload with the
server stopped.
    /usr/bin/python3 page_test.py SITE_DIR [--screenshots DIR]
"""

import argparse
import json
import os
import subprocess
import sys
import tempfile
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.wait import WebDriverWait

SITE = None
SCREENSHOTS = None


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # The site is served from a folder below the server's root, as on a
        # static host: every address in it must be relative.
        serve = os.path.join(os.path.dirname(__file__), "../../script/serve")
        cls.server = subprocess.Popen([sys.executable, serve, os.path.dirname(SITE), "0"],
                                      stdout=subprocess.PIPE, text=True)
        cls.origin = cls.server.stdout.readline().strip().rstrip("/")
        cls.url = "%s/%s/" % (cls.origin, os.path.basename(SITE))

        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        cls.profile = tempfile.TemporaryDirectory()
        for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync",
                     "--window-size=1024,768", "--user-data-dir=" + cls.profile.name):
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        cls.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        cls.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": cls.origin,
            "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        cls.driver.set_script_timeout(10)
        cls.console = []

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.server.kill()
        cls.profile.cleanup()

    # --- helpers -------------------------------------------------------

    def open(self):
        self.driver.get(self.url)
        self.wait(lambda d: d.execute_script("return 'ready' in document.documentElement.dataset"))
        self.keep_console()

    def keep_console(self):
        self.console += self.driver.get_log("browser")

    def wait(self, condition, timeout=10):
        return WebDriverWait(self.driver, timeout).until(condition)

    def el(self, name):
        return self.driver.find_element(By.ID, name)

    def value(self, name):
        return self.el(name).get_property("value")

    def set_readings(self, T, P, RH):
        self.driver.execute_script(
            "for (const [id, v] of arguments[0]) document.getElementById(id).value = v",
            [["lblTemp", T], ["lblBphpa", P], ["lblHum", RH]])

    def focused(self):
        return self.driver.execute_script("return document.activeElement.id")

    def press(self, key, *modifiers):
        chain = webdriver.ActionChains(self.driver)
        for modifier in modifiers:
            chain.key_down(modifier)
        chain.send_keys(key)
        for modifier in reversed(modifiers):
            chain.key_up(modifier)
        chain.perform()

    def table(self):
        return json.loads(self.driver.execute_async_script(
            "const done = arguments[0];"
            "createJet().then(jet => done(jet.UTF8ToString(jet._jet_window())))"))

    def rects(self):
        """Each control's box, in CSS pixels from the form's top left."""
        return self.driver.execute_script("""
            const main = document.querySelector('main').getBoundingClientRect();
            const rects = {};
            for (const e of document.querySelectorAll('main .control')) {
              const r = e.getBoundingClientRect();
              rects[e.id] = [r.left - main.left, r.top - main.top, r.width, r.height];
            }
            return rects;""")

    def tap(self, name):
        finger = ActionBuilder(self.driver, mouse=PointerInput(interaction.POINTER_TOUCH, "finger"))
        finger.pointer_action.move_to(self.el(name)).pointer_down().pointer_up()
        finger.perform()

    def clipboard(self):
        return self.driver.execute_async_script(
            "navigator.clipboard.readText().then(arguments[0], () => arguments[0](null))")

    def screenshot(self, name):
        if SCREENSHOTS:
            self.driver.save_screenshot(os.path.join(SCREENSHOTS, name))

    # --- the checks, in order: desktop first, then phone, then offline ---

    def test_1_the_page_is_the_window(self):
        self.open()
        table = self.table()
        self.assertEqual(self.driver.title, table["title"])
        self.assertEqual(self.driver.execute_script("return document.documentElement.lang"), "ja")
        self.assertEqual(self.focused(), "cmd")
        rects = self.rects()
        self.assertEqual(len(rects), 9)
        for c in table["controls"]:
            e = self.el(c["name"])
            with self.subTest(control=c["name"]):
                # One CSS pixel per 15 twips, as the Linux window.
                self.assertEqual(rects[c["name"]], [c["left"] / 15, c["top"] / 15,
                                                    c["width"] / 15, c["height"] / 15])
                self.assertEqual(e.get_attribute("title") or "", c["tip"])
                if c["kind"] == "label":
                    self.assertEqual(e.tag_name, "label")
                    self.assertEqual(e.text, c["caption"])
                elif c["kind"] == "button":
                    self.assertEqual(e.text, c["caption"])
                else:
                    self.assertEqual(e.value_of_css_property("text-align"), c["align"])
                    self.assertEqual(e.value_of_css_property("font-size"), "15px")
        for box, label in [("lblTemp", "Label1"), ("lblBphpa", "Label3"), ("lblHum", "Label7")]:
            self.assertEqual(self.el(label).get_attribute("for"), box)
            self.assertEqual(self.el(box).accessible_name, self.el(label).text)
        self.assertEqual(self.el("txtMJ").accessible_name, "推奨メインジェット")

    def test_2_select_and_clear(self):
        self.open()
        cases = [
            ("20", "1013", "50", "推奨  168"),
            ("0", "996", "0", "推奨  175-172"),
            ("19", "951", "50", "推奨  162-160"),
            ("13", "952", "50", "推奨  165-162"),
            ("0", "0", "0", ""),
            ("20", "", "50", ""),  # no real air
            ("20.5℃", "１０１３", "50%", "推奨  168"),
            ("ー５", "1030", "４０", "推奨  175"),
        ]
        for T, P, RH, shown in cases:
            with self.subTest(readings=(T, P, RH)):
                self.set_readings(T, P, RH)
                self.el("cmd").click()
                self.assertEqual(self.value("txtMJ"), shown)
                self.assertEqual([self.value(n) for n in ("lblTemp", "lblBphpa", "lblHum")],
                                 [T, P, RH])
        # Typed with the keyboard, a minus included.
        self.el("cmdclear").click()
        self.assertEqual([self.value(n) for n in ("lblTemp", "lblBphpa", "lblHum", "txtMJ")],
                         ["", "", "", ""])
        self.el("lblTemp").send_keys("-5")
        self.el("lblBphpa").send_keys("1030")
        self.el("lblHum").send_keys("40")
        self.el("cmd").click()
        self.assertEqual(self.value("txtMJ"), "推奨  175")
        self.screenshot("web-desktop.png")

    def test_3_keyboard(self):
        self.open()
        for name in ["lblTemp", "lblBphpa", "lblHum", "cmdclear", "txtMJ"]:
            self.press(Keys.TAB)
            self.assertEqual(self.focused(), name)
        for name in ["cmdclear", "lblHum"]:
            self.press(Keys.TAB, Keys.SHIFT)
            self.assertEqual(self.focused(), name)
        # Return in a box submits nothing and reloads nothing.
        self.driver.execute_script("window.stillHere = true")
        self.set_readings("20", "1013", "50")
        self.press(Keys.RETURN)
        self.assertEqual(self.value("txtMJ"), "")
        self.assertTrue(self.driver.execute_script("return window.stillHere === true"))
        # Return and space on a focused button press it.
        self.el("cmd").send_keys(Keys.RETURN)
        self.assertEqual(self.value("txtMJ"), "推奨  168")
        self.el("cmdclear").send_keys(Keys.SPACE)
        self.assertEqual(self.value("lblTemp"), "")

        # The pressure converter: it takes the temperature from the form,
        # says what is wrong until every field reads, and Return writes
        # nothing until then; then Return writes the pressure at the track
        # into the pressure box and leaves the focus on Select.
        self.set_readings("20", "1013", "50")
        self.el("cmdPressure").click()
        dialog = self.el("pressure")
        self.assertTrue(self.driver.execute_script("return arguments[0].matches(':modal')", dialog))
        self.assertEqual(self.focused(), "txtSeaLevel")
        self.assertEqual([self.value("txtAirTemp"), self.el("lblStation").text],
                         ["20", "海面気圧を入れてください。"])
        self.press("1013")
        self.press(Keys.TAB)
        self.press("500m")
        self.assertEqual(self.el("lblStation").text, "標高が数値ではありません。")
        self.assertFalse(self.el("cmdApply").is_enabled())
        self.press(Keys.RETURN)
        self.assertTrue(dialog.get_property("open"))
        self.press(Keys.BACKSPACE)
        self.assertEqual(self.value("lblStation"), "現地気圧  956.0 hPa")
        self.press(Keys.RETURN)
        self.assertFalse(dialog.get_property("open"))
        # Applying wrote the pressure and ran nothing else.
        self.assertEqual([self.value("lblBphpa"), self.focused(), self.value("txtMJ")],
                         ["956.0", "cmd", ""])
        self.press(Keys.RETURN)
        self.assertEqual(self.value("txtMJ"), "推奨  162-160")
        # Opened again it keeps what was typed; Escape changes nothing.
        self.el("cmdPressure").click()
        self.assertEqual([self.value("txtSeaLevel"), self.value("txtAltitude")], ["1013", "500"])
        self.press(Keys.ESCAPE)
        self.assertFalse(dialog.get_property("open"))
        self.assertEqual([self.value("lblBphpa"), self.focused()], ["956.0", "cmdPressure"])
        keyboards = [self.el(n).get_attribute("inputmode")
                     for n in ("txtSeaLevel", "txtAltitude", "txtAirTemp")]
        self.assertEqual(keyboards, ["decimal", None, None])  # a minus for the last two
        for field, label in [("txtSeaLevel", "capSeaLevel"), ("txtAltitude", "capAltitude"),
                             ("txtAirTemp", "capAirTemp")]:
            self.assertEqual(self.el(field).accessible_name, self.el(label).text)

    def test_4_an_error_is_shown_in_a_modal_dialog_and_the_page_goes_on(self):
        self.open()
        for T, P, says in [("-273.13", "1013", "ゼロによる除算"),
                           ("20", "1e400", "「気圧(mb)」の数値が大きすぎて")]:
            with self.subTest(T=T, P=P):
                self.set_readings("20", "1013", "50")
                self.el("cmd").click()
                self.set_readings(T, P, "50")
                self.el("cmd").send_keys(Keys.RETURN)
                report = self.el("report")
                self.assertTrue(self.driver.execute_script(
                    "return arguments[0].matches(':modal')", report))
                self.assertEqual(self.el("report-title").text, "エラー")
                self.assertIn(says, self.el("report-text").text)
                self.assertIn("入力した値はそのまま残っています", self.el("report-text").text)
                self.assertEqual(self.focused(), "report-ok")
                self.assertEqual(self.value("txtMJ"), "")
                self.assertEqual([self.value("lblTemp"), self.value("lblBphpa")], [T, P])
                self.press(Keys.ESCAPE if T == "20" else Keys.RETURN)
                self.assertFalse(report.get_property("open"))
                self.assertEqual(self.focused(), "cmd")
        self.set_readings("20", "1013", "50")
        self.el("cmd").click()
        self.assertEqual(self.value("txtMJ"), "推奨  168")

    def test_5_the_result_explains_itself_and_copies_a_logbook_line(self):
        self.open()
        self.set_readings(" 20", "1013", "50")
        self.el("cmd").click()
        result = self.el("txtMJ")
        explained = result.get_attribute("title")
        self.assertTrue(explained.startswith("空気密度  0.074315 lb/ft³"), explained)
        self.assertEqual(self.el("txtMJ-tip").get_property("textContent"), explained)
        self.el("lblHum").click()
        self.press("c", Keys.CONTROL, Keys.SHIFT)
        line = self.wait(lambda d: self.clipboard())
        cells = line.split("\t")
        self.assertRegex(cells[0], r"^\d{4}-\d\d-\d\dT\d\d:\d\d$")
        self.assertEqual(cells[1:], ["20", "1013", "50", "0.074315", "1.1904", "97.2",
                                     "推奨  168"])
        # Not while an input method is still composing.
        self.driver.execute_script("navigator.clipboard.writeText('');"
                                   "document.getElementById('lblHum').dispatchEvent("
                                   "new KeyboardEvent('keydown', {bubbles: true, ctrlKey: true,"
                                   " shiftKey: true, code: 'KeyC', isComposing: true}))")
        self.assertEqual(self.clipboard(), "")
        # A desktop click on the box opens nothing: the tooltip explains.
        result.click()
        self.assertFalse(self.el("explanation").get_property("open"))
        # Readings that give no real air, and Clear, leave nothing to explain.
        self.set_readings("20", "", "50")
        self.el("cmd").click()
        self.assertEqual(result.get_attribute("title"), "")
        self.set_readings("20", "1013", "50")
        self.el("cmd").click()
        self.el("cmdclear").click()
        self.assertEqual(result.get_attribute("title"), "")

    def test_6_on_a_phone_the_form_fills_the_screen(self):
        for width, height in [(390, 844), (360, 740), (844, 390)]:
            with self.subTest(screen=(width, height)):
                self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                    "width": width, "height": height, "deviceScaleFactor": 2, "mobile": True})
                self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                            {"enabled": True, "maxTouchPoints": 5})
                self.open()
                page = self.driver.execute_script(
                    "const e = document.documentElement;"
                    "return [e.scrollWidth, e.clientWidth, e.scrollHeight, e.clientHeight]")
                self.assertLessEqual(page[0], page[1])  # no horizontal scrolling
                self.assertLessEqual(page[2], page[3] + 40)  # the version line may scroll
                form = self.el("txtMJ").rect
                for name, (left, top, w, h) in self.rects().items():
                    e = self.el(name)
                    r = e.rect
                    self.assertGreaterEqual(r["x"], 0, name)
                    self.assertLessEqual(r["x"] + r["width"], width, name)
                    self.assertLessEqual(r["y"] + r["height"], height, name)
                    # Every caption fits its control.
                    self.assertLessEqual(e.get_property("scrollWidth"),
                                         e.get_property("clientWidth") + 1, name)
                    if e.tag_name == "input":
                        size = float(e.value_of_css_property("font-size")[:-2])
                        self.assertGreaterEqual(size, 16, name)
                if width < height:  # portrait: the form takes the screen's width
                    self.assertGreater(form["width"], 0.85 * width)
                button = self.el("cmdPressure").rect
                self.assertLessEqual(button["y"] + button["height"], height)
                self.assertGreaterEqual(button["height"], 44)

        # A tap on the result box opens its explanation, with the copy.
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 390, "height": 844, "deviceScaleFactor": 2, "mobile": True})
        self.open()
        self.set_readings("20", "1013", "50")
        self.el("cmd").click()
        self.driver.execute_script("navigator.clipboard.writeText('')")
        self.tap("txtMJ")
        explanation = self.el("explanation")
        self.wait(lambda d: explanation.get_property("open"))
        self.assertEqual(self.el("explanation-title").text, "推奨  168")
        self.assertTrue(self.el("explanation-text").text.startswith("空気密度  0.074315"))
        self.assertEqual(self.focused(), "copy")
        self.tap("copy")
        self.wait(lambda d: self.clipboard().endswith("\t推奨  168"))
        self.assertEqual(self.el("explanation-status").text, "コピーしました。")
        self.screenshot("web-phone.png")
        self.tap("explanation-close")
        self.assertFalse(explanation.get_property("open"))
        self.assertEqual(self.focused(), "txtMJ")

        # The converter fits above a phone's keyboard (about half the
        # screen), with fields large enough that iOS does not zoom in.
        self.tap("cmdPressure")
        self.el("txtSeaLevel").send_keys("1013")
        self.el("txtAltitude").send_keys("500")
        box = self.el("pressure").rect
        self.screenshot("web-pressure-phone.png")
        self.assertGreaterEqual(box["x"], 0)
        self.assertLessEqual(box["x"] + box["width"], 390)
        self.assertLessEqual(box["y"] + box["height"], 844 / 2)
        for field in ("txtSeaLevel", "txtAltitude", "txtAirTemp"):
            self.assertGreaterEqual(float(self.el(field).value_of_css_property("font-size")[:-2]), 16)
        self.tap("cmdApply")
        self.assertEqual(self.value("lblBphpa"), "956.0")
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})
        self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    def test_7_nothing_comes_from_elsewhere_and_nothing_goes_wrong(self):
        self.open()
        others = self.driver.execute_script(
            "return performance.getEntriesByType('resource').map(e => e.name)"
            ".filter(n => !n.startsWith(location.origin))")
        self.assertEqual(others, [])
        # Installable: the manifest names the app and its icons, each of them there.
        manifest = json.loads(self.driver.execute_async_script(
            "fetch('manifest.webmanifest').then(r => r.text()).then(arguments[0])"))
        self.assertEqual([manifest[k] for k in ("name", "lang", "display", "start_url")],
                         [self.driver.title, "ja", "standalone", "./"])
        icons = {(i["sizes"], i["purpose"]): i["src"] for i in manifest["icons"]}
        for key in [("192x192", "any"), ("512x512", "any"), ("512x512", "maskable")]:
            size = self.driver.execute_async_script(
                "const image = new Image(); image.onload = () => arguments[1]("
                "image.naturalWidth + 'x' + image.naturalHeight); image.src = arguments[0]",
                icons[key])
            self.assertEqual(size, key[0])
        self.keep_console()
        errors = [m for m in self.console if m["level"] in ("SEVERE", "WARNING")]
        self.assertEqual(errors, [])

    def test_8_after_one_visit_it_works_offline(self):
        self.open()
        self.driver.execute_async_script(
            "navigator.serviceWorker.ready.then(() => arguments[0]())")
        self.wait(lambda d: d.execute_script("return !!navigator.serviceWorker.controller")
                  or d.refresh())
        self.server.kill()
        self.server.wait()
        self.open()
        self.set_readings("20", "1013", "50")
        self.el("cmd").click()
        self.assertEqual(self.value("txtMJ"), "推奨  168")


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("site")
    parser.add_argument("--screenshots")
    args, rest = parser.parse_known_args()
    SITE = os.path.abspath(args.site)
    SCREENSHOTS = args.screenshots
    unittest.main(argv=[sys.argv[0], "-v"] + rest)
