#pragma once

#include "Object.h"

#include <memory>
#include <string>

class QImage;

// A picture read from a file; shared, never copied.
class Picture : public Object {
public:
    Picture();
    ~Picture() override;

    int Width() const;
    int Height() const;

    // The picture in the file, or null when the file is no picture.
    static std::shared_ptr<Picture> _Read(const std::string& path);
    const QImage& _Image() const;

private:
    std::unique_ptr<QImage> image_;
};
