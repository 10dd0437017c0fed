// The working, on the page after the dialogue (web/explore.cpp's working()):
// "Postupak" opens and closes it. It is built when it is opened, never
// before, and anew for each change to the exercise while it is open, from
// the JSON that the program works out by the listing's own arithmetic: the midpoint scheme at t = 1/2 in a table and a figure,
// then the raising of each half, pass by pass, in a table and a figure.
// Every point is written as the listing writes a pair.
// No destructuring: Debian 12's emscripten minifies it wrongly.
(() => {
  const button = document.getElementById("show-working");
  const working = document.getElementById("working");
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
      table(`Poligoni ${number}. dela krive, prolaz po prolaz`, "Stepen", passes, (k) => n + k) + "</div>" +
      figure(passes.length > 1 ? `Slika uvecanja ${number}. dela krive: poligoni stepena ${n} do ` +
        `${n + passes.length - 1}, svaki u boji svog reda tabele.` : `Slika ${number}. dela krive: njegov ` +
        `poligon stepena ${n}.`, passes) + "</div>";
  }

  function build() {
    const described = JSON.parse(UTF8ToString(Module._working()));
    const n = described.n, levels = described.levels, halves = described.halves;
    const middle = levels[n][0];
    working.innerHTML = '<h2 id="working-title">Postupak</h2>' +
      "<p>Kriva se deli u t = 1/2 semom de Casteljaua, pa se stepen svakog dela uvecava, prolaz po prolaz. " +
      "Tacke su zapisane kao u spisku: dve decimale, a tacna polovina zaokruzena od nule.</p>" +
      '<h3>Sema de Casteljaua za t = 1/2</h3><div class="step"><div><p>Nivo 0 su kontrolne tacke; svaka ' +
      "tacka sledeceg nivoa je sredina dve susedne tacke nivoa iznad. Prva tacka nivoa (puna crta levo) " +
      "pripada prvom delu krive, poslednja (isprekidana crta desno) drugom.</p>" +
      table("Sema de Casteljaua, nivo po nivo", "Nivo", levels, (k) => k,
        (k, i) => [i === 0 ? "first" : "", i === n - k ? "last" : ""].join(" ").trim()) +
      `<p>Prvi deo krive, prve tacke nivoa 0 do ${n}: ${pairs(levels.map((level) => level[0]))}</p>` +
      `<p>Drugi deo krive, poslednje tacke nivoa 0 do ${n}, od kraja krive ka sredini: ` +
      `${pairs(levels.map((level) => level[level.length - 1]))}</p></div>` +
      figure(n === 0 ? `Slika seme: jedina kontrolna tacka, ${middle[2]}, je i tacka krive za t = 1/2.`
        : "Slika seme: kontrolni poligon" +
          (n > 2 ? `, poligoni nivoa 1 do ${n - 1}` : n > 1 ? ", poligon nivoa 1" : "") +
          ` i tacka krive za t = 1/2, ${middle[2]}, svaki u boji svog reda tabele.`, levels, middle) + "</div>" +
      raising(halves[0], 1) + raising(halves[1], 2);
  }

  // Another exercise on the page: its working, now where it is open, else
  // when it is next opened.
  Module.workingChanged = () => {
    if (working.hidden) working.replaceChildren();
    else build();
  };

  button.addEventListener("click", () => {
    const open = button.getAttribute("aria-expanded") !== "true";
    if (open && !working.hasChildNodes()) build();
    button.setAttribute("aria-expanded", String(open));
    working.hidden = !open;
    if (open) working.scrollIntoView({ block: "start" });
  });
})();
