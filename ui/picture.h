// A picture handle. Screens pass pictures around by handle and test a cell's state by asking
// whether it holds the very same picture object as some image control, so equality here is
// identity of the underlying object, never a comparison of pixels. The null handle is "no
// picture" (an image control such as ImagePusto that holds nothing gives it).
#pragma once

#include <memory>
#include <string>

namespace ui {

struct PictureSource {
    std::string resource;  // where the painting layer finds the encoded file
    int width = 0;         // pixels
    int height = 0;
};

class Picture {
public:
    Picture() = default;

    // Every call makes a new picture object, even for the same resource: two image controls
    // loaded from one file are two pictures. The painting layer decodes each resource once.
    static Picture load(std::string resource, int width, int height) {
        Picture p;
        p.source_ = std::make_shared<const PictureSource>(
            PictureSource{std::move(resource), width, height});
        return p;
    }

    bool isNull() const { return source_ == nullptr; }
    explicit operator bool() const { return !isNull(); }
    const PictureSource* source() const { return source_.get(); }

    friend bool operator==(const Picture& a, const Picture& b) { return a.source_ == b.source_; }

private:
    std::shared_ptr<const PictureSource> source_;
};

}  // namespace ui
