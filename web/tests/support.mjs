// SPDX-License-Identifier: GPL-3.0-or-later
// What the web tests share: where the builds are, and Debian's chromium as the tests launch it.
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";

export const ROOT = resolve(dirname(fileURLToPath(import.meta.url)), "../..");

// The builds scripts/web makes; each may be given another place through the environment.
export const paths = {
  page: process.env.ESFERICA_WEB_PAGE ?? join(ROOT, "build/web/index.html"),
  core: process.env.ESFERICA_WEB_CORE ?? join(ROOT, "build/wasm/web/esferica-core.mjs"),
  wasmResolver: process.env.ESFERICA_WASM_RESOLVER ?? join(ROOT, "build/wasm/web/esferica_resolver.js"),
  nativeResolver: process.env.ESFERICA_NATIVE_RESOLVER ?? join(ROOT, "build/core/web/esferica_resolver"),
  problems: process.env.ESFERICA_PROBLEMS ?? join(ROOT, "build/web/problems.txt"),
  // The desktop program, whose --imagen draws the window's picture.
  desktop: process.env.ESFERICA_DESKTOP ?? join(ROOT, "build/release/qt/esferica"),
};

// Debian's chromium, headless, with nothing of its own that reaches the network. Playwright gives
// each launch a fresh, empty profile (--user-data-dir) and removes it when the browser closes.
export async function launchChromium() {
  const { chromium } = await import("playwright-core");
  return chromium.launch({
    executablePath: "/usr/bin/chromium",
    args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync"],
  });
}


// The page's core in node, its WebAssembly read from beside it (the glue would fetch it, which
// node cannot from a path). The glue looks for node's CommonJS names, which an ES module lacks.
export async function loadCore() {
  const { createRequire } = await import("node:module");
  const { readFileSync } = await import("node:fs");
  globalThis.__dirname ??= dirname(paths.core);
  globalThis.require ??= createRequire(import.meta.url);
  const { default: createEsferica } = await import(paths.core);
  return createEsferica({ wasmBinary: readFileSync(paths.core.replace(/\.mjs$/, ".wasm")) });
}
