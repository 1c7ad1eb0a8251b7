// Name styles of the location table: state and province abbreviations as
// newspapers write them after a city ("Albany, N.Y."), the states' full names
// for the airport headers, and the order of names in an alphabetical list.
'use strict';

// Postal code: [full name, abbreviation after a city name].
const usStates = {
    AL: ['Alabama', 'Ala.'],
    AK: ['Alaska', 'Alaska'],
    AZ: ['Arizona', 'Ariz.'],
    AR: ['Arkansas', 'Ark.'],
    CA: ['California', 'Calif.'],
    CO: ['Colorado', 'Colo.'],
    CT: ['Connecticut', 'Conn.'],
    DE: ['Delaware', 'Del.'],
    DC: ['District of Columbia', 'D.C.'],
    FL: ['Florida', 'Fla.'],
    GA: ['Georgia', 'Ga.'],
    HI: ['Hawaii', 'Hawaii'],
    ID: ['Idaho', 'Idaho'],
    IL: ['Illinois', 'Ill.'],
    IN: ['Indiana', 'Ind.'],
    IA: ['Iowa', 'Iowa'],
    KS: ['Kansas', 'Kan.'],
    KY: ['Kentucky', 'Ky.'],
    LA: ['Louisiana', 'La.'],
    ME: ['Maine', 'Maine'],
    MD: ['Maryland', 'Md.'],
    MA: ['Massachusetts', 'Mass.'],
    MI: ['Michigan', 'Mich.'],
    MN: ['Minnesota', 'Minn.'],
    MS: ['Mississippi', 'Miss.'],
    MO: ['Missouri', 'Mo.'],
    MT: ['Montana', 'Mont.'],
    NE: ['Nebraska', 'Neb.'],
    NV: ['Nevada', 'Nev.'],
    NH: ['New Hampshire', 'N.H.'],
    NJ: ['New Jersey', 'N.J.'],
    NM: ['New Mexico', 'N.M.'],
    NY: ['New York', 'N.Y.'],
    NC: ['North Carolina', 'N.C.'],
    ND: ['North Dakota', 'N.D.'],
    OH: ['Ohio', 'Ohio'],
    OK: ['Oklahoma', 'Okla.'],
    OR: ['Oregon', 'Ore.'],
    PA: ['Pennsylvania', 'Pa.'],
    RI: ['Rhode Island', 'R.I.'],
    SC: ['South Carolina', 'S.C.'],
    SD: ['South Dakota', 'S.D.'],
    TN: ['Tennessee', 'Tenn.'],
    TX: ['Texas', 'Texas'],
    UT: ['Utah', 'Utah'],
    VT: ['Vermont', 'Vt.'],
    VA: ['Virginia', 'Va.'],
    WA: ['Washington', 'Wash.'],
    WV: ['West Virginia', 'W.Va.'],
    WI: ['Wisconsin', 'Wis.'],
    WY: ['Wyoming', 'Wyo.'],
};

// ISO 3166-2 code of a Canadian province or territory: its abbreviation.
const canadianProvinces = {
    'CA-AB': 'Alta.',
    'CA-BC': 'B.C.',
    'CA-MB': 'Man.',
    'CA-NB': 'N.B.',
    'CA-NL': 'N.L.',
    'CA-NS': 'N.S.',
    'CA-NT': 'N.W.T.',
    'CA-NU': 'Nunavut',
    'CA-ON': 'Ont.',
    'CA-PE': 'P.E.I.',
    'CA-QC': 'Que.',
    'CA-SK': 'Sask.',
    'CA-YT': 'Yukon',
};

// The key an alphabetical list is ordered by: accents removed, case ignored.
function sortKey(name) {
    return name.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase();
}

function compareNames(a, b) {
    const ka = sortKey(a);
    const kb = sortKey(b);
    if (ka !== kb) return ka < kb ? -1 : 1;
    return a < b ? -1 : a > b ? 1 : 0;
}

module.exports = { usStates, canadianProvinces, sortKey, compareNames };
