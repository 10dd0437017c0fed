// De Casteljau's construction at t over the picture, once the dialogue is
// over (explore.cpp's showConstruction, drawn by construction.cpp):
// "Konstrukcija za t" shows or hides it, the slider and its arrow keys choose
// t, and "Pokreni" runs t from 0 to 1 in about four seconds, in steps where
// the system asks for less motion; a second press stops it. The address and
// the link carry t once it is settled, without a step of the history.
// No destructuring: Debian 12's emscripten minifies it wrongly.
(() => {
  const toggle = document.getElementById("show-construction");
  const controls = document.getElementById("construction");
  const slider = document.getElementById("t");
  const value = document.getElementById("t-value");
  const run = document.getElementById("run");
  let running = 0;  // the animation's next frame, while it runs

  // The construction at t (two decimals, as the link writes it), or hidden (null).
  function show(t) {
    Module.shownAt = t;
    toggle.setAttribute("aria-pressed", String(t !== null));
    controls.hidden = t === null;
    if (t !== null) {
      slider.value = t;
      value.textContent = `t = ${t.replace(".", ",")}`;
      slider.setAttribute("aria-valuetext", value.textContent);
    }
    Module._showConstruction(t === null ? -1 : Number(t));
  }
  function settle() {
    history.replaceState(history.state, "", Module.showExercise());
    Module.addressed = location.hash;
  }
  const chosen = () => Number(slider.value).toFixed(2);

  function stop() {
    cancelAnimationFrame(running);
    running = 0;
    run.textContent = "Pokreni";
    settle();
  }
  run.addEventListener("click", () => {
    if (running) return stop();
    const steps = matchMedia("(prefers-reduced-motion: reduce)").matches;
    const start = performance.now();
    run.textContent = "Zaustavi";
    (function step(now) {
      const t = Math.min(1, Math.max(0, steps ? Math.floor((now - start) / 400) / 10 : (now - start) / 4000));
      if (t.toFixed(2) !== Module.shownAt) show(t.toFixed(2));
      if (t < 1) running = requestAnimationFrame(step);
      else stop();
    })(start);
  });
  toggle.addEventListener("click", () => {
    if (running) stop();
    show(Module.shownAt ? null : chosen());
    settle();
  });
  slider.addEventListener("input", () => {
    if (running) stop();
    show(chosen());
  });
  slider.addEventListener("change", settle);

  // The construction as an address has it (&t=0.37), or none.
  Module.constructionFrom = (hash) => {
    const t = /&t=([01](\.\d*)?)(&|$)/.exec(hash);
    show(t && Number(t[1]) <= 1 ? Number(t[1]).toFixed(2) : null);
  };
})();
