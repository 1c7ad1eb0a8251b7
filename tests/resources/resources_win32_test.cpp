// The program's resources, compiled from resources/zelmora.rc into this test
// executable, loaded the way the program loads them.
#include "resources/resource_ids.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

const COLORREF kToolbarBackground = RGB(222, 228, 243);
const int kImageSize = 20;

HINSTANCE Module() {
    return GetModuleHandleW(nullptr);
}

// A bitmap resource loaded as a DIB section, so that its own colour depth and
// pixels can be read back.
class DibBitmap {
  public:
    explicit DibBitmap(int id)
        : handle_(static_cast<HBITMAP>(LoadImageW(Module(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0,
                                                  0, LR_CREATEDIBSECTION))) {
        if (handle_ && GetObjectW(handle_, sizeof(dib_), &dib_) != sizeof(dib_)) {
            DeleteObject(handle_);
            handle_ = nullptr;
        }
    }
    ~DibBitmap() {
        if (handle_) DeleteObject(handle_);
    }
    DibBitmap(const DibBitmap&) = delete;
    DibBitmap& operator=(const DibBitmap&) = delete;

    bool Loaded() const { return handle_ != nullptr; }
    HBITMAP Handle() const { return handle_; }
    int Width() const { return dib_.dsBm.bmWidth; }
    int Height() const { return dib_.dsBm.bmHeight; }
    int BitsPerPixel() const { return dib_.dsBm.bmBitsPixel; }

    // Pixel at (x, y), y counted from the top, of a 24-bit bottom-up DIB.
    COLORREF Pixel(int x, int y) const {
        const auto* bits = static_cast<const std::uint8_t*>(dib_.dsBm.bmBits);
        const int row = dib_.dsBm.bmHeight - 1 - y;
        const std::uint8_t* p = bits + row * dib_.dsBm.bmWidthBytes + 3 * x;
        return RGB(p[2], p[1], p[0]);
    }

    // Pixels of the 20x20 image at the given index of a toolbar strip.
    std::vector<COLORREF> Image(int index) const {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < kImageSize; ++y)
            for (int x = 0; x < kImageSize; ++x)
                pixels.push_back(Pixel(index * kImageSize + x, y));
        return pixels;
    }

  private:
    HBITMAP handle_;
    DIBSECTION dib_{};
};

int CountNotBackground(const std::vector<COLORREF>& pixels) {
    int count = 0;
    for (COLORREF c : pixels)
        if (c != kToolbarBackground) ++count;
    return count;
}

struct Strip {
    int id;
    int images;
};

TEST(ResourcesToolbarStrips, AreTwentyPixelImagesOfTwentyFourBitsOnTheToolbarColour) {
    for (Strip strip : {Strip{IDB_SUNTIMES_TOOLS, 8}, Strip{IDB_FILE_TOOLS, 23}}) {
        SCOPED_TRACE(strip.id);
        DibBitmap bitmap(strip.id);
        ASSERT_TRUE(bitmap.Loaded());
        EXPECT_EQ(bitmap.Width(), strip.images * kImageSize);
        EXPECT_EQ(bitmap.Height(), kImageSize);
        EXPECT_EQ(bitmap.BitsPerPixel(), 24);
        for (int i = 0; i < strip.images; ++i) {
            SCOPED_TRACE(i);
            const std::vector<COLORREF> image = bitmap.Image(i);
            // Each image stands on the toolbar's own colour and shows a picture.
            EXPECT_EQ(image.front(), kToolbarBackground);
            EXPECT_GT(CountNotBackground(image), 60);
        }
    }
}

TEST(ResourcesToolbarStrips, TheSixInternetButtonStatesAllLookDifferent) {
    DibBitmap bitmap(IDB_FILE_TOOLS);
    ASSERT_TRUE(bitmap.Loaded());
    for (int a = 13; a <= 18; ++a)
        for (int b = a + 1; b <= 18; ++b)
            EXPECT_NE(bitmap.Image(a), bitmap.Image(b)) << "images " << a << " and " << b;
}

TEST(ResourcesToolbarStrips, FillTheToolbarImageListsInOrder) {
    // The Help, Sun Times and Display toolbars hold strip 111 then strip 9600,
    // so that the Help button's image 28 is image 20 of strip 9600.
    HIMAGELIST list = ImageList_Create(kImageSize, kImageSize, ILC_COLOR24, 0, 999);
    ASSERT_NE(list, nullptr);
    for (int id : {IDB_SUNTIMES_TOOLS, IDB_FILE_TOOLS}) {
        HBITMAP bitmap = static_cast<HBITMAP>(
            LoadImageW(Module(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(ImageList_Add(list, bitmap, nullptr), id == IDB_SUNTIMES_TOOLS ? 0 : 8);
        DeleteObject(bitmap);
    }
    EXPECT_EQ(ImageList_GetImageCount(list), 31);
    ImageList_Destroy(list);
}

TEST(ResourcesMenuBitmaps, LoadAsTheMenusLoadThemAndFitTheCheckMarkArea) {
    const int ids[] = {IDB_MENU_SUNTIMES, IDB_MENU_INTERNET, IDB_MENU_OPEN,      IDB_MENU_SAVE,
                       IDB_MENU_SAVEAS,   IDB_MENU_PRINT,    IDB_MENU_HELP,      IDB_MENU_EXIT,
                       IDB_MENU_LOG,      IDB_MENU_WEB,      IDB_MENU_WEB_UPDATE};
    const int checkWidth = GetSystemMetrics(SM_CXMENUCHECK);
    const int checkHeight = GetSystemMetrics(SM_CYMENUCHECK);
    for (int id : ids) {
        SCOPED_TRACE(id);
        HANDLE shared =
            LoadImageW(Module(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_SHARED | LR_VGACOLOR);
        EXPECT_NE(shared, nullptr);
        DibBitmap bitmap(id);
        ASSERT_TRUE(bitmap.Loaded());
        EXPECT_EQ(bitmap.Width(), 11);
        EXPECT_EQ(bitmap.Height(), 11);
        EXPECT_EQ(bitmap.BitsPerPixel(), 24);
        EXPECT_LE(bitmap.Width(), checkWidth);
        EXPECT_LE(bitmap.Height(), checkHeight);
    }
}

TEST(ResourcesMenuBitmaps, TheWebSiteItemShowsWhetherAnUpdateIsReady) {
    DibBitmap noUpdate(IDB_MENU_WEB);
    DibBitmap updateReady(IDB_MENU_WEB_UPDATE);
    ASSERT_TRUE(noUpdate.Loaded());
    ASSERT_TRUE(updateReady.Loaded());
    // Centre of the globe: blue without an update, green with one.
    const COLORREF blue = noUpdate.Pixel(4, 4);
    const COLORREF green = updateReady.Pixel(4, 4);
    EXPECT_GT(GetBValue(blue), GetGValue(blue));
    EXPECT_GT(GetBValue(blue), GetRValue(blue));
    EXPECT_GT(GetGValue(green), GetBValue(green));
    EXPECT_GT(GetGValue(green), GetRValue(green));
}

void ExpectIconSize(HICON icon, int size) {
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    ASSERT_NE(info.hbmColor, nullptr);
    ASSERT_EQ(GetObjectW(info.hbmColor, sizeof(colour), &colour), int(sizeof(colour)));
    EXPECT_EQ(colour.bmWidth, size);
    EXPECT_EQ(colour.bmHeight, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST(ResourcesIcons, TheProgramIconHasLargeAndSmallImagesAndTheSmallIconLoads) {
    struct Case {
        int id;
        int size;
    };
    for (Case c : {Case{IDI_ZELMORA, 32}, Case{IDI_ZELMORA, 16}, Case{IDI_SMALL, 16}}) {
        SCOPED_TRACE(c.id * 100 + c.size);
        HICON icon = static_cast<HICON>(
            LoadImageW(Module(), MAKEINTRESOURCEW(c.id), IMAGE_ICON, c.size, c.size, 0));
        ASSERT_NE(icon, nullptr);
        ExpectIconSize(icon, c.size);
        DestroyIcon(icon);
    }
    // The window class and the About box take the icon with LoadIconW.
    EXPECT_NE(LoadIconW(Module(), MAKEINTRESOURCEW(IDI_ZELMORA)), nullptr);
}

TEST(ResourcesAccelerators, AltQuestionMarkAndAltSlashAreCharacterKeysForAbout) {
    HACCEL table = LoadAcceleratorsW(Module(), MAKEINTRESOURCEW(IDA_ZELMORA));
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(CopyAcceleratorTableW(table, nullptr, 0), 2);
    ACCEL entries[2]{};
    ASSERT_EQ(CopyAcceleratorTableW(table, entries, 2), 2);
    EXPECT_EQ(entries[0].key, L'?');
    EXPECT_EQ(entries[1].key, L'/');
    for (const ACCEL& entry : entries) {
        EXPECT_EQ(entry.fVirt & ~FNOINVERT, FALT);
        EXPECT_EQ(entry.cmd, IDM_ABOUT);
    }
}

std::vector<WPARAM> commandsReceived;

LRESULT CALLBACK RecordCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) commandsReceived.push_back(wParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(ResourcesAccelerators, TurnTypedAltCharactersIntoTheAboutCommand) {
    HACCEL table = LoadAcceleratorsW(Module(), MAKEINTRESOURCEW(IDA_ZELMORA));
    ASSERT_NE(table, nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = RecordCommands;
    wc.hInstance = Module();
    wc.lpszClassName = L"ZelmoraAcceleratorTest";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                  HWND_MESSAGE, nullptr, Module(), nullptr);
    ASSERT_NE(window, nullptr);
    // Accelerators read the Alt key from the thread's keyboard state.
    BYTE keys[256];
    ASSERT_TRUE(GetKeyboardState(keys));
    struct Case {
        UINT message;
        wchar_t character;
        bool altDown;
        bool accepted;
    };
    for (Case c : {Case{WM_SYSCHAR, L'?', true, true}, Case{WM_SYSCHAR, L'/', true, true},
                   Case{WM_CHAR, L'?', false, false}, Case{WM_CHAR, L'/', false, false},
                   Case{WM_SYSCHAR, L'a', true, false}}) {
        SCOPED_TRACE(c.character);
        BYTE state[256];
        std::memcpy(state, keys, sizeof(state));
        state[VK_MENU] = c.altDown ? 0x80 : 0;
        EXPECT_TRUE(SetKeyboardState(state));
        commandsReceived.clear();
        MSG msg{};
        msg.hwnd = window;
        msg.message = c.message;
        msg.wParam = c.character;
        msg.lParam = (c.altDown ? LPARAM(1) << 29 : 0) | 1;
        EXPECT_EQ(TranslateAcceleratorW(window, table, &msg) != 0, c.accepted);
        // One WM_COMMAND from an accelerator (high word 1) with the About command.
        const std::vector<WPARAM> expected{c.accepted ? MAKEWPARAM(IDM_ABOUT, 1) : 0};
        EXPECT_EQ(commandsReceived, c.accepted ? expected : std::vector<WPARAM>{});
    }
    SetKeyboardState(keys);
    DestroyWindow(window);
    UnregisterClassW(wc.lpszClassName, Module());
}

TEST(ResourcesStrings, NameTheProgramAndItsWindowClass) {
    wchar_t text[64];
    ASSERT_EQ(LoadStringW(Module(), IDS_APP_TITLE, text, 64), 7);
    EXPECT_STREQ(text, L"Zelmora");
    ASSERT_EQ(LoadStringW(Module(), IDC_ZELMORA, text, 64), 7);
    EXPECT_STREQ(text, L"ZELMORA");
}

TEST(ResourcesVersion, IsTwoSixtySixOfZelmora) {
    // The version functions live in version.dll; take them from there.
    HMODULE version = LoadLibraryW(L"version.dll");
    ASSERT_NE(version, nullptr);
    using SizeFn = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
    using InfoFn = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
    using QueryFn = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);
    auto getSize = reinterpret_cast<SizeFn>(
        reinterpret_cast<void*>(GetProcAddress(version, "GetFileVersionInfoSizeW")));
    auto getInfo = reinterpret_cast<InfoFn>(
        reinterpret_cast<void*>(GetProcAddress(version, "GetFileVersionInfoW")));
    auto query = reinterpret_cast<QueryFn>(
        reinterpret_cast<void*>(GetProcAddress(version, "VerQueryValueW")));
    ASSERT_TRUE(getSize && getInfo && query);

    wchar_t path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
    DWORD ignored = 0;
    const DWORD size = getSize(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<std::uint8_t> data(size);
    ASSERT_TRUE(getInfo(path, 0, size, data.data()));

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(query(data.data(), L"\\", &value, &length));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwFileVersionMS, DWORD(MAKELONG(66, 2)));
    EXPECT_EQ(fixed->dwProductVersionMS, DWORD(MAKELONG(66, 2)));
    ASSERT_TRUE(query(data.data(), L"\\StringFileInfo\\040904B0\\ProductName", &value, &length));
    EXPECT_STREQ(static_cast<const wchar_t*>(value), L"Zelmora");
    ASSERT_TRUE(query(data.data(), L"\\StringFileInfo\\040904B0\\ProductVersion", &value, &length));
    EXPECT_STREQ(static_cast<const wchar_t*>(value), L"2.66");
    FreeLibrary(version);
}

} // namespace
