// Window capture through PrintWindow, which asks the window to paint itself
// into our bitmap, with a copy from the window's device context as fallback;
// and a plain copy of what the screen shows of a window.
#include "tools/host/WindowCapture.h"

#include <windows.h>

CapturedImage CaptureWindow(void* window) {
    CapturedImage image;
    const HWND handle = static_cast<HWND>(window);
    RECT bounds;
    if (handle == nullptr || !GetWindowRect(handle, &bounds)) return image;
    const int32_t width = bounds.right - bounds.left;
    const int32_t height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0) return image;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (memory == nullptr || bitmap == nullptr) {
        if (bitmap != nullptr) DeleteObject(bitmap);
        if (memory != nullptr) DeleteDC(memory);
        return image;
    }
    HGDIOBJ previous = SelectObject(memory, bitmap);
    if (!PrintWindow(handle, memory, 0)) {
        HDC source = GetWindowDC(handle);
        BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
        ReleaseDC(handle, source);
    }
    GdiFlush();
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<const uint32_t*>(bits),
                        static_cast<const uint32_t*>(bits) + static_cast<size_t>(width) * height);
    for (uint32_t& pixel : image.pixels) pixel |= 0xFF000000u;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return image;
}

CapturedImage CaptureFromScreen(void* handle, bool withFrame) {
    const HWND window = static_cast<HWND>(handle);
    CapturedImage image;
    RECT bounds;
    if (withFrame) {
        GetWindowRect(window, &bounds);
    } else {
        GetClientRect(window, &bounds);
    }
    image.width = bounds.right - bounds.left;
    image.height = bounds.bottom - bounds.top;
    if (image.Empty()) return {};
    HDC windowDc = withFrame ? GetWindowDC(window) : GetDC(window);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, image.width, image.height);
    const HGDIOBJ previous = SelectObject(memoryDc, bitmap);
    BitBlt(memoryDc, 0, 0, image.width, image.height, windowDc, 0, 0, SRCCOPY);
    SelectObject(memoryDc, previous);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    image.pixels.resize(static_cast<size_t>(image.width) * image.height);
    GetDIBits(memoryDc, bitmap, 0, static_cast<UINT>(image.height), image.pixels.data(), &info,
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);
    return image;
}
