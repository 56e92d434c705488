// SPDX-License-Identifier: GPL-3.0-or-later
// The command line built as WebAssembly answers the batch of 10 000 problems as the native build
// does, byte for byte, but for lines where the two C libraries' sines and cosines, which may differ
// in the last bit, carry a value across a rounding boundary of its last decimal: each such line is
// listed, and its two values must lie within what the accuracy table allows each of them.
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { existsSync, readFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";
import { ROOT, paths } from "./support.mjs";

// The most such lines the batch may hold, one in a thousand: a fault that moves many values by a
// unit of the last decimal must not pass as rounding.
const MAX_SHARE = 1e-3;

// The bound the accuracy table states for triangles with sides of about 90 degrees, the batch's,
// in degrees: the largest figure of that row. The table is in docs/accuracy.md, or in the
// accuracy document.
function accuracyBound() {
  const doc = [join(ROOT, "docs/accuracy.md"), join(ROOT, "README.md")].find(existsSync);
  const row = readFileSync(doc, "utf8").split("\n").find((line) => line.startsWith("| 90° |"));
  assert.ok(row, `no row "| 90° |" in the accuracy table of ${doc}`);
  const superscript = "⁰¹²³⁴⁵⁶⁷⁸⁹";
  const figures = [...row.matchAll(/(\d+(?:\.\d+)?)·10⁻([⁰¹²³⁴⁵⁶⁷⁸⁹]+)/g)].map(([, mantissa, power]) =>
    Number(mantissa) * 10 ** -Number([...power].map((d) => superscript.indexOf(d)).join("")));
  assert.ok(figures.length > 0, `no figure in ${row}`);
  return Math.max(...figures);
}

function run(command, args, input) {
  const result = spawnSync(command, args, { input, maxBuffer: 1 << 28 });
  assert.equal(result.error, undefined, `${command}: ${result.error}`);
  return result;
}

test("the WebAssembly command line answers the batch as the native one", () => {
  const input = readFileSync(paths.problems);
  const native = run(paths.nativeResolver, ["--resolver", "-"], input);
  const wasm = run(process.execPath, [paths.wasmResolver, "--resolver", "-"], input);
  assert.equal(wasm.status, native.status);
  assert.equal(wasm.stderr.toString(), native.stderr.toString());

  const ours = native.stdout.toString().split("\n");
  const theirs = wasm.stdout.toString().split("\n");
  assert.equal(theirs.length, ours.length);
  assert.ok(ours.length > 100_000, `only ${ours.length} lines`);

  // Two values each within the bound of the exact one differ by at most twice the bound, and
  // after rounding by one unit of the last decimal more than that.
  const bound = accuracyBound();
  const differing = [];
  ours.forEach((line, i) => {
    if (line === theirs[i])
      return;
    const a = /^(.+)\t(-?\d+)\.(\d+)$/.exec(line);
    const b = /^(.+)\t(-?\d+)\.(\d+)$/.exec(theirs[i]);
    assert.ok(a && b && a[1] === b[1] && a[3].length === b[3].length,
      `line ${i + 1} differs beyond a value:\n  native: ${line}\n  wasm:   ${theirs[i]}`);
    const unit = 10 ** -a[3].length;
    const apart = Math.abs(Number(`${a[2]}.${a[3]}`) - Number(`${b[2]}.${b[3]}`));
    assert.ok(apart <= Math.max(unit, 2 * bound + unit) * (1 + 1e-9),
      `line ${i + 1}: ${line} against ${theirs[i]}, more than the accuracy bound allows`);
    differing.push(`line ${i + 1}: native ${line.replace("\t", " ")}, wasm ${b[2]}.${b[3]}`);
  });
  for (const line of differing)
    console.log(line);
  assert.ok(differing.length <= MAX_SHARE * ours.length,
    `${differing.length} lines differ in their last decimal`);
});
