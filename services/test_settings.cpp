#include "services/test_settings.h"

#include <cstdlib>
#include <cwchar>
#include <cwctype>

namespace {

enum { kLargestDivisor = 100000, kHostLength = 256 };

int ReadDivisor() {
    const char* text = std::getenv("ZELMORA_TEST_TIME_DIVISOR");
    if (text == nullptr) return 1;
    const long value = std::strtol(text, nullptr, 10);
    if (value < 1) return 1;
    return value > kLargestDivisor ? kLargestDivisor : static_cast<int>(value);
}

bool ReadLoopbackOnly() {
    const char* text = std::getenv("ZELMORA_TEST_LOOPBACK_ONLY");
    return text != nullptr && text[0] != '\0' && text[0] != '0';
}

} // namespace

int TestTimeDivisor() {
    static const int divisor = ReadDivisor();
    return divisor;
}

uint64_t TestScaledMilliseconds(uint64_t milliseconds) {
    return milliseconds / static_cast<uint64_t>(TestTimeDivisor());
}

bool LoopbackAddressesOnly() {
    static const bool loopbackOnly = ReadLoopbackOnly();
    return loopbackOnly;
}

bool IsLoopbackAddress(const wchar_t* address) {
    if (address == nullptr) return false;
    const wchar_t* host = std::wcsstr(address, L"://");
    host = host != nullptr ? host + 3 : address;
    // Any user name ends at "@" before the host.
    const wchar_t* end = host + std::wcscspn(host, L"/?#");
    for (const wchar_t* p = host; p < end; ++p)
        if (*p == L'@') host = p + 1;
    wchar_t name[kHostLength];
    int length = 0;
    for (const wchar_t* p = host; p < end && *p != L':' && length < kHostLength - 1; ++p)
        name[length++] = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(*p)));
    name[length] = L'\0';
    if (std::wcscmp(name, L"localhost") == 0) return true;
    // Four decimal parts, the first 127.
    int parts = 0;
    const wchar_t* p = name;
    while (*p != L'\0') {
        wchar_t* stop = nullptr;
        const long part = std::wcstol(p, &stop, 10);
        if (stop == p || part < 0 || part > 255 || (parts == 0 && part != 127)) return false;
        ++parts;
        p = stop;
        if (*p == L'.')
            ++p;
        else if (*p != L'\0')
            return false;
    }
    return parts == 4;
}
