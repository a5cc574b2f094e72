// Reads an ADIF 3 log.adi with tcadif and adif-parser-ts and checks that every record is accepted, that both read
// the same fields, and that every contact of log.asc is in exactly one of log.adi and bad.adi.
'use strict';

const fs = require('fs');
const { AdifParser } = require('adif-parser-ts');
const Field = require('tcadif/lib/Field');
const Header = require('tcadif/lib/Header');
const QSO = require('tcadif/lib/QSO');

const [logAsc, logAdi, badAdi] = process.argv.slice(2);
const failures = [];
const fail = (text) => failures.push(text);

// Field by field, as tcadif's own parser goes, so that one refused record does not hide the others.
function readWithTcadif(text) {
    const records = [];
    let fields = [];
    for (let field = Field.parse(text); field !== null; field = Field.parse(text)) {
        text = text.slice(field.bytesConsumed);
        if (field.fieldName !== 'EOR' && field.fieldName !== 'EOH') {
            fields.push(field.toEntry());
            continue;
        }
        const block = Object.fromEntries(fields);
        fields = [];
        try {
            if (field.fieldName === 'EOH') {
                new Header(block);
            } else {
                new QSO(block);
            }
            if (field.fieldName === 'EOR') {
                records.push(block);
            }
        } catch (error) {
            fail(`tcadif refuses ${JSON.stringify(block)}: ${error.message} ${JSON.stringify(error.details ?? {})}`);
        }
    }
    return records;
}

const adiText = fs.readFileSync(logAdi, 'latin1');
if (!/^[\x20-\x7e\r\n]*$/.test(adiText)) {
    fail('log.adi holds bytes other than printable ASCII and line ends');
}
if (adiText.startsWith('<')) {
    fail('log.adi begins with "<", so its free-text header would be taken for a field');
}
const strict = readWithTcadif(adiText);
const parsed = AdifParser.parseAdi(adiText);
const header = parsed.header ?? {};
for (const [name, value] of [['adif_ver', '3.1.6'], ['programid', 'Quillon']]) {
    if (header[name] !== value) {
        fail(`header ${name} is ${header[name]}, not ${value}`);
    }
}
const lenient = parsed.records ?? [];
const eorCount = (adiText.match(/<EOR>/g) ?? []).length;
if (strict.length !== eorCount || lenient.length !== eorCount) {
    fail(`log.adi has ${eorCount} records; tcadif accepted ${strict.length}, adif-parser-ts read ${lenient.length}`);
}
strict.forEach((record, i) => {
    const other = lenient[i] ?? {};
    const names = Object.keys(record);
    if (names.length !== Object.keys(other).length ||
        names.some((name) => other[name.toLowerCase()] !== record[name])) {
        fail(`record ${i + 1} reads differently: ${JSON.stringify(record)} against ${JSON.stringify(other)}`);
    }
});

// Every contact by its call sign: a record's CALL, or the first field of a line kept whole in bad.adi.
const bad = AdifParser.parseAdi(fs.readFileSync(badAdi, 'latin1')).records ?? [];
const found = new Map();
const note = (call) => found.set(call, (found.get(call) ?? 0) + 1);
lenient.forEach((record) => note(record.call));
bad.forEach((record) => {
    const line = record.app_quillon_bad_line;
    note(line !== undefined ? line.replace(/^.*not 18: /, '').split(',')[0] : record.call);
});
const calls = fs.readFileSync(logAsc, 'latin1').split(/\r?\n/).filter((line) => line.trim() !== '')
    .map((line) => line.split(',')[0].trim().toUpperCase());
for (const call of calls) {
    if (found.get(call) !== 1) {
        fail(`contact ${call} is in ${found.get(call) ?? 0} records, not in exactly one`);
    }
}
if (lenient.length + bad.length !== calls.length) {
    fail(`${calls.length} contacts in the log, ${lenient.length} records in log.adi and ${bad.length} in bad.adi`);
}

if (failures.length > 0) {
    failures.forEach((text) => console.error(`FAIL ${text}`));
    process.exit(1);
}
console.log(`${strict.length} records of log.adi accepted by tcadif and adif-parser-ts alike; ` +
            `${calls.length} contacts, each in exactly one file`);
