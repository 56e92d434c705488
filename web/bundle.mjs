// SPDX-License-Identifier: GPL-3.0-or-later
// Puts the page together as one file: node web/bundle.mjs CORE.mjs OUT.html
// The style and the two modules (the core's glue and the page's script) go inline into index.html,
// so that the page works opened from the disk, where a browser loads no module from a file, as
// from any static server, and requests nothing. The core's WebAssembly (CORE.wasm, beside the
// glue) goes in as base64 in a first script, at the top, that starts compiling it on the browser's
// other threads while the rest of the page is still being read; the page's script hands the
// compiled module to the glue.
import { readFileSync, writeFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";

const [coreFile, outFile] = process.argv.slice(2);
const here = dirname(fileURLToPath(import.meta.url));
const read = (name) => readFileSync(join(here, name), "utf8");

// `text` with `from`, which must occur exactly once, replaced by `to`.
function replaceOnce(text, from, to, what) {
  const at = text.indexOf(from);
  if (at < 0 || text.indexOf(from, at + 1) >= 0)
    throw new Error(`${what}: expected exactly one ${JSON.stringify(from)}`);
  return text.slice(0, at) + to + text.slice(at + from.length);
}

const core = replaceOnce(readFileSync(coreFile, "utf8"), "export default createEsferica;", "",
  coreFile);
const wasm = readFileSync(coreFile.replace(/\.mjs$/, ".wasm")).toString("base64");
const compile = `{ const text = atob("${wasm}"); const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
  globalThis.esfericaCompiled = WebAssembly.compile(bytes); }`;
const page = replaceOnce(read("page.mjs"), 'import createEsferica from "./esferica-core.mjs";', "",
  "page.mjs");
const script = `${core}\n${page}`;
if (/<\/script/i.test(script))
  throw new Error("a script holds </script, which would end it early in the page");

let html = read("index.html");
html = replaceOnce(html, '<link rel="stylesheet" href="page.css">',
  `<script>\n${compile}\n</script>\n<style>\n${read("page.css")}</style>`, "index.html");
html = replaceOnce(html, '<script type="module" src="page.mjs"></script>',
  `<script type="module">\n${script}</script>`, "index.html");
writeFileSync(outFile, html);
