// SPDX-License-Identifier: GPL-3.0-or-later
// The page in Debian's chromium, opened from the disk and from a static server on this machine: a
// person types, calculates and reads. Each row of `rows` is one such visit; rows for dragging, the
// keys, copying, saving and the picture slot in beside these, with a step of their own.
import assert from "node:assert/strict";
import { spawn } from "node:child_process";
import { once } from "node:events";
import { join } from "node:path";
import { after, before, describe, test } from "node:test";
import { pathToFileURL } from "node:url";
import { ROOT, launchChromium, paths } from "./support.mjs";

const COUNT_MESSAGE = "Sistema subdeterminado, por favor ingrese 3 datos";
const sides60 = { "lado a": "60", "lado b": "60", "lado c": "60" };

// before: the fields of a click before, if any; type: the fields to fill, by caption; submit: "click" on Calcular or "Enter" in the last field
// typed; expect: cells (by accessible name: [text, tooltip]), message and reason shown in the
// page, the field that has the focus afterwards, the notes of fields not read whole.
const rows = [
  { name: "three sides, Calcular: the solution, each value's tooltip at full precision",
    type: sides60, submit: "click",
    expect: { cells: { "Solución, ángulo A": ["70,53", "70,5287793655° = 70° 31′ 43,61″"],
      "Solución adicional, ángulo A": ["", ""] }, message: "" } },
  { name: "Enter in a field calculates: both triangles of an ambiguous case",
    type: { "lado a": "40", "lado b": "60", "ángulo A": "30" }, submit: "Enter",
    expect: { cells: { "Solución, lado c": ["88,11", "88,1145735353° = 88° 6′ 52,46″"],
      "Solución adicional, ángulo B": ["137,65", "137,6507387801° = 137° 39′ 2,66″"] } } },
  { name: "too few elements: the message and its reason in the page, no dialog",
    type: { "lado a": "1" }, submit: "Enter",
    expect: { message: COUNT_MESSAGE, reason: "Se leyó 1 dato: «lado a» = 1°; hacen falta 3.",
      cells: { "Solución, lado a": ["", ""] } } },
  { name: "an element beyond 180°: the reason, and the focus on its field",
    type: { ...sides60, "lado a": "200" }, submit: "click",
    expect: { message: "No existe solución", focus: "lado a",
      reason: "«lado a» = 200°: cada lado y cada ángulo de un triángulo esférico está estrictamente entre 0° y 180°." } },
  { name: "an unusable drawing option: the focus on that option",
    type: { ...sides60, "º red lat.": "0" }, submit: "click",
    expect: { message: "Error en datos de dibujo", focus: "º red lat.",
      cells: { "Solución, ángulo B": ["70,53", "70,5287793655° = 70° 31′ 43,61″"] } } },
  // A field that cannot be read keeps the element of the click before, as in the window.
  { name: "a number beyond the double range after a click: the element of that click is kept",
    before: sides60, type: { "lado a": "1e400" }, submit: "Enter",
    expect: { message: "No existe solución", focus: "lado a",
      reason: "«lado a» («1e400») es un número demasiado grande." } },
  { name: "the same on a fresh page: the field does not count",
    type: { ...sides60, "lado a": "1e400" }, submit: "Enter",
    expect: { message: COUNT_MESSAGE, reason: "Se leyeron 2 datos: «lado b» = 60°, «lado c» = 60°; " +
      "hacen falta 3. «lado a» no cuenta: «1e400» es un número demasiado grande." } },
  { name: "a field not read whole solves nothing: what was read, the likely intent, the focus",
    type: { ...sides60, "lado a": "6O" }, submit: "click",
    expect: { message: "Datos mal escritos", focus: "lado a", cells: { "Solución, lado a": ["", ""] },
      reason: "En «lado a», «6O» no se leyó entero: se leyó 6 y no «O». ¿Es una letra O en lugar de " +
        "un cero? Escriba «60». Un campo solo se usa si se lee entero: corríjalo, o vacíelo si no es un dato." } },
];

async function visit(context, url, row) {
  const page = await context.newPage();
  const dialogs = [];
  page.on("dialog", (dialog) => {
    dialogs.push(dialog.message());
    dialog.dismiss();
  });
  await page.goto(url);
  await page.waitForSelector("body[data-ready]", { state: "attached" });
  const field = (caption) => page.getByRole("textbox", { name: caption, exact: true });
  // The fields and their captions are the core's: every caption names one field.
  assert.equal(await page.getByRole("textbox").count(), 10);
  if (row.before) {
    for (const [caption, text] of Object.entries(row.before))
      await field(caption).fill(text);
    await page.getByRole("button", { name: "Calcular" }).click();
  }
  let last;
  for (const [caption, text] of Object.entries(row.type)) {
    last = field(caption);
    await last.fill(text);
  }
  if (row.submit === "Enter")
    await last.press("Enter");
  else
    await page.getByRole("button", { name: "Calcular" }).click();

  const { cells = {}, message, reason, focus, notes = {} } = row.expect;
  for (const [name, [text, tooltip]] of Object.entries(cells)) {
    const cell = page.getByRole("cell", { name, exact: true });
    assert.equal(await cell.textContent(), text, name);
    assert.equal(await cell.getAttribute("title") ?? "", tooltip, `${name}, tooltip`);
  }
  const shown = page.locator("#mensaje");
  if (message !== undefined)
    assert.equal(await shown.isVisible() ? await shown.locator("strong").textContent() : "", message);
  if (reason !== undefined)
    assert.ok((await shown.textContent()).endsWith(reason), await shown.textContent());
  if (focus !== undefined)
    assert.ok(await field(focus).evaluate((e) => e === document.activeElement), `focus on ${focus}`);
  for (const [caption, note] of Object.entries(notes)) {
    const described = await field(caption).getAttribute("aria-describedby");
    assert.equal(await page.locator(`#${described}`).textContent(), note);
    assert.ok(await field(caption).evaluate((e) => e.classList.contains("marcado")), caption);
  }
  assert.deepEqual(dialogs, []);
  await page.close();
}

// A static server of this machine for build/web, as scripts/web starts it.
async function startServer() {
  const server = spawn(process.execPath, [join(ROOT, "web/serve.mjs"), join(paths.page, ".."), "0"]);
  const [address] = await once(server.stdout, "data");
  return { server, url: new URL("index.html", address.toString().trim()).href };
}

describe("the page", () => {
  let browser, context, server;
  const origins = { "from the disk": pathToFileURL(paths.page).href };
  const requests = [];
  before(async () => {
    browser = await launchChromium();
    context = await browser.newContext({ locale: "es-ES" });
    context.on("request", (request) => requests.push(request.url()));
    ({ server, url: origins["from a static server"] } = await startServer());
  });
  after(async () => {
    await browser?.close();
    server?.kill();
  });

  for (const origin of ["from the disk", "from a static server"])
    for (const row of rows)
      test(`${origin}: ${row.name}`, () => visit(context, origins[origin], row));

  test("asks nothing of any other place: only the page itself", () => {
    const own = new Set(Object.values(origins));
    assert.deepEqual(requests.filter((url) => !own.has(url) && !url.startsWith("data:")), []);
  });
});
