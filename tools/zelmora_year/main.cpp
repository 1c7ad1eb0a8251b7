// zelmora-year: a year of sun times for one place and zone, as CSV.
#include "tools/zelmora_year/year_table.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <cstdio>

int wmain(int argc, wchar_t** argv) {
    // The same bytes on every platform: lines end in "\n".
    _setmode(_fileno(stdout), _O_BINARY);
    return RunYearTool(argc - 1, argv + 1);
}
#else
#include <clocale>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    std::setlocale(LC_CTYPE, "");
    std::vector<std::wstring> wide;
    for (int i = 1; i < argc; ++i) {
        std::wstring arg(std::mbstowcs(nullptr, argv[i], 0) + 1, L'\0');
        size_t n = std::mbstowcs(&arg[0], argv[i], arg.size());
        if (n == static_cast<size_t>(-1)) n = 0; // undecodable: parsed as empty, rejected
        arg.resize(n);
        wide.push_back(arg);
    }
    std::vector<const wchar_t*> args;
    for (const std::wstring& w : wide)
        args.push_back(w.c_str());
    return RunYearTool(static_cast<int>(args.size()), args.data());
}
#endif
