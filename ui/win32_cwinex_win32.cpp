#include "ui/win32_cwinex.h"

#include <cwchar>

#include "support/error_report.h"

PreviousPlacement lastPlacedControl = {0, 0, 0, 0};

namespace {

// One entry being laid out: where its earlier entries are and its text size,
// measured at most once.
struct EntryLayout {
    ControlTable* table;
    int index;
    HWND parent;
    bool measured;
    LayoutSize text;
};

HFONT FontOf(const ControlTable& table, const ControlEntry& entry) {
    if (entry.font != nullptr) return *entry.font;
    return table.defaultFont != nullptr ? *table.defaultFont : nullptr;
}

LayoutRect ToLayout(const RECT& r) {
    return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
            static_cast<int>(r.bottom)};
}

LayoutRect EarlierRect(int index, void* context) {
    const EntryLayout* layout = static_cast<EntryLayout*>(context);
    return ToLayout(layout->table->entries[index].rect);
}

// The entry's text (or "X" when it has none) in its font, measured in a
// hidden static control as the control itself would show it.
LayoutSize MeasureEntryText(void* context) {
    EntryLayout* layout = static_cast<EntryLayout*>(context);
    if (layout->measured) return layout->text;
    layout->measured = true;
    layout->text = {0, 0};
    const ControlEntry& entry = layout->table->entries[layout->index];
    const wchar_t* text = entry.text != nullptr && entry.text[0] != L'\0' ? entry.text : L"X";
    HWND probe = CreateWindowExW(0, L"static", text, layout->parent ? WS_CHILD : WS_POPUP, 0, 0, 0,
                                 0, layout->parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (probe == nullptr) return layout->text;
    HFONT font = FontOf(*layout->table, entry);
    if (font != nullptr) SendMessageW(probe, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    HDC dc = GetDC(probe);
    HGDIOBJ old = font != nullptr ? SelectObject(dc, font) : nullptr;
    SIZE size;
    if (GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size))
        layout->text = {static_cast<int>(size.cx), static_cast<int>(size.cy)};
    if (old != nullptr) SelectObject(dc, old);
    ReleaseDC(probe, dc);
    DestroyWindow(probe);
    return layout->text;
}

bool IsComboBox(const ControlEntry& entry) {
    return entry.className != nullptr && _wcsicmp(entry.className, L"combobox") == 0;
}

// Computes entry `index`'s rectangle in `area`; false leaves it as it was.
bool ComputeEntryRect(ControlTable& table, int index, HWND parent, const RECT& area) {
    ControlEntry& entry = table.entries[index];
    EntryLayout layout = {&table, index, parent, false, {0, 0}};
    const LayoutSources sources = {EarlierRect, MeasureEntryText, &layout};
    const PositionCodeValue codes[4] = {entry.x, entry.y, entry.width, entry.height};
    LayoutRect placed;
    if (!ComputeControlRect(codes, index, ToLayout(area), sources, lastPlacedControl, &placed))
        return false;
    entry.rect = {placed.left, placed.top, placed.right, placed.bottom};
    // A combo box's height is its edit line; the list drops below it.
    if (IsComboBox(entry))
        entry.rect.bottom = entry.rect.top + MeasureEntryText(&layout).height + 6;
    return true;
}

void MoveToRect(HWND window, const RECT& r) {
    MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

// Creates the entry's control; false after a report.
bool CreateEntry(const ControlTable& table, ControlEntry& entry, HWND parent) {
    const RECT& r = entry.rect;
    entry.window =
        CreateWindowExW(entry.exStyle, entry.className, entry.text != nullptr ? entry.text : L"",
                        entry.style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)),
                        GetModuleHandleW(nullptr), entry.param);
    if (entry.window == nullptr) {
        ReportErrorCategory(kErrorLastError, L"Cannot create the %ls control %d",
                            entry.className != nullptr ? entry.className : L"", entry.id);
        return false;
    }
    HFONT font = FontOf(table, entry);
    if (font != nullptr)
        SendMessageW(entry.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return true;
}

} // namespace

int CreateOrPlaceControls(ControlTable& table, HWND parent, const RECT* area, RECT* bounds) {
    RECT layoutArea;
    if (area != nullptr)
        layoutArea = *area;
    else if (!GetClientRect(parent, &layoutArea))
        SetRectEmpty(&layoutArea);
    if (IsRectEmpty(&layoutArea)) return -1;

    RECT all;
    SetRectEmpty(&all);
    int result = 1;
    for (int i = 0; table.entries != nullptr && i < table.count; ++i) {
        ControlEntry& entry = table.entries[i];
        ComputeEntryRect(table, i, parent, layoutArea);
        const bool wanted = entry.width != 0 && entry.height != 0;
        if (entry.window != nullptr && !wanted) {
            DestroyWindow(entry.window);
            entry.window = nullptr;
        } else if (entry.window != nullptr) {
            MoveToRect(entry.window, entry.rect);
        } else if (wanted && !CreateEntry(table, entry, parent)) {
            result = 0;
        }
        UnionRect(&all, &all, &entry.rect);
    }
    if (bounds != nullptr) *bounds = all;
    return result;
}

void PlaceControlsAgain(ControlTable& table, HWND parent) {
    RECT area;
    if (!GetClientRect(parent, &area)) return;
    for (int i = 0; table.entries != nullptr && i < table.count; ++i) {
        ControlEntry& entry = table.entries[i];
        if (entry.window == nullptr) continue;
        if (ComputeEntryRect(table, i, parent, area)) MoveToRect(entry.window, entry.rect);
    }
}
