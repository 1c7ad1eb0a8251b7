// The rebar's bands: one per toolbar, arranged as last recorded or in one row.
#include "ui/win32_toolbars.h"

#include <algorithm>

#include "resources/resource_ids.h"

HWND rebarWindow = nullptr;

BandRow bandTable[kBandRows] = {
    {nullptr, IDB_BAND_FILE, 11, 0, false, nullptr, {0, 0, 0, 0}},
    {nullptr, IDB_BAND_HELP, 10, 0, false, nullptr, {0, 0, 0, 0}},
    {nullptr, IDB_BAND_SUNTIMES, 9, 0, false, nullptr, {0, 0, 0, 0}},
    {nullptr, IDB_BAND_DISPLAY, 8, 0, false, nullptr, {0, 0, 0, 0}},
    {nullptr, 9405, 7, 0, false, nullptr, {0, 0, 0, 0}},
    {nullptr, 9406, 6, 0, false, nullptr, {0, 0, 0, 0}},
};

RECT recordedToolbarRects[kToolbarCount] = {};

namespace {

const int kChevronRoom = 13;

bool HasChevron(const BandRow& row) {
    return (row.style & RBBS_USECHEVRON) != 0;
}

int NaturalWidth(const BandRow& row) {
    return row.rect.right - row.rect.left;
}

int ButtonHeight(HWND toolbar) {
    return HIWORD(static_cast<DWORD>(SendMessageW(toolbar, TB_GETBUTTONSIZE, 0, 0)));
}

// A record fits when every toolbar exists and its rectangle has the height of
// the toolbar's client area less the band's edges; an empty record never fits.
bool RecordIsUsable(const BandRow* rows) {
    for (int i = 0; i < kToolbarCount; ++i) {
        const RECT& r = recordedToolbarRects[i];
        RECT client;
        if (rows[i].toolbar == nullptr || !GetClientRect(rows[i].toolbar, &client)) return false;
        if (r.right < 0 || r.bottom < 0) return false;
        if (r.bottom - r.top != client.bottom - client.top - 6) return false;
    }
    return true;
}

void AppendBand(HWND rebar, const BandRow& row, bool recordUsable, const RECT& record) {
    const int buttonHeight = ButtonHeight(row.toolbar);
    const int width = NaturalWidth(row);
    REBARBANDINFOW band = {};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_STYLE | RBBIM_COLORS | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE |
                 RBBIM_IDEALSIZE | RBBIM_ID;
    band.fStyle = row.style | RBBS_GRIPPERALWAYS | RBBS_CHILDEDGE;
    if (row.breakBefore) band.fStyle |= RBBS_BREAK;
    band.clrFore = GetSysColor(COLOR_BTNTEXT);
    band.clrBack = GetSysColor(COLOR_BTNFACE);
    if (row.text != nullptr) {
        band.fMask |= RBBIM_TEXT;
        band.lpText = const_cast<wchar_t*>(row.text);
    }
    band.hwndChild = row.toolbar;
    band.cyMinChild = buttonHeight + 1;
    band.cyChild = buttonHeight + 1;
    band.cyMaxChild = buttonHeight + 9;
    band.cyIntegral = 1;
    band.cxMinChild = HasChevron(row) ? buttonHeight + 8 : width;
    band.cx = width;
    if (HasChevron(row)) {
        band.cx += kChevronRoom;
        if (recordUsable && record.right - record.left >= static_cast<LONG>(band.cx) + kChevronRoom)
            band.cx += kChevronRoom;
    }
    band.cxIdeal = width;
    band.wID = row.bandId;
    SendMessageW(rebar, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
}

void RecordToolbarRects(const BandRow* rows) {
    for (int i = 0; i < kToolbarCount; ++i) {
        if (rows[i].toolbar == nullptr || !GetWindowRect(rows[i].toolbar, &recordedToolbarRects[i]))
            SetRectEmpty(&recordedToolbarRects[i]);
    }
}

} // namespace

void InsertBands(HWND rebar, BandRow* rows) {
    int order[kToolbarCount] = {0, 1, 2, 3};
    const bool usable = RecordIsUsable(rows);
    for (int i = 0; i < kToolbarCount; ++i)
        rows[i].breakBefore = false;
    if (usable) {
        const RECT* r = recordedToolbarRects;
        std::stable_sort(order, order + kToolbarCount, [r](int a, int b) {
            return r[a].top != r[b].top ? r[a].top < r[b].top : r[a].left < r[b].left;
        });
        for (int k = 1; k < kToolbarCount; ++k)
            rows[order[k]].breakBefore = r[order[k]].top != r[order[k - 1]].top;
    } else {
        for (RECT& r : recordedToolbarRects)
            SetRectEmpty(&r);
    }
    for (int k = 0; k < kToolbarCount; ++k) {
        const int i = order[k];
        if (rows[i].toolbar != nullptr) AppendBand(rebar, rows[i], usable, recordedToolbarRects[i]);
    }
    // The rebar places each toolbar inside its band; the record decided the
    // bands' order and rows, so what is recorded now is where they are.
    RecordToolbarRects(rows);
}

void DefaultBands(BandRow* rows) {
    if (rebarWindow == nullptr) return;
    int position = 0;
    for (int i = 0; i < kToolbarCount; ++i) {
        rows[i].breakBefore = false;
        const LRESULT index = SendMessageW(rebarWindow, RB_IDTOINDEX, rows[i].bandId, 0);
        if (rows[i].toolbar == nullptr || index < 0) continue;
        SendMessageW(rebarWindow, RB_MOVEBAND, index, position);
        REBARBANDINFOW band = {};
        band.cbSize = sizeof band;
        band.fMask = RBBIM_STYLE;
        SendMessageW(rebarWindow, RB_GETBANDINFOW, position, reinterpret_cast<LPARAM>(&band));
        band.fMask = RBBIM_STYLE | RBBIM_SIZE;
        band.fStyle &= ~RBBS_BREAK;
        band.cx = NaturalWidth(rows[i]) + (HasChevron(rows[i]) ? kChevronRoom : 0);
        SendMessageW(rebarWindow, RB_SETBANDINFOW, position, reinterpret_cast<LPARAM>(&band));
        ++position;
    }
    RecordToolbarRects(rows);
}
