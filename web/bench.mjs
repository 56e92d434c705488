// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition's figures (scripts/web bench): the size of the module and of the page, raw
// and compressed; the batch of 10 000 problems through the command line in node against the
// native one, whole processes, median of five (wall and CPU time); in chromium, from the page's
// load from the disk to its fields ready, and the first click, picture included, median of five
// loads; and a turn step of the picture by the arrow keys at the default options, median of
// STEPS, against the core's own drawing of such a step in node in the same run.
import { spawnSync } from "node:child_process";
import { readFileSync, statSync } from "node:fs";
import { gzipSync } from "node:zlib";
import { pathToFileURL } from "node:url";
import { launchChromium, loadCore, paths } from "./tests/support.mjs";

const RUNS = 5;
const STEPS = 61;
const median = (values) => values.sort((x, y) => x - y)[Math.floor(values.length / 2)];
const kb = (bytes) => `${(bytes / 1024).toFixed(0)} KB`;

for (const [what, files] of [
  ["module (esferica-core.mjs and its esferica-core.wasm)", [paths.core, paths.core.replace(/\.mjs$/, ".wasm")]],
  ["page (index.html, everything inside, the WebAssembly as base64)", [paths.page]]]) {
  const sizes = files.map((file) => [statSync(file).size, gzipSync(readFileSync(file), { level: 9 }).length]);
  const [raw, compressed] = [0, 1].map((i) => sizes.reduce((sum, size) => sum + size[i], 0));
  console.log(`${what}: ${kb(raw)}, ${kb(compressed)} compressed (gzip -9)`);
}

// Wall time, and the CPU time of the process (user and system, from the shell's `times`), which a
// machine busy with other work disturbs less.
const input = readFileSync(paths.problems);
function timed(command, args) {
  const wall = [], cpu = [];
  for (let run = 0; run < RUNS; ++run) {
    const start = performance.now();
    const result = spawnSync("bash", ["-c", '"$@" >/dev/null; times', "bash", command, ...args],
      { input, encoding: "utf8" });
    wall.push((performance.now() - start) / 1000);
    const [user, system] = [...result.stdout.split("\n")[1].matchAll(/(\d+)m([\d.]+)s/g)]
      .map(([, m, s]) => 60 * Number(m) + Number(s));
    cpu.push(user + system);
  }
  return { wall: median(wall), cpu: median(cpu) };
}
const native = timed(paths.nativeResolver, ["--resolver", "-"]);
const wasm = timed(process.execPath, [paths.wasmResolver, "--resolver", "-"]);
console.log(`10 000 problems, native: ${native.wall.toFixed(3)} s (${native.cpu.toFixed(3)} s CPU); ` +
  `WebAssembly in node ${process.version}: ${wasm.wall.toFixed(3)} s (${wasm.cpu.toFixed(3)} s CPU), ` +
  `${(wasm.wall / native.wall).toFixed(1)}× (${(wasm.cpu / native.cpu).toFixed(1)}× CPU)`);

const browser = await launchChromium();
const ready = [], click = [];
for (let run = 0; run < RUNS; ++run) {
  const page = await browser.newPage({ locale: "es-ES" });
  await page.goto(pathToFileURL(paths.page).href);
  await page.waitForSelector("body[data-ready]", { state: "attached" });
  ready.push(await page.evaluate(() => performance.getEntriesByName("esferica-ready")[0].startTime));
  for (const caption of ["lado a", "lado b", "lado c"])
    await page.getByRole("textbox", { name: caption, exact: true }).fill("60");
  click.push(await page.evaluate(() => {
    const start = performance.now();
    document.getElementById("datos").requestSubmit();
    return performance.now() - start;
  }));
  await page.close();
}
const first = ready.map((r, i) => r + click[i]);
console.log(`chromium ${browser.version()}, from the disk: the page ready ${median(ready).toFixed(0)} ms ` +
  `after its load began; the first click, picture included, ${median(click).toFixed(2)} ms; ` +
  `the first result ${median(first).toFixed(0)} ms after the load began`);

// A turn step: the arrow key's handler (the turn, the fields), then from the start of the next
// frame the core's drawing and its SVG put in the page (until a callback queued after the key
// runs), then the browser's style, layout and paint of it (until the next task); the wait for the
// frame left out.
const page = await browser.newPage({ locale: "es-ES" });
await page.goto(pathToFileURL(paths.page).href);
await page.waitForSelector("body[data-ready]", { state: "attached" });
for (const caption of ["lado a", "lado b", "lado c"])
  await page.getByRole("textbox", { name: caption, exact: true }).fill("60");
await page.getByRole("button", { name: "Calcular" }).click();
const steps = await page.evaluate(async (count) => {
  const picture = document.getElementById("Grafico");
  picture.focus();
  const frame = () => new Promise((resolve) => requestAnimationFrame(resolve));
  const times = { script: [], painted: [] };
  for (let i = 0; i < count; ++i) {
    await frame();
    const start = performance.now();
    // Up, left, down, left: every step turns the view, and the inclination stays in range.
    const key = ["ArrowUp", "ArrowLeft", "ArrowDown", "ArrowLeft"][i % 4];
    picture.dispatchEvent(new KeyboardEvent("keydown", { key, bubbles: true }));
    const handler = performance.now() - start;
    // The frame's own time from its start: the page's drawing, queued first, has run.
    const frameStart = await frame();
    times.script.push(handler + performance.now() - frameStart);
    await new Promise((resolve) => setTimeout(resolve));
    times.painted.push(handler + performance.now() - frameStart);
  }
  return times;
}, STEPS);
await page.close();
await browser.close();

// The same steps by the core alone, in node.
const core = await loadCore();
core.calculate(["60", "60", "60", "", "", "", "15", "20", "30", "10"], ",", "es", "decimal");
core.draw("30", "10", 353, 353, "readable", false, "es");
const drawn = [];
for (let i = 0; i < STEPS; ++i) {
  const start = performance.now();
  const view = core.turn(...[[-5, 0], [0, 5], [5, 0], [0, 5]][i % 4]);
  core.draw(view.inclination, view.rotation, 353, 353, "readable", true, "es");
  drawn.push(performance.now() - start);
}
const [script, painted, alone] = [median(steps.script), median(steps.painted), median(drawn)];
console.log(`a turn step by the arrow keys, default options, median of ${STEPS}: ` +
  `${script.toFixed(2)} ms to the picture's SVG in the page, ${painted.toFixed(2)} ms to it drawn ` +
  `on the screen; the core's drawing alone in node ${alone.toFixed(2)} ms ` +
  `(the page ${(script / alone).toFixed(1)}× / ${(painted / alone).toFixed(1)}×)`);
