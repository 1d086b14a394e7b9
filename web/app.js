// The page's behaviour: the two buttons run the commands in WebAssembly
// (jetselect.cpp, over the same code as the desktop windows), and this script
// shows what they return: the error report, the result's explanation and
// the logbook line. It computes nothing itself.
'use strict';

const $ = (id) => document.getElementById(id);

// Copies a line: the clipboard API where the page may use it, else the
// older copy command on a selected, hidden text area.
async function copyText(line) {
  try {
    await navigator.clipboard.writeText(line);
    return true;
  } catch {
    const area = document.createElement('textarea');
    area.value = line;
    area.setAttribute('readonly', '');
    area.className = 'offscreen';
    document.body.append(area);
    area.select();
    const copied = document.execCommand('copy');
    area.remove();
    return copied;
  }
}

// A modal dialog that gives the focus back to where it was when it closes,
// or to the control whose id it was closed with.
function showModal(dialog, focus) {
  const back = document.activeElement;
  dialog.returnValue = '';
  dialog.addEventListener('close', () => ($(dialog.returnValue) ?? back)?.focus(), {once: true});
  dialog.showModal();
  focus.focus();
}

// Return in a dialog's field applies, as the default button of a desktop
// dialog, but not while an input method is still composing. The key's own
// press is kept from reaching the button that takes the focus.
function applyOnReturn(ids, apply) {
  for (const id of ids) {
    $(id).addEventListener('keydown', (event) => {
      if (event.key !== 'Enter' || event.isComposing) return;
      event.preventDefault();
      apply();
    });
  }
}

async function start() {
  const jet = await createJet();
  const call = (command) => jet.UTF8ToString(command());
  const result = $('txtMJ');
  const report = $('report');
  const explanation = $('explanation');

  // The result box explains itself once it shows a recommendation: as its
  // tooltip and description on a desktop, in a dialog on a touch screen.
  function showAnswer() {
    const explained = call(jet._jet_explanation);
    result.title = explained;
    $('txtMJ-tip').textContent = explained;
    $('cmdChart').disabled = !explained;
  }

  function run(command) {
    const message = call(command);
    showAnswer();
    if (message) {
      $('report-text').textContent = message;
      showModal(report, $('report-ok'));
    }
  }

  async function copyResult() {
    const line = call(jet._jet_logbook_line);
    if (!line) return false;
    return copyText(line);
  }

  $('cmd').addEventListener('click', () => run(jet._jet_select));
  $('cmdclear').addEventListener('click', () => run(jet._jet_clear));
  $('report-ok').addEventListener('click', () => report.close());

  // A touch screen has no tooltips: a tap opens the explanation instead.
  let pointer = '';
  result.addEventListener('pointerdown', (event) => {
    pointer = event.pointerType;
  });
  result.addEventListener('click', () => {
    const explained = result.title;
    const touched = pointer === 'touch' || pointer === 'pen';
    pointer = '';
    if (!explained || !touched) return;
    $('explanation-title').textContent = result.value;
    $('explanation-text').textContent = explained;
    $('explanation-status').textContent = '';
    showModal(explanation, $('copy'));
  });
  $('copy').addEventListener('click', async () => {
    $('explanation-status').textContent =
        (await copyResult()) ? 'コピーしました。' : 'コピーできませんでした。';
  });
  $('explanation-close').addEventListener('click', () => explanation.close());

  // Ctrl+Shift+C copies the logbook line, where the browser lets the page
  // have the keys; never while an input method is still composing.
  document.addEventListener('keydown', (event) => {
    if (event.isComposing || !event.ctrlKey || !event.shiftKey || event.altKey ||
        event.code !== 'KeyC') {
      return;
    }
    event.preventDefault();
    copyResult();
  });

  // The pressure converter writes the pressure at the track into the
  // pressure box and leaves the focus on Select. The sea-level pressure and
  // the altitude stay as typed; the temperature comes from the form.
  const pressure = $('pressure');
  let station = {line: '', pressure: ''};
  function readStation() {
    station = JSON.parse(call(jet._jet_station));
    $('lblStation').value = station.line;
    $('cmdApply').disabled = !station.pressure;
  }
  function applyStation() {
    if (!station.pressure) return;
    $('lblBphpa').value = station.pressure;
    pressure.close('cmd');
    $('cmd').focus(); // at once, as well as when the dialog's close event comes
  }
  $('cmdPressure').addEventListener('click', () => {
    $('txtAirTemp').value = $('lblTemp').value;
    readStation();
    showModal(pressure, $('txtSeaLevel'));
  });
  for (const id of ['txtSeaLevel', 'txtAltitude', 'txtAirTemp']) $(id).addEventListener('input', readStation);
  applyOnReturn(['txtSeaLevel', 'txtAltitude', 'txtAirTemp'], applyStation);
  $('cmdApply').addEventListener('click', applyStation);
  $('cmdCancel').addEventListener('click', () => pressure.close());

  // The jet chart of the recommendation shown: the picture comes from the
  // WebAssembly module as SVG, silent to screen readers, which read the
  // words under it. Escape or 閉じる closes it; nothing else changes.
  const chart = $('chart');
  $('cmdChart').addEventListener('click', () => {
    const drawn = call(jet._jet_chart);
    if (!drawn) return;
    const {svg, summary} = JSON.parse(drawn);
    $('chart-picture').innerHTML = svg;
    $('chart-text').textContent = summary;
    showModal(chart, $('chart-close'));
  });
  $('chart-close').addEventListener('click', () => chart.close());

  // 基準合わせ: one day that ran right gives this engine's offset from the
  // table, which the result box shows at once for the last Select and every
  // Select after it uses. The fields are filled from the form at the first
  // opening and keep what was typed; 解除 goes back to the table.
  const engine = $('engine');
  let reading = {line: '', offset: null};
  let applied = 0;
  let filled = false;
  function readEngine() {
    reading = JSON.parse(call(jet._jet_engine_read));
    $('lblEngine').value = reading.line;
    $('cmdRefApply').disabled = reading.offset === null;
  }
  function applyEngine(offset) {
    if (offset === null) return; // Return while a field is wrong
    applied = offset;
    jet._jet_engine_apply(offset);
    showAnswer();
    engine.close();
  }
  $('cmdEngine').addEventListener('click', () => {
    if (!filled) {
      filled = true;
      const first = JSON.parse(call(jet._jet_engine_first));
      $('txtRefTemp').value = first.temperature;
      $('txtRefPressure').value = first.pressure;
      $('txtRefHumidity').value = first.humidity;
      $('cboRefJet').value = String(first.size);
    }
    $('cmdRefReset').disabled = applied === 0;
    readEngine();
    showModal(engine, $('txtRefTemp'));
  });
  const engineFields = ['txtRefTemp', 'txtRefPressure', 'txtRefHumidity', 'cboRefJet'];
  for (const id of engineFields) $(id).addEventListener(id === 'cboRefJet' ? 'change' : 'input', readEngine);
  applyOnReturn(engineFields, () => applyEngine(reading.offset));
  $('cmdRefApply').addEventListener('click', () => applyEngine(reading.offset));
  $('cmdRefReset').addEventListener('click', () => applyEngine(0));
  $('cmdRefCancel').addEventListener('click', () => engine.close());

  // 一日の見通し: the race day from the forecast's rows. Row 1 and the
  // altitude come from the form and the converter at the first opening;
  // from then on the fields keep what was typed. It never writes the form.
  const day = $('day');
  let dayPlan = {copy: ''};
  let dayFilled = false;
  const dayFields = [...day.querySelectorAll('input')];
  function readDay() {
    dayPlan = JSON.parse(call(jet._jet_day));
    $('lblDay').value = dayPlan.line;
    dayPlan.jets.forEach((text, i) => ($(`lblDayJet${i + 1}`).value = text));
    $('day-picture').innerHTML = dayPlan.svg;
    $('cmdDayCopy').disabled = !dayPlan.copy;
    $('day-status').textContent = '';
  }
  $('cmdDay').addEventListener('click', () => {
    if (!dayFilled) {
      dayFilled = true;
      const first = JSON.parse(call(jet._jet_day_first));
      $('txtDayAltitude').value = first.altitude;
      ['txtDayTime1', 'txtDayTemp1', 'txtDayPressure1', 'txtDayHumidity1']
          .forEach((id, i) => ($(id).value = first.row[i]));
    }
    readDay();
    showModal(day, $('txtDayTime1'));
  });
  for (const field of dayFields) field.addEventListener('input', readDay);
  $('cmdDayCopy').addEventListener('click', async () => {
    if (!dayPlan.copy) return;
    $('day-status').textContent =
        (await copyText(dayPlan.copy)) ? 'コピーしました。' : 'コピーできませんでした。';
  });
  $('cmdDayClose').addEventListener('click', () => day.close());

  document.documentElement.dataset.ready = '';
}

start();

if ('serviceWorker' in navigator) {
  window.addEventListener('load', () => navigator.serviceWorker.register('sw.js'));
}
