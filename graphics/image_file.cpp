#include "graphics/image_file.h"

#include <cstring>

#include <FreeImage.h>

namespace {
// Frees the bitmap on every path out, so a half-read image never leaks.
struct BitmapHolder {
    FIBITMAP* bitmap = nullptr;
    ~BitmapHolder() {
        if (bitmap) FreeImage_Unload(bitmap);
    }
};
}  // namespace

bool ReadImage(const std::string& path, Image& image, std::string& error) {
    FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
    if (format == FIF_UNKNOWN) format = FreeImage_GetFIFFromFilename(path.c_str());
    if (format == FIF_UNKNOWN || !FreeImage_FIFSupportsReading(format)) {
        error = "not an image format FreeImage reads";
        return false;
    }
    BitmapHolder original;
    original.bitmap = FreeImage_Load(format, path.c_str(), 0);
    if (!original.bitmap) {
        error = "cannot be read";
        return false;
    }
    BitmapHolder converted;
    converted.bitmap = FreeImage_ConvertTo32Bits(original.bitmap);
    if (!converted.bitmap) {
        error = "cannot be converted to 32 bits";
        return false;
    }
    const unsigned width = FreeImage_GetWidth(converted.bitmap);
    const unsigned height = FreeImage_GetHeight(converted.bitmap);
    if (width == 0 || height == 0 || !FreeImage_GetBits(converted.bitmap)) {
        error = "holds no pixels";
        return false;
    }
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.bgra.resize(static_cast<size_t>(width) * height * 4);
    // Copied row by row: FreeImage may pad its rows, the upload wants them packed.
    for (unsigned row = 0; row < height; ++row) {
        std::memcpy(image.bgra.data() + static_cast<size_t>(row) * width * 4,
                    FreeImage_GetScanLine(converted.bitmap, static_cast<int>(row)), static_cast<size_t>(width) * 4);
    }
    return true;
}
