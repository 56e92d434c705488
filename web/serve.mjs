// SPDX-License-Identifier: GPL-3.0-or-later
// A static server for the built page, on this machine only: node web/serve.mjs DIR [PORT]
// Prints the address; PORT 0 takes any free one. Serves the files of DIR and nothing else.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize, sep } from "node:path";

const [root = ".", port = "8030"] = process.argv.slice(2);
const TYPES = { ".html": "text/html; charset=utf-8", ".mjs": "text/javascript", ".js": "text/javascript",
  ".css": "text/css", ".wasm": "application/wasm", ".svg": "image/svg+xml", ".png": "image/png" };

const server = createServer(async (request, response) => {
  const path = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
  const file = normalize(join(root, path.endsWith("/") ? `${path}index.html` : path));
  if (request.method !== "GET" || !(file + sep).startsWith(normalize(root + sep)) ) {
    response.writeHead(request.method !== "GET" ? 405 : 403).end();
    return;
  }
  try {
    const body = await readFile(file);
    response.writeHead(200, { "Content-Type": TYPES[extname(file)] ?? "application/octet-stream" });
    response.end(body);
  } catch {
    response.writeHead(404).end();
  }
});
server.listen(Number(port), "127.0.0.1", () => {
  console.log(`http://127.0.0.1:${server.address().port}/`);
});
