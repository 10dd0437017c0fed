// The page in Debian's chromium, as a student uses it: types the example's
// answers one per Enter, a refused degree first, and checks that the console
// panel shows what a terminal shows for the console program; then that the
// canvas frames the scene at its first size and after the browser window is
// narrowed. Usage: node web_test.mjs SITE PROGRAM FRAME_CHECK;
// PAGE_SCREENSHOT=file.png also saves the page after the example.
import assert from "node:assert/strict";
import { execFileSync, spawn } from "node:child_process";
import { mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { chromium } from "playwright-core";

const [site, program, frameCheck] = process.argv.slice(2);
const work = mkdtempSync(join(tmpdir(), "geometrija-web-"));
const answers = ["51", "2", "0 0", "1 2", "2 0", "1", "0"];
writeFileSync(join(work, "answers"), answers.map((a) => a + "\n").join(""));
const run = (script, ...args) => execFileSync("sh", ["-c", script, ...args], { env: { ...process.env, DISPLAY: "" } });

// A terminal shows each answer where it is typed: after the prompt that reads it.
const printed = run(`"$0" <"$1" 2>&1; true`, program, join(work, "answers")).toString();
const prompt = /krive |tacke:\n|krive: /g;
let typed = 0;
const transcript = printed.replace(/freeglut \(.*\n$/, "").replace(prompt, (p) => p + answers[typed++] + "\n");
assert.equal(typed, answers.length, "one prompt for each answer");
const asked = [...transcript.matchAll(prompt)].map((m) => transcript.slice(0, m.index + m[0].length));

const server = spawn("node", [new URL("../../web/serve.mjs", import.meta.url).pathname, site, "0"]);
const address = await new Promise((resolve) => server.stdout.once("data", (d) => resolve(String(d))));
const browser = await chromium.launch({
  executablePath: "/usr/bin/chromium",
  args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking", "--disable-sync",
    "--disable-component-update", "--no-first-run", "--disable-quic", "--force-color-profile=srgb"],
});
try {
  const page = await browser.newPage({ viewport: { width: 1440, height: 760 } });
  const shows = (text, timeout) => page.waitForFunction(
    (text) => document.getElementById("console").textContent === text, text, { timeout }).catch(() => {});
  const loaded = Date.now();
  await page.goto(address.trim());
  assert.equal(await page.title(), "Geometrija - prikaz zadatka");
  for (const [i, answer] of answers.entries()) {
    await shows(asked[i]);
    if (i === 0) console.log(`first prompt ${Date.now() - loaded} ms after loading`);
    await page.fill("#answer", answer);
    await page.press("#answer", "Enter");
  }
  await shows(transcript, 5000);
  assert.equal(await page.locator("#console").textContent(), transcript);

  // The frame as the user sees it, by the window test's framing rule.
  const expectFramed = async () => {
    await page.evaluate(() => new Promise((drawn) => requestAnimationFrame(() => requestAnimationFrame(drawn))));
    writeFileSync(join(work, "frame.png"), await page.locator("#canvas").screenshot());
    const found = run(`pngtopnm "$1" | "$0" "$2"`, frameCheck, join(work, "frame.png"), join(work, "answers"));
    const [w, h, wrong, blue, magenta] = String(found).match(/\d+/g).map(Number);
    assert.equal(wrong, 0, `${w} x ${h}: probes not in their colour`);
    assert.ok(blue > 0, `${w} x ${h}: no Blue edge to look at`);
    assert.ok(magenta > 0, `${w} x ${h}: no Magenta edge to look at`);
    return `${w} x ${h}`;
  };
  assert.equal(await expectFramed(), "1024 x 700");
  if (process.env.PAGE_SCREENSHOT) await page.screenshot({ path: process.env.PAGE_SCREENSHOT });
  await page.setViewportSize({ width: 900, height: 800 });  // narrow: the window below the console
  await page.waitForFunction(() => canvas.width !== 1024).catch(() => {});
  const narrowed = await expectFramed();
  assert.notEqual(narrowed, "1024 x 700", "the canvas follows the browser window");
  console.log(`the page shows the terminal's transcript and frames the scene at 1024 x 700 and ${narrowed}`);
} finally {
  await browser.close();
  server.kill();
  rmSync(work, { recursive: true });
}
