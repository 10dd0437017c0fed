// The page, copied alone into an empty folder and opened from the disk in
// three browser engines as a student uses it: Debian's chromium (Blink) and
// firefox-esr (Gecko) through puppeteer-core, WebKitGTK's MiniBrowser through
// selenium-webdriver and WebKitWebDriver. In each: the answers of a case
// with refused amounts, one per Enter; the console panel must show what a
// terminal shows for them (tests/cases), the first prompt must show within
// 1 s, the canvas must frame the scene at its first size and after the
// browser window is narrowed, and no error may escape the page. In chromium
// also: a link's answers, and a browser without WebGL.
// Usage: node web_test.mjs PAGE FRAME_CHECK; firefox and WebKit draw on the
// X display in DISPLAY. PAGE_SCREENSHOT=file.png saves chromium's view after
// the answers.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { existsSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import puppeteer from "puppeteer-core";
import { Builder, By, Key } from "selenium-webdriver";
import remote from "selenium-webdriver/remote/index.js";

const [page, frameCheck] = process.argv.slice(2);
const cases = new URL("../cases/", import.meta.url).pathname;
const work = mkdtempSync(join(tmpdir(), "geometrija-web-"));
const run = (script, ...args) => execFileSync("sh", ["-c", script, ...args]).toString();

// What a terminal shows when a case's answers are typed one line per
// question: each line where it is asked for, each complaint after the line
// it refuses.
const prompts = /Unesite stepen Beizerove krive |Unesite koordinate \d+\. kontrolne tacke:\n|\n Unesite za koji stepen zelite da uvecate \d\. deo krive: /g;
function terminal(name) {
  const [typed, printed, complaints] = ["answers", "stdout", "stderr"].map((part) =>
    readFileSync(join(cases, `${name}.${part}`), "utf8").split(/(?<=\n)/));
  let last;
  return printed.join("").replace(prompts, (prompt) =>
    (prompt === last ? complaints.shift() : "") + (last = prompt) + (typed.shift() ?? ""));
}
const refused = "refused/amounts";
const answers = readFileSync(join(cases, `${refused}.answers`), "utf8").split("\n").slice(0, -1);
const transcript = terminal(refused);
const asked = [...transcript.matchAll(prompts)].map((m) => transcript.slice(0, m.index + m[0].length));
const linked = readFileSync(join(cases, "typed/one-line.answers"), "utf8").trim().replaceAll(" ", "+");
const linkTranscript = terminal("typed/one-line");
const noWebGL = "Greska: prozor ne moze da se prikaze jer pregledac ne nudi WebGL.\n";

// The copy's first script is the test's: it keeps what escapes the page.
const url = "file://" + join(work, "geometrija.html");
writeFileSync(join(work, "geometrija.html"), readFileSync(page, "utf8").replace("<head>", `<head><script>
  uncaught = [];
  addEventListener("error", (e) => uncaught.push(e.message));
  addEventListener("unhandledrejection", (e) => uncaught.push(String(e.reason)));</script>`));

// Each engine as the checks drive it.
async function puppeteerTab(options) {
  const browser = await puppeteer.launch({ defaultViewport: { width: 1440, height: 760 }, ...options });
  const tab = (await browser.pages())[0];
  return { open: (address) => tab.goto(address), evaluate: (script) => tab.evaluate(script),
    type: (text) => tab.type("#answer", text + "\n"), resize: (width, height) => tab.setViewport({ width, height }),
    screenshot: async () => Buffer.from(await tab.screenshot()), close: () => browser.close() };
}
const chromium = (...flags) => puppeteerTab({ browser: "chrome", executablePath: "/usr/bin/chromium", headless: true,
  args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking", "--disable-sync",
    "--disable-component-update", "--no-first-run", "--disable-quic", "--force-color-profile=srgb", ...flags] });
const firefox = () => puppeteerTab({ browser: "firefox", executablePath: "/usr/bin/firefox-esr", headless: false,
  args: ["--width=1500", "--height=1000"], env: { ...process.env, LIBGL_ALWAYS_SOFTWARE: "1" } });
async function webkit() {
  const miniBrowser = readdirSync("/usr/lib").map((dir) => `/usr/lib/${dir}/webkit2gtk-4.1/MiniBrowser`)
    .find(existsSync);
  const service = new remote.DriverService.Builder("WebKitWebDriver").setLoopback(true).build();
  const driver = await new Builder().usingServer(await service.start()).withCapabilities({
    browserName: "MiniBrowser", "webkitgtk:browserOptions": { binary: miniBrowser, args: ["--automation"] } }).build();
  const resize = (width, height) => driver.manage().window().setRect({ width, height });
  await resize(1440, 900);
  return { open: (address) => driver.get(address), evaluate: (script) => driver.executeScript(`return (${script})()`),
    type: (text) => driver.findElement(By.id("answer")).sendKeys(text, Key.ENTER), resize,
    screenshot: async () => Buffer.from(await driver.takeScreenshot(), "base64"),
    close: () => driver.quit().then(() => service.kill()) };
}

// The console panel once it shows `text`, or after 3 s.
async function shows(browser, text) {
  let shown;
  for (const until = Date.now() + 3000; Date.now() < until; await new Promise((go) => setTimeout(go, 20)))
    if ((shown = await browser.evaluate(() => document.getElementById("console").textContent)) === text) break;
  return shown;
}

// The canvas as the user sees it, by the window test's framing rule: the
// view's screenshot cut to the canvas, where the engine puts it on whole pixels.
async function expectFramed(browser, name) {
  const [x, y, w, h] = await browser.evaluate(() => new Promise((drawn) => requestAnimationFrame(() =>
    requestAnimationFrame(() => drawn(["x", "y", "width", "height"].map((side) =>
      Math.round(document.getElementById("canvas").getBoundingClientRect()[side])))))));
  writeFileSync(join(work, "view.png"), await browser.screenshot());
  const [, , wrong, blue, magenta] = run(`pngtopnm "$1" | pnmcut $3 $4 $5 $6 | "$0" "$2"`, frameCheck,
    join(work, "view.png"), join(cases, `${refused}.answers`), x, y, w, h).match(/\d+/g).map(Number);
  assert.equal(wrong, 0, `${name}, ${w} x ${h}: probes not in their colour`);
  assert.ok(blue > 0, `${name}, ${w} x ${h}: no Blue edge to look at`);
  assert.ok(magenta > 0, `${name}, ${w} x ${h}: no Magenta edge to look at`);
  return `${w} x ${h}`;
}

// What a page shows once it has taken `typed` (one line per question), then what escaped it.
async function expectRun(browser, name, typed, expected) {
  for (const [i, line] of typed.entries()) {
    assert.equal(await shows(browser, asked[i]), asked[i], `${name}: question ${i + 1}`);
    await browser.type(line);
  }
  assert.equal(await shows(browser, expected), expected, `${name}: the console panel`);
  assert.deepEqual(await browser.evaluate(() => window.uncaught), [], `${name}: errors that escaped`);
}

async function check(name, browser, more) {
  try {
    await browser.open(url);
    await shows(browser, asked[0]);
    const firstPrompt = Math.round(await browser.evaluate(() => performance.now()));  // at most
    assert.ok(firstPrompt < 1000, `${name}: the first prompt showed ${firstPrompt} ms after loading`);
    await expectRun(browser, name, answers, transcript);
    assert.equal(await expectFramed(browser, name), "1024 x 700", `${name}: the canvas's first size`);
    if (more && process.env.PAGE_SCREENSHOT) writeFileSync(process.env.PAGE_SCREENSHOT, await browser.screenshot());
    await browser.resize(900, 800);  // narrow: the window below the console
    await browser.evaluate(() => new Promise((resized) => setTimeout(resized, 200)));
    const narrowed = await expectFramed(browser, name);
    assert.notEqual(narrowed, "1024 x 700", `${name}: the canvas follows the browser window`);
    console.log(`${name}: the terminal's transcript, framed at 1024 x 700 and ${narrowed}; ` +
      `first prompt ${firstPrompt} ms after loading`);
    await more?.(browser);
  } finally {
    await browser.close();
  }
}

try {
  await check("chromium", await chromium(), async (browser) => {
    // A worked exercise as a link, in a new page: its answers typed ahead, then the same link offered.
    await browser.open("about:blank");
    await browser.open(url + "#" + linked.replace("+", "%20"));
    await expectRun(browser, "chromium, a link", [], linkTranscript);
    assert.equal(await browser.evaluate(() => document.querySelector("#link a").href), url + "#" + linked);
    console.log("chromium, a link: its transcript with nothing typed, then the same link offered");
  });
  // Without WebGL the dialogue and the listing work, then the console says in red why no window shows.
  const plain = await chromium("--disable-webgl", "--disable-3d-apis");
  try {
    await plain.open(url + "#" + linked);
    await expectRun(plain, "chromium without WebGL", [], linkTranscript + noWebGL);
    assert.equal(await plain.evaluate(() => document.querySelector("#console .error").textContent), noWebGL);
    console.log("chromium without WebGL: the listing, then the complaint in red");
  } finally {
    await plain.close();
  }
  await check("firefox", await firefox());
  await check("webkit", await webkit());
} finally {
  rmSync(work, { recursive: true });
}
