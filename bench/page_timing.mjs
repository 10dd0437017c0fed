// How long the bare page takes from loading to its first prompt, in chromium,
// and the longest task on the main thread in the second after the prompt
// shows: how long a key typed then waits. Then how long the page takes from
// the last Enter to the first frame of the window, at degree 3 and at degree
// 50: each run opens the page
// with every answer but the last in its link, types the last one, and times
// the Enter to the first animation frame after the window's first drawing
// call. Then, in that page, how long opening the working ("Postupak") takes:
// from the click to the end of the next frame (a task queued in its first
// animation frame). Then, at degree 50, how long a redraw takes once the
// browser window is resized: from the frame's clear to the return of its last
// draw call. Then, at degree 50 with amounts 0 and 0 and at degree 25 with 25
// and 25, what a move of a held point costs: from the pointer event to the
// return of the last draw call of the frame that shows it, and to the end of
// that frame (a task queued once the move is drawn); and
// after 10,000 moves, whether the module's memory has grown and the draw calls
// of a frame. Then, at degree 50, a frame of the construction at t, and a
// point added and taken away. Then the student's sheet, opened and judged at
// each keystroke.
// Prints each run, the median of each, and the WebGL draw calls of a frame.
// Usage: node bench/page_timing.mjs PAGE [RUNS] (RUNS defaults to 5); uses the
// browser test's puppeteer-core (tests/web, `npm ci --prefix tests/web`).
import { createRequire } from "node:module";
import { resolve } from "node:path";

const puppeteer = createRequire(new URL("../tests/web/package.json", import.meta.url))("puppeteer-core");
const [page, runs = 5] = process.argv.slice(2);
const url = "file://" + resolve(page);

// Answers typed ahead in the link, then the last one typed: the cubic of the
// examples, and 51 points evenly spaced on a line.
const points50 = Array.from({ length: 51 }, (_, i) => `${2 * i}+${100 - 2 * i}`).join("+");
const degrees = { 3: "3+0+0+0+1+1+1+1+0+0", 50: `50+${points50}+0` };

// Before the page runs: the time of the last Enter, then of the frame after
// the first drawing call that follows it; and each frame after the Enter,
// from its clear to its last draw call's return, with its draw calls.
function timeTheWindow() {
  window.timing = { frames: [] };
  // The first prompt: when the console first holds it (since loading began),
  // then, for a second, the longest gap between tasks queued one after
  // another, which is the longest task that ran between them.
  addEventListener("DOMContentLoaded", () => {
    const panel = document.getElementById("console");
    const seen = new MutationObserver(() => {
      if (!panel.textContent.startsWith("Unesite stepen")) return;
      seen.disconnect();
      const shown = (window.timing.prompt = performance.now());
      const probe = new MessageChannel();
      let last = shown, longest = 0;
      probe.port1.onmessage = () => {
        const now = performance.now();
        longest = Math.max(longest, now - last);
        last = now;
        if (now - shown < 1000) probe.port2.postMessage(0);
        else window.timing.longest = longest;
      };
      probe.port2.postMessage(0);
    });
    seen.observe(panel, { childList: true, subtree: true, characterData: true });
  });
  addEventListener("keydown", (e) => { if (e.key === "Enter") window.timing.enter = performance.now(); }, true);
  for (const context of [WebGLRenderingContext, WebGL2RenderingContext]) {
    const clear = context.prototype.clear;
    context.prototype.clear = function (...args) {
      if (window.timing.enter !== undefined) window.timing.frames.push({ start: performance.now(), calls: 0 });
      return clear.apply(this, args);
    };
    for (const name of ["drawArrays", "drawElements"]) {
      const draw = context.prototype[name];
      context.prototype[name] = function (...args) {
        if (window.timing.enter !== undefined && window.timing.drawn === undefined) {
          window.timing.drawn = 0;
          requestAnimationFrame(() => (window.timing.drawn = performance.now()));
        }
        const drawn = draw.apply(this, args);
        const frame = window.timing.frames.at(-1);
        if (frame) Object.assign(frame, { calls: frame.calls + 1, end: performance.now() });
        return drawn;
      };
    }
  }
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const browser = await puppeteer.launch({ browser: "chrome", executablePath: "/usr/bin/chromium", headless: true,
  protocolTimeout: 600000,
  defaultViewport: { width: 1440, height: 760 },
  args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking", "--disable-sync",
    "--disable-component-update", "--no-first-run", "--disable-quic"] });
try {
  const tab = (await browser.pages())[0];
  await tab.evaluateOnNewDocument(timeTheWindow);
  const prompts = [];
  const longest = [];
  for (let run = 0; run < runs; ++run) {
    await tab.goto("about:blank");
    await tab.goto(url);
    await tab.waitForFunction(() => window.timing.longest !== undefined, { timeout: 60000 });
    prompts.push(await tab.evaluate(() => window.timing.prompt));
    longest.push(await tab.evaluate(() => window.timing.longest));
  }
  console.log(`the first prompt after loading: ${prompts.map((t) => t.toFixed(0)).join(", ")} ms; ` +
    `median ${median(prompts).toFixed(0)} ms`);
  console.log(`the longest task in the second after it: ${longest.map((t) => t.toFixed(0)).join(", ")} ms; ` +
    `median ${median(longest).toFixed(0)} ms`);
  for (const [degree, answers] of Object.entries(degrees)) {
    const times = [];
    const opened = [];
    for (let run = 0; run < runs; ++run) {
      await tab.goto("about:blank");
      await tab.goto(url + "#" + answers);
      await tab.waitForFunction(() => document.getElementById("console").textContent.endsWith("2. deo krive: "));
      await tab.type("#answer", "0\n");
      await tab.waitForFunction(() => window.timing.drawn > 0, { timeout: 10000 });
      times.push(await tab.evaluate(() => window.timing.drawn - window.timing.enter));
      opened.push(await tab.evaluate(() => new Promise((done) => {
        const start = performance.now();
        document.getElementById("show-working").click();
        requestAnimationFrame(() => setTimeout(() => done(performance.now() - start)));
      })));
    }
    const calls = await tab.evaluate(() => window.timing.frames.at(-1).calls);
    console.log(`degree ${degree}: ${times.map((t) => t.toFixed(0)).join(", ")} ms; median ${median(times).toFixed(0)} ms;` +
      ` ${calls} draw calls a frame`);
    console.log(`degree ${degree}, the working opened: ${opened.map((t) => t.toFixed(0)).join(", ")} ms; ` +
      `median ${median(opened).toFixed(0)} ms`);
  }
  // The last page, at degree 50, redrawn at another size.
  const redraws = [];
  for (let run = 0; run < runs; ++run) {
    const before = await tab.evaluate(() => window.timing.frames.length);
    await tab.setViewport({ width: run % 2 ? 1440 : 1300, height: 760 });
    await tab.waitForFunction((n) => window.timing.frames.length > n && window.timing.frames.at(-1).end, {}, before);
    redraws.push(await tab.evaluate(() => window.timing.frames.at(-1).end - window.timing.frames.at(-1).start));
  }
  console.log(`degree 50, redrawn: ${redraws.map((t) => t.toFixed(1)).join(", ")} ms; median ${median(redraws).toFixed(1)} ms`);
  // A held point moved: at degree 50, and at degree 25 raised by 25 and 25.
  const points25 = Array.from({ length: 26 }, (_, i) => `${4 * i}+${(i * 37) % 100}`).join("+");
  for (const [exercise, answers] of [["degree 50, amounts 0 and 0", `50+${points50}+0+0`],
    ["degree 25, amounts 25 and 25", `25+${points25}+25+25`]]) {
    await tab.goto("about:blank");
    await tab.goto(url + "#" + answers);
    await tab.waitForFunction(() => !document.getElementById("explore").hidden);
    await tab.evaluate(() => new Promise(requestAnimationFrame));
    const start = await tab.evaluate(() => {
      const canvas = document.getElementById("canvas"), box = canvas.getBoundingClientRect();
      // Each move: from its event to its frame's last draw call, and to a task queued once that frame
      // is drawn. Each frame's draw calls.
      window.moves = [];
      window.waits = [];
      window.timing.enter = 0;
      canvas.addEventListener("pointermove", () => (window.moved = performance.now()), true);
      // What the page is told of each new exercise (the module's own functions rebind themselves).
      const shown = Module.exerciseNow;
      Module.exerciseNow = (...args) => {
        shown(...args);
        const from = window.moved;
        setTimeout(() => {
          window.moves.push(window.timing.frames.at(-1).end - from);
          window.waits.push(performance.now() - from);
        });
      };
      return [box.x + Module._pointX(10), box.y + Module._pointY(10)];
    });
    await tab.mouse.move(...start);
    await tab.mouse.down();
    for (let k = 1; k <= 10 * runs; ++k) {
      // Each move alone, once the browser has drawn the one before: what one costs, not what a
      // queue of them does to a machine whose software OpenGL is still drawing the last frame.
      await tab.evaluate(() => new Promise((drawn) => requestAnimationFrame(() => setTimeout(drawn, 50))));
      await tab.mouse.move(start[0] + k, start[1] + k / 2);
    }
    await tab.mouse.up();
    const [moves, waits] = await tab.evaluate(() => [window.moves, window.waits]);
    console.log(`${exercise}, a move: median ${median(moves).toFixed(1)} ms, slowest ${Math.max(...moves).toFixed(1)} ms` +
      ` of ${moves.length}, to its frame's last draw call; to the end of that frame, median ${median(waits).toFixed(1)} ms`);
    // 10,000 moves straight through: the module's memory and the draw calls of a frame, before and after.
    const [before, after] = await tab.evaluate(() => new Promise((done) => {
      const state = () => [HEAP8.length, window.timing.frames.at(-1).calls];
      requestAnimationFrame(() => {
        const first = state();
        for (let k = 0; k < 10000; ++k) Module._movePoint(10, 100 + (k % 300), 100 + (k % 200));
        requestAnimationFrame(() => done([first, state()]));
      });
    }));
    console.log(`${exercise}, 10,000 moves: memory ${before[0]} -> ${after[0]} bytes, ` +
      `${before[1]} -> ${after[1]} draw calls a frame`);
  }
  // At degree 50: a frame of the construction at t, from the slider's input to the return of the frame's
  // last draw call, with the frame's draw calls; and a point added halfway after the 11th and taken
  // away again, each from its call to its frame drawn and its step of the history made.
  {
    await tab.goto("about:blank");
    await tab.goto(url + "#" + `50+${points50}+0+0`);
    await tab.waitForFunction(() => !document.getElementById("explore").hidden);
    const [frames, calls, added, taken] = await tab.evaluate(() => new Promise((done) => {
      window.timing.enter = 0;  // each frame's draw calls counted from now
      document.getElementById("show-construction").click();
      const slider = document.getElementById("t");
      const frames = [], added = [], taken = [];
      for (let k = 0; k <= 100; ++k) {
        const start = performance.now();
        slider.value = k / 100;
        slider.dispatchEvent(new Event("input"));
        frames.push(performance.now() - start);
      }
      const calls = window.timing.frames.at(-1).calls;
      document.getElementById("show-construction").click();
      for (let k = 0; k < 20; ++k) {
        let start = performance.now();
        Module._addHalfway(10);
        added.push(performance.now() - start);
        start = performance.now();
        Module._takePoint(11);
        taken.push(performance.now() - start);
      }
      done([frames, calls, added, taken]);
    }));
    console.log(`degree 50, a frame of the construction at t: median ${median(frames).toFixed(1)} ms, slowest ` +
      `${Math.max(...frames).toFixed(1)} ms of ${frames.length}, ${calls} draw calls a frame`);
    console.log(`degree 49, a point added: median ${median(added).toFixed(1)} ms; at degree 50, one taken away: ` +
      `median ${median(taken).toFixed(1)} ms`);
  }
  // The student's sheet: at degree 50, and at degree 10 raised by 5 and 5, how long "Proveri svoj rad"
  // in the working already open takes to show it (from the click to the end of the next frame); then, every field filled in, each
  // keystroke in the last field: from the key to the sheet judged anew, and to the end of the frame
  // that shows it.
  const points10 = Array.from({ length: 11 }, (_, i) => `${i}+${(i * 7) % 10}`).join("+");
  for (const [exercise, answers] of [["degree 50, amounts 0 and 0", `50+${points50}+0+0`],
    ["degree 10, amounts 5 and 5", `10+${points10}+5+5`]]) {
    const opened = [], judged = [], keys = [];
    for (let run = 0; run < runs; ++run) {
      await tab.goto("about:blank");
      await tab.goto(url + "#" + answers);
      await tab.waitForFunction(() => !document.getElementById("explore").hidden);
      await tab.evaluate(() => new Promise((shown) => {
        document.getElementById("show-working").click();
        requestAnimationFrame(() => setTimeout(shown, 100));
      }));
      opened.push(await tab.evaluate(() => new Promise((done) => {
        const start = performance.now();
        document.getElementById("check").click();
        requestAnimationFrame(() => setTimeout(() => done(performance.now() - start)));
      })));
      await tab.evaluate(() => {
        const fields = [...document.querySelectorAll("#working input")];
        fields.forEach((field) => (field.value = "1,5"));
        fields.at(-1).focus();
        window.keyed = [];
        window.judged = [];
        addEventListener("keydown", () => (window.keyAt = performance.now()), true);
        document.addEventListener("input", () => {
          const at = window.keyAt;
          window.judged.push(performance.now() - at);
          requestAnimationFrame(() => setTimeout(() => window.keyed.push(performance.now() - at)));
        });
      });
      for (let k = 0; k < 5; ++k) {
        await tab.keyboard.type(String(k));
        await tab.evaluate(() => new Promise((drawn) => requestAnimationFrame(() => setTimeout(drawn, 50))));
      }
      keys.push(...await tab.evaluate(() => window.keyed));
      judged.push(...await tab.evaluate(() => window.judged));
    }
    console.log(`${exercise}, the sheet opened: ${opened.map((t) => t.toFixed(0)).join(", ")} ms; ` +
      `median ${median(opened).toFixed(0)} ms`);
    console.log(`${exercise}, a keystroke: judged in median ${median(judged).toFixed(1)} ms, slowest ` +
      `${Math.max(...judged).toFixed(1)} ms of ${judged.length}; to the end of its frame, median ` +
      `${median(keys).toFixed(1)} ms, slowest ${Math.max(...keys).toFixed(1)} ms`);
  }
} finally {
  await browser.close();
}
