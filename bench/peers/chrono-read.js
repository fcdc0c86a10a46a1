// Reads each text of a labelled set (bench/locales/labelled.h) with chrono-node, in the
// locale's language where chrono has one (else English, British where the day comes first),
// and writes for each line the day read (ISO 8601) or "-".
//   usage: node bench/peers/chrono-read.js SET.tsv
'use strict';
const fs = require('fs');
const chrono = require('chrono-node');

const today = new Date(2026, 11, 6, 12); // the labelled set's today
const readers = {zh_TW: chrono.zh.hant, zh_HK: chrono.zh.hant, zh_CN: chrono.zh.hans};

function readerFor(locale, order) {
  if (readers[locale]) return readers[locale];
  const language = locale.split('_')[0];
  if (language !== 'en' && chrono[language] && chrono[language].parse) return chrono[language];
  return order === 'DMY' ? chrono.en.GB : chrono.en;
}

const lines = fs.readFileSync(process.argv[2], 'utf8').split('\n').filter((line) => line);
const out = [];
for (const line of lines) {
  const [, locale, order, , text] = line.split('\t');
  let read = '-';
  try {
    const results = readerFor(locale, order).parse(text, today);
    if (results.length > 0) {
      const day = results[0].start;
      const pad = (n, width) => String(n).padStart(width, '0');
      read = `${pad(day.get('year'), 4)}-${pad(day.get('month'), 2)}-${pad(day.get('day'), 2)}`;
    }
  } catch (e) {
    read = '-';
  }
  out.push(read);
}
process.stdout.write(out.join('\n') + '\n');
