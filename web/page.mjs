// SPDX-License-Identifier: GPL-3.0-or-later
// The page: the ten fields, Calcular and what a click returns, shown as the window shows it. Every
// number and every sentence comes from the core (esferica-core.mjs): this file only places them.
import createEsferica from "./esferica-core.mjs";

const core = await createEsferica();
const { captions, texts } = core.fields();
const ELEMENTS = 6;

// The decimal separator of the page's language, as the window uses the user's.
const separator =
  new Intl.NumberFormat(navigator.language).formatToParts(1.5).find((p) => p.type === "decimal")
    ?.value ?? ".";

function addField(fieldset, i) {
  const id = i < ELEMENTS ? `txtInput${i}` : `txtGrid${i - ELEMENTS}`;
  const label = document.createElement("label");
  label.htmlFor = id;
  label.textContent = captions[i];
  const input = document.createElement("input");
  Object.assign(input, { id, type: "text", value: texts[i], autocomplete: "off", spellcheck: false });
  input.setAttribute("inputmode", "decimal");
  input.setAttribute("aria-describedby", `${id}-nota`);
  input.addEventListener("focus", () => input.select());
  const note = document.createElement("span");
  note.id = `${id}-nota`;
  note.className = "nota";
  fieldset.append(label, input, note);
  return { input, note };
}

const form = document.getElementById("datos");
const fields = captions.map((_, i) =>
  addField(document.getElementById(i < ELEMENTS ? "elementos" : "opciones"), i));

// One row a element: its caption, then the solution's value and the additional triangle's.
const results = [];
for (let e = 0; e < ELEMENTS; ++e) {
  const row = document.getElementById("resultados").tBodies[0].insertRow();
  const head = document.createElement("th");
  head.scope = "row";
  head.textContent = captions[e];
  row.append(head);
  for (const block of ["Solución", "Solución adicional"]) {
    const cell = row.insertCell();
    cell.id = `lblOutcome${results.length}`;
    cell.setAttribute("aria-label", `${block}, ${captions[e]}`);
    results.push(cell);
  }
}
// The cells in the window's order: the six of the solution, then the six of the additional one.
const outcomes = [...results.filter((_, i) => i % 2 === 0), ...results.filter((_, i) => i % 2 === 1)];

const message = document.getElementById("mensaje");
const announcement = document.getElementById("anuncio");

function show(view) {
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
  announcement.textContent = view.announcement;
  if (view.fault >= 0)
    fields[view.fault].input.focus();
}

// Enter in a field submits the form, as it calculates in the window.
form.addEventListener("submit", (event) => {
  event.preventDefault();
  show(core.calculate(fields.map((f) => f.input.value), separator));
});

document.getElementById("cargando").remove();
fields[0].input.focus();
performance.mark("esferica-ready"); // for the benchmark: from the page's load to its first click
document.body.dataset.ready = "true";
