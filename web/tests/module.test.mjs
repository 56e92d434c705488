// SPDX-License-Identifier: GPL-3.0-or-later
// The module of the page gives a front end what the window shows after a click, from the ten texts.
import assert from "node:assert/strict";
import { test } from "node:test";
import { loadCore } from "./support.mjs";

const core = await loadCore();
const { captions, texts: initialTexts } = core.fields();

// The ten texts: the window's as it opens, with these fields typed (by caption).
function typed(fields) {
  return captions.map((caption, i) => fields[caption] ?? initialTexts[i]);
}

test("the fields carry the window's captions and the options' initial texts", () => {
  assert.deepEqual(captions, ["lado a", "lado b", "lado c", "ángulo A", "ángulo B", "ángulo C",
    "º red lat.", "º red long", "Inclinación", "Rotación"]);
  assert.deepEqual(initialTexts, ["", "", "", "", "", "", "15", "20", "30", "10"]);
});

const sides60 = { "lado a": "60", "lado b": "60", "lado c": "60" };
const clicks = [
  { name: "three sides are solved, with the full value as the tooltip", fields: sides60,
    expect: { outcome: "solved", message: "", fault: -1, label3: "70,53",
      precise3: "70,5287793655° = 70° 31′ 43,61″" } },
  { name: "the decimal separator is the page's", fields: sides60, separator: ".",
    expect: { label3: "70.53", precise3: "70.5287793655° = 70° 31′ 43.61″" } },
  { name: "one element brings the count message and what was read",
    fields: { "lado a": "1" },
    expect: { outcome: "underdetermined", message: "Sistema subdeterminado, por favor ingrese 3 datos",
      reason: "Se leyó 1 dato: «lado a» = 1°; hacen falta 3.", label3: "" } },
  // The solvers throw on these sides, and the module must catch it as the window does.
  { name: "sides that break a triangle inequality have no solution",
    fields: { "lado a": "10", "lado b": "20", "lado c": "50" },
    expect: { outcome: "no-solution", message: "No existe solución", label3: "" } },
  { name: "a field not read whole is solved from what was read, and marked",
    fields: { ...sides60, "lado a": "6O" },
    expect: { outcome: "solved", label0: "6", note0: "Se leyó 6; no se leyó «O»." } },
  { name: "a number beyond the double range does not count",
    fields: { ...sides60, "lado a": "1e400" },
    expect: { outcome: "underdetermined", reason: "Se leyeron 2 datos: «lado b» = 60°, «lado c» = 60°; " +
      "hacen falta 3. «lado a» no cuenta: «1e400» es un número demasiado grande." } },
  // ...but keeps the element of the click before, as the window does.
  { name: "a number beyond the double range keeps the element of the click before",
    before: sides60, fields: { ...sides60, "lado a": "1e400" },
    expect: { outcome: "no-solution", fault: 0, reason: "«lado a» («1e400») es un número demasiado grande." } },
  { name: "an element beyond 180° names its field",
    fields: { ...sides60, "lado a": "200" }, expect: { outcome: "no-solution", fault: 0 } },
  { name: "an unusable drawing option names its field, and the triangle is still shown",
    fields: { ...sides60, "º red lat.": "0" },
    expect: { outcome: "bad-drawing-data", message: "Error en datos de dibujo", fault: 6,
      label3: "70,53" } },
];

for (const click of clicks) {
  test(click.name, () => {
    core.calculate(typed(click.before ?? {}), ","); // the click before: by default, empty fields
    const view = core.calculate(typed(click.fields), click.separator ?? ",");
    const seen = { outcome: view.outcome, message: view.message, reason: view.reason,
      fault: view.fault, label0: view.labels[0], label3: view.labels[3],
      precise3: view.precise[3], note0: view.notes[0] };
    for (const [key, value] of Object.entries(click.expect))
      assert.equal(seen[key], value, key);
    assert.equal(view.labels.length, 12);
    assert.equal(view.notes.length, 10);
  });
}
