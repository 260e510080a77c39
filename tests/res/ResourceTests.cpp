// The resources as the program carries them: dialog template 102, banner 135,
// icon group 129 and the version block, read back from this test program's
// own image, which links the same resource object as the tool.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "DialogTemplateReader.h"
#include "res/resource.h"

namespace {

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;
constexpr DWORD kNoId = static_cast<DWORD>(-1);

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kCheckBox = kChild | BS_AUTOCHECKBOX;
constexpr DWORD kLabel = kChild | WS_GROUP | SS_LEFT;
constexpr DWORD kField = kChild | WS_BORDER | ES_LEFT | ES_READONLY;

const char kInstructions[] =
    "Please Click on the Drives You Wish to Have Available in your adm ?\n"
    "Please note you will need to Paste the number into the Required ADM and then "
    "re-intergrate the the ADM. ";

struct ExpectedControl {
  DWORD id;
  WORD classAtom;
  const char* text;  // nullptr: the title is the ordinal below
  WORD titleOrdinal;
  DWORD style;
  short x, y, cx, cy;
};

// Template order, which is also the z-order of the controls.
const ExpectedControl kControls[] = {
    {IDC_GENERATE, kButtonAtom, "&Generate", 0, WS_CHILD | WS_DISABLED | BS_PUSHBUTTON, 138, 115,
     38, 12},
    {IDC_DRIVE_A, kButtonAtom, "A:", 0, kCheckBox, 13, 15, 23, 10},
    {IDC_DRIVE_B, kButtonAtom, "B:", 0, kCheckBox, 13, 27, 23, 10},
    {IDC_DRIVE_C, kButtonAtom, "C:", 0, kCheckBox, 13, 38, 23, 10},
    {IDC_DRIVE_D, kButtonAtom, "D:", 0, kCheckBox, 13, 49, 23, 10},
    {IDC_DRIVE_E, kButtonAtom, "E:", 0, kCheckBox, 13, 60, 23, 10},
    {IDC_DRIVE_F, kButtonAtom, "F:", 0, kCheckBox, 13, 71, 22, 10},
    {IDC_DRIVE_G, kButtonAtom, "G:", 0, kCheckBox, 13, 83, 23, 10},
    {IDC_DRIVE_H, kButtonAtom, "H:", 0, kCheckBox, 37, 15, 23, 10},
    {IDC_DRIVE_I, kButtonAtom, "I:", 0, kCheckBox, 37, 27, 20, 10},
    {IDC_DRIVE_J, kButtonAtom, "J:", 0, kCheckBox, 37, 38, 21, 10},
    {IDC_DRIVE_K, kButtonAtom, "K:", 0, kCheckBox, 37, 49, 23, 10},
    {IDC_DRIVE_L, kButtonAtom, "L:", 0, kCheckBox, 37, 60, 22, 10},
    {IDC_DRIVE_M, kButtonAtom, "M:", 0, kCheckBox, 37, 72, 24, 10},
    {IDC_DRIVE_N, kButtonAtom, "N:", 0, kCheckBox, 37, 83, 23, 10},
    {IDC_DRIVE_O, kButtonAtom, "O:", 0, kCheckBox, 61, 15, 23, 10},
    {IDC_DRIVE_P, kButtonAtom, "P:", 0, kCheckBox, 61, 27, 23, 10},
    {IDC_DRIVE_Q, kButtonAtom, "Q:", 0, kCheckBox, 61, 38, 23, 10},
    {IDC_DRIVE_R, kButtonAtom, "R:", 0, kCheckBox, 61, 49, 23, 10},
    {IDC_DRIVE_S, kButtonAtom, "S:", 0, kCheckBox, 61, 60, 23, 10},
    {IDC_DRIVE_T, kButtonAtom, "T:", 0, kCheckBox, 61, 71, 23, 10},
    {IDC_DRIVE_U, kButtonAtom, "U:", 0, kCheckBox, 61, 83, 23, 10},
    {IDC_DRIVE_V, kButtonAtom, "V:", 0, kCheckBox, 85, 15, 23, 10},
    {IDC_DRIVE_W, kButtonAtom, "W:", 0, kCheckBox, 85, 27, 20, 10},
    {IDC_DRIVE_X, kButtonAtom, "X:", 0, kCheckBox, 85, 38, 23, 10},
    {IDC_DRIVE_Y, kButtonAtom, "Y:", 0, kCheckBox, 85, 49, 23, 10},
    {IDC_DRIVE_Z, kButtonAtom, "Z:", 0, kCheckBox, 85, 60, 23, 10},
    {IDCANCEL, kButtonAtom, "&Exit", 0, kChild | BS_PUSHBUTTON, 255, 114, 34, 15},
    {kNoId, kStaticAtom, "Nodrive =", 0, kLabel, 8, 104, 32, 8},
    {IDC_MASK_DECIMAL, kEditAtom, "", 0, kField, 44, 97, 40, 12},
    {kNoId, kButtonAtom, "Veskel Instructions", 0, kChild | BS_GROUPBOX, 4, 2, 295, 130},
    {IDC_MASK_HEX, kEditAtom, "", 0, kField | ES_AUTOHSCROLL, 44, 111, 40, 12},
    {kNoId, kStaticAtom, "Decimal", 0, kLabel, 89, 99, 26, 8},
    {kNoId, kStaticAtom, "Hex", 0, kLabel, 89, 113, 14, 8},
    {kNoId, kStaticAtom, nullptr, IDB_BANNER, kChild | SS_BITMAP, 129, 11, 160, 40},
    {kNoId, kStaticAtom, kInstructions, 0, kChild | WS_DISABLED | WS_GROUP | SS_CENTER, 142, 58,
     138, 41},
};

// The raw bytes of one resource of this program.
std::vector<BYTE> ResourceBytes(LPCWSTR type, LPCWSTR name) {
  HRSRC found = FindResourceW(nullptr, name, type);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(nullptr, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  DWORD size = SizeofResource(nullptr, found);
  if (!data) return {};
  const BYTE* bytes = static_cast<const BYTE*>(data);
  return std::vector<BYTE>(bytes, bytes + size);
}

// Dialog texts are single-byte: the template's characters are all ASCII.
std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t ch : text) out.push_back(ch < 0x80 ? static_cast<char>(ch) : '?');
  return out;
}

DialogTemplate ReadMainDialog() {
  std::vector<BYTE> bytes = ResourceBytes(MAKEINTRESOURCEW(5), MAKEINTRESOURCEW(IDD_VESKEL_DIALOG));
  DialogTemplate t;
  EXPECT_FALSE(bytes.empty()) << "dialog template 102 is missing";
  EXPECT_TRUE(DialogTemplateReader(bytes.data(), bytes.size()).Read(&t))
      << "dialog template 102 is not a complete extended template";
  return t;
}

TEST(DialogTemplate, HeaderHasTheWindowStylesFontAndCaption) {
  DialogTemplate t = ReadMainDialog();
  EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_3DLOOK |
                               DS_SETFONT),
            t.style);
  EXPECT_EQ(0u, t.style & WS_SYSMENU) << "a system menu would add a close box";
  EXPECT_EQ(0u, t.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_EQ(static_cast<DWORD>(WS_EX_APPWINDOW | WS_EX_TOOLWINDOW), t.exStyle);
  EXPECT_EQ(0u, t.helpId);
  EXPECT_EQ(0, t.x);
  EXPECT_EQ(0, t.y);
  EXPECT_EQ(303, t.cx);
  EXPECT_EQ(135, t.cy);
  EXPECT_EQ(8, t.pointSize);
  EXPECT_EQ(0, t.weight);
  EXPECT_EQ(0, t.italic);
  EXPECT_EQ(DEFAULT_CHARSET, t.charset);
  EXPECT_EQ(L"Arial", t.typeface);
  EXPECT_TRUE(!t.menu.isOrdinal && t.menu.name.empty()) << "the dialog has no menu";
  EXPECT_TRUE(!t.windowClass.isOrdinal && t.windowClass.name.empty())
      << "the dialog uses the standard dialog class";
  std::string caption = Narrow(t.title);
  EXPECT_EQ(0u, caption.rfind("Veskel", 0)) << caption;
  EXPECT_GT(caption.size(), std::strlen("Veskel ")) << "the caption carries a credit line";
}

TEST(DialogTemplate, ControlsMatchTheLayoutInTemplateOrder) {
  DialogTemplate t = ReadMainDialog();
  const size_t expected = sizeof(kControls) / sizeof(kControls[0]);
  ASSERT_EQ(36u, expected);
  ASSERT_EQ(expected, t.itemCount);
  ASSERT_EQ(expected, t.items.size());
  for (size_t i = 0; i < expected; ++i) {
    const ExpectedControl& want = kControls[i];
    const DialogItem& got = t.items[i];
    SCOPED_TRACE("control #" + std::to_string(i) + " (id " +
                 std::to_string(static_cast<int>(want.id)) + ")");
    EXPECT_EQ(want.id, got.id);
    EXPECT_TRUE(got.windowClass.isOrdinal) << "predefined classes are stored as atoms";
    EXPECT_EQ(want.classAtom, got.windowClass.ordinal);
    if (want.text) {
      EXPECT_FALSE(got.title.isOrdinal);
      EXPECT_EQ(want.text, Narrow(got.title.name));
    } else {
      EXPECT_TRUE(got.title.isOrdinal);
      EXPECT_EQ(want.titleOrdinal, got.title.ordinal);
    }
    EXPECT_EQ(want.style, got.style)
        << std::hex << "want 0x" << want.style << " got 0x" << got.style;
    EXPECT_EQ(0u, got.exStyle);
    EXPECT_EQ(0u, got.helpId);
    EXPECT_EQ(0, got.extraBytes);
    EXPECT_EQ(want.x, got.x);
    EXPECT_EQ(want.y, got.y);
    EXPECT_EQ(want.cx, got.cx);
    EXPECT_EQ(want.cy, got.cy);
  }
}

TEST(DialogTemplate, NoTabStopNoDefaultButtonAndNoIdOne) {
  DialogTemplate t = ReadMainDialog();
  ASSERT_FALSE(t.items.empty());
  for (const DialogItem& item : t.items) {
    SCOPED_TRACE("id " + std::to_string(static_cast<int>(item.id)));
    EXPECT_EQ(0u, item.style & WS_TABSTOP);
    EXPECT_NE(static_cast<DWORD>(IDOK), item.id);
    if (item.windowClass.isOrdinal && item.windowClass.ordinal == kButtonAtom) {
      EXPECT_NE(static_cast<DWORD>(BS_DEFPUSHBUTTON), item.style & BS_TYPEMASK);
    }
  }
}

TEST(DialogTemplate, InstructionTextIsByteExact) {
  DialogTemplate t = ReadMainDialog();
  ASSERT_EQ(36u, t.items.size());
  const std::wstring& text = t.items[35].title.name;
  std::string narrow = Narrow(text);
  EXPECT_EQ(std::string(kInstructions), narrow);
  // One real line feed, no carriage return, and the trailing space kept.
  EXPECT_EQ(1, std::count(text.begin(), text.end(), L'\n'));
  EXPECT_EQ(0, std::count(text.begin(), text.end(), L'\r'));
  EXPECT_EQ(L"?\nPlease", text.substr(text.find(L'\n') - 1, 8));
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(L' ', text.back());
  EXPECT_EQ(L'.', text[text.size() - 2]);
}

// The template as the system builds it: every child exists with its id,
// class and state, and the banner control shows bitmap 135.
INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? FALSE : 0;
}

TEST(DialogTemplate, SystemCreatesTheDialogFromIt) {
  HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_VESKEL_DIALOG),
                                   nullptr, QuietDialogProc, 0);
  ASSERT_NE(nullptr, dialog);
  char caption[128] = {};
  GetWindowTextA(dialog, caption, sizeof(caption));
  EXPECT_EQ(0, std::strncmp(caption, "Veskel", 6)) << caption;
  EXPECT_EQ(nullptr, GetDlgItem(dialog, IDOK));

  std::vector<HWND> children;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  ASSERT_EQ(36u, children.size());
  for (size_t i = 0; i < children.size(); ++i) {
    const ExpectedControl& want = kControls[i];
    SCOPED_TRACE("control #" + std::to_string(i));
    EXPECT_EQ(static_cast<int>(want.id), GetDlgCtrlID(children[i]));
    char className[32] = {};
    GetClassNameA(children[i], className, sizeof(className));
    const char* wantClass = want.classAtom == kButtonAtom ? "Button"
                            : want.classAtom == kEditAtom ? "Edit"
                                                          : "Static";
    EXPECT_EQ(0, lstrcmpiA(wantClass, className)) << className;
    EXPECT_EQ(0, GetWindowLongPtrW(children[i], GWL_STYLE) & WS_TABSTOP);
  }

  HWND generate = GetDlgItem(dialog, IDC_GENERATE);
  ASSERT_EQ(children[0], generate);
  EXPECT_FALSE(IsWindowVisible(generate));
  EXPECT_FALSE(IsWindowEnabled(generate));
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, IDCANCEL)));

  HWND instructions = children[35];
  char text[512] = {};
  GetWindowTextA(instructions, text, sizeof(text));
  EXPECT_STREQ(kInstructions, text);
  EXPECT_FALSE(IsWindowEnabled(instructions));

  HWND banner = children[34];
  HBITMAP shown = reinterpret_cast<HBITMAP>(SendMessageW(banner, STM_GETIMAGE, IMAGE_BITMAP, 0));
  ASSERT_NE(nullptr, shown);
  BITMAP info = {};
  ASSERT_NE(0, GetObjectW(shown, sizeof(info), &info));
  EXPECT_EQ(240, info.bmWidth);
  EXPECT_EQ(70, info.bmHeight);
  RECT frame = {};
  GetClientRect(banner, &frame);
  EXPECT_EQ(240, frame.right - frame.left) << "a bitmap static takes the size of its bitmap";
  EXPECT_EQ(70, frame.bottom - frame.top);

  DestroyWindow(dialog);
}

TEST(Banner, IsA240By70BitmapOf16BitsUncompressed) {
  std::vector<BYTE> bytes = ResourceBytes(MAKEINTRESOURCEW(2), MAKEINTRESOURCEW(IDB_BANNER));
  ASSERT_GE(bytes.size(), sizeof(BITMAPINFOHEADER));
  BITMAPINFOHEADER header;
  std::memcpy(&header, bytes.data(), sizeof(header));
  EXPECT_EQ(sizeof(BITMAPINFOHEADER), header.biSize);
  EXPECT_EQ(240, header.biWidth);
  EXPECT_EQ(70, std::abs(header.biHeight));
  EXPECT_EQ(1, header.biPlanes);
  EXPECT_EQ(16, header.biBitCount);
  // BI_RGB at 16 bits is 5-5-5 by definition, with no colour masks.
  EXPECT_EQ(static_cast<DWORD>(BI_RGB), header.biCompression);
  EXPECT_EQ(0u, header.biClrUsed);
  const size_t stride = (240 * 2 + 3) & ~3u;
  EXPECT_EQ(sizeof(BITMAPINFOHEADER) + stride * 70, bytes.size());

  // The pixels hold a picture, not a blank: the top 5-bit channel bit is never set.
  bool varied = false;
  WORD first = 0;
  std::memcpy(&first, bytes.data() + sizeof(BITMAPINFOHEADER), sizeof(first));
  for (size_t at = sizeof(BITMAPINFOHEADER); at + 1 < bytes.size(); at += 2) {
    WORD pixel = 0;
    std::memcpy(&pixel, bytes.data() + at, sizeof(pixel));
    EXPECT_EQ(0, pixel & 0x8000) << "offset " << at;
    if (pixel & 0x8000) break;
    varied = varied || pixel != first;
  }
  EXPECT_TRUE(varied);
}

#pragma pack(push, 2)
struct GroupIconHeader {
  WORD reserved;
  WORD type;
  WORD count;
};
struct GroupIconEntry {
  BYTE width;
  BYTE height;
  BYTE colourCount;
  BYTE reserved;
  WORD planes;
  WORD bitCount;
  DWORD bytesInRes;
  WORD id;
};
#pragma pack(pop)

TEST(Icon, GroupHoldsOne48By48Image256ColoursAsIcon1) {
  std::vector<BYTE> group = ResourceBytes(MAKEINTRESOURCEW(14), MAKEINTRESOURCEW(IDI_VESKEL));
  ASSERT_EQ(sizeof(GroupIconHeader) + sizeof(GroupIconEntry), group.size());
  GroupIconHeader header;
  GroupIconEntry entry;
  std::memcpy(&header, group.data(), sizeof(header));
  std::memcpy(&entry, group.data() + sizeof(header), sizeof(entry));
  EXPECT_EQ(0, header.reserved);
  EXPECT_EQ(1, header.type);
  EXPECT_EQ(1, header.count);
  EXPECT_EQ(48, entry.width);
  EXPECT_EQ(48, entry.height);
  EXPECT_EQ(0, entry.colourCount) << "256 colours are written as 0";
  EXPECT_EQ(1, entry.planes);
  EXPECT_EQ(8, entry.bitCount);
  EXPECT_EQ(1, entry.id);

  std::vector<BYTE> image = ResourceBytes(MAKEINTRESOURCEW(3), MAKEINTRESOURCEW(1));
  ASSERT_EQ(entry.bytesInRes, image.size());
  BITMAPINFOHEADER info;
  ASSERT_GE(image.size(), sizeof(info));
  std::memcpy(&info, image.data(), sizeof(info));
  EXPECT_EQ(48, info.biWidth);
  EXPECT_EQ(96, info.biHeight) << "colour and mask halves";
  EXPECT_EQ(8, info.biBitCount);
  EXPECT_EQ(static_cast<DWORD>(BI_RGB), info.biCompression);
  const size_t colours = info.biClrUsed ? info.biClrUsed : 256;
  EXPECT_EQ(256u, colours);
  EXPECT_EQ(sizeof(info) + colours * sizeof(RGBQUAD) + 48 * 48 + 8 * 48, image.size());

  HICON icon = static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VESKEL), IMAGE_ICON, 48, 48, 0));
  ASSERT_NE(nullptr, icon);
  ICONINFO parts = {};
  ASSERT_TRUE(GetIconInfo(icon, &parts));
  BITMAP mask = {};
  GetObjectW(parts.hbmMask, sizeof(mask), &mask);
  EXPECT_EQ(48, mask.bmWidth);
  if (parts.hbmColor) DeleteObject(parts.hbmColor);
  if (parts.hbmMask) DeleteObject(parts.hbmMask);
  DestroyIcon(icon);
}

std::wstring QueryString(std::vector<BYTE>& block, const wchar_t* key, bool* found) {
  void* value = nullptr;
  UINT length = 0;
  *found = VerQueryValueW(block.data(), key, &value, &length) != FALSE;
  if (!*found || !value || length == 0) return std::wstring();
  return std::wstring(static_cast<const wchar_t*>(value));
}

// The block as this test program carries it, and as the built veskel.exe does:
// both must report the project's version.
class Version : public testing::TestWithParam<bool> {};

std::wstring ProgramPath(bool shippedProgram) {
  wchar_t path[MAX_PATH] = {};
  if (shippedProgram) {
    MultiByteToWideChar(CP_ACP, 0, VESKEL_EXE, -1, path, MAX_PATH);
  } else {
    GetModuleFileNameW(nullptr, path, MAX_PATH);
  }
  return path;
}

TEST_P(Version, IsTheProjectVersionForAnApplicationInUkEnglishUnicode) {
  const std::wstring program = ProgramPath(GetParam());
  const wchar_t* path = program.c_str();
  ASSERT_NE(L'\0', path[0]);
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeW(path, &ignored);
  ASSERT_NE(0u, size);
  std::vector<BYTE> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(0xFEEF04BDu, fixed->dwSignature);
  const DWORD ms = MAKELONG(VESKEL_VERSION_MINOR, VESKEL_VERSION_MAJOR);
  const DWORD ls = MAKELONG(VESKEL_VERSION_TWEAK, VESKEL_VERSION_PATCH);
  EXPECT_EQ(ms, fixed->dwFileVersionMS);
  EXPECT_EQ(ls, fixed->dwFileVersionLS);
  EXPECT_EQ(ms, fixed->dwProductVersionMS);
  EXPECT_EQ(ls, fixed->dwProductVersionLS);
  EXPECT_EQ(static_cast<DWORD>(VFT_APP), fixed->dwFileType);
  EXPECT_EQ(0u, fixed->dwFileFlags);

  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_EQ(2 * sizeof(WORD), length);
  EXPECT_EQ(0x0809, translation[0]);
  EXPECT_EQ(1200, translation[1]);

  const wchar_t* keys[] = {L"CompanyName",  L"FileDescription", L"FileVersion",
                           L"InternalName", L"LegalCopyright",  L"OriginalFilename",
                           L"ProductName",  L"ProductVersion"};
  for (const wchar_t* key : keys) {
    bool found = false;
    std::wstring value =
        QueryString(block, (std::wstring(L"\\StringFileInfo\\080904b0\\") + key).c_str(), &found);
    EXPECT_TRUE(found) << Narrow(key);
    EXPECT_TRUE(value.empty()) << Narrow(key) << " = " << Narrow(value);
  }
}

INSTANTIATE_TEST_SUITE_P(OwnImageAndVeskelExe, Version, testing::Bool());

BOOL CALLBACK CollectType(HMODULE, LPWSTR type, LONG_PTR param) {
  auto* types = reinterpret_cast<std::set<ULONG_PTR>*>(param);
  // Named types would show up as a pointer value that no ordinal can have.
  types->insert(IS_INTRESOURCE(type) ? reinterpret_cast<ULONG_PTR>(type) : 0x10000);
  return TRUE;
}

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) {
  auto* names = reinterpret_cast<std::set<ULONG_PTR>*>(param);
  names->insert(IS_INTRESOURCE(name) ? reinterpret_cast<ULONG_PTR>(name) : 0x10000);
  return TRUE;
}

std::set<ULONG_PTR> NamesOf(WORD type) {
  std::set<ULONG_PTR> names;
  EnumResourceNamesW(nullptr, MAKEINTRESOURCEW(type), CollectName,
                     reinterpret_cast<LONG_PTR>(&names));
  return names;
}

TEST(Resources, OnlyDialogBannerIconAndVersionArePresent) {
  std::set<ULONG_PTR> types;
  EnumResourceTypesW(nullptr, CollectType, reinterpret_cast<LONG_PTR>(&types));
  // Bitmap, icon, dialog, icon group, version: no menu, string table,
  // accelerators or toolbar.
  EXPECT_EQ((std::set<ULONG_PTR>{2, 3, 5, 14, 16}), types);
  EXPECT_EQ((std::set<ULONG_PTR>{IDD_VESKEL_DIALOG}), NamesOf(5));
  EXPECT_EQ((std::set<ULONG_PTR>{IDB_BANNER}), NamesOf(2));
  EXPECT_EQ((std::set<ULONG_PTR>{IDI_VESKEL}), NamesOf(14));
  EXPECT_EQ((std::set<ULONG_PTR>{1}), NamesOf(3));
  EXPECT_EQ((std::set<ULONG_PTR>{1}), NamesOf(16));
}

}  // namespace
