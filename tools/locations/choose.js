// Which places the location table lists, and under which names.
'use strict';

const { usStates, canadianProvinces, sortKey, compareNames } = require('./names');

// GeoNames still carries a few former names.
const renamed = {
    'Nur-Sultan': 'Astana',
    Barrow: 'Utqiagvik',
    'Palikir - National Government Center': 'Palikir',
};

// Populated places that are not cities of their own: GeoNames lists the
// boroughs of New York City and the former boroughs of Toronto beside the
// cities, neighbourhoods of Queens and Phoenix, Lexington twice, and two
// Kentucky villages with the population of their county.
const notCities = new Set([
    'US NY Brooklyn',
    'US NY Queens',
    'US NY Manhattan',
    'US NY The Bronx',
    'US NY Staten Island',
    'US NY Jamaica',
    'US AZ Maryvale',
    'US KY Lexington-Fayette',
    'US KY Ironville',
    'US KY Meads',
    'CA 08 North York',
    'CA 08 Scarborough',
    'CA 08 Etobicoke',
]);
// Feature codes of sections of a city and of places that are gone.
const notCityFeatures = new Set(['PPLX', 'PPLQ', 'PPLH', 'PPLW', 'PPLCH']);

const airportTypes = ['large_airport', 'medium_airport', 'small_airport', 'seaplane_base'];

// Typographic apostrophes become plain ones, as in the other names.
function plainApostrophes(name) {
    return name.replace(/[\u2018\u2019]/g, "'");
}

function displayName(city) {
    return plainApostrophes(renamed[city.name] || city.name);
}

function distanceKm(aLat, aLon, bLat, bLon) {
    const rad = Math.PI / 180;
    const h =
        Math.sin(((bLat - aLat) * rad) / 2) ** 2 +
        Math.cos(aLat * rad) * Math.cos(bLat * rad) * Math.sin(((bLon - aLon) * rad) / 2) ** 2;
    return 12742 * Math.asin(Math.sqrt(h));
}

// GeoNames gives Canadian provinces as numbers; the airports give them as ISO
// codes. Each number is matched to the code that the airports of the same
// town names carry most often.
function canadianAdminCodes(sources) {
    const towns = new Map();
    for (const a of sources.airports)
        if (a.iso_country === 'CA' && a.municipality) towns.set(sortKey(a.municipality), a.iso_region);
    const votes = {};
    for (const c of sources.cities) {
        if (c.country !== 'CA' || !towns.has(sortKey(c.name))) continue;
        const tally = (votes[c.admin] = votes[c.admin] || {});
        const region = towns.get(sortKey(c.name));
        tally[region] = (tally[region] || 0) + 1;
    }
    const codes = {};
    for (const [admin, tally] of Object.entries(votes)) {
        const ranked = Object.entries(tally).sort((a, b) => b[1] - a[1]);
        const total = ranked.reduce((n, [, count]) => n + count, 0);
        if (ranked[0][1] * 2 > total && canadianProvinces[ranked[0][0]])
            codes[admin] = ranked[0][0];
    }
    return codes;
}

function abbreviationOf(city, provinceCodes) {
    if (city.country === 'US') return usStates[city.admin] && usStates[city.admin][1];
    const province = provinceCodes[city.admin];
    return province && canadianProvinces[province];
}

// "Albany, N.Y."; a name that already ends in its abbreviation keeps it once.
function cityName(city, provinceCodes) {
    const abbreviation = abbreviationOf(city, provinceCodes);
    if (!abbreviation) throw new Error(`no state or province for ${city.name} ${city.admin}`);
    const name = displayName(city).replace(new RegExp(`, ${abbreviation.replace(/\./g, '\\.')}$`), '');
    return `${name}, ${abbreviation}`;
}

function place(latitude, longitude, name, sortBy = name) {
    return { latitude, longitude, name, sortBy };
}

// The largest cities of the United States and Canada by population.
function chooseCities(sources, provinceCodes, count) {
    const chosen = sources.cities
        .filter((c) => c.country === 'US' || c.country === 'CA')
        .filter((c) => !notCityFeatures.has(c.featureCode))
        .filter((c) => !notCities.has(`${c.country} ${c.admin} ${c.name}`))
        .sort((a, b) => b.population - a.population || compareNames(a.name, b.name))
        .slice(0, count);
    return chosen
        .map((c) => place(c.latitude, c.longitude, cityName(c, provinceCodes)))
        .sort((a, b) => compareNames(a.sortBy, b.sortBy));
}

function findCapital(sources, code) {
    const ofCountry = sources.cities.filter((c) => c.country === code);
    const byPopulation = (a, b) => b.population - a.population;
    const marked = ofCountry.filter((c) => c.featureCode === 'PPLC').sort(byPopulation);
    if (marked.length > 0) return marked[0];
    // Without a marked capital, the capital that the country list names.
    const named = sources.countries[code].capital;
    if (!named) return null;
    const found = ofCountry
        .filter((c) => !notCityFeatures.has(c.featureCode) && sortKey(c.name) === sortKey(named))
        .sort(byPopulation);
    return found.length > 0 ? found[0] : null;
}

// One capital per country: the members of the United Nations, then the most
// populous other territories whose capital is known, up to the count.
function chooseCapitals(sources, count) {
    const { unitedNations, population } = sources.territories;
    const members = [...unitedNations];
    const others = Object.keys(sources.countries)
        .filter((code) => !unitedNations.has(code) && population[code] > 0)
        .sort((a, b) => population[b] - population[a]);
    const chosen = [];
    for (const code of members) {
        const capital = findCapital(sources, code);
        if (!capital) throw new Error(`no capital found for ${code}`);
        chosen.push([code, capital]);
    }
    for (const code of others) {
        if (chosen.length >= count) break;
        const capital = findCapital(sources, code);
        if (capital) chosen.push([code, capital]);
    }
    return chosen
        .map(([code, capital]) => {
            const country = sources.countries[code].name;
            return place(capital.latitude, capital.longitude, `${country}, ${displayName(capital)}`,
                         country);
        })
        .sort((a, b) => compareNames(a.sortBy, b.sortBy));
}

function airportClass(airport) {
    const scheduled = airport.scheduled_service === 'yes' ? 0 : 1;
    return scheduled * airportTypes.length + airportTypes.indexOf(airport.type);
}

// Airports are named after the town they serve, up to its first comma.
function townName(municipality) {
    return plainApostrophes(municipality.split(',')[0].trim().replace(/(\S)\(/g, '$1 ('));
}

// A record whose position lies farther than this from every town of its
// state is misfiled.
const farFromState = 2000;

// The airport cities of each state: airports with a code, those with
// scheduled service first, then large, medium and small airports and seaplane
// bases, a larger town before a smaller one; where those run short, the FAA's
// list fills in. Washington Dulles serves the District of Columbia.
function chooseAirports(sources, state, count) {
    const townPopulation = new Map();
    const towns = sources.cities.filter((c) => c.country === 'US' && c.admin === state);
    for (const c of towns) {
        const key = sortKey(c.name);
        townPopulation.set(key, Math.max(townPopulation.get(key) || 0, c.population));
    }
    const populationOf = (town) => townPopulation.get(sortKey(town)) || 0;
    const inState = (a) =>
        towns.some((c) => distanceKm(a.latitude, a.longitude, c.latitude, c.longitude) < farFromState);

    const servesState = (a) =>
        a.iata_code === 'IAD' ? state === 'DC' : a.iso_region === `US-${state}`;
    const known = sources.airports.filter((a) => a.iso_country === 'US');
    const candidates = known
        .filter((a) => a.iata_code && a.municipality && airportTypes.includes(a.type))
        .filter(servesState)
        .map((a) => ({
            code: a.iata_code,
            town: state === 'DC' ? 'Washington' : townName(a.municipality),
            rank: airportClass(a),
            latitude: a.latitude_deg,
            longitude: a.longitude_deg,
        }));
    // The FAA's identifiers of airports that OurAirports knows under any code.
    const knownCodes = new Set();
    for (const a of known)
        for (const code of [a.iata_code, a.local_code, a.gps_code]) if (code) knownCodes.add(code);
    const fill = sources.faaAirports
        .filter((a) => a.state === state && a.city && !knownCodes.has(a.iata))
        .map((a) => ({
            code: a.iata,
            town: townName(a.city),
            // Three-letter identifiers belong to the public airports.
            rank: (1 + airportTypes.length) * 2 + (/^[A-Z]{3}$/.test(a.iata) ? 0 : 1),
            latitude: a.latitude,
            longitude: a.longitude,
        }));
    const chosen = [...candidates, ...fill]
        .filter(inState)
        .sort((a, b) => a.rank - b.rank || populationOf(b.town) - populationOf(a.town) ||
                        (a.code < b.code ? -1 : 1))
        .slice(0, count);
    if (chosen.length < count) throw new Error(`${state}: only ${chosen.length} airports`);
    return chosen
        .map((a) => place(a.latitude, a.longitude, `[${a.code}] ${a.town}, ${state}`,
                          `${a.town}\u0000${a.code}`))
        .sort((a, b) => compareNames(a.sortBy, b.sortBy));
}

function cityNamed(sources, country, name) {
    const found = sources.cities
        .filter((c) => c.country === country && c.name === name)
        .sort((a, b) => b.population - a.population);
    if (found.length === 0) throw new Error(`no city ${name} in ${country}`);
    return found[0];
}

// The start-up place, then places at the edges of what the sun does: where it
// does not rise or set for weeks in the far north and the far south, and on
// the equator, where the days hardly change.
function chooseSpecialLocations(sources, provinceCodes, startLatitude, startLongitude) {
    const nearest = sources.cities
        .filter((c) => c.country === 'US')
        .map((c) => [distanceKm(startLatitude, startLongitude, c.latitude, c.longitude), c])
        .sort((a, b) => a[0] - b[0])[0];
    if (nearest[0] > 2) throw new Error('the start-up place is no town');
    const alert = sources.airports.find((a) => a.iata_code === 'YLT');
    const barrow = cityNamed(sources, 'US', 'Barrow');
    const macapa = cityNamed(sources, 'BR', 'Macapá');
    const mcmurdo = cityNamed(sources, 'AQ', 'McMurdo Station');
    return [
        place(startLatitude, startLongitude, cityName(nearest[1], provinceCodes)),
        place(alert.latitude_deg, alert.longitude_deg,
              `${alert.municipality}, ${canadianProvinces[alert.iso_region]}`),
        place(barrow.latitude, barrow.longitude, cityName(barrow, provinceCodes)),
        place(macapa.latitude, macapa.longitude,
              `${displayName(macapa)}, ${sources.countries.BR.name}`),
        place(mcmurdo.latitude, mcmurdo.longitude,
              `${displayName(mcmurdo)}, ${sources.countries.AQ.name}`),
    ];
}

module.exports = {
    canadianAdminCodes,
    chooseCities,
    chooseCapitals,
    chooseAirports,
    chooseSpecialLocations,
};
