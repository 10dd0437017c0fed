// The page around the program: the console panel it reads its answers from
// and prints on (web/main.cpp), and the window's size, which follows the
// room the page gives the canvas. A module, so that none of these names
// meets the program's own in the page's global scope.

const consolePanel = document.getElementById("console");
const answer = document.getElementById("answer");
const view = document.getElementById("view");
const canvas = document.getElementById("canvas");
// Lines entered before the program asks for them, and its wait for the next.
const entered = [];
let waiting = null;
let viewerStarted = false;

function show(text, error) {
  const node = document.createTextNode(text);
  if (error) {
    const complaint = document.createElement("span");
    complaint.className = "error";
    complaint.append(node);
    consolePanel.append(complaint);
  } else {
    consolePanel.append(node);
  }
  consolePanel.scrollTop = consolePanel.scrollHeight;
}

// As at a terminal: a line shows where it is typed, then the program reads it.
answer.addEventListener("keydown", (event) => {
  if (event.key !== "Enter") return;
  const line = answer.value + "\n";
  answer.value = "";
  show(line, false);
  if (waiting) {
    waiting(line);
    waiting = null;
  } else {
    entered.push(line);
  }
});

// The room the page gives the window, at most 1024 x 700. Once the viewer
// runs, a new size goes through GLUT as the window system's would: reshape,
// then a redraw.
function fitWindow() {
  const w = Math.max(1, Math.min(1024, Math.floor(view.clientWidth)));
  const h = Math.max(1, Math.min(700, Math.floor(view.clientHeight)));
  if (canvas.width === w && canvas.height === h) return;
  if (viewerStarted) {
    window.Module._glutReshapeWindow(w, h);
  } else {
    canvas.width = w;
    canvas.height = h;
  }
  consolePanel.scrollTop = consolePanel.scrollHeight;
}
window.addEventListener("resize", fitWindow);
fitWindow();

// glutMainLoop hands the page back to the browser by throwing "unwind"; after
// an awaited answer nothing above it is left to catch that, so it ends here.
window.addEventListener("error", (event) => {
  if (event.error === "unwind") event.preventDefault();
});
window.addEventListener("unhandledrejection", (event) => {
  if (event.reason === "unwind") event.preventDefault();
});

window.Module = {
  canvas,
  nextLine: () =>
    entered.length ? Promise.resolve(entered.shift()) : new Promise((resolve) => (waiting = resolve)),
  show,
  // GLUT opens the window at 1024 x 700; once it has drawn, it takes the
  // page's room. The dialogue is over: a new exercise is a new page.
  viewerStarting() {
    viewerStarted = true;
    answer.disabled = true;
    answer.placeholder = "Za novi zadatak ponovo ucitajte stranicu.";
    setTimeout(fitWindow, 0);
  },
};

const program = document.createElement("script");
program.src = "geometrija.js";
document.body.append(program);
