// SPDX-License-Identifier: GPL-3.0-or-later
// The page: the ten fields, Calcular and what a click returns, shown as the window shows it, and
// the picture, which the core draws as SVG and the hand turns. Every number, every sentence and
// every line of the picture comes from the core (esferica-core.mjs): this file only places them.
import createEsferica from "./esferica-core.mjs";

// The core's WebAssembly, compiled while the page was read (web/bundle.mjs), instantiated here.
const core = await createEsferica({
  instantiateWasm(imports, receive) {
    globalThis.esfericaCompiled.then((module) => WebAssembly.instantiate(module, imports))
      .then((instance) => receive(instance));
    return {};
  },
});
const ELEMENTS = 6;

// The language of the page, Spanish unless another was chosen here before, and the form of an
// angle in the results.
const LANGUAGE_KEY = "esferica-idioma";
let language = "es";
try {
  if (localStorage.getItem(LANGUAGE_KEY) === "en")
    language = "en";
} catch {
  // Where the page may keep nothing, it opens in Spanish.
}
let format = "decimal";
let words = core.fields(language); // the captions and the texts the page shares with the window
const { texts } = words;

// The decimal separator of the page's language, as the window uses the user's.
const separator =
  new Intl.NumberFormat(navigator.language).formatToParts(1.5).find((p) => p.type === "decimal")
    ?.value ?? ".";

function addField(fieldset, i) {
  const id = i < ELEMENTS ? `txtInput${i}` : `txtGrid${i - ELEMENTS}`;
  const label = document.createElement("label");
  label.htmlFor = id;
  const input = document.createElement("input");
  Object.assign(input, { id, type: "text", value: texts[i], autocomplete: "off", spellcheck: false });
  input.setAttribute("inputmode", "decimal");
  input.setAttribute("aria-describedby", `${id}-nota`);
  input.addEventListener("focus", () => input.select());
  const note = document.createElement("span");
  note.id = `${id}-nota`;
  note.className = "nota";
  fieldset.append(label, input, note);
  return { label, input, note };
}

const form = document.getElementById("datos");
const fields = texts.map((_, i) =>
  addField(document.getElementById(i < ELEMENTS ? "elementos" : "opciones"), i));

// One row a element: its caption, then the solution's value and the additional triangle's.
const results = [];
const heads = [];
for (let e = 0; e < ELEMENTS; ++e) {
  const row = document.getElementById("resultados").tBodies[0].insertRow();
  const head = document.createElement("th");
  head.scope = "row";
  heads.push(head);
  row.append(head);
  for (let block = 0; block < 2; ++block) {
    const cell = row.insertCell();
    cell.id = `lblOutcome${results.length}`;
    results.push(cell);
  }
}
// The cells in the window's order: the six of the solution, then the six of the additional one.
const outcomes = [...results.filter((_, i) => i % 2 === 0), ...results.filter((_, i) => i % 2 === 1)];

const message = document.getElementById("mensaje");
const picture = document.getElementById("Grafico");
const pictureDescription = document.getElementById("Grafico-desc");
const pictureStatus = document.getElementById("lblEstado");
const classic = document.getElementById("actDibujoClasico");
const copyButton = document.getElementById("copiarResultados");
const saveButtons = [document.getElementById("guardarSvg"), document.getElementById("guardarPng")];
const workingButton = document.getElementById("cmdProcedimiento");
const workingPanel = document.getElementById("frmProcedimiento");
const workingText = document.getElementById("txtProcedimiento");
const workingCopy = document.getElementById("copiarProcedimiento");
const workingClose = document.getElementById("cerrarProcedimiento");
const inclinationField = fields[ELEMENTS + 2].input;
const rotationField = fields[ELEMENTS + 3].input;

// Degrees of turn per pixel of drag, and per press of an arrow key without and with Shift, as in
// the window; a still picture is drawn whole a quarter of a second after the last turn.
const DEGREES_PER_PIXEL = 0.5;
const DEGREES_PER_KEY = 5;
const DEGREES_PER_FINE_KEY = 1;
const SETTLE_MS = 250;
const PICTURE_SIDE = 353; // the window's picture, in pixels

let table = ""; // the last click's table of results
let drawing = null; // the last drawing: { svg, drawn, thinned, description, status }
let moving = false;
let settle = 0;
let frame = 0; // a redraw waiting for the next frame

// Draws the scene at the picture's size under the view the fields show; thinned while it moves.
function drawPicture() {
  frame = 0;
  const side = Math.min(Math.max(1, Math.round(picture.parentElement.clientWidth)), PICTURE_SIDE);
  drawing = core.draw(inclinationField.value, rotationField.value, side, side,
    classic.checked ? "classic" : "readable", moving, language);
  picture.hidden = !drawing.drawn;
  picture.innerHTML = drawing.drawn ? drawing.svg.slice(drawing.svg.indexOf("<svg")) : "";
  // Named and described by its frame, as the window's picture: the document's own title stays
  // for the saved file.
  picture.firstElementChild?.setAttribute("aria-hidden", "true");
  picture.dataset.thinned = drawing.thinned;
  picture.dataset.moving = moving;
  pictureDescription.textContent = drawing.description;
  pictureStatus.textContent = drawing.status;
  for (const button of saveButtons)
    button.disabled = !drawing.drawn || picture.classList.contains("anticuado");
}

function queueDraw() {
  if (!frame)
    frame = requestAnimationFrame(drawPicture);
}

// The end of a turn: the picture drawn whole, if a thinned one stands.
function settleTurn() {
  clearTimeout(settle);
  if (!moving)
    return;
  moving = false;
  if (frame) {
    cancelAnimationFrame(frame);
    frame = 0;
  }
  drawPicture();
}

// A turn by hand of the given degrees: the fields follow, and the picture once they change.
function turnBy(inclination, rotation) {
  if (!drawing?.drawn)
    return;
  moving = true;
  clearTimeout(settle);
  settle = setTimeout(settleTurn, SETTLE_MS);
  const view = core.turn(inclination, rotation);
  if (view === null)
    return;
  inclinationField.value = view.inclination;
  rotationField.value = view.rotation;
  queueDraw();
}

let dragFrom = null;
picture.addEventListener("pointerdown", (event) => {
  if (event.button !== 0)
    return;
  dragFrom = { x: event.clientX, y: event.clientY };
  picture.setPointerCapture(event.pointerId);
  picture.focus();
  event.preventDefault();
});
picture.addEventListener("pointermove", (event) => {
  if (!dragFrom)
    return;
  const dx = event.clientX - dragFrom.x, dy = event.clientY - dragFrom.y;
  dragFrom = { x: event.clientX, y: event.clientY };
  if (dx !== 0 || dy !== 0)
    turnBy(dy * DEGREES_PER_PIXEL, -dx * DEGREES_PER_PIXEL);
});
for (const type of ["pointerup", "pointercancel"])
  picture.addEventListener(type, () => {
    if (dragFrom === null)
      return;
    dragFrom = null;
    settleTurn();
  });
picture.addEventListener("keydown", (event) => {
  if (event.ctrlKey || event.altKey || event.metaKey)
    return;
  const step = event.shiftKey ? DEGREES_PER_FINE_KEY : DEGREES_PER_KEY;
  const turns = { ArrowLeft: [0, step], ArrowRight: [0, -step], ArrowUp: [-step, 0],
    ArrowDown: [step, 0] };
  if (!(event.key in turns))
    return;
  event.preventDefault();
  turnBy(...turns[event.key]);
});
classic.addEventListener("change", () => {
  if (drawing?.drawn)
    drawPicture();
});
// A picture as wide as the page allows, up to the window's: drawn again when the width changes.
let width = picture.parentElement.clientWidth;
new ResizeObserver(() => {
  if (picture.parentElement.clientWidth === width)
    return;
  width = picture.parentElement.clientWidth;
  if (drawing?.drawn)
    queueDraw();
}).observe(picture.parentElement);

// Editing an element after a click leaves the results and the picture of other data: greyed, and
// neither copied nor saved until the next click. Turning changes only the option fields.
function outdate() {
  for (const shown of [picture, document.getElementById("resultados"), workingText])
    shown.classList.add("anticuado");
  copyButton.disabled = true;
  for (const button of saveButtons)
    button.disabled = true;
}
fields.slice(0, ELEMENTS).forEach((f) => f.input.addEventListener("input", outdate));

// Offers `blob` to be saved as `name`.
function offer(blob, name) {
  const link = document.createElement("a");
  link.href = URL.createObjectURL(blob);
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 0);
}

// The picture as saved: whole, never thinned.
function stillSvg() {
  settleTurn();
  if (drawing.thinned)
    drawPicture();
  return drawing.svg;
}

// Puts `text` on the clipboard from `button`.
async function copy(text, button) {
  try {
    await navigator.clipboard.writeText(text);
  } catch {
    // Where the page may not write the clipboard (some browsers from the disk), the old way.
    const area = Object.assign(document.createElement("textarea"), { value: text });
    document.body.append(area);
    area.select();
    document.execCommand("copy");
    area.remove();
    button.focus();
  }
}
copyButton.addEventListener("click", () => copy(table, copyButton));
saveButtons[0].addEventListener("click", () => {
  offer(new Blob([stillSvg()], { type: "image/svg+xml" }), "triangulo.svg");
});
saveButtons[1].addEventListener("click", () => {
  // The SVG rendered through a canvas, at the screen's pixels.
  const svg = stillSvg();
  const side = Number(/width="([\d.]+)px"/.exec(svg)[1]);
  const ratio = Math.max(1, Math.round(window.devicePixelRatio || 1));
  const image = new Image();
  const url = URL.createObjectURL(new Blob([svg], { type: "image/svg+xml" }));
  image.onload = () => {
    const canvas = Object.assign(document.createElement("canvas"),
      { width: side * ratio, height: side * ratio });
    canvas.getContext("2d").drawImage(image, 0, 0, canvas.width, canvas.height);
    URL.revokeObjectURL(url);
    canvas.toBlob((png) => offer(png, "triangulo.png"), "image/png");
  };
  image.src = url;
});

// The working of the last click, "Procedimiento": opened under the results by its button or F2,
// beside which the page stays usable, it follows every click and every change of language or of
// form while it is open.
function showWorking() {
  if (workingPanel.open)
    workingText.textContent = core.working(language, format);
}
function openWorking() {
  if (!workingPanel.open) {
    workingPanel.show();
    workingButton.setAttribute("aria-expanded", "true");
    showWorking();
  }
  workingText.focus();
}
workingButton.addEventListener("click", openWorking);
document.addEventListener("keydown", (event) => {
  if (event.key === "F2" && !(event.ctrlKey || event.altKey || event.metaKey || event.shiftKey)) {
    event.preventDefault();
    openWorking();
  }
});
// Closed by its button or Escape, the focus back on the button that opened it.
function closeWorking() {
  workingPanel.close();
  workingButton.setAttribute("aria-expanded", "false");
  workingButton.focus();
}
workingCopy.addEventListener("click", () => copy(workingText.textContent, workingCopy));
workingClose.addEventListener("click", closeWorking);
workingPanel.addEventListener("keydown", (event) => {
  if (event.key === "Escape") {
    event.preventDefault();
    closeWorking();
  }
});

const announcement = document.getElementById("anuncio");
let calculated = false; // whether there is a click to show again in another language or form

// What a click shows in the results, the fields' notes and the message.
function fill(view) {
  view.labels.forEach((text, i) => {
    outcomes[i].textContent = text;
    outcomes[i].title = view.precise[i];
  });
  view.notes.forEach((note, i) => {
    fields[i].note.textContent = note;
    fields[i].input.classList.toggle("marcado", note !== "");
  });
  message.hidden = view.message === "";
  message.replaceChildren();
  if (view.message !== "") {
    const title = document.createElement("strong");
    title.textContent = view.message;
    message.append(title, view.reason);
  }
  table = view.table;
}

function show(view) {
  calculated = true;
  fill(view);
  announcement.textContent = view.announcement;
  for (const shown of [picture, document.getElementById("resultados"), workingText])
    shown.classList.remove("anticuado");
  showWorking();
  copyButton.disabled = table === "";
  moving = false;
  clearTimeout(settle);
  drawPicture();
  if (view.fault >= 0)
    fields[view.fault].input.focus();
}

// Enter in a field submits the form, as it calculates in the window.
form.addEventListener("submit", (event) => {
  event.preventDefault();
  show(core.calculate(fields.map((f) => f.input.value), separator, language, format));
});

// The page's own texts that the window has not, in English; the Spanish ones are the page's as
// written.
const ENGLISH_HELP = `
    <h2 id="ayuda-titulo">Help</h2>
    <p>Type three of the six elements of the triangle in degrees: the sides <i>a</i>, <i>b</i>,
      <i>c</i> and the angles <i>A</i>, <i>B</i>, <i>C</i> opposite them. An empty field or 0 is not
      a datum. Press <b>Calculate</b> or Enter in any field.</p>
    <p>Degrees are written with decimals (<code>49.5</code> or <code>49,5</code>) or in degrees,
      minutes and seconds with their marks (<code>49°30'15"</code>). A field that is not read whole
      is not used: the message says what was read and what was probably meant.</p>
    <p>With two sides and the angle opposite one of them, or two angles and the side opposite one,
      there may be two triangles: the solution, in red, and the second solution, in blue.</p>
    <p>The drawing shows the sphere with vertex C at the north pole. To turn it, drag it with the
      mouse or a finger, or press the arrow keys with the drawing selected (Tab to it): each press
      turns it 5°, and 1° with Shift. Inclination and rotation follow the turn. The far side is
      light grey, and the hidden parts of the triangles are dashed; <b>Classic drawing</b> draws
      everything in thin lines.</p>
    <p><b>Copy results</b> copies the table of results with ten decimals, ready to paste into a
      spreadsheet. <b>Save SVG</b> and <b>Save PNG</b> save the drawing.</p>
    <p><b>Working</b> (or F2) shows under the results how the triangle was solved: the case, the
      conditions of existence, the formulas with their numbers and the check, with the final
      values of the results. While it is open it follows every calculation and every change of
      language or of the form of the angles; <b>Copy</b> copies it as text.</p>
    <p><b>Navigation</b> solves great-circle sailing between two positions (latitude and
      longitude, as <code>36°32′ N 6°18′ W</code>) and the position triangle of a sight (latitude,
      declination and hour angle; with the observed altitude, the intercept). It gives the values as
      a navigator writes them: distances in miles and kilometres, courses from 000.0° to 360.0° and
      quadrantal, altitudes in degrees and minutes to 0.1′.</p>
  `;
const CHROME = [
  ["#elementos > legend", "textContent", "Data (three elements, in degrees)"],
  ["#opciones > legend", "textContent", "Drawing options"],
  ["#dibujo", "aria-label", "Drawing"],
  ["#guardarSvg", "textContent", "Save SVG"],
  ["#guardarPng", "textContent", "Save PNG"],
  ["#formato-titulo", "textContent", "Angles"],
  ["#ayuda", "innerHTML", ENGLISH_HELP],
].map(([selector, property, english]) => {
  const element = document.querySelector(selector);
  const spanish = property.includes("-") ? element.getAttribute(property) : element[property];
  return { element, property, texts: { es: spanish, en: english } };
});

// The navigation problems, folded under the picture: great-circle sailing and the position
// triangle of a sight, read and solved by the core as the navigation window does, their answers
// the command line's lines. The fields take the window's names, in the order of the core's texts.
const problems = [
  { form: "ortodromica", named: "sailing", solve: (typed) => core.sailing(...typed, separator, language),
    ids: ["txtSalida", "txtLlegada", "txtRadio"] },
  { form: "posicion", named: "sight", solve: (typed) => core.sight(...typed, separator, language),
    ids: ["txtLatitud", "txtDeclinacion", "txtHorario", "txtHorarioGreenwich", "txtLongitud",
      "txtObservada"] },
].map(({ form: id, named, solve, ids }) => {
  const form = document.getElementById(id);
  const fieldset = form.querySelector("fieldset");
  const inputs = ids.map((inputId) => {
    const label = Object.assign(document.createElement("label"), { htmlFor: inputId });
    const input = Object.assign(document.createElement("input"),
      { id: inputId, type: "text", autocomplete: "off", spellcheck: false });
    fieldset.append(label, input);
    return { label, input };
  });
  const problem = { form, named, solve, inputs, solved: false, reason: form.querySelector(".razon"),
    lines: form.querySelector(".lineas"), note: form.querySelector(".nota") };
  form.addEventListener("submit", (event) => {
    event.preventDefault();
    solveProblem(problem, true);
  });
  return problem;
});

// A problem's answer: its lines and its note, or why not with its field marked (and focused,
// after a click).
function solveProblem(problem, focus) {
  const answer = problem.solve(problem.inputs.map(({ input }) => input.value));
  problem.solved = true;
  problem.reason.hidden = answer.reason === "";
  problem.reason.textContent = answer.reason;
  problem.inputs.forEach(({ input }, i) => {
    input.classList.toggle("marcado", i === answer.fault);
    input.toggleAttribute("aria-invalid", i === answer.fault);
  });
  problem.note.hidden = answer.note === "";
  problem.note.textContent = answer.note;
  problem.lines.hidden = answer.lines.length === 0;
  problem.lines.tBodies[0].replaceChildren(...answer.lines.map(([name, value]) => {
    const row = document.createElement("tr");
    const head = Object.assign(document.createElement("th"), { scope: "row", textContent: name });
    row.append(head, Object.assign(document.createElement("td"), { textContent: value }));
    return row;
  }));
  if (focus && answer.fault >= 0)
    problem.inputs[answer.fault].input.focus();
}

const languageChoice = document.getElementById("idioma");
const formatChoice = document.getElementById("formato");

// Every text of the page in `language`: the window's from the core, the page's own from CHROME.
function translate() {
  document.documentElement.lang = language;
  languageChoice.value = language;
  document.title = words.title;
  document.querySelector("h1").textContent = words.title;
  for (const { element, property, texts: said } of CHROME) {
    if (property.includes("-"))
      element.setAttribute(property, said[language]);
    else
      element[property] = said[language];
  }
  fields.forEach((f, i) => { f.label.textContent = words.captions[i]; });
  heads.forEach((head, e) => { head.textContent = words.captions[e]; });
  results.forEach((cell, i) => cell.setAttribute("aria-label",
    `${i % 2 === 0 ? words.solution : words.additional}, ${words.captions[Math.floor(i / 2)]}`));
  document.getElementById("cmdCalcular").textContent = words.calculate;
  document.querySelector("#resultados thead th:nth-child(2)").textContent = words.solution;
  document.querySelector("#resultados thead th:nth-child(3)").textContent = words.additionalIfAny;
  pictureStatus.setAttribute("aria-label", words.status);
  copyButton.textContent = words.copyResults;
  workingButton.textContent = words.working;
  document.getElementById("procedimiento-titulo").textContent = words.workingTitle;
  workingCopy.textContent = words.copy;
  workingClose.textContent = words.close;
  classic.nextSibling.textContent = ` ${words.classic}`;
  picture.setAttribute("aria-label", words.sphere);
  formatChoice.replaceChildren(...words.formats.map(({ code, name }) =>
    Object.assign(document.createElement("option"), { value: code, textContent: name })));
  formatChoice.value = format;
  const navigation = words.navigation;
  document.querySelector("#navegacion > summary").textContent = navigation.title;
  for (const problem of problems) {
    problem.form.querySelector("legend").textContent = navigation[problem.named];
    problem.form.querySelector("button").textContent = navigation.calculate;
    navigation[`${problem.named}Fields`].forEach(({ caption, tip, example }, i) => {
      problem.inputs[i].label.textContent = caption;
      Object.assign(problem.inputs[i].input, { title: tip, placeholder: example });
    });
  }
}

// The last click shown again in the language and the form chosen, the picture's words with it.
function presentAgain() {
  if (!calculated)
    return;
  fill(core.present(language, format));
  copyButton.disabled = table === "" || picture.classList.contains("anticuado");
  drawPicture();
}

languageChoice.addEventListener("change", () => {
  language = languageChoice.value === "en" ? "en" : "es";
  try {
    localStorage.setItem(LANGUAGE_KEY, language);
  } catch {
    // Remembered for this visit only.
  }
  words = core.fields(language);
  translate();
  presentAgain();
  showWorking();
  for (const problem of problems.filter((p) => p.solved))
    solveProblem(problem, false);
});
formatChoice.addEventListener("change", () => {
  format = formatChoice.value;
  presentAgain();
  showWorking();
});
translate();

document.getElementById("cargando").remove();
fields[0].input.focus();
performance.mark("esferica-ready"); // for the benchmark: from the page's load to its first click
document.body.dataset.ready = "true";
