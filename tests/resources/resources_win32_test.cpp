// The program's resources, compiled from resources/zelmora.rc into this test
// executable, loaded the way the program loads them.
#include "resources/resource_ids.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace {

const COLORREF kToolbarBackground = RGB(222, 228, 243);
const int kImageSize = 20;
const HINSTANCE kModule = GetModuleHandleW(nullptr);

// A bitmap resource loaded as a DIB section, so that its own colour depth and
// pixels can be read back.
class DibBitmap {
  public:
    explicit DibBitmap(int id)
        : handle_(static_cast<HBITMAP>(
              LoadImageW(kModule, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))) {
        if (handle_ != nullptr) GetObjectW(handle_, sizeof dib_, &dib_);
    }
    ~DibBitmap() { DeleteObject(handle_); }
    DibBitmap(const DibBitmap&) = delete;
    DibBitmap& operator=(const DibBitmap&) = delete;

    bool Loaded() const { return handle_ != nullptr && dib_.dsBm.bmBits != nullptr; }
    HBITMAP Handle() const { return handle_; }
    // Width, height and bits per pixel.
    std::tuple<int, int, int> Shape() const {
        return {dib_.dsBm.bmWidth, dib_.dsBm.bmHeight, dib_.dsBm.bmBitsPixel};
    }
    // Pixel at (x, y), y counted from the top, of a 24-bit bottom-up DIB.
    COLORREF Pixel(int x, int y) const {
        const auto* p = static_cast<const std::uint8_t*>(dib_.dsBm.bmBits) +
                        (dib_.dsBm.bmHeight - 1 - y) * dib_.dsBm.bmWidthBytes + 3 * x;
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

// Each image of a strip stands on the toolbar's own colour and shows a
// picture; the six internet button states all look different; the Help,
// Sun Times and Display toolbars hold strip 111 then strip 9600, so that the
// Help button's image 28 is image 20 of strip 9600.
TEST(Resources, ToolbarStripsAreTwentyPixelImagesOfTwentyFourBitsOnTheToolbarColour) {
    HIMAGELIST list = ImageList_Create(kImageSize, kImageSize, ILC_COLOR24, 0, 999);
    for (auto [id, images] :
         {std::make_pair(IDB_SUNTIMES_TOOLS, 8), std::make_pair(IDB_FILE_TOOLS, 23)}) {
        SCOPED_TRACE(id);
        DibBitmap bitmap(id);
        ASSERT_TRUE(bitmap.Loaded());
        EXPECT_EQ(bitmap.Shape(), std::make_tuple(images * kImageSize, kImageSize, 24));
        for (int i = 0; i < images; ++i) {
            const std::vector<COLORREF> image = bitmap.Image(i);
            EXPECT_EQ(image.front(), kToolbarBackground) << i;
            EXPECT_GT(image.size() - std::count(image.begin(), image.end(), kToolbarBackground),
                      60u)
                << i;
        }
        for (int a = 13; id == IDB_FILE_TOOLS && a <= 18; ++a)
            for (int b = a + 1; b <= 18; ++b)
                EXPECT_NE(bitmap.Image(a), bitmap.Image(b)) << "images " << a << " and " << b;
        EXPECT_EQ(ImageList_Add(list, bitmap.Handle(), nullptr), id == IDB_SUNTIMES_TOOLS ? 0 : 8);
    }
    EXPECT_EQ(ImageList_GetImageCount(list), 31);
    ImageList_Destroy(list);
}

TEST(Resources, MenuBitmapsAreElevenPixelSquaresThatFitTheCheckMarkArea) {
    for (int id : {IDB_MENU_SUNTIMES, IDB_MENU_INTERNET, IDB_MENU_OPEN, IDB_MENU_SAVE,
                   IDB_MENU_SAVEAS, IDB_MENU_PRINT, IDB_MENU_HELP, IDB_MENU_EXIT, IDB_MENU_LOG,
                   IDB_MENU_WEB, IDB_MENU_WEB_UPDATE}) {
        SCOPED_TRACE(id);
        DibBitmap bitmap(id);
        ASSERT_TRUE(bitmap.Loaded());
        EXPECT_EQ(bitmap.Shape(), std::make_tuple(11, 11, 24));
    }
    EXPECT_LE(11, GetSystemMetrics(SM_CXMENUCHECK));
    EXPECT_LE(11, GetSystemMetrics(SM_CYMENUCHECK));
    // The web site item shows whether an update is ready: the centre of the
    // globe is blue without one, green with one.
    const COLORREF blue = DibBitmap(IDB_MENU_WEB).Pixel(4, 4);
    const COLORREF green = DibBitmap(IDB_MENU_WEB_UPDATE).Pixel(4, 4);
    EXPECT_GT(GetBValue(blue), std::max(GetGValue(blue), GetRValue(blue)));
    EXPECT_GT(GetGValue(green), std::max(GetBValue(green), GetRValue(green)));
}

TEST(Resources, TheProgramIconHasLargeAndSmallImagesAndTheSmallIconLoads) {
    for (auto [id, size] : {std::make_pair(IDI_ZELMORA, 32), std::make_pair(IDI_ZELMORA, 16),
                            std::make_pair(IDI_SMALL, 16)}) {
        SCOPED_TRACE(id * 100 + size);
        HICON icon = static_cast<HICON>(
            LoadImageW(kModule, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        ASSERT_EQ(GetObjectW(info.hbmColor, sizeof colour, &colour), int(sizeof colour));
        EXPECT_EQ(std::make_pair(colour.bmWidth, colour.bmHeight),
                  std::make_pair(LONG(size), LONG(size)));
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
    // The window class and the About box take the icon with LoadIconW.
    EXPECT_NE(LoadIconW(kModule, MAKEINTRESOURCEW(IDI_ZELMORA)), nullptr);
}

std::vector<WPARAM> commandsReceived;

LRESULT CALLBACK RecordCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) commandsReceived.push_back(wParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

// The two accelerators are character keys: typed Alt+? and Alt+/ give one
// WM_COMMAND from an accelerator (high word 1) with the About command.
TEST(Resources, AcceleratorsTurnTypedAltQuestionMarkAndSlashIntoTheAboutCommand) {
    HACCEL table = LoadAcceleratorsW(kModule, MAKEINTRESOURCEW(IDA_ZELMORA));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(CopyAcceleratorTableW(table, nullptr, 0), 2);
    WNDCLASSW wc{};
    wc.lpfnWndProc = RecordCommands;
    wc.hInstance = kModule;
    wc.lpszClassName = L"ZelmoraAcceleratorTest";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                  HWND_MESSAGE, nullptr, kModule, nullptr);
    ASSERT_NE(window, nullptr);
    // Accelerators read the Alt key from the thread's keyboard state.
    BYTE keys[256];
    ASSERT_TRUE(GetKeyboardState(keys));
    const struct {
        UINT message;
        wchar_t character;
        bool accepted;
    } cases[] = {{WM_SYSCHAR, L'?', true},
                 {WM_SYSCHAR, L'/', true},
                 {WM_CHAR, L'?', false},
                 {WM_CHAR, L'/', false},
                 {WM_SYSCHAR, L'a', false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.character);
        const bool alt = c.message == WM_SYSCHAR;
        BYTE state[256];
        std::memcpy(state, keys, sizeof state);
        state[VK_MENU] = alt ? 0x80 : 0;
        EXPECT_TRUE(SetKeyboardState(state));
        commandsReceived.clear();
        MSG msg{window, c.message, c.character, (alt ? LPARAM(1) << 29 : 0) | 1, 0, {}};
        EXPECT_EQ(TranslateAcceleratorW(window, table, &msg) != 0, c.accepted);
        EXPECT_EQ(commandsReceived, c.accepted ? std::vector<WPARAM>{MAKEWPARAM(IDM_ABOUT, 1)}
                                               : std::vector<WPARAM>{});
    }
    SetKeyboardState(keys);
    DestroyWindow(window);
    UnregisterClassW(wc.lpszClassName, kModule);
}

TEST(Resources, StringsNameTheProgramAndItsWindowClassAndTheVersionIsTwoSixtySix) {
    wchar_t text[64];
    ASSERT_EQ(LoadStringW(kModule, IDS_APP_TITLE, text, 64), 7);
    EXPECT_STREQ(text, L"Zelmora");
    ASSERT_EQ(LoadStringW(kModule, IDC_ZELMORA, text, 64), 7);
    EXPECT_STREQ(text, L"ZELMORA");

    // The version functions live in version.dll; take them from there.
    HMODULE version = LoadLibraryW(L"version.dll");
    ASSERT_NE(version, nullptr);
    auto entry = [version](const char* name) {
        return reinterpret_cast<void*>(GetProcAddress(version, name));
    };
    auto getSize =
        reinterpret_cast<DWORD(WINAPI*)(LPCWSTR, LPDWORD)>(entry("GetFileVersionInfoSizeW"));
    auto getInfo = reinterpret_cast<BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID)>(
        entry("GetFileVersionInfoW"));
    auto query =
        reinterpret_cast<BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT)>(entry("VerQueryValueW"));
    ASSERT_TRUE(getSize && getInfo && query);
    wchar_t path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
    DWORD ignored = 0;
    std::vector<std::uint8_t> data(getSize(path, &ignored));
    ASSERT_FALSE(data.empty());
    ASSERT_TRUE(getInfo(path, 0, static_cast<DWORD>(data.size()), data.data()));
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(query(data.data(), L"\\", &value, &length));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwFileVersionMS, DWORD(MAKELONG(66, 2)));
    EXPECT_EQ(fixed->dwProductVersionMS, DWORD(MAKELONG(66, 2)));
    const std::pair<const wchar_t*, const wchar_t*> strings[] = {{L"ProductName", L"Zelmora"},
                                                                 {L"ProductVersion", L"2.66"}};
    for (const auto& s : strings) {
        const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + s.first;
        ASSERT_TRUE(query(data.data(), key.c_str(), &value, &length));
        EXPECT_STREQ(static_cast<const wchar_t*>(value), s.second);
    }
    FreeLibrary(version);
}

} // namespace
