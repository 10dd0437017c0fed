// Serves the built page from a folder on this machine's loopback address
// until interrupted, and prints the address; the page needs only its files.
import { readFile } from "node:fs/promises";
import { createServer } from "node:http";
import { extname, join, normalize } from "node:path";

const [root = "dist/web", port = "8000"] = process.argv.slice(2);
const types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".wasm": "application/wasm",
};

const server = createServer(async (request, response) => {
  const path = new URL(request.url, "http://localhost").pathname;
  // normalize keeps a path that climbs with ".." inside the folder.
  const file = join(root, normalize(path.endsWith("/") ? path + "index.html" : path));
  try {
    const body = await readFile(file);
    response.writeHead(200, { "Content-Type": types[extname(file)] ?? "application/octet-stream" });
    response.end(body);
  } catch {
    response.writeHead(404);
    response.end();
  }
});
server.listen(Number(port), "127.0.0.1", () => {
  console.log(`http://127.0.0.1:${server.address().port}/`);
});
