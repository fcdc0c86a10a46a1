// Writes a labelled set (bench/locales/labelled.h) that no rule of the counter's made: dates as
// four date libraries format them, in each of their locales whose language Qt knows (the codes
// on standard input), on the days their own tests use and a spread of others. Each group is a
// library and what its form holds beside the day: nothing, a weekday, a time, a zone.
//   usage: velmor-locales --languages | node bench/peers/libraries.js > SET.tsv
'use strict';
const fs = require('fs');
const path = require('path');
const moment = require('moment');
const dayjs = require('dayjs');
const luxon = require('luxon');
const dateFns = require('date-fns');
const dateFnsLocales = require('date-fns/locale');
dayjs.extend(require('dayjs/plugin/advancedFormat'));
dayjs.extend(require('dayjs/plugin/localizedFormat'));

const known = new Set(fs.readFileSync(0, 'utf8').split('\n').filter(Boolean));
// The days of the libraries' own tests, then one on each side of the 12th in every month.
const days = [new Date(2010, 1, 14, 15, 25, 50), new Date(1987, 1, 11, 12, 13, 14)];
for (let month = 0; month < 12; month++) {
  days.push(new Date(1977 + 7 * month, month, 1 + (month % 12), month, 25, 50));
  days.push(new Date(2074 - 5 * month, month, 13 + month, 23 - month, 25, 50));
}
const iso = (d) => [d.getFullYear(), d.getMonth() + 1, d.getDate()].map((n, i) => String(n).padStart(i ? 2 : 4, '0')).join('-');
const qtName = (id) => {
  const [language, region] = id.split(/[-_]/);
  return region && region.length === 2 ? `${language}_${region.toUpperCase()}` : language;
};
const lines = [];
const write = (library, what, id, text) => (day) => {
  const language = id.split(/[-_]/)[0];
  if (known.has(language) && text && !/Invalid|[\t\n]/.test(text))
    lines.push([`${library}: ${what}`, qtName(id), '-', 'gregorian', text, iso(day)].join('\t'));
};
// The forms of each library that name a whole day, by what they hold beside it.
const momentForms = {'date': ['L', 'LL', 'l', 'll', 'D MMMM YYYY'], 'weekday': ['dddd, D MMMM YYYY'],
  'time': ['LLL', 'lll'], 'weekday and time': ['LLLL', 'llll', 'dddd, MMMM Do YYYY, h:mm:ss a']};
const dateFnsForms = {'date': ['P', 'PP', 'PPP', 'do MMMM yyyy'], 'weekday': ['PPPP'],
  'time': ['Pp', 'PPp', 'PPPp', 'PPpp'], 'zone': ['PPPppp', 'PPPPpppp']};
const luxonForms = {'date': ['DATE_SHORT', 'DATE_MED', 'DATE_FULL'], 'weekday': ['DATE_HUGE', 'DATE_MED_WITH_WEEKDAY'],
  'time': ['DATETIME_SHORT', 'DATETIME_MED'], 'zone': ['DATETIME_FULL', 'DATETIME_HUGE']};
for (const day of days) {
  for (const file of fs.readdirSync(path.dirname(require.resolve('moment/locale/de'))).filter((name) => name.endsWith('.js'))) {
    const id = file.replace(/\.js$/, '');
    require(`moment/locale/${id}`);
    for (const [what, formats] of Object.entries(momentForms))
      for (const format of formats) write('moment', what, id, moment(day).locale(id).format(format))(day);
  }
  for (const file of fs.readdirSync(path.dirname(require.resolve('dayjs/locale/de'))).filter((name) => name.endsWith('.js'))) {
    const id = file.replace(/\.js$/, '');
    require(`dayjs/locale/${id}`);
    for (const [what, formats] of Object.entries({'date': ['L', 'LL', 'll'], 'time': ['LLL', 'lll'], 'weekday and time': ['LLLL']}))
      for (const format of formats) write('dayjs', what, id, dayjs(day).locale(id).format(format))(day);
  }
  for (const locale of Object.values(dateFnsLocales)) {
    for (const [what, formats] of Object.entries(dateFnsForms))
      for (const format of formats) write('date-fns', what, locale.code, dateFns.format(day, format, {locale}))(day);
  }
  for (const id of [...known].filter((code) => {
    try { return Intl.DateTimeFormat.supportedLocalesOf([code]).length > 0; } catch (e) { return false; }
  })) {
    const time = luxon.DateTime.fromJSDate(day).setZone('UTC', {keepLocalTime: true}).setLocale(id);
    for (const [what, formats] of Object.entries(luxonForms))
      for (const format of formats) write('luxon', what, id, time.toLocaleString(luxon.DateTime[format]))(day);
  }
}
process.stdout.write(lines.join('\n') + '\n');
