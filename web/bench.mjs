// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition's figures (scripts/web bench): the size of the module and of the page, raw
// and compressed; the batch of 10 000 problems through the command line in node against the
// native one, whole processes, median of five; and in chromium, from the page's load from the disk
// to its fields ready, and one click, median of five loads.
import { spawnSync } from "node:child_process";
import { readFileSync, statSync } from "node:fs";
import { gzipSync } from "node:zlib";
import { pathToFileURL } from "node:url";
import { launchChromium, paths } from "./tests/support.mjs";

const RUNS = 5;
const median = (values) => values.sort((x, y) => x - y)[Math.floor(values.length / 2)];
const kb = (bytes) => `${(bytes / 1024).toFixed(0)} KB`;

for (const [what, file] of [["module (esferica-core.mjs, WebAssembly inside)", paths.core],
  ["page (index.html, everything inside)", paths.page]]) {
  const raw = readFileSync(file);
  console.log(`${what}: ${kb(statSync(file).size)}, ${kb(gzipSync(raw, { level: 9 }).length)} compressed (gzip -9)`);
}

const input = readFileSync(paths.problems);
function timed(command, args) {
  const times = [];
  for (let run = 0; run < RUNS; ++run) {
    const start = performance.now();
    const result = spawnSync(command, args, { input, maxBuffer: 1 << 28 });
    times.push((performance.now() - start) / 1000);
    if (result.error)
      throw result.error;
  }
  return median(times);
}
const native = timed(paths.nativeResolver, ["--resolver", "-"]);
const wasm = timed(process.execPath, [paths.wasmResolver, "--resolver", "-"]);
console.log(`10 000 problems, native: ${native.toFixed(3)} s; WebAssembly in node ${process.version}: ` +
  `${wasm.toFixed(3)} s (${(wasm / native).toFixed(1)}×)`);

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
await browser.close();
console.log(`chromium ${browser.version()}, from the disk: the page ready ${median(ready).toFixed(0)} ms ` +
  `after its load began; a click ${median(click).toFixed(2)} ms`);
