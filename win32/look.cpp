// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look.h"

#include <ole2.h>
#include <olectl.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <optional>

#include "fonts.h"
#include "gif.h"
#include "placement.h"
#include "resources.h"

namespace trelavka::win32 {
namespace {

constexpr double kSmoothFrom = 14;

HINSTANCE module() { return GetModuleHandleW(nullptr); }

struct Resource {
  const void* data = nullptr;
  DWORD size = 0;
};

Resource rcdata(const wchar_t* name) {
  HRSRC found = FindResourceW(module(), name, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(module(), found);
  if (loaded == nullptr) return {};
  return {LockResource(loaded), SizeofResource(module(), found)};
}

// The face Windows really picks for a name: it quietly substitutes another
// for a face it lacks, so asking by name proves nothing.
std::wstring realFace(const std::wstring& face) {
  LOGFONTW lf{};
  lf.lfHeight = -11;
  lf.lfCharSet = EASTEUROPE_CHARSET;
  face.copy(lf.lfFaceName, LF_FACESIZE - 1);
  HFONT font = CreateFontIndirectW(&lf);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  wchar_t got[LF_FACESIZE]{};
  GetTextFaceW(dc, LF_FACESIZE, got);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return got;
}

// A DIB section of our own, palette and all, from a GIF of the map.
Image fromGif(const Resource& res) {
  const auto gif = decodeGif({static_cast<const char*>(res.data), res.size});
  if (!gif) return {};
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  } info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = gif->width;
  info.header.biHeight = -gif->height;  // rows from the top, as decoded
  info.header.biPlanes = 1;
  info.header.biBitCount = 8;
  info.header.biCompression = BI_RGB;
  for (std::size_t i = 0; i < gif->palette.size(); ++i) {
    info.colours[i] = {gif->palette[i].b, gif->palette[i].g, gif->palette[i].r, 0};
  }
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                    &bits, nullptr, 0);
  if (bitmap == nullptr) return {};
  // Each row padded to whole 32-bit words.
  const std::size_t stride = (static_cast<std::size_t>(gif->width) + 3) & ~std::size_t{3};
  for (int y = 0; y < gif->height; ++y) {
    std::memcpy(static_cast<std::uint8_t*>(bits) + stride * y, &gif->pixels[static_cast<std::size_t>(y) * gif->width],
                static_cast<std::size_t>(gif->width));
  }
  return {bitmap, gif->width, gif->height};
}

// The logo alone is a JPEG, shown only in the about window: OLE decodes it,
// loaded then and not at start-up.
Image fromJpeg(const Resource& res) {
  const auto createStream =
      systemFunction<decltype(&CreateStreamOnHGlobal)>(L"ole32.dll", "CreateStreamOnHGlobal");
  const auto oleLoadPicture = systemFunction<decltype(&OleLoadPicture)>(L"oleaut32.dll", "OleLoadPicture");
  if (createStream == nullptr || oleLoadPicture == nullptr) return {};
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, res.size);
  if (copy == nullptr) return {};
  std::memcpy(GlobalLock(copy), res.data, res.size);
  GlobalUnlock(copy);
  const ComScope com;
  IStream* stream = nullptr;
  if (FAILED(createStream(copy, TRUE, &stream))) {
    GlobalFree(copy);
    return {};
  }
  IPicture* picture = nullptr;
  const HRESULT hr = oleLoadPicture(stream, static_cast<LONG>(res.size), FALSE, IID_IPicture,
                                    reinterpret_cast<void**>(&picture));
  stream->Release();
  if (FAILED(hr) || picture == nullptr) return {};
  OLE_HANDLE handle = 0;
  picture->get_Handle(&handle);
  // A copy of our own outlives the picture object, which owns its handle.
  Image out;
  out.bitmap = static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                              IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  picture->Release();
  BITMAP info{};
  if (out.bitmap != nullptr && GetObjectW(out.bitmap, sizeof info, &info) != 0) {
    out.width = info.bmWidth;
    out.height = info.bmHeight;
  }
  return out;
}

Image decode(std::string_view fileName, const Resource& res) {
  if (res.data == nullptr || res.size == 0) return {};
  return fileName.ends_with(".gif") ? fromGif(res) : fromJpeg(res);
}

}  // namespace

std::wstring windowText(HWND window) {
  std::wstring out(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  out.resize(static_cast<std::size_t>(GetWindowTextW(window, out.data(), static_cast<int>(out.size()))));
  return out;
}

std::wstring wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                    nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

std::string narrow(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

view::Scale systemScale() { return {static_cast<int>(GetDpiForSystem())}; }

void installFonts() {
  for (const std::string_view name : view::kBundledFontFiles) {
    const Resource res = rcdata(wide(name).c_str());
    if (res.data == nullptr) continue;
    DWORD installed = 0;
    AddFontMemResourceEx(const_cast<void*>(res.data), res.size, nullptr, &installed);
  }
}

const std::wstring& fontFace() {
  static const std::wstring face = [] {
    const std::wstring preferred = wide(view::kPreferredFace);
    const std::string_view family = view::gameFace(realFace(preferred) == preferred);
    // The .exe carries the bundled face cut down, under a name of its own.
    return wide(family == view::kBundledFace ? CUT_FACE : family);
  }();
  return face;
}

HFONT makeFont(double points, bool bold, const view::Scale& scale) {
  LOGFONTW lf{};
  lf.lfHeight = -static_cast<LONG>(points * scale.dpi / 72.0 + 0.5);
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = EASTEUROPE_CHARSET;
  // Smoothing thins small bold text until it reads as regular; the faces
  // the layout names were crisp bitmap fonts at these sizes anyway.
  lf.lfQuality = bold && points < kSmoothFrom ? NONANTIALIASED_QUALITY : DEFAULT_QUALITY;
  fontFace().copy(lf.lfFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectW(&lf);
}

HFONT makeFont(layout::Font font, const view::Scale& scale) {
  const layout::FontStyle& style = layout::fontStyle(font);
  return makeFont(style.points, style.bold, scale);
}

// Measured, not taken from the font's metrics: hinted for the pixel grid at
// small sizes, a digit can fill its whole advance, and the metrics' black box
// is wider than the ink anyway.
int digitSpacing(HFONT font) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  HGDIOBJ oldFont = SelectObject(dc, font);
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  // Room for a glyph that reaches out of its advance on either side.
  const int pad = static_cast<int>(tm.tmMaxCharWidth);
  const int width = 3 * pad;
  const int height = static_cast<int>(tm.tmHeight);
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  int spacing = 0;
  if (bitmap != nullptr && width > 0 && height > 0) {
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(255, 255, 255));
    SetTextColor(dc, RGB(0, 0, 0));
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    int leftRoom = width, rightRoom = width;
    for (wchar_t digit = L'0'; digit <= L'9'; ++digit) {
      const RECT all{0, 0, width, height};
      ExtTextOutW(dc, pad, 0, ETO_OPAQUE, &all, &digit, 1, nullptr);
      GdiFlush();
      SIZE advance{};
      GetTextExtentPoint32W(dc, &digit, 1, &advance);
      int first = width, last = -1;
      for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
          if ((pixels[y * width + x] & 0xFFFFFF) == 0xFFFFFF) continue;
          first = std::min(first, x);
          last = std::max(last, x);
        }
      }
      if (last < first) continue;
      leftRoom = std::min(leftRoom, first - pad);
      rightRoom = std::min(rightRoom, pad + static_cast<int>(advance.cx) - 1 - last);
    }
    if (leftRoom < width && rightRoom < width) spacing = std::max(0, 1 - (leftRoom + rightRoom));
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
  }
  SelectObject(dc, oldFont);
  DeleteDC(dc);
  return spacing;
}

const Image& image(std::string_view fileName) {
  static std::map<std::string, Image, std::less<>> cache;
  auto it = cache.find(fileName);
  if (it == cache.end()) {
    it = cache.emplace(std::string(fileName), decode(fileName, rcdata(wide(fileName).c_str()))).first;
  }
  return it->second;
}

void drawImage(HDC dc, const Image& img, int x, int y, const view::Scale& scale) {
  if (img.bitmap == nullptr) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, img.bitmap);
  if (scale.dpi == view::Scale::kTablesDpi) {
    BitBlt(dc, x, y, img.width, img.height, source, 0, 0, SRCCOPY);
  } else {
    // COLORONCOLOR drops and repeats whole pixels; the default would blur.
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, x, y, scale.px(img.width), scale.px(img.height), source, 0, 0, img.width,
               img.height, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
  }
  SelectObject(source, old);
  DeleteDC(source);
}

HICON gameIcon(int size) {
  return static_cast<HICON>(
      LoadImageW(module(), MAKEINTRESOURCEW(IDI_TRELAVKA), IMAGE_ICON, size, size, LR_SHARED));
}

FARPROC systemFunction(const wchar_t* dll, const char* name) {
  HMODULE module = GetModuleHandleW(dll);
  if (module == nullptr) module = LoadLibraryW(dll);
  return module != nullptr ? GetProcAddress(module, name) : nullptr;
}

ComScope::ComScope() {
  const auto init = systemFunction<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
  initialised_ = init != nullptr && SUCCEEDED(init(nullptr, COINIT_APARTMENTTHREADED));
}

ComScope::~ComScope() {
  if (!initialised_) return;
  if (const auto uninit = systemFunction<decltype(&CoUninitialize)>(L"ole32.dll", "CoUninitialize")) uninit();
}

void registerClass(const wchar_t* name, WNDPROC proc, int background, bool withIcon, UINT style) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(module(), name, &wc)) return;
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.hInstance = module();
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
  wc.hbrBackground = background < 0 ? nullptr : GetSysColorBrush(background);
  if (withIcon) {
    wc.hIcon = gameIcon(48);
    wc.hIconSm = gameIcon(GetSystemMetrics(SM_CXSMICON));
  }
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
}

void drawButton(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  const int line = std::max(1, static_cast<int>(GetDpiForWindow(item.hwndItem)) / 96);
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  HPEN frame = CreatePen(PS_INSIDEFRAME, line, GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNSHADOW));
  HGDIOBJ oldPen = SelectObject(dc, frame);
  HGDIOBJ oldBrush = SelectObject(dc, GetSysColorBrush(pressed ? COLOR_BTNFACE : COLOR_WINDOW));
  RoundRect(dc, r.left, r.top, r.right, r.bottom, 5 * line, 5 * line);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(frame);

  const std::wstring caption = windowText(item.hwndItem);
  RECT text = r;
  if (pressed) OffsetRect(&text, line, line);
  HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor((item.itemState & ODS_DISABLED) != 0 ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  if (focused && (item.itemState & ODS_NOFOCUSRECT) == 0) {
    RECT focus = r;
    InflateRect(&focus, -3 * line, -3 * line);
    DrawFocusRect(dc, &focus);
  }
}

void placeOnScreen(HWND window, HWND owner) {
  RECT size{};
  GetWindowRect(window, &size);
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  GetMonitorInfoW(MonitorFromWindow(owner != nullptr ? owner : window, MONITOR_DEFAULTTOPRIMARY), &mi);
  std::optional<view::Rect> shownOwner;
  RECT ownerRect{};
  if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner) && GetWindowRect(owner, &ownerRect)) {
    shownOwner = viewRect(ownerRect);
  }
  const view::Point at = view::placeWindow(size.right - size.left, size.bottom - size.top,
                                           viewRect(mi.rcWork), shownOwner);
  SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace trelavka::win32
