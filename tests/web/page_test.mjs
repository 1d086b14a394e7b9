// The web page in a real browser engine, one session per run: the steps are
// written once and run in Chromium and Firefox (puppeteer-core) and in
// WebKitGTK, the engine of every iPhone browser (Selenium and WebKitWebDriver,
// on an X display). The session goes through the page as a user would, on a
// desktop and then as a phone: the readings and their results, the keyboard,
// the pressure converter, the error dialog, the explanation and the logbook
// line, the places against the window's table, the fit on a phone's screen,
// the installable app and, last, the offline cache and a reload with the
// server stopped.
//   node page_test.mjs SITE_DIR chromium|firefox|webkit [--screenshots DIR]
import assert from 'node:assert/strict';
import {spawn} from 'node:child_process';
import crypto from 'node:crypto';
import fs from 'node:fs';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import readline from 'node:readline';
import {fileURLToPath} from 'node:url';

import puppeteer from 'puppeteer-core';
import {Builder, By, Key} from 'selenium-webdriver';

const here = path.dirname(fileURLToPath(import.meta.url));
const [siteDir, engine] = process.argv.slice(2);
const shots = process.argv.includes('--screenshots') ?
    process.argv[process.argv.indexOf('--screenshots') + 1] : null;

// What an engine's driver cannot do, and why; those checks are skipped there.
const CANNOT = {
  firefox: {
    clipboard: "Firefox's WebDriver BiDi grants no clipboard-read permission",
    'button keys': "Firefox's WebDriver BiDi key presses reach a focused button but do not press it",
    'coarse pointer': "Firefox's WebDriver BiDi emulates no phone's pointer: from 800 px wide it is a desktop",
  },
  webkit: {
    clipboard: 'WebKitWebDriver grants no clipboard permission',
    touch: 'WebKitWebDriver has no touch input',
    console: "WebKitWebDriver does not pass on the page's console",
    'narrow': 'the MiniBrowser window is never narrower than about 447 CSS px: its phone is 447 px wide',
    'coarse pointer': 'WebKitWebDriver emulates no phone: from 800 px wide it is a desktop',
  },
};
const skipped = new Set();
function can(what) {
  const reason = CANNOT[engine]?.[what];
  if (!reason) return true;
  if (!skipped.has(what)) console.log(`  skipped in ${engine}: ${what} (${reason})`);
  skipped.add(what);
  return false;
}

// --- a session, whatever drives it ------------------------------------

// Chromium and Firefox through puppeteer-core: DevTools and WebDriver BiDi.
class Puppeteer {
  static async start(browser) {
    const chromium = browser === 'chrome';
    const instance = await puppeteer.launch({
      browser,
      executablePath: chromium ? '/usr/bin/chromium' : '/usr/bin/firefox-esr',
      headless: true,
      args: chromium ? ['--no-sandbox', '--disable-gpu', '--no-first-run',
        '--disable-background-networking', '--disable-component-update'] : [],
    });
    const session = new Puppeteer(instance, (await instance.pages())[0] ?? await instance.newPage());
    session.page.on('console', (m) => {
      if (['error', 'warn'].includes(m.type())) session.console.push(m.text());
      if (process.env.DEBUG) console.log('console:', m.type(), m.text());
    });
    session.page.on('pageerror', (e) => session.console.push(String(e)));
    return session;
  }
  constructor(browser, page) {
    this.browser = browser;
    this.page = page;
    this.console = [];
  }
  async grantClipboard(origin) {
    await this.browser.defaultBrowserContext().overridePermissions(
        origin, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  }
  async go(url) { await this.page.goto(url); }
  async reload() { await this.page.reload(); }
  async js(fn, ...args) { return this.page.evaluate(fn, ...args); }
  async click(id) { await this.page.click(`#${id}`); }
  async typeInto(id, text) { await this.page.type(`#${id}`, text); }
  async type(text) { await this.page.keyboard.type(text); }
  async press(key, ...modifiers) {
    for (const m of modifiers) await this.page.keyboard.down(m);
    await this.page.keyboard.press(key);
    for (const m of modifiers.reverse()) await this.page.keyboard.up(m);
  }
  async tap(id) {
    const [x, y] = await this.js((id) => {
      const r = document.getElementById(id).getBoundingClientRect();
      return [r.left + r.width / 2, r.top + r.height / 2];
    }, id);
    await this.page.touchscreen.tap(x, y);
  }
  async size(width, height, phone) {
    await this.page.setViewport({width, height, deviceScaleFactor: phone ? 2 : 1,
      isMobile: phone, hasTouch: phone});
  }
  async screenshot(file) { await this.page.screenshot({path: file}); }
  async quit() { await this.browser.close(); }
}

// WebKitGTK's MiniBrowser through WebKitWebDriver, on the X display.
class WebKit {
  static async start() {
    // A free port, asked of the system, for the driver to listen on.
    const port = await new Promise((resolve) => {
      const probe = net.createServer().listen(0, '127.0.0.1', () => {
        const {port} = probe.address();
        probe.close(() => resolve(port));
      });
    });
    const server = spawn('/usr/bin/WebKitWebDriver', [`--port=${port}`], {stdio: ['ignore', 'ignore', process.env.DEBUG ? 'inherit' : 'ignore']});
    await waitFor(() => new Promise((resolve) => {
      net.connect(port, '127.0.0.1').on('connect', function() {
        this.end();
        resolve(true);
      }).on('error', () => resolve(false));
    }), 'WebKitWebDriver');
    const driver = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
      'browserName': 'MiniBrowser',
      'webkitgtk:browserOptions': {
        binary: '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser', args: ['--automation']},
    }).build();
    return new WebKit(driver, server);
  }
  constructor(driver, server) {
    this.driver = driver;
    this.server = server;
    this.console = [];
  }
  async grantClipboard() {}
  async go(url) { await this.driver.get(url); }
  async reload() { await this.driver.navigate().refresh(); }
  async js(fn, ...args) {
    return this.driver.executeScript(`return (${fn}).apply(null, arguments)`, ...args);
  }
  async click(id) { await this.driver.findElement(By.id(id)).click(); }
  async typeInto(id, text) { await this.driver.findElement(By.id(id)).sendKeys(text); }
  async type(text) { await this.driver.actions().sendKeys(text).perform(); }
  async press(key, ...modifiers) {
    const name = (k) => ({Tab: Key.TAB, Enter: Key.RETURN, Escape: Key.ESCAPE, Backspace: Key.BACK_SPACE,
      Shift: Key.SHIFT, Control: Key.CONTROL})[k] ?? k;
    let chain = this.driver.actions();
    for (const m of modifiers) chain = chain.keyDown(name(m));
    chain = chain.sendKeys(name(key));
    for (const m of modifiers.reverse()) chain = chain.keyUp(name(m));
    await chain.perform();
  }
  async size(width, height) {
    await this.driver.manage().window().setRect({width, height});
  }
  async screenshot(file) {
    fs.writeFileSync(file, Buffer.from(await this.driver.takeScreenshot(), 'base64'));
  }
  async quit() {
    await this.driver.quit();
    this.server.kill();
  }
}

// --- the site, served from a folder below the server's root -----------

// A copy, so that a step can change it as a new release would; served with
// no-store, so that the browser's HTTP cache cannot stand in for the
// page's own offline cache.
const root = fs.mkdtempSync(path.join(os.tmpdir(), 'page-test-'));
const site = path.join(root, 'jetselect');
fs.cpSync(siteDir, site, {recursive: true});
const server = spawn('/usr/bin/python3', [path.join(here, '../../script/serve'), root, '0', 'no-store'],
    {stdio: ['ignore', 'pipe', 'inherit']});
const origin = (await new Promise((resolve) => {
  readline.createInterface({input: server.stdout}).once('line', resolve);
})).replace(/\/$/, '');
const url = `${origin}/jetselect/`;

const b = engine === 'webkit' ? await WebKit.start() :
    await Puppeteer.start(engine === 'firefox' ? 'firefox' : 'chrome');
if (can('clipboard')) await b.grantClipboard(origin);

// --- helpers ------------------------------------------------------------

async function open() {
  await b.go(url);
  await waitFor(() => b.js(() => 'ready' in document.documentElement.dataset));
}
async function waitFor(condition, what = 'a condition', seconds = 10) {
  const end = Date.now() + seconds * 1000;
  for (;;) {
    const value = await condition();
    if (value) return value;
    if (Date.now() > end) throw new Error(`gave up waiting for ${what}`);
    await new Promise((r) => setTimeout(r, 50));
  }
}
const value = (id) => b.js((id) => document.getElementById(id).value, id);
const values = (...ids) => b.js((ids) => ids.map((id) => document.getElementById(id).value), ids);
const focused = () => b.js(() => document.activeElement.id);
const isOpen = (id) => b.js((id) => document.getElementById(id).open, id);
const attribute = (id, name) => b.js((id, name) => document.getElementById(id).getAttribute(name), id, name);
const style = (id, name) => b.js((id, name) => getComputedStyle(document.getElementById(id))[name], id, name);
// The label that names a field. (Not through the field's .labels: WebKitGTK
// 2.50's web process aborts in a later garbage collection once a script
// has read it.)
const labelOf = (id) => b.js((id) => document.querySelector(`label[for="${id}"]`)?.id, id);
const focus = (id) => b.js((id) => document.getElementById(id).focus(), id);
// Waits for a dialog's close event, after which the page has moved the
// focus: reading it sooner passes a page that leaves it in the dialog.
const watchClose = (id) => b.js((id) => {
  window.closedDialog = '';
  document.getElementById(id).addEventListener('close', () => (window.closedDialog = id), {once: true});
}, id);
const closed = (id) => waitFor(() => b.js((id) => window.closedDialog === id, id), `${id} to close`);
// A focused button pressed from the keyboard, or clicked where the driver's
// keys cannot press it.
async function pressButton(id, key) {
  await focus(id);
  if (can('button keys')) await b.press(key);
  else await b.click(id);
}
const setReadings = (T, P, RH) => b.js((readings) => {
  for (const [id, v] of readings) document.getElementById(id).value = v;
}, [['lblTemp', T], ['lblBphpa', P], ['lblHum', RH]]);
// 基準合わせ's fields typed anew with the day of the README's example: 15 ℃,
// 1005 hPa, 60 %, which ran right on 170.
async function fillEngine() {
  for (const [id, text] of [['txtRefTemp', '15'], ['txtRefPressure', '1005'], ['txtRefHumidity', '60']]) {
    await b.js((id) => (document.getElementById(id).value = ''), id);
    await b.typeInto(id, text);
  }
  await b.js(() => {
    const jets = document.getElementById('cboRefJet');
    jets.value = '2';
    jets.dispatchEvent(new Event('change', {bubbles: true}));
  });
}
// 一日の見通し's rows typed anew, the altitude left blank: each row's four
// texts, an empty row untouched.
async function fillDay(rows) {
  await b.js(() => (document.getElementById('txtDayAltitude').value = ''));
  for (const [i, texts] of rows.entries()) {
    for (const [j, prefix] of ['txtDayTime', 'txtDayTemp', 'txtDayPressure', 'txtDayHumidity'].entries()) {
      if (texts[j] === undefined) continue;
      const id = `${prefix}${i + 1}`;
      await b.js((id) => (document.getElementById(id).value = ''), id);
      if (texts[j]) await b.typeInto(id, texts[j]);
      else await b.js((id) => document.getElementById(id).dispatchEvent(new Event('input')), id);
    }
  }
}
const clipboard = () => b.js(() => navigator.clipboard.readText().catch(() => null));
const emptyClipboard = () => b.js(() => navigator.clipboard.writeText(''));
async function screenshot(name) {
  if (shots) await b.screenshot(path.join(shots, name));
}
// Each control's box, in CSS pixels from the form's top left.
const rects = () => b.js(() => {
  const main = document.querySelector('main').getBoundingClientRect();
  const found = {};
  for (const e of document.querySelectorAll('main .control')) {
    const r = e.getBoundingClientRect();
    found[e.id] = [r.left - main.left, r.top - main.top, r.width, r.height];
  }
  return found;
});
const table = () => b.js(async () => {
  const jet = await createJet();
  return JSON.parse(jet.UTF8ToString(jet._jet_window()));
});
// A phone's screen, or a window of that size; WebKitGTK at its narrowest.
// The page is left first: a driver may reload it to change the screen.
async function screen(width, height, phone = true) {
  await b.go('about:blank');
  await b.size(engine === 'webkit' ? Math.max(width, 447) : width, height, phone);
}

// --- the steps, in order: desktop first, then phone, then offline -------

const steps = [];
const step = (name, run) => steps.push({name, run});

step('the page is the window', async () => {
  await screen(1024, 768, false);
  await open();
  const window = await table();
  assert.equal(await b.js(() => document.title), window.title);
  assert.equal(await b.js(() => document.documentElement.lang), 'ja');
  // WebKit under load was seen to give the autofocus a moment after the page
  // said it was ready.
  await waitFor(async () => (await focused()) === 'cmd', 'the focus on 選定');
  const places = await rects();
  assert.equal(Object.keys(places).length, 9);
  for (const c of window.controls) {
    // One CSS pixel per 15 twips, as the Linux window.
    assert.deepEqual(places[c.name], [c.left / 15, c.top / 15, c.width / 15, c.height / 15], c.name);
    assert.equal(await attribute(c.name, 'title') ?? '', c.tip, c.name);
    const [tag, text] = await b.js((id) => {
      const e = document.getElementById(id);
      return [e.tagName, e.textContent];
    }, c.name);
    if (c.kind === 'label') assert.deepEqual([tag, text], ['LABEL', c.caption]);
    else if (c.kind === 'button') assert.equal(text, c.caption);
    else assert.deepEqual([await style(c.name, 'textAlign'), await style(c.name, 'fontSize')],
        [c.align, '15px'], c.name);
  }
  // Each box is named by its label; the temperature may be below zero, so
  // it keeps a keyboard with a minus, where a decimal pad (iOS) has none.
  for (const [box, label, keyboard] of [['lblTemp', 'Label1', null], ['lblBphpa', 'Label3', 'decimal'],
    ['lblHum', 'Label7', 'decimal']]) {
    assert.equal(await labelOf(box), label);
    assert.equal(await attribute(box, 'inputmode'), keyboard, box);
  }
  assert.equal(await attribute('txtMJ', 'aria-label'), '推奨メインジェット');
});

step('select and clear', async () => {
  await open();
  const cases = [
    ['20', '1013', '50', '推奨  168'],
    ['0', '996', '0', '推奨  175-172'],
    ['19', '951', '50', '推奨  162-160'],
    ['13', '952', '50', '推奨  165-162'],
    ['0', '0', '0', ''],
    ['20', '', '50', ''], // no real air
    ['20.5℃', '１０１３', '50%', '推奨  168'],
    ['ー５', '1030', '４０', '推奨  175'],
  ];
  for (const [T, P, RH, shown] of cases) {
    await setReadings(T, P, RH);
    await b.click('cmd');
    assert.deepEqual(await values('txtMJ', 'lblTemp', 'lblBphpa', 'lblHum'), [shown, T, P, RH]);
  }
  // Typed with the keyboard, a minus included.
  await b.click('cmdclear');
  assert.deepEqual(await values('lblTemp', 'lblBphpa', 'lblHum', 'txtMJ'), ['', '', '', '']);
  await b.typeInto('lblTemp', '-5');
  await b.typeInto('lblBphpa', '1030');
  await b.typeInto('lblHum', '40');
  await b.click('cmd');
  assert.equal(await value('txtMJ'), '推奨  175');
  await screenshot('web-desktop.png');
});

step('the keyboard, and the pressure converter', async () => {
  await open();
  for (const id of ['lblTemp', 'lblBphpa', 'lblHum', 'cmdclear', 'txtMJ']) {
    await b.press('Tab');
    assert.equal(await focused(), id);
  }
  for (const id of ['cmdclear', 'lblHum']) {
    await b.press('Tab', 'Shift');
    assert.equal(await focused(), id);
  }
  // Return in a box submits nothing and reloads nothing.
  await b.js(() => (window.stillHere = true));
  await setReadings('20', '1013', '50');
  await b.press('Enter');
  assert.equal(await value('txtMJ'), '');
  assert.equal(await b.js(() => window.stillHere), true);
  // Return and space on a focused button press it.
  if (can('button keys')) {
    await focus('cmd');
    await b.press('Enter');
    assert.equal(await value('txtMJ'), '推奨  168');
    await focus('cmdclear');
    await b.press(' ');
    assert.equal(await value('lblTemp'), '');
  }

  // The converter takes the temperature from the form and says what is
  // wrong until every field reads; Return writes nothing until then, and
  // then writes the pressure at the track into the pressure box, runs
  // nothing else and leaves the focus on Select.
  await setReadings('20', '1013', '50');
  await b.click('cmdPressure');
  assert.equal(await b.js(() => document.getElementById('pressure').matches(':modal')), true);
  assert.equal(await focused(), 'txtSeaLevel');
  assert.deepEqual(await values('txtAirTemp', 'lblStation'), ['20', '海面気圧を入れてください。']);
  await b.type('1013');
  await b.press('Tab');
  await b.type('500m');
  assert.equal(await value('lblStation'), '標高が数値ではありません。');
  assert.equal(await b.js(() => document.getElementById('cmdApply').disabled), true);
  await b.press('Enter');
  assert.equal(await isOpen('pressure'), true);
  await b.press('Backspace');
  assert.equal(await value('lblStation'), '現地気圧  956.0 hPa');
  // The line follows the dialog's own temperature field, not the form's.
  await b.typeInto('txtAirTemp', '5');
  assert.equal(await value('lblStation'), '気温が範囲外です (−50〜60 ℃)。');
  await b.press('Backspace');
  // Return that confirms an input method's text applies nothing.
  await b.js(() => document.getElementById('txtAltitude').dispatchEvent(new KeyboardEvent('keydown',
      {bubbles: true, cancelable: true, key: 'Enter', isComposing: true})));
  assert.equal(await isOpen('pressure'), true);
  await watchClose('pressure');
  await b.press('Enter');
  await closed('pressure');
  assert.deepEqual([...await values('lblBphpa', 'txtMJ'), await focused()], ['956.0', '', 'cmd']);
  await pressButton('cmd', 'Enter');
  assert.equal(await value('txtMJ'), '推奨  162-160');
  // Opened again it keeps what was typed; Escape changes nothing.
  await b.click('cmdPressure');
  assert.deepEqual(await values('txtSeaLevel', 'txtAltitude'), ['1013', '500']);
  await b.press('Escape');
  assert.equal(await isOpen('pressure'), false);
  assert.deepEqual([await value('lblBphpa'), await focused()], ['956.0', 'cmdPressure']);
  // The sea-level pressure gets the number pad; the altitude and the
  // temperature may be negative and keep a keyboard with a minus.
  for (const [field, label, keyboard] of [['txtSeaLevel', 'capSeaLevel', 'decimal'],
    ['txtAltitude', 'capAltitude', null], ['txtAirTemp', 'capAirTemp', null]]) {
    assert.equal(await labelOf(field), label);
    assert.equal(await attribute(field, 'inputmode'), keyboard, field);
  }
});

step('an error is shown in a modal dialog and the page goes on', async () => {
  await open();
  for (const [T, P, says, close] of [['-273.13', '1013', 'ゼロによる除算', 'Enter'],
    ['20', '1e400', '「気圧(mb)」の数値が大きすぎて', 'Escape']]) {
    await setReadings('20', '1013', '50');
    await b.click('cmd');
    await setReadings(T, P, '50');
    await pressButton('cmd', 'Enter');
    assert.equal(await b.js(() => document.getElementById('report').matches(':modal')), true);
    const [title, text] = await b.js(() =>
      ['report-title', 'report-text'].map((id) => document.getElementById(id).textContent));
    assert.equal(title, 'エラー');
    assert.ok(text.includes(says) && text.includes('入力した値はそのまま残っています'), text);
    assert.equal(await focused(), 'report-ok');
    assert.deepEqual(await values('txtMJ', 'lblTemp', 'lblBphpa'), ['', T, P]);
    if (close === 'Enter') await pressButton('report-ok', close);
    else await b.press(close);
    assert.equal(await isOpen('report'), false);
    assert.equal(await focused(), 'cmd');
  }
  await setReadings('20', '1013', '50');
  await b.click('cmd');
  assert.equal(await value('txtMJ'), '推奨  168');
});

step('the result explains itself and copies a logbook line', async () => {
  await open();
  await setReadings(' 20', '1013', '50');
  await b.click('cmd');
  const explained = await attribute('txtMJ', 'title');
  assert.ok(explained.startsWith('空気密度  0.074315 lb/ft³'), explained);
  assert.equal(await b.js(() => document.getElementById('txtMJ-tip').textContent), explained);
  if (can('clipboard')) {
    await b.click('lblHum');
    await b.press('c', 'Control', 'Shift');
    const cells = (await waitFor(clipboard, 'the logbook line')).split('\t');
    assert.match(cells[0], /^\d{4}-\d\d-\d\dT\d\d:\d\d$/);
    assert.deepEqual(cells.slice(1), ['20', '1013', '50', '0.074315', '1.1904', '97.2', '推奨  168', '0']);
    // Not while an input method is still composing.
    await emptyClipboard();
    await b.js(() => document.getElementById('lblHum').dispatchEvent(new KeyboardEvent('keydown',
        {bubbles: true, ctrlKey: true, shiftKey: true, code: 'KeyC', isComposing: true})));
    assert.equal(await clipboard(), '');
  }
  // A desktop click on the box opens nothing: the tooltip explains.
  await b.click('txtMJ');
  assert.equal(await isOpen('explanation'), false);
  // The jet chart: painted, with what it shows in words; Escape closes it,
  // and nothing in the form has changed.
  await b.click('cmdChart');
  // The picture is silent to screen readers, which read the words the
  // dialog is described by; its thirteen bands are painted from 160's
  // yellow to 175's darkest colour.
  const chart = await b.js(() => [document.getElementById('chart').matches(':modal'),
    [...document.querySelectorAll('#chart-picture svg path')].map((p) => p.getAttribute('fill'))
        .filter((fill, i, all) => i === 0 || i === all.length - 1 || all.length !== 13).join(' '),
    document.querySelector('#chart-picture svg').getAttribute('aria-hidden'),
    document.getElementById('chart').getAttribute('aria-describedby'),
    ...['chart-title', 'chart-text'].map((id) => document.getElementById(id).textContent)]);
  assert.deepEqual(chart.slice(0, 5), [true, '#fde725 #440154', 'true', 'chart-text', 'ジェット早見表']);
  assert.ok(chart[5].includes('\n気温  16.2〜21.9 ℃ なら 168 のまま\n'), chart[5]);
  assert.equal(await focused(), 'chart-close');
  await watchClose('chart');
  await b.press('Escape');
  await closed('chart');
  assert.deepEqual([...await values('lblTemp', 'txtMJ'), await focused()], [' 20', '推奨  168', 'cmdChart']);
  // 基準合わせ opens with the form's readings and the jet it shows; a day
  // that ran right on 170 where the table said 168 makes the answer one
  // size richer, at once and on the next Select; 解除 goes back to the table.
  await b.click('cmdEngine');
  assert.equal(await b.js(() => document.getElementById('engine').matches(':modal')), true);
  assert.deepEqual([...await values('txtRefTemp', 'txtRefPressure', 'txtRefHumidity', 'cboRefJet'),
    await focused(), await labelOf('cboRefJet'), await attribute('cmdRefReset', 'disabled')],
  ['20', '1013', '50', '3', 'txtRefTemp', 'capRefJet', '']);
  assert.equal(await b.js(() => [...document.getElementById('cboRefJet').options].map((o) => o.text).join(' ')),
      '175 172 170 168 165 162 160');
  await fillEngine();
  assert.equal(await value('lblEngine'),
      'その日の表は 推奨  168\nこのエンジンは表より 1 番手濃い\n今は 補正  170 (表は 推奨  168)');
  await watchClose('engine');
  await b.press('Enter');
  await closed('engine');
  assert.deepEqual([await value('txtMJ'), await focused()], ['補正  170', 'cmdEngine']);
  // 数値クリア clears the readings, not the engine's offset.
  await b.click('cmdclear');
  await setReadings('25', '1013', '50');
  await b.click('cmd');
  assert.equal(await value('txtMJ'), '補正  168');
  // キャンセル applies nothing, whatever was chosen.
  await b.click('cmdEngine');
  assert.deepEqual(await values('txtRefTemp', 'cboRefJet'), ['15', '2']);
  await b.js(() => {
    const jets = document.getElementById('cboRefJet');
    jets.value = '0';
    jets.dispatchEvent(new Event('change', {bubbles: true}));
  });
  await b.click('cmdRefCancel');
  await b.click('cmd');
  assert.deepEqual([await isOpen('engine'), await value('txtMJ')], [false, '補正  168']);
  await b.click('cmdEngine');
  await b.click('cmdRefReset');
  assert.deepEqual([await isOpen('engine'), await value('txtMJ')], [false, '推奨  165']);
  // 一日の見通し: row 1 from the form and the time now. Two rows of the race day at the track give each row's jet,
  // the changes in words and a silent picture; a half-typed row says what
  // it lacks; コピー copies the plan; Escape closes it, the form as it was.
  await b.click('cmdDay');
  assert.equal(await b.js(() => document.getElementById('day').matches(':modal')), true);
  assert.deepEqual([...await values('txtDayAltitude', 'txtDayTemp1', 'txtDayPressure1', 'txtDayHumidity1'),
    await focused(), await attribute('txtDayTemp2', 'aria-label')],
  ['', '25', '1013', '50', 'txtDayTime1', '2 行目 気温']);
  assert.match(await value('txtDayTime1'), /^\d{1,2}:\d\d$/);
  await fillDay([['8:00', '12', '1013', '60'], ['12:00', '25', '1010', '45']]);
  assert.deepEqual(await values('lblDayJet1', 'lblDayJet2', 'lblDay'), ['推奨  170', '推奨  165',
    '8:00 は 170、9:03 から 170-168、9:07 から 168、10:56 から 168-165、11:02 から 165 (12:00 まで)']);
  // Every dialog's result line is read out as it changes.
  assert.deepEqual(await b.js(() => [document.querySelector('#day-picture svg').getAttribute('aria-hidden'),
    ...['lblDay', 'lblEngine', 'lblStation'].map((id) => document.getElementById(id).getAttribute('aria-live'))]),
  ['true', 'polite', 'polite', 'polite']);
  await b.typeInto('txtDayTime3', '13:00');
  assert.deepEqual([...await values('lblDay', 'lblDayJet1'), await b.js(() =>
    [document.getElementById('cmdDayCopy').disabled, document.getElementById('day-picture').innerHTML])],
  ['3 行目の気温を入れてください。', '', [true, '']]);
  await fillDay([[], [], ['', '', '', '']]);
  if (can('clipboard')) {
    await emptyClipboard();
    await b.click('cmdDayCopy');
    const lines = (await waitFor(clipboard, 'the plan')).split('\n');
    assert.deepEqual(lines.slice(0, 3), ['8:00\t12\t1013\t60\t0.076651\t1.2278\t100.2\t推奨  170\t0',
      '12:00\t25\t1010\t45\t0.072663\t1.1639\t95.0\t推奨  165\t0', '9:03\t推奨  170-168']);
  }
  await watchClose('day');
  await b.press('Escape');
  await closed('day');
  assert.deepEqual([...await values('lblTemp', 'txtMJ'), await focused()], ['25', '推奨  165', 'cmdDay']);
  // Readings that give no real air, and Clear, leave nothing to explain.
  await setReadings('20', '', '50');
  await b.click('cmd');
  assert.equal(await attribute('txtMJ', 'title'), '');
  await setReadings('20', '1013', '50');
  await b.click('cmd');
  await b.click('cmdclear');
  assert.equal(await attribute('txtMJ', 'title'), '');
  assert.equal(await b.js(() => document.getElementById('cmdChart').disabled), true);
});

step('on a phone the form fills the screen', async () => {
  // The last is a narrow desktop window without touch: the phone's layout.
  for (const [width, height, phone] of [[390, 844, true], [360, 740, true], [844, 390, true],
    [700, 900, false]]) {
    if (width >= 800 && !can('coarse pointer')) continue;
    if (width === 360 && !can('narrow')) continue; // at 447 px, the same as 390
    await screen(width, height, phone);
    await open();
    const [scrollWidth, clientWidth, scrollHeight, clientHeight] = await b.js(() => {
      const e = document.documentElement;
      return [e.scrollWidth, e.clientWidth, e.scrollHeight, e.clientHeight];
    });
    const where = `${width} × ${height}`;
    assert.ok(scrollWidth <= clientWidth, `${where}: no scrolling sideways`);
    assert.ok(scrollHeight <= clientHeight + 40, `${where}: only the version line may scroll`);
    const fit = await b.js(() => [...document.querySelectorAll('main .control, .under-form button')].map((e) => {
      const r = e.getBoundingClientRect();
      return {id: e.id, left: r.left, right: r.right, bottom: r.bottom, height: r.height,
        fits: e.scrollWidth <= e.clientWidth + 1, font: parseFloat(getComputedStyle(e).fontSize),
        input: e.tagName === 'INPUT'};
    }));
    for (const c of fit) {
      assert.ok(c.left >= 0 && c.right <= clientWidth && c.bottom <= clientHeight, `${where}: ${c.id} on screen`);
      assert.ok(c.fits, `${where}: ${c.id}'s caption fits`);
      if (c.input) assert.ok(c.font >= 16, `${where}: ${c.id} at ${c.font} px`);
    }
    for (const id of ['cmdPressure', 'cmdChart', 'cmdEngine', 'cmdDay'])
      assert.ok(fit.find((c) => c.id === id).height >= 44, `${where}: ${id} for a finger`);
    if (width < height) { // portrait: the form takes the screen's width
      const form = fit.find((c) => c.id === 'txtMJ');
      assert.ok(form.right - form.left > 0.85 * clientWidth, `${where}: the form is ${form.right - form.left} px wide`);
    }
  }

  await screen(390, 844);
  await open();
  await setReadings('20', '1013', '50');
  await b.click('cmd');
  if (can('touch')) {
    // A tap on the result box opens its explanation, with the copy.
    await b.tap('txtMJ');
    await waitFor(() => isOpen('explanation'), 'the explanation');
    const [title, text] = await b.js(() =>
      ['explanation-title', 'explanation-text'].map((id) => document.getElementById(id).textContent));
    assert.equal(title, '推奨  168');
    assert.ok(text.startsWith('空気密度  0.074315'), text);
    assert.equal(await focused(), 'copy');
    if (can('clipboard')) {
      await emptyClipboard();
      await b.tap('copy');
      await waitFor(async () => (await clipboard())?.endsWith('\t推奨  168\t0'), 'the copied line');
      assert.equal(await b.js(() => document.getElementById('explanation-status').textContent),
          'コピーしました。');
    }
    await screenshot('web-phone.png');
    await b.tap('explanation-close');
    assert.equal(await isOpen('explanation'), false);
    assert.equal(await focused(), 'txtMJ');
    // Opened again, it says nothing of the last copy.
    await b.tap('txtMJ');
    await waitFor(() => isOpen('explanation'), 'the explanation again');
    assert.equal(await b.js(() => document.getElementById('explanation-status').textContent), '');
    await b.tap('explanation-close');
  }

  // The chart fits the phone's width, its texts at 12 px or more.
  await b.click('cmdChart');
  const [picture, dialog] = await b.js(() => ['#chart-picture svg', '#chart'].map((q) =>
    document.querySelector(q).getBoundingClientRect().toJSON()));
  const across = await b.js(() => document.documentElement.clientWidth);
  assert.ok(dialog.left >= 0 && dialog.right <= across, JSON.stringify(dialog));
  assert.ok(picture.width / 360 * 14 >= 12, `chart texts at ${picture.width / 360 * 14} px`);
  await screenshot('web-chart-phone.png');
  await b.click('chart-close');

  // The converter fits above a phone's keyboard (about half the screen),
  // with fields large enough that iOS does not zoom in.
  await b.click('cmdPressure');
  await b.typeInto('txtSeaLevel', '1013');
  await b.typeInto('txtAltitude', '500');
  const [box, fonts] = await b.js(() => [document.getElementById('pressure').getBoundingClientRect().toJSON(),
    ['txtSeaLevel', 'txtAltitude', 'txtAirTemp'].map((id) =>
      parseFloat(getComputedStyle(document.getElementById(id)).fontSize))]);
  const width = await b.js(() => document.documentElement.clientWidth);
  assert.ok(box.left >= 0 && box.right <= width && box.bottom <= 844 / 2, JSON.stringify(box));
  assert.ok(fonts.every((f) => f >= 16), `fields at ${fonts} px`);
  await screenshot('web-pressure-phone.png');
  await b.click('cmdApply');
  assert.equal(await value('lblBphpa'), '956.0');
  // So does 基準合わせ, on screen whole.
  await b.click('cmdEngine');
  await fillEngine();
  const sheet = await b.js(() => document.getElementById('engine').getBoundingClientRect().toJSON());
  assert.ok(sheet.left >= 0 && sheet.right <= width && sheet.bottom <= 844, JSON.stringify(sheet));
  await screenshot('web-engine-phone.png');
  await b.click('cmdRefCancel');
  // 一日の見通し fits the phone's width, its fields at 16 px.
  await b.click('cmdDay');
  await fillDay([['8:00', '12', '1013', '60'], ['12:00', '25', '1010', '45'], ['16:00', '22', '1008', '55']]);
  const [plan, across2, dayFonts] = await b.js(() => {
    const d = document.getElementById('day');
    return [d.getBoundingClientRect().toJSON(), d.scrollWidth <= d.clientWidth,
      [...d.querySelectorAll('input')].map((e) => parseFloat(getComputedStyle(e).fontSize))];
  });
  assert.ok(plan.left >= 0 && plan.right <= width && across2, JSON.stringify(plan));
  assert.ok(dayFonts.every((f) => f >= 16), `fields at ${dayFonts} px`);
  await screenshot('web-day-phone.png');
  await b.click('cmdDayClose');
  await screen(1024, 768, false);
});

step('nothing comes from elsewhere and nothing goes wrong', async () => {
  await open();
  assert.deepEqual(await b.js(() => performance.getEntriesByType('resource').map((e) => e.name)
      .filter((n) => !n.startsWith(location.origin))), []);
  // Installable, from any folder: the manifest names the app, its start and
  // scope relative to itself, and its icons, each of them there.
  const manifest = await b.js(() => fetch('manifest.webmanifest').then((r) => r.json()));
  assert.deepEqual([manifest.name, manifest.lang, manifest.display, manifest.start_url, manifest.scope],
      [await b.js(() => document.title), 'ja', 'standalone', './', './']);
  for (const [sizes, purpose] of [['192x192', 'any'], ['512x512', 'any'], ['512x512', 'maskable']]) {
    const icon = manifest.icons.find((i) => i.sizes === sizes && i.purpose === purpose);
    assert.equal(await b.js((src) => new Promise((resolve) => {
      const image = new Image();
      image.onload = () => resolve(`${image.naturalWidth}x${image.naturalHeight}`);
      image.onerror = () => resolve('missing');
      image.src = src;
    }), icon.src), sizes);
  }
  if (can('console')) assert.deepEqual(b.console, []);
  // The page's security policy runs no text as script.
  await b.js(() => new Promise((resolve) => {
    try {
      setTimeout('window.textRan = true', 0);
    } catch {}
    setTimeout(resolve, 100);
  }));
  assert.equal(await b.js(() => window.textRan ?? false), false);
});

step('after one visit it works offline, and a new release replaces the cache', async () => {
  await open();
  await b.js(() => navigator.serviceWorker.ready.then(() => true));
  await waitFor(async () => (await b.js(() => !!navigator.serviceWorker.controller)) || b.reload(),
      'the service worker');
  const caches = () => b.js(() => caches.keys());
  const [name] = await waitFor(async () => (await caches()).length === 1 && caches(), 'one cache');
  assert.match(name, /^jetselect-\d+\.\d\d-[0-9a-f]{12}$/);
  // It holds every file of the site (the worker itself the browser keeps),
  // so that nothing comes from the network.
  const held = await b.js((name) => window.caches.open(name).then((c) => c.keys())
      .then((requests) => requests.map((r) => new URL(r.url).pathname.replace(/^\/jetselect\//, ''))), name);
  assert.deepEqual(held.sort(), ['', ...fs.readdirSync(site).filter((f) => f !== 'sw.js')].sort());

  // A changed site: the browser installs the new worker, which removes the
  // old cache when it takes over.
  const sw = path.join(site, 'sw.js');
  const renamed = `jetselect-0.00-${crypto.randomBytes(6).toString('hex')}`;
  fs.writeFileSync(sw, fs.readFileSync(sw, 'utf8').replace(name, renamed));
  await b.js(() => navigator.serviceWorker.getRegistration().then((r) => r.update()));
  await waitFor(async () => JSON.stringify(await caches()) === JSON.stringify([renamed]),
      'the new cache alone');

  server.kill();
  await new Promise((resolve) => server.once('exit', resolve));
  await open();
  await setReadings('20', '1013', '50');
  await b.click('cmd');
  assert.equal(await value('txtMJ'), '推奨  168');
});

// --- run ------------------------------------------------------------------

let passed = 0;
let failed = 0;
const started = Date.now();
for (const {name, run} of steps) {
  const at = Date.now();
  if (process.env.DEBUG) console.log('step:', name);
  try {
    // A step that hangs fails on its own rather than holding up the rest
    // until the whole run's time is out.
    let timer;
    await Promise.race([run(), new Promise((resolve, reject) => {
      timer = setTimeout(() => reject(new Error('the step took over 60 s')), 60000);
    })]).finally(() => clearTimeout(timer));
    ++passed;
    console.log(`ok   ${engine}: ${name} (${((Date.now() - at) / 1000).toFixed(1)} s)`);
  } catch (error) {
    ++failed;
    console.log(`FAIL ${engine}: ${name}\n${error.stack}`);
  }
}
await b.quit();
server.kill();
fs.rmSync(root, {recursive: true, force: true});
console.log(`${engine}: ${steps.length} steps in ${((Date.now() - started) / 1000).toFixed(1)} s`);
console.log(`${passed} passed, ${failed} failed, ${skipped.size} skipped`);
process.exit(failed ? 1 : 0);
