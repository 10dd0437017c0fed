// The page, one file under 1 MB, copied alone into an empty folder and opened
// from the disk in three browser engines as a student uses it: Debian's
// chromium (Blink) and firefox-esr (Gecko) through puppeteer-core, WebKitGTK's
// MiniBrowser through selenium-webdriver and WebKitWebDriver. In each: the
// answers of a case with refused amounts, one per Enter; the console panel
// must show what a terminal shows for them (tests/cases), the canvas must
// frame the scene at its first size and after the browser window is narrowed,
// as shown and as saved (its own image), drawn in a few draw calls, and no
// error may escape the page; its icon is the program's. Printed (chromium
// and firefox; WebKitWebDriver cannot print), it is one page with the
// transcript and the framed picture. Then the exercise
// explored (a point dragged and moved by the keys, an amount refused and
// taken, Back), and the moved exercise's link opened afresh: the same listing,
// working and picture. axe-core must find nothing against WCAG 2.1 A and AA
// before the dialogue and after it; what axe does not judge is looked at
// directly: the placeholder's contrast, and in chromium, where the page has
// the focus, its accessibility tree (the console a live region, the picture's
// text) and the way back to the link with the keyboard, with the focus drawn.
// In chromium also: a link's answers; a screen of two device pixels to a CSS
// pixel, and the WebGL context lost and given back there; the picture reached
// with Tab and a drag put back by Escape; a finger on a phone; a browser
// without WebGL.
// Usage: node web_test.mjs PAGE FRAME_CHECK; firefox and WebKit draw on the
// X display in DISPLAY. WEB_ENGINES (e.g. "chromium") drives only those named.
// PAGE_SCREENSHOT=file.png saves chromium's view after the answers,
// PAGE_PRINTOUT=file.pdf its printout, PAGE_WORKING=file.png its working,
// PAGE_CHECK=file.png its student's sheet, PAGE_MOVED=file.png a point being
// dragged, PAGE_CONSTRUCTION=file.png the picture with the construction at t.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync, statSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { tmpdir } from "node:os";
import { join } from "node:path";
import puppeteer from "puppeteer-core";
import { Builder, By, Key } from "selenium-webdriver";
import remote from "selenium-webdriver/remote/index.js";

const [page, frameCheck] = process.argv.slice(2);
// One file that a student downloads.
const bytes = statSync(page).size;
assert.ok(bytes < 1000000, `${page}: ${bytes} bytes, 1 MB or more`);
console.log(`${page}: ${bytes} bytes`);
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
const refused = join(cases, "refused/amounts.answers");
const answers = readFileSync(refused, "utf8").split("\n").slice(0, -1);
const transcript = terminal("refused/amounts");
const asked = [...transcript.matchAll(prompts)].map((m) => transcript.slice(0, m.index + m[0].length));
const linked = readFileSync(join(cases, "typed/one-line.answers"), "utf8").trim().replaceAll(" ", "+");
const noWebGL = "Greska: prozor ne moze da se prikaze jer pregledac ne nudi WebGL.\n";
const lost = "Greska: pregledac je oduzeo WebGL, pa se slika ne vidi; vratice se kada ga vrati.\n";
// The case's working, by hand: the scheme's levels, then the first half
// raised by 1, pass by pass, and the second by 0, each row's pairs.
const working = [["(0.00,0.00) (1.00,2.00) (2.00,0.00)", "(0.50,1.00) (1.50,1.00)", "(1.00,1.00)"],
  ["(0.00,0.00) (0.50,1.00) (1.00,1.00)", "(0.00,0.00) (0.33,0.67) (0.67,1.00) (1.00,1.00)"],
  ["(2.00,0.00) (1.50,1.00) (1.00,1.00)"]];
const picture = "Slika zadatka: kriva stepena 2 je crvena, njene kontrolne tacke narandzaste, a kontrolni " +
  "poligon plav. Prvi deo krive uvecan je za 1, drugi za 0: tacke uvecanih poligona su crne, stranice " +
  "magenta, a uvecani prvi deo je plav, preko crvene krive.";

// The copy's first script is the test's: it keeps what escapes the page,
// counts the console's text that is changed or removed instead of added to,
// and the WebGL draw calls of each frame (from one clear to the next).
const url = "file://" + join(work, "geometrija.html");
writeFileSync(join(work, "geometrija.html"), readFileSync(page, "utf8").replace("<head>", `<head><script>
  uncaught = [];
  rewritten = 0;
  frames = [];
  for (const name of ["clear", "drawArrays"]) {
    const call = WebGLRenderingContext.prototype[name];
    WebGLRenderingContext.prototype[name] = function (...args) {
      if (name === "clear") frames.push(0); else if (frames.length) frames[frames.length - 1]++;
      return call.apply(this, args);
    };
  }
  addEventListener("error", (e) => uncaught.push(e.message));
  addEventListener("unhandledrejection", (e) => uncaught.push(String(e.reason)));
  addEventListener("DOMContentLoaded", () => new MutationObserver((changes) => rewritten += changes.filter((c) =>
    c.type === "characterData" || c.removedNodes.length).length).observe(document.getElementById("console"),
    { subtree: true, characterData: true, childList: true }));</script>`));

// axe-core in the page: the rules of WCAG 2.1 A and AA it finds broken, and where.
const axe = new Function(readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8") +
  `; return axe.run(document, { runOnly: ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa"] })
    .then((found) => found.violations.map((v) => v.id + ": " + v.nodes.map((n) => n.target).join(", ")));`);

// Each engine as the checks drive it.
async function puppeteerTab(options) {
  const browser = await puppeteer.launch({ defaultViewport: { width: 1440, height: 760 }, ...options });
  const tab = (await browser.pages())[0];
  return { open: (address) => tab.goto(address), evaluate: (script, ...args) => tab.evaluate(script, ...args),
    // A mouse's drag through viewport CSS pixels; a key pressed, with Shift held where asked.
    drag: async (path) => { await tab.mouse.move(...path[0]); await tab.mouse.down();
      for (const to of path.slice(1)) await tab.mouse.move(...to); await tab.mouse.up(); },
    doubleClick: (at) => tab.mouse.click(...at, { count: 2 }),
    press: async (key, shift) => { if (shift) await tab.keyboard.down("Shift"); await tab.keyboard.press(key);
      if (shift) await tab.keyboard.up("Shift"); },
    typing: (text) => tab.keyboard.type(text),
    type: (text) => tab.type("#answer", text + "\n"), pdf: (path) => tab.pdf({ format: "A4", path }), tab,
    resize: (width, height, deviceScaleFactor) => tab.setViewport({ width, height, deviceScaleFactor }),
    screenshot: async () => Buffer.from(await tab.screenshot()), close: () => browser.close(),
    tree: async () => (await (await tab.createCDPSession()).send("Accessibility.getFullAXTree")).nodes,
    back: async () => (await tab.keyboard.down("Shift"), await tab.keyboard.press("Tab"), await tab.keyboard.up("Shift")) };
}
const chromium = (...flags) => puppeteerTab({ browser: "chrome", executablePath: "/usr/bin/chromium", headless: true,
  args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking", "--disable-sync",
    "--disable-component-update", "--no-first-run", "--disable-quic", "--force-color-profile=srgb", ...flags] });
const firefox = () => puppeteerTab({ browser: "firefox", executablePath: "/usr/bin/firefox-esr", headless: false,
  args: ["--width=1500", "--height=1000"], env: { ...process.env, LIBGL_ALWAYS_SOFTWARE: "1" } });
async function webkit() {
  const miniBrowser = run("ls /usr/lib/*/webkit2gtk-*/MiniBrowser | head -n 1").trim();
  const service = new remote.DriverService.Builder("WebKitWebDriver").setLoopback(true).build();
  const driver = await new Builder().usingServer(await service.start()).withCapabilities({
    browserName: "MiniBrowser", "webkitgtk:browserOptions": { binary: miniBrowser, args: ["--automation"] } }).build();
  const resize = (width, height) => driver.manage().window().setRect({ width, height });
  await resize(1440, 900);
  async function drag(path) {
    const actions = driver.actions({ async: true }).move({ x: Math.round(path[0][0]), y: Math.round(path[0][1]) }).press();
    for (const to of path.slice(1)) actions.move({ x: Math.round(to[0]), y: Math.round(to[1]), duration: 16 });
    await actions.release().perform();
  }
  const keyOf = (key) => Key[key.replace(/(.)([A-Z])/g, "$1_$2").toUpperCase()];  // PageDown: PAGE_DOWN
  return { open: (address) => driver.get(address),
    evaluate: (script, ...args) => driver.executeScript(`return (${script})(...arguments)`, ...args),
    drag, press: (key, shift) => driver.switchTo().activeElement().sendKeys(shift ? Key.chord(Key.SHIFT, keyOf(key)) : keyOf(key)),
    doubleClick: (at) => driver.actions({ async: true }).move({ x: Math.round(at[0]), y: Math.round(at[1]) }).doubleClick().perform(),
    typing: (text) => driver.switchTo().activeElement().sendKeys(text),
    type: (text) => driver.findElement(By.id("answer")).sendKeys(text, Key.ENTER), resize,
    screenshot: async () => Buffer.from(await driver.takeScreenshot(), "base64"),
    close: () => driver.quit().then(() => service.kill()) };
}

// The console panel once it shows `text`, or after 30 s: a bound that only a
// hang reaches, however busy the machine is. How soon it shows is the
// benchmark's to measure (bench/page_timing.mjs).
async function shows(browser, text) {
  let shown;
  for (const until = Date.now() + 30000; Date.now() < until; await new Promise((go) => setTimeout(go, 20)))
    if ((shown = await browser.evaluate(() => document.getElementById("console").textContent)) === text) break;
  return shown;
}

// A picture (PNG) judged by the window test's framing rule, cut to the
// canvas as `cut` says, at `scale` pixels to the window's designed pixel,
// which its points must be 4 of wide.
function judge(png, name, cut = "cat", scale = 1) {
  const [w, h, wrong, blue, magenta, smallest, largest] = execFileSync("sh", ["-c", `pngtopnm | ${cut} | "$0" "$1" $2`, frameCheck, refused,
    scale], { input: png }).toString().match(/\d+/g).map(Number);
  assert.equal(wrong, 0, `${name}, ${w} x ${h}: probes not in their colour`);
  assert.ok(blue > 0, `${name}, ${w} x ${h}: no Blue edge to look at`);
  assert.ok(magenta > 0, `${name}, ${w} x ${h}: no Magenta edge to look at`);
  assert.equal(smallest, 4 * scale, `${name}, ${w} x ${h}: the narrowest point's pixels`);
  assert.equal(largest, 4 * scale, `${name}, ${w} x ${h}: the widest point's pixels`);
  return `${w} x ${h}`;
}
// The canvas's own image (toDataURL) once what was asked of it is drawn.
const canvasImage = async (browser) => Buffer.from((await browser.evaluate(() => new Promise((drawn) => setTimeout(() =>
  requestAnimationFrame(() => drawn(document.getElementById("canvas").toDataURL())), 200)))).split(",")[1], "base64");

// The canvas as it is saved (its own image, once what was last asked of it
// is drawn) and as the user sees it: the view's screenshot cut to the
// canvas, where the engine puts it on whole pixels.
async function expectFramed(browser, name) {
  const saved = await canvasImage(browser);
  const [x, y, w, h] = await browser.evaluate(() => ["x", "y", "width", "height"].map((side) =>
    Math.round(document.getElementById("canvas").getBoundingClientRect()[side])));
  const shown = judge(await browser.screenshot(), name, `pnmcut ${x} ${y} ${w} ${h}`);
  assert.equal(judge(saved, `${name}, saved`), shown, `${name}: the saved picture's size`);
  return shown;
}

// Printed (into the file `path`, if given): `pages` pages, with the transcript
// and the picture on the first; its text.
async function expectPrinted(browser, name, path, pages = 1) {
  const pdf = path || join(work, "printed.pdf");
  await browser.pdf(pdf);
  assert.equal(run(`pdfinfo "$0" | sed -n 's/^Pages: *//p'`, pdf), `${pages}\n`, `${name}: printed pages`);
  const text = run(`pdftotext -layout "$0" -`, pdf).replace(/\s+/g, " ");
  assert.ok(text.includes(transcript.replace(/\s+/g, " ").trim()), `${name}: the printed transcript`);
  run(`pdfimages -png "$0" "$1"`, pdf, join(work, "printed"));
  judge(readFileSync(join(work, "printed-000.png")), `${name}, printed`);
  return text;
}

// The working, opened: its pairs as worked by hand, the console as it was,
// nothing for axe, the figures' colours told apart from the background on the
// screen and on paper, and in the printout, on a page of its own.
async function expectWorking(browser, name) {
  await browser.evaluate(() => document.getElementById("show-working").click());
  assert.deepEqual(await browser.evaluate(() => [...document.querySelectorAll("#working tbody")].map((body) =>
    [...body.rows].map((row) => [...row.cells].slice(1).map((cell) => cell.textContent).join(" ")))), working,
  `${name}: the working's pairs`);
  assert.equal(await shows(browser, transcript), transcript, `${name}: the console with the working open`);
  assert.deepEqual(await browser.evaluate(axe), [], `${name}: WCAG 2.1 A and AA, the working open`);
  const lowest = await browser.evaluate(() => Math.min(...[...document.querySelectorAll("#working svg g")].flatMap(
    (g) => [getComputedStyle(document.getElementById("working")).backgroundColor, "rgb(255, 255, 255)"].map((back) =>
      axe.commons.color.getContrast(...[back, getComputedStyle(g).stroke].map((css) =>
        new axe.commons.color.Color().parseString(css)))))));
  assert.ok(lowest >= 3, `${name}: the figures' colours on the screen and on paper, ${lowest.toFixed(2)} : 1`);
  if (browser.pdf)
    assert.ok((await expectPrinted(browser, `${name}, the working open`, undefined, 2)).includes(working[1][1]),
      `${name}: the working printed`);
}

// Once a page opened from a link has done its dialogue and can be explored.
const explorable = (browser) => browser.evaluate(() => new Promise((go) =>
  (function wait() { explore.hidden ? setTimeout(wait, 20) : go(); })()));

// The student's sheet, in the working: the right numbers typed as a student
// writes them, Enter to the next field, all right; then the weights exchanged
// in the first pass: wrong and named; then a wrong point of level 1, whose
// points worked from it, in the scheme and in the pass, follow; the same
// after a reload; `abc` refused; nothing for axe; printed with its marks.
async function expectSheet(browser, name) {
  const sheet = () => browser.evaluate(() => ({ first: document.getElementById("first-wrong").textContent,
    marks: [...document.querySelectorAll("#working .mark")].map((mark) => mark.textContent.replace(/^\W+/, "")),
    fields: [...document.querySelectorAll("#working input")].map((field) => [field.value, field.getAttribute("aria-invalid")]) }));
  const fill = async (values) => {
    for (const [i, value] of Object.entries(values)) {
      await browser.evaluate((i) => Object.assign(document.querySelectorAll("#working input")[i], { value: "" }).focus(), i);
      await browser.typing(value);
    }
    return sheet();
  };
  await browser.evaluate(() => document.getElementById("check").click());
  for (const value of ["0,5", "1", "3/2", " 1", "1", "1", "1/3", "2/3", "0,67", "1"])
    await browser.typing(value).then(() => browser.press("Enter"));
  const [right, tacno] = [await sheet(), "tacno"];
  assert.deepEqual(right.marks, [tacno, tacno, tacno, tacno, tacno], `${name}: the right numbers`);
  const slip = await fill({ 6: "0,17", 7: "0,33" });
  assert.deepEqual(slip.marks, [tacno, tacno, tacno, "pogresno", tacno], `${name}: the weights exchanged`);
  assert.ok(slip.first.endsWith("Izgleda da su tezine zamenjene."), `${name}: the slip named, in ${slip.first}`);
  assert.equal(slip.fields[6][1], "true", `${name}: the wrong point's field marked`);
  const followed = await fill({ 1: "2", 4: "1", 5: "1,5", 6: "1/3", 7: "4/3", 8: "2/3", 9: "11/6" });
  const follows = "sledi iz vasih brojeva";
  assert.deepEqual(followed.marks, ["pogresno", tacno, follows, follows, follows], `${name}: followed through`);
  assert.ok(followed.first.startsWith("Prva greska: Nivo 1, 1. tacka"), `${name}: the first wrong point`);
  if (browser.pdf)
    assert.ok((await expectPrinted(browser, `${name}, the sheet`, undefined, 2)).includes(follows), `${name}: the sheet printed`);
  const address = await browser.evaluate(() => location.href);
  await browser.open("about:blank").then(() => browser.open(address)).then(() => explorable(browser));
  await browser.evaluate(() => document.getElementById("show-working").click() || document.getElementById("check").click());
  assert.deepEqual(await sheet(), followed, `${name}: the sheet after a reload`);
  assert.ok((await fill({ 2: "abc" })).marks[1].includes("Nije broj"), `${name}: abc refused`);
  assert.deepEqual(await browser.evaluate(axe), [], `${name}: WCAG 2.1 A and AA, the sheet open`);
  if (name === "chromium" && process.env.PAGE_CHECK) await (await browser.tab.$("#working")).screenshot({ path: process.env.PAGE_CHECK });
  await browser.evaluate(() => document.getElementById("check").click());
}

// What a page shows once it has taken `typed` (one line per question), then
// what escaped it and what of the console it rewrote.
async function expectRun(browser, name, typed, expected) {
  for (const [i, line] of typed.entries()) {
    assert.equal(await shows(browser, asked[i]), asked[i], `${name}: question ${i + 1}`);
    await browser.type(line);
  }
  assert.equal(await shows(browser, expected), expected, `${name}: the console panel`);
  assert.deepEqual(await browser.evaluate(() => window.uncaught), [], `${name}: errors that escaped`);
  assert.equal(await browser.evaluate(() => window.rewritten), 0, `${name}: console text changed, not added to`);
}

// Once the dialogue is over: what a student who does not see the page gets.
async function expectAccessible(browser, name) {
  assert.deepEqual(await browser.evaluate(axe), [], `${name}: WCAG 2.1 A and AA, the link shown`);
  // WCAG's contrast by axe-core's own colour functions, the placeholder's alpha blended.
  assert.ok(await browser.evaluate(() => {
    const { Color, getContrast } = axe.commons.color, answer = document.getElementById("answer");
    const [front, back] = [getComputedStyle(answer, "::placeholder").color, getComputedStyle(answer).backgroundColor];
    return getContrast(new Color().parseString(back), new Color().parseString(front));
  }) >= 4.5, `${name}: the placeholder's contrast`);
}

// Where control point i is, in the viewport's CSS pixels.
const pointOn = (browser, i) => browser.evaluate((i) => {
  canvas.scrollIntoView({ block: "nearest" });
  const box = canvas.getBoundingClientRect();
  return [box.x + Module._pointX(i), box.y + Module._pointY(i)];
}, i);

// The exercise explored: the apex dragged, then moved by the keys, and an amount
// refused and taken, each alone, with the link and what a screen reader is
// told following; Back through the changes; and the dragged exercise's link
// opened afresh, which must list, work out and draw, bit for bit, what the
// page did.
async function expectExplored(browser, name) {
  const now = () => browser.evaluate(() => ({ answers: location.hash.slice(1).split("+"), link: link.querySelector("a").hash,
    listing: document.getElementById("listing").textContent, working: document.getElementById("working").textContent,
    complaint: document.getElementById("r2-complaint").textContent, invalid: r2.getAttribute("aria-invalid"),
    field: r2.value, steps: history.length }));
  const changed = (before, after) => after.answers.flatMap((answer, k) => (answer === before.answers[k] ? [] : [k]));
  const [first, picture, apex] = [await now(), await canvasImage(browser), await pointOn(browser, 1)];
  await browser.evaluate(() => new MutationObserver((changes) => (window.told = (window.told ?? 0) + changes.length))
    .observe(said, { childList: true, characterData: true, subtree: true }));
  await browser.drag([0, 1, 2, 3, 4].map((k) => [apex[0] + 1 + 10 * k, apex[1] + 1 + 8 * k]));
  const [dragged, draggedPicture] = [await now(), await canvasImage(browser)];
  assert.deepEqual(changed(first, dragged), [3, 4], `${name}: the drag moves the apex alone`);
  assert.equal(dragged.link, "#" + dragged.answers.join("+"), `${name}: the link, after the drag`);
  assert.ok(await browser.evaluate(() => window.told <= 2), `${name}: told of the drag at most twice, not each frame`);
  assert.ok((await browser.evaluate(() => said.textContent)).endsWith(dragged.listing.trim()), `${name}: the listing told`);
  // The keys: the next point chosen and back, then the apex a pixel right and ten down.
  await browser.evaluate(() => canvas.focus());
  for (const key of ["PageDown", "PageUp", "ArrowRight"]) await browser.press(key);
  await browser.press("ArrowDown", true);
  const down = await now();
  assert.deepEqual(changed(dragged, down), [3, 4], `${name}: the keys move the apex alone`);
  assert.ok(Number(down.answers[3]) > Number(dragged.answers[3]), `${name}: ArrowRight moves it right`);
  assert.ok(Number(down.answers[4]) < Number(dragged.answers[4]), `${name}: Shift+ArrowDown moves it down`);
  // The second amount: one the dialogue refuses, told beside the field; then one it takes.
  await browser.evaluate(() => (r2.focus(), r2.value = "")).then(() => browser.typing("49"));
  const refused = await now();
  assert.equal(refused.complaint, readFileSync(join(cases, "refused/amounts.stderr"), "utf8").split("\n")[0] + "\n",
    `${name}: the dialogue's complaint beside the field`);
  assert.equal(refused.invalid, "true", `${name}: the refused field marked`);
  // Committed, the refused amount changes nothing, not even by its prefix 4: the field shows the amount again.
  await browser.press("Enter");
  const left = await now();
  assert.deepEqual(left.answers, down.answers, `${name}: 49 committed, the exercise`);
  assert.equal(left.steps, down.steps, `${name}: 49 committed, the history`);
  assert.equal(left.field, down.answers.at(-1), `${name}: 49 committed, the field`);
  assert.equal(left.complaint, refused.complaint, `${name}: 49 committed, the complaint kept`);
  await browser.evaluate(() => (r2.focus(), r2.value = "")).then(() => browser.typing("2")).then(() => browser.press("Enter"));
  const amounts = await now();
  assert.deepEqual(changed(down, amounts), [down.answers.length - 1], `${name}: the second amount alone`);
  assert.equal(amounts.answers.at(-1), "2", `${name}: the second amount taken`);
  // Back: each change undone in turn, to the dialogue's own exercise and picture.
  const back = () => browser.evaluate(() => new Promise((done) => (addEventListener("popstate", () => done(),
    { once: true }), history.back()))).then(now);
  assert.deepEqual((await back()).answers, down.answers, `${name}: Back to the amount before`);
  assert.deepEqual((await back().then(back)).answers, dragged.answers, `${name}: Back to the drag`);
  assert.deepEqual((await back()).answers, first.answers, `${name}: Back to the dialogue's exercise`);
  assert.ok((await canvasImage(browser)).equals(picture), `${name}: its picture, after Back`);
  // The drag's link in a page of its own.
  await browser.open("about:blank").then(() => browser.open(url + "#" + dragged.answers.join("+")));
  await explorable(browser);
  const typed = await browser.evaluate(() => document.getElementById("console").textContent);
  assert.equal(typed.slice(typed.lastIndexOf(": ") + 2), dragged.listing, `${name}: the dialogue's listing of the link`);
  assert.ok((await canvasImage(browser)).equals(draggedPicture), `${name}: the link's picture, bit for bit`);
  await browser.evaluate(() => document.getElementById("show-working").click());
  assert.equal((await now()).working, dragged.working, `${name}: the link's working`);
}

// The construction at t shown, then the page opened afresh from its link:
// the same canvas. Then points added, by a double click on an edge and by
// Insert, and one taken away by Delete: Back undoes each, and Forward, which
// works each exercise out anew from its address by the dialogue, lists what
// the change listed.
async function expectConstructionAndPoints(browser, name) {
  const now = () => browser.evaluate(() => [location.hash, document.getElementById("listing").textContent]);
  const before = await browser.evaluate(() => location.href);
  await browser.evaluate(() => document.getElementById("show-construction").click());
  await browser.evaluate(() => ["input", "change"].forEach((moved) =>
    Object.assign(document.getElementById("t"), { value: 0.3 }).dispatchEvent(new Event(moved))));
  const [shown, label] = [await canvasImage(browser), await browser.evaluate(() => canvas.getAttribute("aria-label"))];
  assert.ok(label.includes("konstrukcija de Casteljaua za t = 0,30"), `${name}: the construction in the picture's text`);
  assert.ok(await browser.evaluate(() => frames.at(-1) <= 20), `${name}: the construction in a few draw calls`);
  if (name === "chromium" && process.env.PAGE_CONSTRUCTION)
    await (await browser.tab.$("#view")).screenshot({ path: process.env.PAGE_CONSTRUCTION });
  const address = await browser.evaluate(() => location.href);
  await browser.open("about:blank").then(() => browser.open(address)).then(() => explorable(browser));
  assert.ok((await canvasImage(browser)).equals(shown), `${name}: the construction's link, its picture bit for bit`);
  const ends = [await pointOn(browser, 0), await pointOn(browser, 1)];
  const steps = [await now()];
  await browser.doubleClick([(ends[0][0] + ends[1][0]) / 2, (ends[0][1] + ends[1][1]) / 2]);
  steps.push(await now());
  await browser.evaluate(() => canvas.focus());
  for (const key of ["Insert", "Delete"]) steps.push(await browser.press(key).then(now));
  const degrees = steps.map((step) => step[0].slice(1).split("+")[0]);
  assert.deepEqual(degrees, ["2", "3", "4", "3"], `${name}: the degrees, a point added twice and taken away`);
  const travel = (way) => browser.evaluate((way) => new Promise((done) => (addEventListener("popstate", () => done(),
    { once: true }), history[way]())), way).then(now);
  for (const step of steps.slice(0, -1).reverse()) assert.deepEqual(await travel("back"), step, `${name}: Back`);
  for (const step of steps.slice(1)) assert.deepEqual(await travel("forward"), step, `${name}: Forward, the dialogue's listing`);
  // The page as it was, its working open.
  await browser.open("about:blank").then(() => browser.open(before)).then(() => explorable(browser));
  await browser.evaluate(() => document.getElementById("show-working").click());
}

// The page's own icon, the program's: two pixels of it drawn at 64 x 64, an
// Orange point and the light ground.
async function expectIcon(browser, name) {
  const [point, ground] = await browser.evaluate(async () => {
    const image = new Image();
    image.src = document.querySelector("link[rel=icon]").href;
    await image.decode();
    const context = Object.assign(document.createElement("canvas"), { width: 64, height: 64 }).getContext("2d");
    context.drawImage(image, 0, 0, 64, 64);
    const at = (x, y) => [...context.getImageData(x, y, 1, 1).data].join(" ");
    return [at(16, 12), at(32, 48)];
  });
  assert.equal(point, "255 128 0 255", `${name}: the page's icon's Orange point`);
  assert.equal(ground, "230 230 204 255", `${name}: the page's icon's light ground`);
}

async function check(name, browser, more) {
  try {
    await browser.open(url);
    await expectIcon(browser, name);
    assert.equal(await shows(browser, asked[0]), asked[0], `${name}: the first prompt`);
    assert.deepEqual(await browser.evaluate(axe), [], `${name}: WCAG 2.1 A and AA, before the dialogue`);
    await expectRun(browser, name, answers, transcript);
    await expectAccessible(browser, name);
    assert.equal(await expectFramed(browser, name), "1024 x 700", `${name}: the canvas's first size`);
    // A batch of lines and one of points for each colour, not a call for each shape.
    const calls = await browser.evaluate(() => frames[frames.length - 1]);
    assert.ok(calls <= 8, `${name}: ${calls} draw calls in a frame`);
    if (browser.pdf) await expectPrinted(browser, name, more && process.env.PAGE_PRINTOUT);
    if (more && process.env.PAGE_SCREENSHOT) writeFileSync(process.env.PAGE_SCREENSHOT, await browser.screenshot());
    await browser.resize(900, 800);  // narrow: the window below the console
    const narrowed = await expectFramed(browser, name);
    assert.notEqual(narrowed, "1024 x 700", `${name}: the canvas follows the browser window`);
    await expectWorking(browser, name);
    if (more && process.env.PAGE_WORKING) await (await browser.tab.$("#working")).screenshot({ path: process.env.PAGE_WORKING });
    await expectSheet(browser, name);
    await expectExplored(browser, name);
    await expectConstructionAndPoints(browser, name);
    console.log(`${name}: the terminal's transcript, nothing for axe, framed at 1024 x 700 and ${narrowed}; ` +
      `the working's pairs, nothing for axe, printed`);
    await more?.(browser);
  } finally {
    await browser.close();
  }
}

async function chromiumChecks() {
  await check("chromium", await chromium(), async (browser) => {
    // What a screen reader is told: the console is a live region that adds, and the picture has its text.
    const tree = await browser.tree();
    const log = tree.find((node) => node.role.value === "log");
    assert.ok(log, "chromium: the console is a log");
    const live = Object.fromEntries(log.properties.map((p) => [p.name, p.value.value]));
    assert.equal(live.live, "polite", "chromium: the console's live region");
    assert.equal(live.atomic, false, "chromium: the console is not reread whole");
    const images = tree.filter((node) => node.role.value === "image").map((node) => node.name.value);
    assert.ok(images.includes(picture), `chromium: the picture's name, not among ${images.join(" | ")}`);
    // With the keyboard alone, from the answer field back to the link, and where the focus is shows.
    await browser.back();
    const [focused, outline, width] = await browser.evaluate(() => [document.activeElement.id,
      getComputedStyle(document.activeElement).outlineStyle, getComputedStyle(document.activeElement).outlineWidth]);
    assert.equal(focused, "link-address", "chromium: Shift+Tab from the answer field");
    assert.notEqual(outline, "none", "chromium: the focused link's outline");
    assert.ok(parseFloat(width) >= 2, "chromium: the focus outline's width");
    // The working, open, reached from "Novi zadatak" with Tab, and closed with Enter.
    await browser.tab.focus("#again");
    await browser.tab.keyboard.press("Tab");
    await browser.tab.keyboard.press("Enter");
    assert.equal(await browser.evaluate(() => document.activeElement.id), "show-working",
      "chromium: Tab to the working");
    assert.ok(await browser.evaluate(() => document.getElementById("working").hidden),
      "chromium: the working closed by Enter");
    // A worked exercise as a link, in a new page: its answers typed ahead, then the same link offered.
    await browser.open("about:blank");
    await browser.open(url + "#" + linked.replace("+", "%20"));
    await expectRun(browser, "chromium, a link", [], terminal("typed/one-line"));
    assert.equal(await browser.evaluate(() => document.querySelector("#link a").href), url + "#" + linked);
    // Moved to a screen of two device pixels to a CSS pixel: twice the pixels, framed. Then the context
    // lost, which the console tells in red, and given back: the same picture.
    await browser.resize(1440, 760, 2);
    const sharp = judge(await canvasImage(browser), "chromium at ratio 2", "cat", 2);
    assert.equal(sharp, "2048 x 1400", "chromium at ratio 2: the pixels of its 1024 x 700 CSS pixels");
    await browser.evaluate(() => (window.lose = canvas.getContext("webgl").getExtension("WEBGL_lose_context")).loseContext());
    await expectRun(browser, "chromium, its context lost", [], terminal("typed/one-line") + lost);
    assert.equal(await browser.evaluate(() => document.querySelector("#console .error").textContent), lost);
    await browser.evaluate(() => lose.restoreContext());
    await browser.tab.waitForFunction(() => !window.lose);  // a new page, whose context was never lost
    await expectRun(browser, "chromium, its context back", [], terminal("typed/one-line"));
    judge(await canvasImage(browser), "chromium, its context back", "cat", 2);
    // The picture reached with Shift+Tab, its focus drawn around it; the apex taken and moved (as the README
    // shows it), then put back by Escape.
    await browser.resize(1440, 760, 1);
    await browser.tab.focus("#show-working");
    for (const k of [1, 2, 3]) await browser.back();
    assert.equal(await browser.evaluate(() => document.activeElement.id), "canvas", "chromium: the picture's tab stop");
    assert.ok(await browser.evaluate(() => parseFloat(getComputedStyle(canvas).outlineOffset) >= 0),
      "chromium: the picture's focus drawn outside it");
    const [unmoved, unmovedPicture, apex] = [await browser.evaluate(() => location.hash), await canvasImage(browser),
      await pointOn(browser, 1)];
    await browser.tab.mouse.move(...apex).then(() => browser.tab.mouse.down());
    await browser.tab.mouse.move(apex[0] - 120, apex[1] + 40, { steps: 5 });
    if (process.env.PAGE_MOVED) writeFileSync(process.env.PAGE_MOVED, await browser.screenshot());
    await browser.press("Escape").then(() => browser.tab.mouse.up());
    assert.equal(await browser.evaluate(() => location.hash), unmoved, "chromium: Escape puts the apex back");
    assert.ok((await canvasImage(browser)).equals(unmovedPicture), "chromium: Escape puts its picture back");
    // On a phone: a finger drawn over a point moves it and leaves the picture where it was on the screen;
    // from beside the points, it scrolls the page.
    await browser.tab.setViewport({ width: 400, height: 700, hasTouch: true, isMobile: true });
    await browser.open(url + "#" + linked).then(() => browser.tab.waitForFunction(() => !explore.hidden));
    await browser.evaluate(() => document.getElementById("show-working").click());
    const finger = async (from, by) => {
      const [at, before] = [await pointOn(browser, 1), await browser.evaluate(() => canvas.getBoundingClientRect().y)];
      await browser.tab.touchscreen.touchStart(at[0] + from, at[1] + 2 * from);
      for (const k of [1, 2, 3]) await browser.tab.touchscreen.touchMove(at[0] + from + by * k, at[1] + 2 * from + by * k);
      await browser.tab.touchscreen.touchEnd();
      return browser.evaluate((before) => [location.hash, Math.round(before - canvas.getBoundingClientRect().y)], before);
    };
    const [touched, scrolled] = await finger(0, 6);
    assert.notEqual(touched, "#" + linked, "chromium: a finger on the apex moves it");
    assert.equal(scrolled, 0, "chromium: a finger on the apex scrolls nothing");
    assert.ok((await finger(50, -30))[1] > 0, "chromium: a finger beside the points scrolls the page");
    // "Zadatak za vezbu": the page again with a new exercise fit for hand work in its link.
    await browser.evaluate(() => document.getElementById("practice").click());
    let practice;
    for (let tries = 0; !practice && tries < 5; ++tries) practice = await browser.tab.waitForFunction(() =>
      performance.getEntriesByType("navigation")[0].type === "reload" && !explore.hidden && location.hash)
      .then((hash) => hash.jsonValue(), () => undefined);
    const [degree, ...rest] = practice.slice(1).split("+").map(Number);
    assert.ok([2, 3, 4].includes(degree), `chromium: the practice exercise's degree, in ${practice}`);
    assert.equal(rest.length, 2 * degree + 4, `chromium: the practice exercise's answers, ${practice}`);
    assert.ok(rest.slice(0, -2).every((c) => Number.isInteger(c) && c >= -5 && c <= 10), `chromium: its points, ${practice}`);
    assert.ok(rest.slice(-2).every((r) => r === 1 || r === 2), `chromium: its amounts, ${practice}`);
    console.log("chromium: a live region, the picture's name, the link and the working by keyboard, " +
      "the focus drawn; " +
      `a link's transcript, then the same link offered; at ratio 2 ${sharp}, framed; its context lost, told, and back`);
  });
  // Without WebGL the dialogue and the listing work, then the console says in red why no window shows.
  const plain = await chromium("--disable-webgl", "--disable-3d-apis");
  try {
    await plain.open(url + "#" + linked);
    await expectRun(plain, "chromium without WebGL", [], terminal("typed/one-line") + noWebGL);
    assert.equal(await plain.evaluate(() => document.querySelector("#console .error").textContent), noWebGL);
    console.log("chromium without WebGL: the listing, then the complaint in red");
  } finally {
    await plain.close();
  }
}

// The engines WEB_ENGINES names, all three where it is not set.
const engines = { chromium: chromiumChecks, firefox: async () => check("firefox", await firefox()),
  webkit: async () => check("webkit", await webkit()) };
try {
  for (const engine of (process.env.WEB_ENGINES ?? Object.keys(engines).join(" ")).split(/\s+/).filter(Boolean))
    await engines[engine]();
} finally {
  rmSync(work, { recursive: true });
}
