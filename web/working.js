// The working, on the page after the dialogue (web/explore.cpp's working()):
// "Postupak" opens and closes it. It is built when it is opened, never
// before, and anew for each change to the exercise while it is open, from
// the JSON that the program works out by the listing's own arithmetic: the midpoint scheme at t = 1/2 in a table and a figure,
// then the raising of each half, pass by pass, in a table and a figure.
// Every point is written as the listing writes a pair. "Proveri svoj rad"
// turns the tables into the student's sheet: a field for x and for y of each
// point the working computes, judged at each keystroke by the program
// (judge.h, through explore.cpp's judged()), and kept in this browser alone,
// for each exercise.
// No destructuring: Debian 12's emscripten minifies it wrongly.
(() => {
  const button = document.getElementById("show-working");
  const working = document.getElementById("working");
  const spoken = document.getElementById("said");
  let checking = false;  // the sheet shown in place of the tables
  let key = "";  // where this exercise's sheet is kept
  let inputs = [];  // the sheet's fields, in its order
  let marks = [];  // each point's mark
  let grids = [];  // what shows as a table or as the sheet, each made anew when it turns
  let firstWords = "";  // the first wrong point in words
  // Told apart from the working's background on the screen (#111) and on
  // paper (white), at least 3 : 1 on both.
  const colors = ["#e8590c", "#3b82f6", "#2f9e44", "#c2255c", "#7950f2", "#0c8599"];
  const colorOf = (k) => colors[k % colors.length];
  const swatch = (k) => `<span class="swatch" style="background:${colorOf(k)}" aria-hidden="true"></span>`;
  const pairs = (points) => points.map((p) => p[2]).join(" ");

  // A table of polygons, one a row, named `caption`: `name(k)` heads row k,
  // under `corner`, and `mark(k, i)` gives the class of its point i.
  function table(caption, corner, polygons, name, mark = () => "") {
    const longest = Math.max(...polygons.map((p) => p.length));
    const heads = Array.from({ length: longest }, (_, i) => `<th scope="col">${i + 1}. tacka</th>`).join("");
    const rows = polygons.map((polygon, k) => `<tr><th scope="row">${swatch(k)}${name(k)}</th>` +
      polygon.map((p, i) => `<td class="${mark(k, i)}">${p[2]}</td>`).join("") + "</tr>").join("");
    return `<div class="scroll" tabindex="0" role="region" aria-label="${caption}"><table>` +
      `<caption>${caption}</caption><thead><tr><th scope="col">${corner}</th>${heads}</tr></thead>` +
      `<tbody>${rows}</tbody></table></div>`;
  }

  // The sheet in place of a table: each row's given points as the listing
  // writes them, and a field for x and for y of each point `asked(k, i)`,
  // labelled with `name(k)`, its point and its coordinate, described by its mark.
  function sheet(caption, polygons, name, asked) {
    return `<div class="sheet" role="group" aria-label="${caption}">` + polygons.map((polygon, k) =>
      `<div class="row"><span class="name">${swatch(k)}${name(k)}</span>` + polygon.map((p, i) => {
        if (!asked(k, i)) return `<span class="cell">${p[2]}</span>`;
        const mark = `mark-${marks.length}`;
        marks.push("e");  // as it is shown: not filled in
        return '<span class="cell">' + ["x", "y"].map((axis) => `<input aria-label="${name(k)}, ${i + 1}. ` +
          `tacka, ${axis}" aria-describedby="${mark}" autocomplete="off" spellcheck="false">`).join("") +
          `<span class="mark" id="${mark}"></span></span>`;
      }).join("") + "</div>").join("") + "</div>";
  }

  // Made now, and again when the sheet is turned on or off.
  function grid(made) {
    grids.push(made);
    return `<div class="grid">${made()}</div>`;
  }

  // The polygons drawn to scale, y up, each in its row's colour, with their
  // points; `last` drawn larger. Lines keep their width at any size.
  function figure(label, polygons, last) {
    const xs = polygons.flat().map((p) => p[0]);
    const ys = polygons.flat().map((p) => p[1]);
    const left = Math.min(...xs), right = Math.max(...xs), bottom = Math.min(...ys), top = Math.max(...ys);
    // At most 400 x 300 units; a figure of one point, one unit to a unit.
    const scale = Math.min(right > left ? 400 / (right - left) : Infinity,
      top > bottom ? 300 / (top - bottom) : Infinity);
    const s = Number.isFinite(scale) ? scale : 1;
    const margin = 12;
    const at = (p) => [margin + (p[0] - left) * s, margin + (top - p[1]) * s].map((v) => v.toFixed(2));
    const drawn = polygons.map((polygon, k) => `<g stroke="${colorOf(k)}" fill="${colorOf(k)}">` +
      `<polyline fill="none" points="${polygon.map((p) => at(p).join(",")).join(" ")}"/>` +
      polygon.map((p) => `<circle cx="${at(p)[0]}" cy="${at(p)[1]}" r="${p === last ? 6 : 3}"/>`).join("") +
      "</g>").join("");
    const size = [right - left, top - bottom].map((side) => (side * s + 2 * margin).toFixed(2));
    return `<figure><svg width="${size[0]}" height="${size[1]}" viewBox="0 0 ${size.join(" ")}" role="img" ` +
      `aria-label="${label}">${drawn}</svg></figure>`;
  }

  // One half raised by r, pass by pass; a negative r in words, as the listing cuts it.
  function raising(half, number) {
    const r = half.r, passes = half.passes;
    const first = passes[0];
    const n = first.length - 1;
    const kept = Math.max(0, n + r + 1);
    const heading = `<h3>Uvecanje stepena ${number}. dela krive za ${r}</h3>`;
    const said = r > 0
      ? `Svaki prolaz podize stepen za jedan, pa je poligon za tacku duzi: od stepena ${n} do ${n + r}. ` +
        "Prva i poslednja tacka ostaju iste; poslednji red je u spisku."
      : r === 0
        ? "Uvecanje je 0: poligon ostaje kakav jeste i ceo je u spisku."
        : `Uvecanje je ${r}, a stepen se ne smanjuje: poligon ostaje isti, a u spisku su, i na slici, ` +
          (kept > 0 ? `samo njegove tacke od 1. do ${kept}. (n + r + 1 = ${kept}): ${pairs(first.slice(0, kept))}.`
            : `nijedna njegova tacka (n + r + 1 = ${n + r + 1}).`);
    return heading + `<div class="step"><div><p>${said}</p>` +
      grid(() => checking ? sheet(`Poligoni ${number}. dela krive, prolaz po prolaz`, passes,
        (k) => `${number}. deo, stepen ${n + k}`, (k, i) => k > 0 && i > 0 && i < passes[k].length - 1)
        : table(`Poligoni ${number}. dela krive, prolaz po prolaz`, "Stepen", passes, (k) => n + k)) + "</div>" +
      figure(passes.length > 1 ? `Slika uvecanja ${number}. dela krive: poligoni stepena ${n} do ` +
        `${n + passes.length - 1}, svaki u boji svog reda tabele.` : `Slika ${number}. dela krive: njegov ` +
        `poligon stepena ${n}.`, passes) + "</div>";
  }

  function build() {
    const described = JSON.parse(UTF8ToString(Module._working()));
    const n = described.n, levels = described.levels, halves = described.halves;
    const middle = levels[n][0];
    key = `geometrija-sheet#${described.answers}`;
    marks = [];
    grids = [];
    working.innerHTML = '<h2 id="working-title">Postupak</h2>' +
      "<p>Kriva se deli u t = 1/2 semom de Casteljaua, pa se stepen svakog dela uvecava, prolaz po prolaz. " +
      "Tacke su zapisane kao u spisku: dve decimale, a tacna polovina zaokruzena od nule.</p>" +
      grid(() => `<p class="check"><button id="check" type="button" aria-pressed="${checking}">Proveri svoj ` +
        "rad</button>" + (checking ? ' <button id="clear" type="button">Obrisi</button></p><p>Upisite svoje ' +
        "tacke: broj kao 1,5, 1.5, -0,25, 3 ili 3/2. Tacka je tacna do dve decimale, a sledi iz vasih brojeva " +
        'kada je tacno izracunata iz vasih prethodnih tacaka.</p><p id="first-wrong"></p>' : "</p>")) +
      '<h3>Sema de Casteljaua za t = 1/2</h3><div class="step"><div><p>Nivo 0 su kontrolne tacke; svaka ' +
      "tacka sledeceg nivoa je sredina dve susedne tacke nivoa iznad. Prva tacka nivoa (puna crta levo) " +
      "pripada prvom delu krive, poslednja (isprekidana crta desno) drugom.</p>" +
      grid(() => checking ? sheet("Sema de Casteljaua, nivo po nivo", levels, (k) => `Nivo ${k}`, (k) => k > 0)
        : table("Sema de Casteljaua, nivo po nivo", "Nivo", levels, (k) => k,
          (k, i) => [i === 0 ? "first" : "", i === n - k ? "last" : ""].join(" ").trim())) +
      `<p>Prvi deo krive, prve tacke nivoa 0 do ${n}: ${pairs(levels.map((level) => level[0]))}</p>` +
      `<p>Drugi deo krive, poslednje tacke nivoa 0 do ${n}, od kraja krive ka sredini: ` +
      `${pairs(levels.map((level) => level[level.length - 1]))}</p></div>` +
      figure(n === 0 ? `Slika seme: jedina kontrolna tacka, ${middle[2]}, je i tacka krive za t = 1/2.`
        : "Slika seme: kontrolni poligon" +
          (n > 2 ? `, poligoni nivoa 1 do ${n - 1}` : n > 1 ? ", poligon nivoa 1" : "") +
          ` i tacka krive za t = 1/2, ${middle[2]}, svaki u boji svog reda tabele.`, levels, middle) + "</div>" +
      raising(halves[0], 1) + raising(halves[1], 2);
    fill();
  }

  // The sheet's fields as this exercise's sheet was kept, judged.
  function fill() {
    inputs = [...working.querySelectorAll(".sheet input")];
    const values = stored();
    inputs.forEach((input, f) => (input.value = values[f] || ""));
    if (checking) judge();
  }

  // The sheet as this browser keeps it for the exercise, if it can.
  function stored() {
    try {
      return JSON.parse(localStorage.getItem(key)) || [];
    } catch {
      return [];
    }
  }
  function keep() {
    const values = inputs.map((input) => input.value);
    try {
      if (values.some((value) => value.trim())) localStorage.setItem(key, JSON.stringify(values));
      else localStorage.removeItem(key);
    } catch {
      // Kept only while the page is open.
    }
  }

  // Each point's mark, in words and a sign, and the first wrong point in words.
  const words = { r: ["\u2713", "tacno"], f: ["\u2248", "sledi iz vasih brojeva"], w: ["\u2717", "pogresno"] };
  const refused = "Nije broj: upisite npr. 1,5, -0,25, 3 ili 3/2.";
  Module.sheetText = () => inputs.map((input) => input.value).join("\n");
  function judge() {
    const judged = UTF8ToString(Module._judged());
    const end = judged.indexOf("\n");
    firstWords = judged.slice(end + 1);
    document.getElementById("first-wrong").textContent = firstWords && `Prva greska: ${firstWords}`;
    marks.forEach((was, point) => {
      const x = judged[2 * point], y = judged[2 * point + 1];
      const mark = (x === "x" ? y : x) + (x === "x" || y === "x" ? "x" : "");
      if (mark === was) return;
      marks[point] = mark;
      const word = words[mark[0]];
      const element = document.getElementById(`mark-${point}`);
      element.innerHTML = (mark[1] ? `<span class="x">${refused}</span> ` : "") +
        (word ? `<span aria-hidden="true">${word[0]}</span> ${word[1]}` : "");
      element.className = `mark ${mark[0]}`;
      for (const input of inputs.slice(2 * point, 2 * point + 2))
        if (mark[0] === "w") input.setAttribute("aria-invalid", "true");
        else input.removeAttribute("aria-invalid");
    });
  }

  // Another exercise on the page: its working, now where it is open, else
  // when it is next opened.
  Module.workingChanged = () => {
    if (working.hidden) working.replaceChildren();
    else build();
  };

  // The sheet: opened and emptied, kept and judged at each keystroke, Enter
  // to the next field, and a point's mark told once its field is left.
  working.addEventListener("click", (event) => {
    if (event.target.id === "check") checking = !checking;
    else if (event.target.id === "clear") inputs.forEach((input) => (input.value = ""));
    else return;
    if (event.target.id === "clear") keep();
    // Turned, the tables and the sheet alone are made anew, not the figures.
    marks = [];
    working.querySelectorAll(".grid").forEach((element, k) => (element.innerHTML = grids[k]()));
    fill();
    (inputs[0] || document.getElementById("check")).focus();
  });
  working.addEventListener("input", () => {
    keep();
    judge();
  });
  working.addEventListener("keydown", (event) => {
    const next = inputs[inputs.indexOf(event.target) + 1];
    if (event.key !== "Enter" || !next) return;
    next.focus();
    event.preventDefault();
  });
  working.addEventListener("change", (event) => {
    const point = inputs.indexOf(event.target) >> 1;
    if (point < 0) return;
    const label = event.target.getAttribute("aria-label").replace(/, [xy]$/, "");
    const mark = marks[point], word = words[mark[0]];
    const firstWrong = marks.findIndex((m) => m[0] === "w") === point;
    spoken.textContent = `${label}: ` + (mark[1] ? refused : "") + (word ? ` ${word[1]}.` : mark[1] ? "" : " prazno.") +
      (firstWrong ? ` ${firstWords}` : "");
  });

  button.addEventListener("click", () => {
    const open = button.getAttribute("aria-expanded") !== "true";
    if (open && !working.hasChildNodes()) build();
    button.setAttribute("aria-expanded", String(open));
    working.hidden = !open;
    if (open) working.scrollIntoView({ block: "start" });
  });
})();
