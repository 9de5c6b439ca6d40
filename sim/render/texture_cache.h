// Decoded texture images for the renderer, kept by file: every image reload of the plug-in
// asks for new texture ids of the same files, and those ids share the one decoded image of
// their file as long as its bytes are the same. A texture id holds its image while it is
// drawn; an id that a picture no longer draws lets go of it, so an image whose file has
// changed stays only while an old id still shows it. Each decoded image keeps copies
// scaled to the pixel sizes it is drawn at, so that composing a frame only turns and blends
// small images.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace sim {

class TextureCache {
  public:
    TextureCache() = default;
    ~TextureCache() = default;
    TextureCache(const TextureCache&) = delete;
    TextureCache& operator=(const TextureCache&) = delete;

    // The image of texture id (as createTexture answered) from the PNG file hostPath,
    // scaled to width x height pixels; null when the file is missing, not a readable PNG
    // image or larger than imageSideMax a side.
    cairo_surface_t* scaled(int id, const std::string& hostPath, int width, int height);

    // A picture is finished: ids it did not draw let go of their images, and images that
    // neither an id nor their file's latest bytes stand for are freed.
    void endPicture();

    // Forgets every decoded and scaled image.
    void clear();

    // Decoded images held now (each file's latest, and older ones ids still draw).
    size_t decodedImages() const;

  private:
    struct Fingerprint {
        uint64_t bytes = 0;  // the file's length; default 0
        uint64_t hash = 0;   // of its contents; default 0
        bool operator==(const Fingerprint&) const = default;
    };
    struct Decoded {
        explicit Decoded(cairo_surface_t* image) : image(image) {}
        ~Decoded();
        Decoded(const Decoded&) = delete;
        Decoded& operator=(const Decoded&) = delete;
        cairo_surface_t* image = nullptr;  // null: the file gives no image
        std::optional<Fingerprint> print;  // the bytes it was decoded from; none: not a file
        std::map<std::pair<int, int>, cairo_surface_t*> scaled;  // by width, height in px
    };
    struct Held {
        std::string hostPath;              // the id's file
        std::shared_ptr<Decoded> decoded;  // its image
        bool drawn = false;                // drawn since the last endPicture
    };

    std::shared_ptr<Decoded> lookUp(const std::string& hostPath);
    // Calls f for each decoded image held, once.
    template <class F>
    void eachDecoded(F f) const;
    void makeRoomForScaledCopy();

    std::map<int, Held> ids_;                                // by texture id
    std::map<std::string, std::shared_ptr<Decoded>> files_;  // latest decode by host path
    size_t scaledMade_ = 0;  // scaled copies made since the last count; default 0
};

}  // namespace sim
