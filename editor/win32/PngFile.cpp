// PNG encoding with WIC: a file stream, the PNG encoder and one frame of
// 32-bit BGRA rows, which is the picture's layout in memory.
#include "editor/win32/PngFile.h"

#include <objbase.h>
#include <wincodec.h>
#include <windows.h>

#include <vector>

#include "editor/ViewPicture.h"
#include "os/win32/ComScope.h"
#include "render/d3d9/ComPtr.h"

namespace {

bool EncodeFrame(IWICBitmapEncoder* encoder, const ViewPicture& picture) {
    ComPtr<IWICBitmapFrameEncode> frame;
    if (FAILED(encoder->CreateNewFrame(frame.Receive(), nullptr)) ||
        FAILED(frame->Initialize(nullptr)) ||
        FAILED(frame->SetSize(static_cast<UINT>(picture.width), static_cast<UINT>(picture.height))))
        return false;
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
    if (FAILED(frame->SetPixelFormat(&format)) || format != GUID_WICPixelFormat32bppBGRA)
        return false;
    const UINT stride = static_cast<UINT>(picture.width) * 4;
    const UINT size = stride * static_cast<UINT>(picture.height);
    auto* bytes = reinterpret_cast<BYTE*>(const_cast<uint32_t*>(picture.pixels.data()));
    return SUCCEEDED(frame->WritePixels(static_cast<UINT>(picture.height), stride, size, bytes)) &&
           SUCCEEDED(frame->Commit());
}

// The stream closes the file when the last reference goes, before a failed
// file is removed.
bool Encode(const std::wstring& path, const ViewPicture& picture) {
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory,
                                reinterpret_cast<void**>(factory.Receive()))))
        return false;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    return SUCCEEDED(factory->CreateStream(stream.Receive())) &&
           SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
           SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Receive())) &&
           SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
           EncodeFrame(encoder.Get(), picture) && SUCCEEDED(encoder->Commit());
}

}  // namespace

bool WritePngFile(const std::string& path, const ViewPicture& picture) {
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.pixels.size() != static_cast<size_t>(picture.width) * picture.height)
        return false;
    const std::wstring widePath = WidePath(path);
    if (widePath.empty()) return false;
    ComScope com;
    if (Encode(widePath, picture)) return true;
    DeleteFileW(widePath.c_str());
    return false;
}
