// "View Error Log": opens the error log file with the program that the
// system associates with its type. Windows only.
#pragma once

// Opens the log. Returns 1, or 0 after a report: "File Not Found: "<path>"",
// "Execute Error Log Failed: No Program Is Associated with "<.ext>" Files:
// "<path>"", or "Execute Error Log Failed: "<path>"".
int ViewErrorLog();
