// SPDX-License-Identifier: GPL-3.0-or-later
// The page in Debian's chromium, opened from the disk and from a static server on this machine: a
// person types, calculates and reads. Each row of `rows` is one such visit; a row with a `hand`
// then does something to the picture or with the results (drag, keys, copy, save), a step of
// `hands` that checks what must follow.
import assert from "node:assert/strict";
import { spawn } from "node:child_process";
import { once } from "node:events";
import { join } from "node:path";
import { after, before, describe, test } from "node:test";
import { execFileSync, spawnSync } from "node:child_process";
import { mkdtempSync, readFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { pathToFileURL } from "node:url";
import { ROOT, launchChromium, loadCore, paths } from "./support.mjs";

const COUNT_MESSAGE = "Sistema subdeterminado, por favor ingrese 3 datos";
const sides60 = { "lado a": "60", "lado b": "60", "lado c": "60" };

// choose: the language and the form of an angle to choose, by their names, before typing ({ language,
// format }) or after the click ({ then: { format } }); before: the fields of a click before, if any; type: the fields to fill, by caption; submit: "click" on Calcular or "Enter" in the last field
// typed; expect: cells (by accessible name: [text, tooltip]), message and reason shown in the
// page, the field that has the focus afterwards, the notes of fields not read whole, whether the
// picture is drawn.
const rows = [
  { name: "three sides, Calcular: the solution, each value's tooltip at full precision",
    type: sides60, submit: "click",
    expect: { cells: { "Solución, ángulo A": ["70,53", "70,5287793655° = 70° 31′ 43,61″"],
      "Solución adicional, ángulo A": ["", ""] }, message: "", drawn: true } },
  { name: "Enter in a field calculates: both triangles of an ambiguous case",
    type: { "lado a": "40", "lado b": "60", "ángulo A": "30" }, submit: "Enter",
    expect: { cells: { "Solución, lado c": ["88,11", "88,1145735353° = 88° 6′ 52,46″"],
      "Solución adicional, ángulo B": ["137,65", "137,6507387801° = 137° 39′ 2,66″"] } } },
  { name: "too few elements: the message and its reason in the page, no dialog",
    type: { "lado a": "1" }, submit: "Enter",
    expect: { message: COUNT_MESSAGE, reason: "Se leyó 1 dato: «lado a» = 1°; hacen falta 3.",
      cells: { "Solución, lado a": ["", ""] }, drawn: false } },
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
  // The page in English, or the results in another form of an angle: the same click shown again.
  { name: "in English: the captions, the results, the message and its reason",
    choose: { language: "English" }, type: { "side a": "1" }, submit: "click",
    expect: { lang: "en", button: "Calculate", message: "Too few data: please enter 3 elements",
      reason: "1 element was read: “side a” = 1°; 3 are needed.",
      cells: { "Solution, side a": ["", ""] }, drawn: false } },
  { name: "in English, then in degrees, minutes and seconds: the last click shown again",
    choose: { language: "English", then: { format: "Degrees, minutes and seconds" } },
    type: { "side a": "60", "side b": "60", "side c": "60" }, submit: "click",
    expect: { lang: "en", button: "Calculate", message: "", drawn: true, picture: "Sphere with the triangle",
      cells: { "Solution, angle A": ["70° 31′ 44″", "70° 31′ 43,6057″ = 70,5287793655°"] } } },
  { name: "in radians, then back to Spanish: the results in radians in the Spanish page",
    choose: { format: "Radianes", then: { language: "Español" } }, type: sides60, submit: "click",
    expect: { lang: "es", button: "Calcular", cells: { "Solución, ángulo A": ["1,2310 rad", "1,2309594173 rad = 70,5287793655°"] } } },
  { name: "dragging turns the picture: the fields follow, thinned while moving, whole after",
    type: { ...sides60, "º red lat.": "0,5", "º red long": "0,5" }, submit: "click", hand: "drag" },
  { name: "the arrow keys turn the picture that has the focus, as the window's do",
    type: sides60, submit: "click", hand: "keys" },
  { name: "Copiar resultados puts the core's table on the clipboard",
    type: { "lado a": "40", "lado b": "60", "ángulo A": "30" }, submit: "click", hand: "copy" },
  { name: "Guardar SVG gives the core's picture; Guardar PNG the picture at its pixels",
    type: { "lado a": "40", "ángulo A": "50", "ángulo B": "70" }, submit: "click", hand: "save" },
  { name: "the page's picture looks like the desktop's picture of the same view",
    type: { "lado a": "40", "ángulo A": "50", "ángulo B": "70" }, submit: "click", hand: "desktop" },
  { name: "Procedimiento shows the working beside the results, following the form and each click",
    type: { "lado a": "40", "lado b": "60", "ángulo A": "30" }, submit: "click", hand: "working" },
  { name: "in English, F2 opens the working under its English heading, and Escape closes it",
    choose: { language: "English" }, type: { "side a": "40", "side b": "60", "angle A": "30" },
    submit: "click", expect: { lang: "en", button: "Calculate" }, hand: "workingByKeys" },
  { name: "Navegación answers the published sight and Cádiz to New York as the command line does",
    type: {}, hand: "navigation" },
  { name: "Navegación in English: the command line's English answers",
    choose: { language: "English" }, type: {}, expect: { lang: "en" }, hand: "navigation" },
  { name: "on a phone 360 px wide: nothing wider than the screen, the picture whole",
    type: sides60, submit: "click", hand: "phone" },
];

const picture = (page, name = "Esfera con el triángulo") => page.getByRole("img", { name });
const svgOf = async (page) =>
  (await page.locator("#Grafico").innerHTML()).replace(' aria-hidden="true"', "");
// The SVG document of the core for `texts` (the ten fields) under the view, as a fresh page draws it.
async function coreDrawing(texts, inclination, rotation) {
  const core = await loadCore();
  core.calculate(texts, ",", "es", "decimal");
  return core.draw(inclination, rotation, 353, 353, "readable", false, "es").svg;
}
// The file that a button offers to save.
async function saved(page, name) {
  const [download] = await Promise.all([page.waitForEvent("download"),
    page.getByRole("button", { name }).click()]);
  return readFileSync(await download.path());
}
const fieldTexts = (page) => page.getByRole("textbox").evaluateAll((all) => all.map((f) => f.value));

// How much two pictures differ, drawn in the browser at `side` pixels: the share of pixels whose
// colour differs by more than a quarter of the range in some channel.
async function pictureDifference(context, a, b, side) {
  const page = await context.newPage();
  const share = await page.evaluate(async ({ a, b, side }) => {
    const pixels = async (url) => {
      const image = new Image();
      image.src = url;
      await image.decode();
      const canvas = Object.assign(document.createElement("canvas"), { width: side, height: side });
      const g = canvas.getContext("2d");
      g.fillStyle = "#fff";
      g.fillRect(0, 0, side, side);
      g.drawImage(image, 0, 0, side, side);
      return g.getImageData(0, 0, side, side).data;
    };
    const [p, q] = [await pixels(a), await pixels(b)];
    let differing = 0;
    for (let i = 0; i < p.length; i += 4)
      differing += Math.max(Math.abs(p[i] - q[i]), Math.abs(p[i + 1] - q[i + 1]),
        Math.abs(p[i + 2] - q[i + 2])) > 64;
    return differing / (side * side);
  }, { a, b, side });
  await page.close();
  return share;
}

// The working that the page shows, and the values of side c that its two triangles end with.
async function shownWorking(page, name) {
  const panel = page.getByRole("dialog", { name });
  assert.ok(await panel.isVisible(), name);
  const text = await panel.locator("pre").textContent();
  return { text, sidesC: [...text.matchAll(/→ c = (.*)$/gm)].map((m) => m[1]) };
}
// The working ends with the labels of the page's results: decimal degrees carry their mark.
async function assertWorkingEndsWithLabels(page) {
  const { sidesC } = await shownWorking(page, "Procedimiento");
  const labels = [];
  for (const name of ["Solución, lado c", "Solución adicional, lado c"]) {
    const label = await page.getByRole("cell", { name, exact: true }).textContent();
    if (label !== "")
      labels.push(label);
  }
  assert.deepEqual(sidesC.map((c) => c.replace(/°$/, "")), labels);
}

// The problems of Navegación: the fields typed in a form, and what the results show, as the
// navigation window writes them in a Spanish locale (a comma, minutes to 0,1′), the published
// answers among them; a problem that cannot be read names the field at fault, in the command
// line's words (which the window's may follow with what to do).
const NAVIGATION = [
  { form: "#posicion", typed: { txtLatitud: "43°00,0′ N", txtDeclinacion: "20°06,0′ N", txtHorario: "339" },
    shows: ["61°06,7′", "135,8° (S 44,2° E)"] },
  { form: "#ortodromica", typed: { txtSalida: "36°32′ N 6°18′ W", txtLlegada: "40°28′ N 73°50′ W" },
    shows: ["3101,2", "(5747,4 km)", "296,4° (N 63,6° W)"] },
  { form: "#ortodromica", typed: { txtSalida: "0 0", txtLlegada: "0 179", txtRadio: "1e308" },
    fault: "txtRadio", args: ["--ortodromica", "0 0", "0 179", "--radio", "1e308"] },
  { form: "#posicion", typed: { txtLatitud: "95 N" }, fault: "txtLatitud",
    args: ["--altura", "latitud=95 N", "declinacion=20°06,0′ N", "horario=339"] },
];

async function solveNavigation(page, { form, typed }) {
  for (const [id, text] of Object.entries(typed))
    await page.locator(`#${id}`).fill(text);
  await page.locator(`${form} button`).click();
}

const hands = {
  async navigation(page) {
    const language = await page.locator("html").getAttribute("lang");
    await page.locator("#navegacion > summary").click();
    for (const { form, typed, args, shows = [], fault } of NAVIGATION) {
      await solveNavigation(page, { form, typed });
      const values = await page.locator(`${form} .lineas td`).allTextContents();
      for (const value of shows)
        assert.ok(values.some((v) => v.includes(value)), `${value} in ${values}`);
      const reason = await page.locator(`${form} .razon`);
      assert.equal(await reason.isVisible(), fault !== undefined);
      if (fault) {
        const native = spawnSync(paths.desktop, ["--idioma", language, ...args], { encoding: "utf8" });
        // The window's reason may go on with what to do.
        const said = native.stderr.split("\n")[0].replace(/^[^:]*: /, "").replace(/\.$/, "");
        assert.ok((await reason.textContent()).startsWith(said), native.stderr);
        assert.ok(await page.locator(`#${fault}`).evaluate((e) => e === document.activeElement));
      }
    }
  },

  async drag(page) {
    const before = await svgOf(page);
    await picture(page).scrollIntoViewIfNeeded();
    const box = await picture(page).boundingBox();
    const [x, y] = [box.x + box.width / 2, box.y + box.height / 2];
    await page.mouse.move(x, y);
    await page.mouse.down();
    for (let step = 1; step <= 4; ++step)
      await page.mouse.move(x + 5 * step, y + 2 * step);
    // 20 px right and 8 down at half a degree a pixel: rotation 10 - 10, inclination 30 + 4.
    // The thinned picture, taken as it shows: a quarter of a second after the last move it is
    // drawn whole again.
    const moving = await (await page.waitForFunction(() => {
      const shown = document.getElementById("Grafico");
      return shown.dataset.thinned === "true" && shown.innerHTML;
    })).jsonValue().then((html) => html.replace(' aria-hidden="true"', ""));
    assert.equal(await page.getByRole("textbox", { name: "Rotación" }).inputValue(), "0");
    assert.equal(await page.getByRole("textbox", { name: "Inclinación" }).inputValue(), "34");
    assert.notEqual(moving, before);
    await page.mouse.up();
    await page.waitForFunction(() => document.getElementById("Grafico").dataset.thinned === "false");
    assert.ok((await svgOf(page)).length > moving.length, "the whole grid after the release");
  },
  async keys(page) {
    // Keyboard alone: from Calcular, Tab reaches the picture past Procedimiento.
    await page.getByRole("button", { name: "Calcular" }).focus();
    await page.keyboard.press("Tab");
    await page.keyboard.press("Tab");
    assert.ok(await picture(page).evaluate((e) => e === document.activeElement));
    for (const key of ["ArrowLeft", "ArrowUp", "Shift+ArrowDown"])
      await page.keyboard.press(key);
    assert.equal(await page.getByRole("textbox", { name: "Rotación" }).inputValue(), "15");
    assert.equal(await page.getByRole("textbox", { name: "Inclinación" }).inputValue(), "26");
    await page.waitForFunction(() => document.getElementById("Grafico").dataset.moving === "false");
    assert.equal((await saved(page, "Guardar SVG")).toString(),
      await coreDrawing(await fieldTexts(page), "26", "15"));
  },
  async copy(page) {
    await page.getByRole("button", { name: "Copiar resultados" }).click();
    const core = await loadCore();
    const { table } = core.calculate(await fieldTexts(page), ",", "es", "decimal");
    assert.ok(table.startsWith("lado a\t40,0000000000\n"), table);
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), table);
  },
  async save(page) {
    const svg = await saved(page, "Guardar SVG");
    assert.equal(svg.toString(), await coreDrawing(await fieldTexts(page), "30", "10"));
    const png = await saved(page, "Guardar PNG");
    assert.equal(png.subarray(1, 4).toString(), "PNG");
    assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [353, 353]);
    // The classic picture has no far side.
    assert.ok(svg.includes('id="cara-oculta"'));
    await page.getByRole("checkbox", { name: "Dibujo clásico" }).check();
    assert.ok(!(await saved(page, "Guardar SVG")).includes('id="cara-oculta"'));
  },
  async desktop(page, context) {
    const file = join(mkdtempSync(join(tmpdir(), "esferica-")), "escritorio.svg");
    execFileSync(paths.desktop, ["--resolver", "a=40", "A=50", "B=70", "--imagen", file,
      "--vista", "30,10"]);
    const desktop = `data:image/svg+xml;base64,${readFileSync(file).toString("base64")}`;
    // The picture as the page shows it, rasterized as the desktop's is.
    const shown = Buffer.from(await svgOf(page)).toString("base64");
    const difference = await pictureDifference(context, desktop,
      `data:image/svg+xml;base64,${shown}`, 353);
    assert.ok(difference < 0.01, `${(100 * difference).toFixed(2)} % of the pixels differ`);
  },
  async working(page) {
    await page.getByRole("button", { name: "Procedimiento" }).click();
    const { text } = await shownWorking(page, "Procedimiento");
    assert.ok(text.includes("B₁ = 42,35°, B₂ = 180° − B₁ = 137,65°"), text);
    await assertWorkingEndsWithLabels(page);
    // Open beside the page, it follows a change of form and the next click.
    await page.locator("#formato").selectOption({ label: "Grados, minutos y segundos" });
    await assertWorkingEndsWithLabels(page);
    await page.getByRole("textbox", { name: "lado a", exact: true }).fill("50");
    await page.getByRole("button", { name: "Calcular" }).click();
    await assertWorkingEndsWithLabels(page);
    await page.getByRole("button", { name: "Copiar", exact: true }).click();
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()),
      (await shownWorking(page, "Procedimiento")).text);
    await page.getByRole("button", { name: "Cerrar" }).click();
    assert.ok(!(await page.getByRole("dialog").isVisible()));
  },
  async workingByKeys(page) {
    await page.keyboard.press("F2");
    const panel = page.getByRole("dialog", { name: "Working" });
    assert.equal(await panel.getByRole("heading").textContent(), "Working");
    assert.ok(await panel.locator("pre").evaluate((e) => e === document.activeElement));
    await page.keyboard.press("Escape");
    assert.ok(!(await panel.isVisible()));
    assert.ok(await page.getByRole("button", { name: "Working" })
      .evaluate((e) => e === document.activeElement));
  },
  async phone(page) {
    await page.setViewportSize({ width: 360, height: 740 });
    // Drawn again at the page's width, below the window's 353 pixels.
    await page.waitForFunction(() => document.querySelector("#Grafico svg").getAttribute("width") ===
      `${document.getElementById("dibujo").clientWidth}px`);
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= 360));
    const box = await picture(page).boundingBox();
    assert.ok(box.x >= 0 && box.x + box.width <= 360 && box.width > 300, JSON.stringify(box));
    // The working's lines, and the navigation's, wrap within the screen.
    await page.getByRole("button", { name: "Procedimiento" }).click();
    await page.locator("#navegacion > summary").click();
    await solveNavigation(page, NAVIGATION[1]);
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= 360));
  },
};

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
  const choose = async ({ language, format }) => {
    if (language)
      await page.getByRole("combobox", { name: "Idioma / Language" }).selectOption({ label: language });
    if (format)
      await page.locator("#formato").selectOption({ label: format });
  };
  if (row.choose)
    await choose(row.choose);
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
  const { cells = {}, message, reason, focus, notes = {}, drawn, lang = "es", button = "Calcular",
    picture: named } = row.expect ?? {};
  if (row.submit === "Enter")
    await last.press("Enter");
  else if (row.submit === "click")
    await page.getByRole("button", { name: button }).click();
  if (row.choose?.then)
    await choose(row.choose.then);
  assert.equal(await page.locator("html").getAttribute("lang"), lang);
  if (named)
    assert.ok(await picture(page, named).isVisible(), named);

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
  if (drawn !== undefined)
    assert.equal(await picture(page, named).isVisible() &&
      (await picture(page, named).locator("svg path").count()) > 0, drawn);
  if (row.hand)
    await hands[row.hand](page, context);
  assert.deepEqual(dialogs, []);
  // The language chosen is remembered: the next page opens in it.
  if (row.choose?.language || row.choose?.then?.language) {
    await page.reload();
    await page.waitForSelector("body[data-ready]", { state: "attached" });
    assert.equal(await page.locator("html").getAttribute("lang"), lang);
  }
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
  // A context as every visit's: one of its own for a visit that chooses a language, which the
  // context keeps for its later pages.
  const newContext = async () => {
    const made = await browser.newContext({ locale: "es-ES", acceptDownloads: true });
    await made.grantPermissions(["clipboard-read", "clipboard-write"]);
    made.on("request", (request) => requests.push(request.url()));
    return made;
  };
  const origins = { "from the disk": pathToFileURL(paths.page).href };
  const requests = [];
  before(async () => {
    browser = await launchChromium();
    context = await newContext();
    ({ server, url: origins["from a static server"] } = await startServer());
  });
  after(async () => {
    await browser?.close();
    server?.kill();
  });

  for (const origin of ["from the disk", "from a static server"])
    for (const row of rows)
      test(`${origin}: ${row.name}`, async () => {
        const own = row.choose ? await newContext() : context;
        try {
          await visit(own, origins[origin], row);
        } finally {
          if (own !== context)
            await own.close();
        }
      });

  test("asks nothing of any other place: only the page itself", () => {
    const own = new Set(Object.values(origins));
    // data: and blob: are the page's own bytes (the picture drawn on a canvas for its PNG).
    assert.deepEqual(requests.filter((url) => !own.has(url) && !/^(data|blob):/.test(url)), []);
  });
});
