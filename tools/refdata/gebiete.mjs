// How the Natural Earth countries become DXCC entities.
//
// A country whose ISO code belongs to an entity is that entity's land. Some
// entities are parts of a country: islands (whole polygons whose centroid lies in
// the given region) or, for Great Britain, the land on one side of our own
// approximate border lines (the country is cut along the region). Rules of one
// country apply in order; what is left belongs to the country's own entity.
// Coordinates are [longitude, latitude] in degrees.

const box = (w, s, e, n) => [[w, s], [e, s], [e, n], [w, n], [w, s]];

// England–Scotland: Solway Firth, the border on land, the North Sea north of Berwick.
const SCHOTTLAND = [
  [-15, 54.4], [-5.5, 54.4], [-4.0, 54.62], [-3.75, 54.74], [-3.48, 54.86], [-3.30, 54.95],
  [-3.12, 54.965], [-3.06, 54.975], [-3.03, 55.03], [-2.96, 55.06], [-2.86, 55.10],
  [-2.68, 55.19], [-2.57, 55.27], [-2.48, 55.35], [-2.33, 55.41], [-2.22, 55.43],
  [-2.17, 55.47], [-2.20, 55.53], [-2.25, 55.59], [-2.32, 55.64], [-2.25, 55.66],
  [-2.16, 55.72], [-2.10, 55.76], [-2.035, 55.805], [-1.9, 55.82], [3.0, 55.82],
  [3.0, 61.5], [-15, 61.5], [-15, 54.4],
];

// England–Wales: Dee estuary, the border on land, the Severn estuary and Bristol Channel.
const WALES = [
  [-3.30, 53.50], [-3.27, 53.37], [-3.17, 53.30], [-3.08, 53.25], [-2.99, 53.20],
  [-2.93, 53.17], [-2.88, 53.10], [-2.78, 53.02], [-2.72, 52.98], [-2.75, 52.93],
  [-2.90, 52.94], [-3.03, 52.93], [-3.10, 52.88], [-3.12, 52.80], [-3.05, 52.72],
  [-3.02, 52.64], [-3.15, 52.56], [-3.08, 52.49], [-3.00, 52.42], [-3.05, 52.34],
  [-3.02, 52.26], [-3.08, 52.20], [-3.12, 52.10], [-3.13, 52.07], [-3.03, 51.99],
  [-2.95, 51.93], [-2.85, 51.88], [-2.72, 51.82], [-2.67, 51.72], [-2.66, 51.64],
  [-2.70, 51.58], [-2.85, 51.52], [-3.05, 51.42], [-3.11, 51.36], [-3.35, 51.33],
  [-3.80, 51.30], [-4.30, 51.38], [-4.90, 51.45], [-6.5, 51.45], [-6.5, 53.50],
  [-3.30, 53.50],
];

// Great Britain's polygons on the island of Ireland, Rathlin and the Copelands,
// but not the Scottish islands off Kintyre.
const NORDIRLAND = [
  [-8.3, 54.0], [-5.35, 54.0], [-5.35, 54.75], [-5.9, 55.2], [-5.9, 55.45], [-8.3, 55.45], [-8.3, 54.0],
];

export const TEILUNGEN = {
  GB: {
    rest: 'G',
    regeln: [
      { präfix: 'GI', art: 'insel', gebiet: NORDIRLAND },
      { präfix: 'GM', art: 'schnitt', gebiet: SCHOTTLAND },
      { präfix: 'GW', art: 'schnitt', gebiet: WALES },
    ],
  },
  FR: { regeln: [{ präfix: 'TK', art: 'insel', gebiet: box(8.3, 41.3, 9.8, 43.1) }] },
  IT: { regeln: [{ präfix: 'IS', art: 'insel', gebiet: box(7.9, 38.7, 10.0, 41.5) }] },
  ES: {
    regeln: [
      { präfix: 'EA6', art: 'insel', gebiet: box(1.0, 38.5, 4.6, 40.3) },
      { präfix: 'EA8', art: 'insel', gebiet: box(-18.5, 27.4, -13.0, 29.6) },
      // Ceuta, Melilla and the small Spanish places on the Moroccan coast; Alborán stays Spain.
      { präfix: 'EA9', art: 'insel', gebiet: box(-5.45, 35.0, -2.8, 35.93) },
    ],
  },
  PT: {
    regeln: [
      { präfix: 'CU', art: 'insel', gebiet: box(-31.5, 36.8, -24.5, 40.0) },
      { präfix: 'CT3', art: 'insel', gebiet: box(-17.5, 29.9, -15.5, 33.3) },
    ],
  },
  GR: {
    regeln: [
      { präfix: 'SV9', art: 'insel', gebiet: box(23.3, 34.7, 26.5, 35.75) },
      // Patmos and Agathonisi down to Kasos and Kastellorizo; Ikaria, Fournoi and Samos are not.
      { präfix: 'SV5', art: 'insel', gebiet: box(26.1, 35.3, 29.7, 37.55) },
    ],
  },
  NO: {
    regeln: [
      { präfix: 'JX', art: 'insel', gebiet: box(-9.5, 70.6, -7.5, 71.4) },
      { präfix: 'JW', art: 'insel', gebiet: box(5.0, 73.5, 35.0, 81.0) },
      { präfix: '3Y/b', art: 'insel', gebiet: box(3.0, -55.0, 4.0, -54.0) },
    ],
  },
  // The atlas draws the part of Western Sahara west of the berm with Morocco; for DXCC
  // all land south of 27°40' N (the border from the Atlantic to 8°40' W) is Western Sahara.
  MA: { regeln: [{ präfix: 'S0', art: 'schnitt', gebiet: box(-20.0, 20.0, -8.0, 27 + 40 / 60) }] },
  // The area of the table ends at 46° E, west of the Urals: Russia there is European Russia.
  // Crimea counts as Ukraine for DXCC; the atlas draws it with Russia.
  RU: {
    rest: 'UA',
    regeln: [
      { präfix: 'UA2', art: 'insel', gebiet: box(19.5, 54.2, 23.0, 55.4) },
      { präfix: 'UR', art: 'insel', gebiet: box(32.3, 44.2, 36.8, 46.3) },
    ],
  },
};

// Natural Earth units without an ISO code, by their name.
export const OHNE_ISO = {
  Kosovo: 'Z6',
  'N. Cyprus': '5B',
  'Cyprus U.N. Buffer Zone': '5B',
  Akrotiri: 'ZC4',
  Dhekelia: 'ZC4',
};

// Entities without land of their own in Natural Earth, and land the atlas misses: one place each.
export const ORTE = [
  { präfix: '1A', lon: 12.479, lat: 41.905 }, // Palazzo di Malta, Rome
  { präfix: '4U1I', lon: 6.138, lat: 46.218 }, // ITU headquarters, Geneva
  { präfix: 'SV/a', lon: 24.244, lat: 40.257 }, // Karyes, Mount Athos
  { präfix: 'OJ0', lon: 19.131, lat: 60.301 }, // Märket
  { präfix: 'HV', lon: 12.453, lat: 41.903 }, // Vatican City: its polygon in the atlas has no area
  // Entities whose land reaches into a large square by less than the atlas resolves.
  { präfix: 'CT', lon: -8.9486, lat: 36.9986 }, // Ponta de Sagres, just south of 37° N (IM56)
];
