// Fails the page's build when the page's own JavaScript, its scripts and the
// EM_JS functions of its C++ sources, names something that neither the built page
// declares nor the browser has: a runtime function that this emscripten does
// not make (3.1.69 has no allocateUTF8) would otherwise fail only in a
// student's browser, at the first answer.
// Usage: node check_names.mjs PAGE.html SOURCE.cpp... SCRIPT.js...
import { readFileSync, rmSync } from "node:fs";
import { createRequire } from "node:module";

// The parser that emscripten itself depends on: Debian's node-acorn, found
// through NODE_PATH=/usr/share/nodejs where node is not Debian's.
const require = createRequire(import.meta.url);
const acorn = require("acorn");
const globals = require("acorn-globals");

const [page, ...files] = process.argv.slice(2);
const sources = files.filter((file) => file.endsWith(".cpp"));
const scripts = files.filter((file) => !file.endsWith(".cpp"));
const options = { ecmaVersion: "latest" };

// What the built page declares at its top level, in any of its scripts.
const declared = new Set();
for (const [, script] of readFileSync(page, "utf8").matchAll(/<script[^>]*>([\s\S]*?)<\/script>/g))
  for (const node of acorn.parse(script, options).body) {
    if (node.type === "FunctionDeclaration") declared.add(node.id.name);
    if (node.type === "VariableDeclaration") for (const d of node.declarations) declared.add(d.id.name);
  }

// Each EM_JS function as JavaScript: its parameters' names and its body.
const functions = [];
for (const source of sources.map((file) => readFileSync(file, "utf8"))) {
  for (const m of source.matchAll(/EM_(?:ASYNC_)?JS\([^,]+,\s*(\w+),\s*\(([^)]*)\),\s*\{/g)) {
    let depth = 1, end = m.index + m[0].length;
    while (depth > 0 && end < source.length) depth += { "{": 1, "}": -1 }[source[end++]] ?? 0;
    const parameters = m[2].split(",").map((p) => p.trim().split(/[\s*&]+/).pop()).filter(Boolean);
    functions.push([m[1], `async function ${m[1]}(${parameters}) {${source.slice(m.index + m[0].length, end)}`]);
  }
}
for (const script of scripts) functions.push([script, readFileSync(script, "utf8")]);

// The browser's own objects that the page uses, which node lacks.
const browser = ["window", "document", "location", "history", "matchMedia", "devicePixelRatio", "Node",
  "requestAnimationFrame", "cancelAnimationFrame", "localStorage"];
let unknown = 0;
for (const [name, code] of functions)
  for (const { name: used } of globals(code, options))
    if (!declared.has(used) && !(used in globalThis) && !browser.includes(used)) {
      console.error(`${page}: ${name} uses ${used}, which this emscripten does not make`);
      ++unknown;
    }
// Removed, so that the next build makes it again and checks it again.
if (unknown > 0) {
  rmSync(page);
  process.exitCode = 1;
}
