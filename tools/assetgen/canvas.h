#pragma once
// A floating-point RGBA picture that the image recipes paint into.

#include <functional>
#include <vector>

namespace assetgen
{
struct Colour
{
    float r = 0, g = 0, b = 0, a = 1;

    Colour operator*(float k) const { return {r * k, g * k, b * k, a}; }
    Colour operator+(const Colour& o) const { return {r + o.r, g + o.g, b + o.b, a}; }
    float luminance() const { return 0.299f * r + 0.587f * g + 0.114f * b; }
    Colour withAlpha(float alpha) const { return {r, g, b, alpha}; }
};

//! 0..255 channel values.
Colour rgb(int r, int g, int b, int a = 255);
//! Linear mix of two colours, alpha included.
Colour mix(const Colour& a, const Colour& b, float t);

class Canvas
{
public:
    Canvas(int width, int height, const Colour& fill = {0, 0, 0, 1});

    int width() const { return m_width; }
    int height() const { return m_height; }
    Colour& at(int x, int y) { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
    const Colour& at(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
    //! Pixel with coordinates wrapped around the edges.
    const Colour& wrapped(int x, int y) const;

    //! Sets every pixel from its centre in unit coordinates (u, v in [0, 1)).
    void paint(const std::function<Colour(float u, float v)>& shader);
    //! Changes every pixel from its old value and its unit coordinates.
    void modify(const std::function<Colour(const Colour& old, float u, float v)>& shader);
    //! "Over" composition of a colour with coverage `amount` onto pixel (x, y); outside is ignored.
    void blend(int x, int y, const Colour& colour, float amount);
    //! Soft-edged disc in pixel units.
    void disc(float cx, float cy, float radius, const Colour& colour, float softness = 1.0f);
    //! Soft-edged thick line segment in pixel units.
    void line(float x0, float y0, float x1, float y1, float width, const Colour& colour);
    //! Soft-edged circle outline of `width` around (cx, cy) in pixel units.
    void ring(float cx, float cy, float radius, float width, const Colour& colour);
    //! "Over" composition of a whole picture with its upper-left corner at (left, top).
    void compose(const Canvas& layer, int left, int top);
    //! Box blur of every channel; `wrap` blurs across the edges of a tile.
    Canvas blurred(int radius, bool wrap) const;
    //! The picture turned a quarter turn counter-clockwise.
    Canvas turnedLeft() const;

private:
    int m_width;
    int m_height;
    std::vector<Colour> m_pixels;
};
} // namespace assetgen
