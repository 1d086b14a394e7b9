// Writes the page from the window's table at build time, with the same
// WebAssembly module the page runs, so that the page shows its form before
// any script has run and no place or caption is written twice:
//   node render.js SITE_DIR SOURCE_DIR VERSION
// reads SITE_DIR/jetselect.js and SOURCE_DIR/index.html.in and writes
// index.html, form.css (each control's place) and sw.js (the offline cache
// of every file of the site) into SITE_DIR.
'use strict';
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');

const [site, source, version] = process.argv.slice(2);

const escapeHtml = (text) =>
  text.replace(/[&<>"']/g, (c) => `&#${c.charCodeAt(0)};`);

// The CSS of the form: each control's place in twips, turned into pixels by
// style.css, and font F as the first families of the box font.
function formCss(table) {
  const families = table.fontFamilies.map((f) => JSON.stringify(f)).join(', ');
  const lines = [
    '/* Written by render.js from the window\'s table: places in twips. */',
    `main, .under-form { --width: ${table.width}; --height: ${table.height}; ` +
      `--box-font: ${families}; --box-font-size: ${table.fontTwips}; }`,
  ];
  for (const c of table.controls) {
    lines.push(`#${c.name} { --left: ${c.left}; --top: ${c.top}; --width: ${c.width}; ` +
               `--height: ${c.height}; text-align: ${c.align}; justify-content: ${c.align}; }`);
  }
  return lines.join('\n') + '\n';
}

// The nine controls in the table's order, which is also the tab order: each
// label stands just before its box and names it.
function formHtml(table) {
  const html = [];
  let first = true;
  table.controls.forEach((c, i) => {
    const font = c.boxFont ? ' box-font' : '';
    const tip = c.tip ? ` title="${escapeHtml(c.tip)}"` : '';
    if (c.kind === 'label') {
      const box = table.controls[i + 1].name;
      html.push(`<label id="${c.name}" for="${box}" class="control${font}"${tip}>` +
                `${escapeHtml(c.caption)}</label>`);
    } else if (c.kind === 'box') {
      // The temperature may be below zero: it gets the full keyboard, which
      // has a minus, where a decimal keypad (iOS) has none.
      const readings = c.name === 'txtMJ' ? ' readonly' :
          c.name === 'lblTemp' ? ' enterkeyhint="next"' : ' inputmode="decimal" enterkeyhint="next"';
      const name = c.accessibleName ? ` aria-label="${escapeHtml(c.accessibleName)}"` : '';
      html.push(`<input id="${c.name}" type="text" class="control${font}"${name}${tip}` +
                `${readings} autocomplete="off" autocapitalize="off" spellcheck="false"` +
                ` aria-describedby="${c.name}-tip">` +
                `<span id="${c.name}-tip" hidden>${escapeHtml(c.tip)}</span>`);
    } else {
      const focus = first ? ' autofocus' : '';
      first = false;
      html.push(`<button id="${c.name}" type="button" class="control${font}"${focus}>` +
                `${escapeHtml(c.caption)}</button>`);
    }
  });
  return html.join('\n');
}

// A dialog of fields (the pressure converter, 基準合わせ): modal, flowing
// rather than keeping the desktop's places, so that it fits a phone's
// screen with the keyboard up. Its fields are named by their labels; the
// result line is an <output> that screen readers read again when it
// changes. The fields in `decimal` are never negative and get the number
// pad; the others may be, and keep a keyboard with a minus. A combo box is
// a <select> of the dialog's choices, valued by their index.
function dialogHtml(id, dialog, decimal) {
  const html = [`<dialog id="${id}" class="form-dialog" aria-labelledby="${id}-title">`,
    `<p id="${id}-title" class="dialog-title">${escapeHtml(dialog.title)}</p>`];
  const controls = dialog.controls;
  const fields = controls.filter((c) => c.kind === 'box' || c.kind === 'combo').map((c) => c.name);
  const boxes = controls.filter((c) => c.kind === 'box').map((c) => c.name);
  const buttons = [];
  controls.forEach((c, i) => {
    const next = controls[i + 1];
    if (c.kind === 'label' && fields.includes(next?.name)) {
      html.push(`<label id="${c.name}" for="${next.name}">${escapeHtml(c.caption)}</label>`);
    } else if (c.kind === 'label' && !c.caption) {
      html.push(`<output id="${c.name}" for="${fields.join(' ')}" aria-live="polite"></output>`);
    } else if (c.kind === 'label') {
      html.push(`<p id="${c.name}" class="dialog-text">${escapeHtml(c.caption)}</p>`);
    } else if (c.kind === 'box') {
      const last = c.name === boxes[boxes.length - 1];
      const keyboard = decimal.includes(c.name) ? ' inputmode="decimal"' : '';
      html.push(`<input id="${c.name}" type="text"${keyboard} enterkeyhint="${last ? 'done' : 'next'}"` +
                ' autocomplete="off" autocapitalize="off" spellcheck="false">');
    } else if (c.kind === 'combo') {
      const options = dialog.choices.map((choice, index) =>
        `<option value="${index}">${escapeHtml(choice)}</option>`);
      html.push(`<select id="${c.name}">${options.join('')}</select>`);
    } else {
      buttons.push(`<button id="${c.name}" type="button">${escapeHtml(c.caption)}</button>`);
    }
  });
  html.push(`<div class="dialog-buttons">${buttons.join('')}</div>`, '</dialog>');
  return html.join('\n');
}

// 一日の見通し: the altitude, then the rows as a table whose columns are
// captioned once; each field is named by its row and column for screen
// readers ("2 行目 気温"), and each row's answer and the plan's line are
// <output>s read again when they change. The picture goes between the
// line and the buttons, silent: the line says the same.
function dayHtml(dialog) {
  const byName = new Map(dialog.controls.map((c) => [c.name, c]));
  const text = (name) => escapeHtml(byName.get(name).caption);
  const input = (c, keyboard) => `<input id="${c.name}" type="text"${keyboard}` +
      (c.accessibleName ? ` aria-label="${escapeHtml(c.accessibleName)}"` : '') +
      (c.tip ? ` title="${escapeHtml(c.tip)}"` : '') +
      ' enterkeyhint="next" autocomplete="off" autocapitalize="off" spellcheck="false">';
  const captions = dialog.controls.filter((c) => c.name.startsWith('capDay') && c.name !== 'capDayAltitude');
  const rows = dialog.controls.filter((c) => c.name.startsWith('lblDayRow'));
  const html = [`<dialog id="day" class="form-dialog day-dialog" aria-labelledby="day-title">`,
    `<p id="day-title" class="dialog-title">${escapeHtml(dialog.title)}</p>`,
    `<p id="lblDayPurpose" class="dialog-text">${text('lblDayPurpose')}</p>`,
    `<div class="day-altitude"><label id="capDayAltitude" for="txtDayAltitude">${text('capDayAltitude')}</label>` +
      input(byName.get('txtDayAltitude'), ' inputmode="numeric"') +
      `<span id="lblDayAltitudeNote">${text('lblDayAltitudeNote')}</span></div>`,
    '<table class="day-rows"><thead><tr><th></th>' +
      captions.map((c) => `<th id="${c.name}" scope="col">${escapeHtml(c.caption)}</th>`).join('') +
      '</tr></thead><tbody>'];
  const fields = ['txtDayTime', 'txtDayTemp', 'txtDayPressure', 'txtDayHumidity'];
  for (const row of rows) {
    const n = row.caption;
    // The time and the temperature keep a keyboard with ':' and a minus.
    const cells = fields.map((prefix, i) =>
      `<td>${input(byName.get(prefix + n), i < 2 ? '' : ' inputmode="decimal"')}</td>`);
    html.push(`<tr><th id="${row.name}" scope="row">${escapeHtml(n)}</th>${cells.join('')}` +
              `<td><output id="lblDayJet${n}" aria-live="polite"></output></td></tr>`);
  }
  html.push('</tbody></table>',
      `<output id="lblDay" for="${dialog.controls.filter((c) => c.kind === 'box').map((c) => c.name).join(' ')}" aria-live="polite"></output>`,
      '<div id="day-picture"></div>',
      `<p id="day-status" class="dialog-status" role="status"></p>`,
      `<div class="dialog-buttons"><button id="cmdDayCopy" type="button">${text('cmdDayCopy')}</button>` +
      `<button id="cmdDayClose" type="button">${text('cmdDayClose')}</button></div>`,
      '</dialog>');
  return html.join('\n');
}

// The service worker caches every file of the site under a name that
// carries the version and the files' hash: a new release, or any change,
// installs a new cache and removes the old one.
function serviceWorker(files) {
  const hash = crypto.createHash('sha256');
  for (const file of files) hash.update(file).update(fs.readFileSync(path.join(site, file)));
  const cache = `jetselect-${version}-${hash.digest('hex').slice(0, 12)}`;
  const template = fs.readFileSync(path.join(source, 'sw.js.in'), 'utf8');
  return template.replace('@CACHE@', cache)
      .replace('@FILES@', JSON.stringify(['./', ...files]));
}

const createJet = require(path.resolve(site, 'jetselect.js'));
createJet().then((jet) => {
  const table = JSON.parse(jet.UTF8ToString(jet._jet_window()));
  const page = fs.readFileSync(path.join(source, 'index.html.in'), 'utf8')
      .replaceAll('@TITLE@', escapeHtml(table.title))
      .replace('@FORM@', formHtml(table))
      .replace('@PRESSURE_BUTTON@', escapeHtml(table.pressure.button))
      .replace('@PRESSURE@', dialogHtml('pressure', table.pressure, ['txtSeaLevel']))
      .replace('@ENGINE_BUTTON@', escapeHtml(table.engine.button))
      .replace('@ENGINE@', dialogHtml('engine', table.engine, ['txtRefPressure', 'txtRefHumidity']))
      .replace('@DAY_BUTTON@', escapeHtml(table.day.button))
      .replace('@DAY@', dayHtml(table.day))
      .replace('@CHART_BUTTON@', escapeHtml(table.chart.button))
      .replace('@CHART_TITLE@', escapeHtml(table.chart.title))
      .replace('@CHART_CLOSE@', escapeHtml(table.chart.close))
      .replaceAll('@ERROR_TITLE@', escapeHtml(table.errorTitle))
      .replaceAll('@COPY@', escapeHtml(table.copyCaption))
      .replaceAll('@VERSION@', version);
  fs.writeFileSync(path.join(site, 'index.html'), page);
  fs.writeFileSync(path.join(site, 'form.css'), formCss(table));

  const manifest = JSON.parse(fs.readFileSync(path.join(source, 'manifest.webmanifest'), 'utf8'));
  manifest.name = table.title;
  fs.writeFileSync(path.join(site, 'manifest.webmanifest'), JSON.stringify(manifest, null, 2) + '\n');

  const files = fs.readdirSync(site).filter((f) => f !== 'sw.js').sort();
  fs.writeFileSync(path.join(site, 'sw.js'), serviceWorker(files));
});
