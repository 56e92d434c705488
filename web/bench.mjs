// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition's figures (scripts/web bench): the size of the module and of the page, raw
// and compressed; the batch of 10 000 problems through the command line in node against the
// native one, whole processes, median of five (wall and CPU time); and in chromium, from the page's load from the disk
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
await browser.close();
console.log(`chromium ${browser.version()}, from the disk: the page ready ${median(ready).toFixed(0)} ms ` +
  `after its load began; a click ${median(click).toFixed(2)} ms`);
