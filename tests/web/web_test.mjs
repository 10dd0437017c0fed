// The page in Debian's chromium, as a student uses it: types the example's
// answers one per Enter, a refused degree among them, and checks that the
// console panel shows what a terminal shows for the console program; then
// that the canvas frames the scene at its first size and after the browser
// window is resized. Usage: node web_test.mjs SITE PROGRAM FRAME_CHECK;
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

// A terminal shows each answer where it is typed: after the prompt that reads it.
const printed = execFileSync("sh", ["-c", `"$0" <"$1" 2>&1; true`, program, join(work, "answers")], {
  env: { ...process.env, DISPLAY: "" },
}).toString().replace(/freeglut \(.*\n$/, "");  // the window it cannot open here
const prompt = /krive |tacke:\n|krive: /g;
const asked = [...printed.matchAll(prompt)].map((m) => m.index + m[0].length);
assert.equal(asked.length, answers.length, "one prompt for each answer");
const terminal = answers.map((a, i) => printed.slice(i ? asked[i - 1] : 0, asked[i]) + a + "\n");
const transcript = terminal.join("") + printed.slice(asked.at(-1));

const server = spawn("node", [new URL("../../web/serve.mjs", import.meta.url).pathname, site, "0"]);
const address = await new Promise((resolve) => server.stdout.once("data", (d) => resolve(String(d).trim())));
const browser = await chromium.launch({
  executablePath: "/usr/bin/chromium",
  args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking", "--disable-sync",
    "--disable-component-update", "--no-first-run", "--disable-quic", "--force-color-profile=srgb"],
});
try {
  const page = await browser.newPage({ viewport: { width: 1440, height: 760 } });
  const shown = () => page.locator("#console").textContent();
  const loaded = Date.now();
  await page.goto(address);
  assert.equal(await page.title(), "Geometrija - prikaz zadatka");
  for (const [i, answer] of answers.entries()) {
    await page.waitForFunction((text) => document.getElementById("console").textContent === text,
      terminal.slice(0, i).join("") + printed.slice(i ? asked[i - 1] : 0, asked[i]));
    if (i === 0) console.log(`first prompt ${Date.now() - loaded} ms after loading`);
    await page.fill("#answer", answer);
    await page.press("#answer", "Enter");
  }
  await page.waitForFunction((text) => document.getElementById("console").textContent === text,
    transcript, { timeout: 5000 }).catch(() => {});
  assert.equal(await shown(), transcript);

  // The frame as the user sees it, checked by the framing rule of the window test.
  const expectFramed = async (w, h) => {
    await page.waitForFunction(([w, h]) => canvas.width === w && canvas.height === h, [w, h]);
    await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
    writeFileSync(join(work, "frame.png"), await page.locator("#canvas").screenshot());
    const found = execFileSync("sh", ["-c", `pngtopnm "$1" | "$0" "$2"`, frameCheck,
      join(work, "frame.png"), join(work, "answers")]).toString();
    const [, , wrong, blue, magenta] = found.match(/\d+/g).map(Number);
    assert.equal(wrong, 0, `probes not in their colour: ${found}`);
    assert.ok(blue > 0, `no Blue edge to look at: ${found}`);
    assert.ok(magenta > 0, `no Magenta edge to look at: ${found}`);
  };
  await expectFramed(1024, 700);
  if (process.env.PAGE_SCREENSHOT) await page.screenshot({ path: process.env.PAGE_SCREENSHOT });
  await page.setViewportSize({ width: 900, height: 800 });  // narrow: the window below the console
  await page.waitForFunction(() => canvas.width !== 1024 || canvas.height !== 700)
    .catch(() => assert.fail("the canvas does not follow the browser window"));
  const resized = await page.evaluate(() => [canvas.width, canvas.height]);
  await expectFramed(...resized);
  console.log("the page shows the terminal's transcript and frames the scene at 1024 x 700 and",
    resized.join(" x "));
} finally {
  await browser.close();
  server.kill();
  rmSync(work, { recursive: true });
}
