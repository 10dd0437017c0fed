// The exercise explored once the dialogue is over (web/explore.cpp works it
// out): a control point taken in the picture and moved with a mouse, a pen
// or a finger, or chosen and moved with the keys; a point added on an edge
// (a double click or tap, or Insert) or taken away (Delete, or the button);
// the amounts changed in their fields. Each finished change is one step of
// the page's history, and the address, the link, the listing and the
// working follow it.
// No destructuring: Debian 12's emscripten minifies it wrongly.
(() => {
  const canvas = document.getElementById("canvas");
  const panel = document.getElementById("explore");
  const listing = document.getElementById("listing");
  const said = document.getElementById("said");
  const ring = document.getElementById("chosen");
  const fields = [document.getElementById("r1"), document.getElementById("r2")];
  let now = null;  // the exercise shown: its answers as a list, its listing
  let chosen = -1;  // the control point that the keys move
  let moved = -1;  // the point of the change under way, if any
  let held = null;  // a drag under way: its pointer and where it is
  let frame = 0;  // the drag's next step, waiting for an animation frame
  let news = null;  // what the change under way did, told with its listing
  const note = document.getElementById("note");

  // Where the pointer is, in the canvas's CSS pixels.
  function at(event) {
    const box = canvas.getBoundingClientRect();
    return [event.clientX - box.left, event.clientY - box.top];
  }
  const pointAt = (event) => Module._pointAt(...at(event));
  const place = (i) => `${i + 1}. kontrolna tacka, (${now.answers[1 + 2 * i]}, ${now.answers[2 + 2 * i]})`;
  const say = (text) => (said.textContent = text);
  // Told, and written under the listing until the next change.
  const tell = (text) => say(note.textContent = text);

  // The ring around the chosen point, over the picture rather than in it,
  // shown while the picture has the keyboard's focus; the picture is at the
  // corner of the stage that holds both.
  function showChosen() {
    ring.hidden = chosen < 0;
    if (chosen < 0) return;
    ring.style.left = `${Module._pointX(chosen)}px`;
    ring.style.top = `${Module._pointY(chosen)}px`;
  }
  function choose(i) {
    chosen = i;
    showChosen();
    say(`Izabrana je ${place(i)}.`);
  }

  Object.assign(Module, {
    // Every step of a change, a drag's frames included.
    exerciseNow(text, degree, first, second) {
      now = { answers: now ? now.answers : [], text, degree, first, second };
      listing.textContent = text;
      [first, second].forEach((amount, k) => {
        fields[k].max = 50 - degree;
        if (document.activeElement !== fields[k]) fields[k].value = amount;
      });
      Module.workingChanged();
      if (chosen >= 0) showChosen();
    },
    // A change finished, or an exercise shown whole: its link, and where
    // `step`, a step of the history, with the new listing told once.
    exerciseDone(answers, step) {
      if (now.answers.length === 0) panel.dataset.typed = answers;
      now.answers = answers.split("+");
      // An exercise from the address shows the construction as the address has it.
      if (!step) Module.constructionFrom(location.hash);
      Module.showExercise(answers, now.degree, now.first, now.second);
      panel.classList.toggle("changed", answers !== panel.dataset.typed);
      panel.hidden = false;
      note.textContent = "";
      if (step) {
        history.pushState({ exercise: true }, "", Module.linkOf(answers));
        say((news ? `${news()} ` : moved >= 0 ? `${place(moved)}. ` : "") + `Spisak tacaka: ${now.text.trim()}`);
        moved = -1;
        news = null;
      } else {
        history.replaceState({ exercise: true }, "", Module.linkOf(answers));
      }
      Module.addressed = location.hash;
    },
    amountRefused(which, complaint) {
      const field = fields[which - 1];
      field.setAttribute("aria-invalid", "true");
      document.getElementById(`${field.id}-complaint`).textContent = complaint;
    },
    pageText: (which) => (which === 0 ? Module.answersIn(location.hash)
      : which === 3 ? Module.sheetText() : fields[which - 1].value),
  });

  // Taken within reach of a point; moved at most once a frame; let go.
  canvas.addEventListener("pointerdown", (event) => {
    if (now === null || held || event.button !== 0) return;
    const i = pointAt(event);
    if (i < 0) return;
    canvas.setPointerCapture(event.pointerId);
    held = { pointer: event.pointerId, at: at(event), moved: false };
    choose(i);
  });
  function step() {
    frame = 0;
    if (held) Module._movePoint(chosen, held.at[0], held.at[1]);
  }
  canvas.addEventListener("pointermove", (event) => {
    if (!held) {
      canvas.style.cursor = now !== null && pointAt(event) >= 0 ? "grab" : "";
    } else if (event.pointerId === held.pointer) {
      held.at = at(event);
      held.moved = true;
      canvas.style.cursor = "grabbing";
      if (!frame) frame = requestAnimationFrame(step);
    }
  });
  // The drag ended: its last place taken and framed, or the point put back.
  function release(event, keep) {
    if (!held || event.pointerId !== held.pointer) return;
    if (frame) {
      cancelAnimationFrame(frame);
      if (keep) step();
    }
    const changed = held.moved;
    held = null;
    canvas.style.cursor = "";
    if (!changed) return;
    if (keep) {
      moved = chosen;
      Module._letGo();
    } else {
      Module._putBack();
    }
  }
  canvas.addEventListener("pointerup", (event) => release(event, true));
  canvas.addEventListener("pointercancel", (event) => release(event, false));
  // A finger on a point moves it; anywhere else it scrolls and zooms the page.
  canvas.addEventListener("touchstart", (event) => {
    if (now !== null && event.touches.length === 1 && pointAt(event.touches[0]) >= 0) event.preventDefault();
  }, { passive: false });

  // A point added as control point i, or why not: the amount's complaint is
  // beside its field, the degree's told.
  function add(i, added) {
    news = () => `Dodata je ${place(i)}.`;
    const refused = added();
    if (refused === 3) tell("Tacka nije dodata: stepen krive moze biti najvise 50.");
    else if (refused) say(document.getElementById(`r${refused}-complaint`).textContent);
    if (refused) return (news = null);
    chosen = i;
    showChosen();
  }
  // The chosen point taken away; at degree 0, or with none chosen, told why not.
  function take() {
    if (now === null) return;
    if (now.degree === 0) return tell("Kriva stepena 0 ima samo jednu tacku: nema sta da se ukloni.");
    if (chosen < 0) return tell("Izaberite tacku koju treba ukloniti: na slici, ili tasterima PageDown i PageUp.");
    const gone = `Uklonjena je ${place(chosen)}.`;
    news = () => gone;
    Module._takePoint(chosen);
    chosen = -1;
    showChosen();
  }
  document.getElementById("take-point").addEventListener("click", take);
  // A double click, or a double tap, on an edge of the control polygon adds a point there.
  function addOnEdge(event) {
    const edge = now === null || held ? -1 : Module._edgeAt(...at(event));
    if (edge >= 0) add(edge + 1, () => Module._addPoint(edge + 1, ...at(event)));
  }
  let tap = null;  // a finger's last tap: where and when
  let touching = false;  // whether the last pointer was a finger, whose taps are told apart here
  canvas.addEventListener("pointerdown", (event) => (touching = event.pointerType === "touch"));
  canvas.addEventListener("dblclick", (event) => touching || addOnEdge(event));
  canvas.addEventListener("pointerup", (event) => {
    if (!touching) return;
    const close = tap && event.timeStamp - tap.timeStamp < 400 &&
      Math.hypot(event.clientX - tap.clientX, event.clientY - tap.clientY) < 24;
    tap = close ? null : event;
    if (close) addOnEdge(event);
  });

  // Escape puts a held point back; on the picture, PageDown and PageUp
  // choose a point, and the arrows move it a pixel, ten with Shift; Insert
  // adds a point after the chosen one, Delete takes it away.
  document.addEventListener("keydown", (event) => {
    if (event.key !== "Escape" || !held) return;
    canvas.releasePointerCapture(held.pointer);
    release({ pointerId: held.pointer }, false);
  });
  canvas.addEventListener("keydown", (event) => {
    if (now === null || held) return;
    const by = event.shiftKey ? 10 : 1;
    const arrows = { ArrowLeft: [-by, 0], ArrowRight: [by, 0], ArrowUp: [0, -by], ArrowDown: [0, by] };
    const count = now.degree + 1;
    if (event.key === "PageDown") choose((chosen + 1) % count);
    else if (event.key === "PageUp") choose((chosen + count - 1) % count);
    else if (event.key === "Insert") {
      const after = Math.max(0, Math.min(chosen, now.degree - 1));
      add(after + 1, () => Module._addHalfway(after));
    }
    else if (event.key === "Delete") take();
    else if (!arrows[event.key]) return;
    else if (chosen < 0) choose(0);
    else {
      moved = chosen;
      Module._nudgePoint(chosen, arrows[event.key][0], arrows[event.key][1]);
    }
    event.preventDefault();
  });

  // An amount the dialogue takes is shown at once, and is a change done when
  // its field is left; one it refuses is told beside its field, and the
  // exercise stays.
  fields.forEach((field, k) => {
    field.addEventListener("input", () => {
      if (Module._changeAmount(k + 1) === 0) return;
      field.removeAttribute("aria-invalid");
      document.getElementById(`${field.id}-complaint`).textContent = "";
    });
    // Left, or its value committed (Enter, its arrows), whichever comes
    // first: a refused value gives way to the amount, its complaint kept.
    for (const settled of ["change", "blur"]) field.addEventListener(settled, () => {
      Module._settleAmounts();
      if (field.getAttribute("aria-invalid")) field.value = k ? now.second : now.first;
    });
  });

  // Back and Forward within the page's own steps: the exercise of that step.
  window.addEventListener("popstate", (event) => {
    if (now === null || !event.state || !event.state.exercise) return;
    if (Module._showAddressed() === 0) return location.reload();
    fields.forEach((field) => field.removeAttribute("aria-invalid"));
    say(`Spisak tacaka: ${now.text.trim()}`);
  });
})();
