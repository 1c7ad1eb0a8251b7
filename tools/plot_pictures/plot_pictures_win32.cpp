// zelmora_plot_pictures: the plot of each presentation mode for the whole
// current year at 40.6883 N, 75.2164 W in a fixed zone 5 hours west of UTC,
// drawn 800 x 600 into a memory device context as the window draws it, and
// written as FOLDER/mode_<n>.png (or .bmp, 24 bits, with "bmp").
//   zelmora_plot_pictures FOLDER [png|bmp]
#include <windows.h>
#include <wincodec.h>

#include <cstdio>
#include <cwchar>
#include <vector>

#include "presentation/presentation_state.h"
#include "presentation/sun_times_plot.h"
#include "support/bounded_format.h"
#include "suntimes/calendar.h"
#include "suntimes/sun_times_series.h"
#include "ui/win32_support.h"

namespace {

const int kWidth = 800, kHeight = 600;
const int kModes[] = {kModeTime,  kModeVelocity,     kModeAcceleration,
                      kModeHours, kModeHourVelocity, kModeHourAcceleration};

// Rows of 24-bit blue-green-red pixels, top row first.
using Pixels = std::vector<unsigned char>;

bool WriteBmp(const wchar_t* path, const Pixels& bgr) {
    FILE* file = _wfopen(path, L"wb");
    if (file == nullptr) return false;
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    const BITMAPFILEHEADER head{0x4d42, offset + 3 * kWidth * kHeight, 0, 0, offset};
    const BITMAPINFOHEADER info{sizeof info, kWidth, kHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    fwrite(&head, sizeof head, 1, file);
    fwrite(&info, sizeof info, 1, file);
    for (int y = kHeight - 1; y >= 0; --y) // bottom-up; 2400 bytes a row need no padding
        fwrite(&bgr[3 * kWidth * y], 1, 3 * kWidth, file);
    return fclose(file) == 0;
}

bool WritePng(const wchar_t* path, const Pixels& bgr) {
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    bool ok =
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromFilename(path, GENERIC_WRITE)) &&
        SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
        SUCCEEDED(frame->Initialize(nullptr)) && SUCCEEDED(frame->SetSize(kWidth, kHeight)) &&
        SUCCEEDED(frame->SetPixelFormat(&format)) &&
        IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
        SUCCEEDED(frame->WritePixels(kHeight, 3 * kWidth, static_cast<UINT>(bgr.size()),
                                     const_cast<BYTE*>(bgr.data()))) &&
        SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    if (frame != nullptr) frame->Release();
    if (encoder != nullptr) encoder->Release();
    if (stream != nullptr) stream->Release();
    if (factory != nullptr) factory->Release();
    return ok;
}

// The plot of the current mode, drawn as the window draws it.
Pixels DrawPlot() {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC dc = CreateCompatibleDC(nullptr);
    DWORD* bits = nullptr;
    HBITMAP bitmap =
        CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    DrawSunTimesPlot(dc, RECT{0, 0, kWidth, kHeight}, true);
    GdiFlush();
    Pixels bgr(3 * kWidth * kHeight);
    for (int i = 0; i < kWidth * kHeight; ++i)
        for (int c = 0; c < 3; ++c)
            bgr[3 * i + c] = static_cast<unsigned char>(bits[i] >> (8 * c));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return bgr;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2 || (argc > 2 && wcscmp(argv[2], L"png") != 0 && wcscmp(argv[2], L"bmp") != 0)) {
        fwprintf(stderr, L"usage: zelmora_plot_pictures FOLDER [png|bmp]\n");
        return 2;
    }
    const bool png = argc < 3 || wcscmp(argv[2], L"png") == 0;
    if (png && FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    CreateFonts();

    const int year = CurrentUtcYear();
    TIME_ZONE_INFORMATION zone = {};
    zone.Bias = 300;
    CopyText(zone.StandardName, 32, L"Eastern Standard Time");
    siteLatitude = 40.6883;
    siteLongitude = -75.2164;
    SYSTEMTIME first = {}, last = {};
    first.wYear = last.wYear = static_cast<WORD>(year);
    first.wMonth = first.wDay = 1;
    last.wMonth = 12;
    last.wDay = 31;
    plotView = kViewPlot;
    int failures = 0;
    for (int mode : kModes) {
        DataKind = mode & ~kShowLengths;
        sunTimesSeries.showLengths = mode & kShowLengths;
        if (SetSunTimesDateRange(first, last) <= 0 ||
            CalcSunTimesSeries(year, &zone, siteLatitude, siteLongitude) <= 0) {
            fwprintf(stderr, L"cannot compute %d\n", year);
            return 1;
        }
        wchar_t path[MAX_PATH];
        FormatText(path, MAX_PATH, L"%ls\\mode_%d.%ls", argv[1], mode, png ? L"png" : L"bmp");
        const Pixels bgr = DrawPlot();
        const bool written = png ? WritePng(path, bgr) : WriteBmp(path, bgr);
        fwprintf(written ? stdout : stderr, L"%ls %ls\n", written ? L"wrote" : L"cannot write",
                 path);
        failures += !written;
    }
    if (png) CoUninitialize();
    return failures == 0 ? 0 : 1;
}
