#include "presentation/sun_times_export.h"

#include <cwchar>
#include <cwctype>
#include <new>

#include "presentation/event_captions.h"
#include "presentation/presentation_state.h"
#include "presentation/sun_times_table.h"
#include "presentation/table_text.h"
#include "support/error_report.h"
#include "support/file_system.h"
#include "suntimes/solar_events.h"
#include "suntimes/sun_times_series.h"
#include "timezones/time_zone_catalogue.h"

namespace {

const wchar_t* CsvKindLine(int mode) {
    switch (mode) {
    case kModeTime:
        return L"Times";
    case kModeVelocity:
        return L"Velocity(Delta Time(Sec)/day)";
    case kModeAcceleration:
        return L"Acceleration(Delta Veloctiy(Sec*Sec)/day";
    case kModeHours:
        return L"Hours";
    case kModeHourVelocity:
        return L"Velocity(Delta Hours(Sec)/day)";
    case kModeHourAcceleration:
        return L"Acceleration(Delta Hours Veloctiy(Sec*Sec)/day";
    default:
        return L"";
    }
}

void WriteCsv(TableText& out) {
    const SunTimesSeries& s = sunTimesSeries;
    if (s.dayCount == 0) return;
    const int mode = PresentationMode();
    out.PutFormatted(L"%ls\n", CsvKindLine(mode));
    // Two blanks and no comma: the place is one field.
    out.PutFormatted(L"Latitude = %g  Longitude = %g\n", siteLatitude, siteLongitude);
    wchar_t zone[TableText::kPieceLength];
    FormatZoneOffset(&currentZone, zone, TableText::kPieceLength);
    out.PutFormatted(L"Timezone = %ls\n", zone);
    const bool lengths = s.showLengths != 0;
    out.Put(L"Date");
    for (int k = 0; k < kSunEventCount; ++k)
        out.PutFormatted(L",%ls", EventCaption(k, lengths));
    out.Put(L"\n");
    // Every column, whatever the check boxes show.
    const int first = s.startDay < 0 ? 0 : s.startDay;
    const int last = s.endDay >= kSeriesDays ? kSeriesDays - 1 : s.endDay;
    for (int d = first; d <= last; ++d) {
        const SunTimesRecord& r = s.records[d];
        out.PutFormatted(L" %2d/%02d/%02d", r.month, r.day, r.year);
        for (const SunEvent& event : r.events) {
            wchar_t cell[kTableCellLength];
            FormatSunTimesCell(event, mode, cell);
            out.PutFormatted(L",%ls", cell);
        }
        out.Put(L"\n");
    }
}

void WriteTextFile(TableText& out) {
    if (sunTimesSeries.dayCount == 0) {
        wchar_t title[TableText::kPieceLength];
        FormatDisplayTitle(title, TableText::kPieceLength);
        out.Put(title);
        return;
    }
    const int length = SunTimesTableLength(L"\n");
    wchar_t* table = new (std::nothrow) wchar_t[length + 1];
    if (table == nullptr) return;
    FormatSunTimesTable(table, length + 1, L"\n");
    out.Put(table);
    delete[] table;
}

} // namespace

int FormatSunTimesCsv(wchar_t* buffer, int capacity) {
    if (buffer == nullptr || capacity <= 0) return 0;
    buffer[0] = L'\0';
    TableText out(buffer, capacity);
    WriteCsv(out);
    return out.Written();
}

int SunTimesCsvLength() {
    TableText out(nullptr, 0);
    WriteCsv(out);
    return out.Needed();
}

int FormatSunTimesTextFile(wchar_t* buffer, int capacity) {
    if (buffer == nullptr || capacity <= 0) return 0;
    buffer[0] = L'\0';
    TableText out(buffer, capacity);
    WriteTextFile(out);
    return out.Written();
}

int SunTimesTextFileLength() {
    if (sunTimesSeries.dayCount == 0) {
        wchar_t title[TableText::kPieceLength];
        return FormatDisplayTitle(title, TableText::kPieceLength);
    }
    return SunTimesTableLength(L"\n");
}

bool IsCsvTitle(const wchar_t* title) {
    if (title == nullptr) return false;
    const size_t length = std::wcslen(title);
    if (length < 3) return false;
    const wchar_t* end = title + length - 3;
    return std::towupper(end[0]) == L'C' && std::towupper(end[1]) == L'S' &&
           std::towupper(end[2]) == L'V';
}

const wchar_t* DefaultSaveName(int mode) {
    switch (mode) {
    case kModeVelocity:
        return L"Zelmora_Velocity";
    case kModeAcceleration:
        return L"Zelmora_Acceleration";
    case kModeHours:
        return L"Zelmora_Hours";
    case kModeHourVelocity:
        return L"Zelmora_Hour_Velocity";
    case kModeHourAcceleration:
        return L"Zelmora_Hour_Acceleration";
    default:
        return L"Zelmora_Time";
    }
}

int EncodeTextFile(const wchar_t* text, char* bytes, size_t capacity) {
    if (text == nullptr || bytes == nullptr) return -1;
    size_t count = 0;
    for (const wchar_t* p = text; *p != L'\0'; ++p) {
        const unsigned long code = static_cast<unsigned long>(*p);
        if (code > 0xFF) return -1;
        if (code == L'\n') {
            if (count + 2 > capacity) return -1;
            bytes[count++] = '\r';
        } else if (count + 1 > capacity) {
            return -1;
        }
        bytes[count++] = static_cast<char>(code);
    }
    return count > 0x7fffffff ? -1 : static_cast<int>(count);
}

namespace {

struct FileBytes {
    const char* bytes;
    size_t count;
};

bool WriteBytes(FILE* file, void* context) {
    const FileBytes* content = static_cast<const FileBytes*>(context);
    return std::fwrite(content->bytes, 1, content->count, file) == content->count;
}

} // namespace

bool WriteSunTimesFile(const wchar_t* path, const wchar_t* title) {
    const bool csv = IsCsvTitle(title);
    const int length = csv ? SunTimesCsvLength() : SunTimesTextFileLength();
    // The body, one more line end, and every line end doubled in the bytes.
    const size_t capacity = 2 * (static_cast<size_t>(length) + 2);
    wchar_t* text = new (std::nothrow) wchar_t[length + 2];
    char* bytes = new (std::nothrow) char[capacity];
    bool written = false;
    if (text == nullptr || bytes == nullptr) {
        ReportError(L"Insufficient Memory Storage");
    } else {
        const int body = csv ? FormatSunTimesCsv(text, length + 1)
                             : FormatSunTimesTextFile(text, length + 1);
        text[body] = L'\n';
        text[body + 1] = L'\0';
        const int count = EncodeTextFile(text, bytes, capacity);
        FileBytes content{bytes, static_cast<size_t>(count)};
        written = count >= 0 && WriteFileReplacing(path, "wb", WriteBytes, &content);
    }
    delete[] text;
    delete[] bytes;
    return written;
}
