// What the jet chart and the explanation cost in WebAssembly: the page's own
// module under Node, with a stand-in for the page's boxes.
//   node bench/web_chart.mjs build/web/site [RUNS]
import fs from 'node:fs';
import path from 'node:path';
import {createRequire} from 'node:module';
import {performance} from 'node:perf_hooks';

const [site, runs = '200'] = process.argv.slice(2);
const boxes = {lblTemp: '20', lblBphpa: '1013', lblHum: '50', txtMJ: ''};
// 一日の見通し's fields: a whole day of minutes from six rows, 0:00 to 23:59.
const day = [['0:00', '8', '1016', '80'], ['5:00', '6', '1015', '85'], ['10:00', '18', '1012', '60'],
  ['15:00', '27', '1009', '40'], ['20:00', '21', '1010', '55'], ['23:59', '14', '1012', '70']];
boxes.txtDayAltitude = '';
day.forEach((row, i) => ['txtDayTime', 'txtDayTemp', 'txtDayPressure', 'txtDayHumidity']
    .forEach((prefix, j) => (boxes[`${prefix}${i + 1}`] = row[j])));
globalThis.document = {
  getElementById: (id) => ({
    get value() { return boxes[id]; },
    set value(text) { boxes[id] = text; },
  }),
};

const createJet = createRequire(import.meta.url)(path.resolve(site, 'jetselect.js'));
// The module is handed its bytes: Node's fetch takes no file path.
const jet = await createJet({wasmBinary: fs.readFileSync(path.join(site, 'jetselect.wasm'))});
jet._jet_select();
if (boxes.txtMJ !== '推奨  168') throw new Error(`Select showed ${boxes.txtMJ}`);

function median(call) {
  const times = [];
  for (let i = 0; i < Number(runs); ++i) {
    const start = performance.now();
    call();
    times.push(performance.now() - start);
  }
  times.sort((a, b) => a - b);
  return times[times.length >> 1];
}
const chart = median(() => jet._jet_chart());
const explanation = median(() => jet._jet_explanation());
const plan = median(() => jet._jet_day());
if (!jet.UTF8ToString(jet._jet_day()).includes('"svg":"<svg')) throw new Error('no day planned');
console.log(`jet_chart (edges, labels, SVG): ${chart.toFixed(2)} ms; ` +
            `jet_explanation (with the three ranges): ${explanation.toFixed(3)} ms; ` +
            `jet_day (a whole day of minutes, words, SVG): ${plan.toFixed(3)} ms; median of ${runs}`);
