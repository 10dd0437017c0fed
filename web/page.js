// The page around the program, run first inside the program's own script:
// the console panel it reads its answers from and prints on (web/main.cpp),
// the answers a link carries, the link it offers when the dialogue is over,
// and the window's size, which follows the room the page gives the canvas.
// In a function of its own, so none of these names meets the program's.
(() => {
  const consolePanel = document.getElementById("console");
  const answer = document.getElementById("answer");
  const link = document.getElementById("link");
  const view = document.getElementById("view");
  const stage = document.getElementById("stage");
  const canvas = document.getElementById("canvas");
  const actions = document.getElementById("actions");
  const save = document.getElementById("save");
  // Lines entered before the program asks for them, and its wait for the next.
  const entered = [];
  let waiting = null;
  let viewerStarted = false;
  let shown = [];  // the exercise the picture shows: its answers, degree and amounts

  // What the program writes reaches the panel at most once per animation
  // frame, in order, as new nodes: a listing of a hundred writes is laid out
  // and scrolled once, and a screen reader announces what was added, not the
  // whole panel again. A complaint is the answer field's description until
  // the next line is entered.
  const pending = [];
  let complaints = 0;
  function show(text, error) {
    if (pending.length === 0) requestAnimationFrame(flush);
    pending.push({ text, error });
  }
  function flush() {
    const added = document.createDocumentFragment();
    // Debian's emscripten cannot minify a for-of that destructures.
    for (const piece of pending.splice(0)) {
      const text = piece.text;
      if (piece.error) {
        const complaint = document.createElement("span");
        complaint.className = "error";
        complaint.id = `complaint-${++complaints}`;
        complaint.append(text);
        added.append(complaint);
        answer.setAttribute("aria-invalid", "true");
        answer.setAttribute("aria-describedby", complaint.id);
      } else if (added.lastChild && added.lastChild.nodeType === Node.TEXT_NODE) {
        added.lastChild.appendData(text);
      } else {
        added.append(text);
      }
    }
    consolePanel.append(added);
    consolePanel.scrollTop = consolePanel.scrollHeight;
  }

  // As at a terminal: a line shows where it is typed, then the program reads it.
  function enter(line) {
    show(line, false);
    if (waiting) {
      waiting(line);
      waiting = null;
    } else {
      entered.push(line);
    }
  }
  answer.addEventListener("keydown", (event) => {
    if (event.key !== "Enter" || answer.readOnly) return;
    answer.removeAttribute("aria-invalid");
    answer.removeAttribute("aria-describedby");
    enter(answer.value + "\n");
    answer.value = "";
  });

  // Answers in the fragment (#2+0+0+1+2+2+0+1+0, %20 as good as +) are one
  // line typed ahead at the first question; what follows an & is the page's
  // own (&t=0.3, the construction shown at t).
  function answersIn(hash) {
    const answers = hash.slice(1).split("&")[0].replace(/\+/g, " ");
    try {
      return decodeURIComponent(answers);
    } catch {
      return answers;  // taken as it stands; the program refuses what is no number
    }
  }
  let linked = answersIn(location.hash);
  // Another exercise in the address is another page, and so is a new one;
  // the page's own changes to it are not (explore.js).
  window.addEventListener("hashchange", () => {
    if (location.hash !== Module.addressed) location.reload();
  });
  document.getElementById("again").addEventListener("click", () => location.assign(location.href.split("#")[0]));
  // An exercise fit for work by hand, as its link: degree 2 to 4, whole
  // coordinates from -5 to 10, amounts 1 or 2; the link holds it whole.
  document.getElementById("practice").addEventListener("click", () => {
    const whole = (low, high) => low + Math.floor(Math.random() * (high - low + 1));
    const n = whole(2, 4);
    const answers = [n, ...Array.from({ length: 2 * n + 2 }, () => whole(-5, 10)), whole(1, 2), whole(1, 2)];
    location.assign(location.href.split("#")[0] + "#" + answers.join("+"));
  });

  // The picture as it shows, taken when it is asked for.
  save.addEventListener("click", () => (save.href = canvas.toDataURL("image/png")));

  // A lost WebGL context is asked back (preventDefault); while it is away
  // the console says so. The exercise redone from its link draws the same
  // picture, framed as before, once it is back.
  canvas.addEventListener("webglcontextlost", (event) => {
    event.preventDefault();
    show("Greska: pregledac je oduzeo WebGL, pa se slika ne vidi; vratice se kada ga vrati.\n", true);
  });
  canvas.addEventListener("webglcontextrestored", () => {
    history.replaceState(null, "", link.querySelector("a").getAttribute("href"));
    location.reload();
  });

  // The room the page gives the window, at most 1024 x 700 CSS pixels, with
  // one pixel per device pixel (at most what the engine draws) for the
  // program, whose points keep 4 CSS pixels (Module.pixelRatio). Once the
  // viewer runs, a new size goes through GLUT as the window system's would:
  // reshape, then a redraw.
  function fitWindow() {
    // Printing lays the page out anew; the picture prints as it shows.
    if (matchMedia("print").matches) return;
    const width = Math.max(1, Math.min(1024, Math.floor(stage.clientWidth)));
    const height = Math.max(1, Math.min(700, Math.floor(stage.clientHeight)));
    const most = Module.ctx ? Math.min(...Module.ctx.getParameter(Module.ctx.MAX_VIEWPORT_DIMS)) : 4096;
    const ratio = Math.min(devicePixelRatio, most / width, most / height);
    const w = Math.round(width * ratio);
    const h = Math.round(height * ratio);
    Module.pixelRatio = w / width;
    view.style.setProperty("--width", `${width}px`);
    view.style.setProperty("--height", `${height}px`);
    if (viewerStarted) {
      Module._glutReshapeWindow(w, h);
    } else {
      canvas.width = w;
      canvas.height = h;
    }
    consolePanel.scrollTop = consolePanel.scrollHeight;
  }
  window.addEventListener("resize", fitWindow);
  fitWindow();
  // Zoom, or a screen of another density, changes the device pixels too.
  (function watchRatio() {
    matchMedia(`(resolution: ${devicePixelRatio}dppx)`).addEventListener("change", () => {
      fitWindow();
      watchRatio();
    }, { once: true });
  })();

  Object.assign(Module, {
    canvas,
    // The window's context, made when first asked for: web/main.cpp asks
    // while the student reads the first question, so that the picture
    // follows the last answer at once. Null without WebGL. It keeps what was
    // drawn, so that the canvas's own image is the picture on the screen: to
    // save, copy or print.
    windowContext() {
      if (Module.preinitializedWebGLContext === undefined) {
        Module.preinitializedWebGLContext = canvas.getContext("webgl", { alpha: false, depth: true,
          stencil: false, antialias: false, preserveDrawingBuffer: true });
      }
      return Module.preinitializedWebGLContext;
    },
    nextLine() {
      if (linked) {
        enter(linked + "\n");
        linked = "";
      }
      return entered.length
        ? Promise.resolve(entered.shift())
        : new Promise((resolve) => (waiting = resolve));
    },
    show,
    // The dialogue is over: this exercise can be had again, or sent, as a
    // link with its answers, its picture saved, and a new one is a new page.
    // The answer field keeps the focus; were the link given it, the Enter
    // that ended the dialogue could follow it. The picture is described for
    // those who cannot see it.
    dialogueOver(answers, degree, first, second, drawn) {
      answer.readOnly = true;
      answer.placeholder = "Novi zadatak: dugme ispod slike.";
      link.hidden = false;
      save.hidden = !drawn;
      actions.classList.add("done");
      if (drawn) {
        Module.showExercise(answers, degree, first, second);
      } else {
        Module.showExercise(answers);
        canvas.setAttribute("aria-label", "Slika zadatka ne moze da se prikaze jer pregledac ne nudi WebGL.");
      }
    },
    // The exercise's link: its answers, and t where the construction is shown.
    linkOf: (answers) => "#" + answers + (Module.shownAt ? `&t=${Module.shownAt}` : ""),
    // The exercise shown now, as the link, the saved picture's name and the
    // picture's text; called again with nothing, the same exercise. Its link.
    showExercise(...exercise) {
      if (exercise.length) shown = exercise;
      const answers = shown[0], degree = shown[1], address = Module.linkOf(answers);
      const anchor = link.querySelector("a");
      anchor.href = address;
      anchor.textContent = anchor.href;
      save.download = `geometrija-${answers}.png`;
      if (shown.length === 1) return address;
      canvas.setAttribute("aria-label",
        `Slika zadatka: kriva stepena ${degree} je crvena, njene kontrolne tacke narandzaste, a ` +
        `kontrolni poligon plav. Prvi deo krive uvecan je za ${shown[2]}, drugi za ${shown[3]}: tacke ` +
        "uvecanih poligona su crne, stranice magenta, a uvecani prvi deo je plav, preko crvene krive." +
        (Module.shownAt ? ` Prikazana je konstrukcija de Casteljaua za t = ${Module.shownAt.replace(".", ",")}: ` +
          "poligoni njenih nivoa u boji i crna tacka krive za to t." : ""));
      return address;
    },
    answersIn,
    // GLUT opens the window at 1024 x 700 (times the ratio); once it has
    // drawn, it takes the page's room.
    viewerStarting() {
      viewerStarted = true;
      setTimeout(fitWindow, 0);
      // Once the window has shown its first frame, its exercise can be changed.
      requestAnimationFrame(() => setTimeout(() => Module._beginExploring()));
    },
  });
})();
