#include "tools/assetgen/canvas.h"

#include <algorithm>
#include <cmath>

namespace assetgen
{
Colour rgb(int r, int g, int b, int a) { return {r / 255.0f, g / 255.0f, b / 255.0f, a / 255.0f}; }

Colour mix(const Colour& a, const Colour& b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Canvas::Canvas(int width, int height, const Colour& fill)
    : m_width(width), m_height(height), m_pixels(static_cast<size_t>(width) * height, fill)
{
}

const Colour& Canvas::wrapped(int x, int y) const
{
    x %= m_width;
    y %= m_height;
    return at(x < 0 ? x + m_width : x, y < 0 ? y + m_height : y);
}

void Canvas::paint(const std::function<Colour(float u, float v)>& shader)
{
    modify([&](const Colour&, float u, float v) { return shader(u, v); });
}

void Canvas::modify(const std::function<Colour(const Colour& old, float u, float v)>& shader)
{
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            at(x, y) = shader(at(x, y), (x + 0.5f) / m_width, (y + 0.5f) / m_height);
}

void Canvas::blend(int x, int y, const Colour& colour, float amount)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    const float k = std::clamp(amount * colour.a, 0.0f, 1.0f);
    Colour& target = at(x, y);
    const float alpha = k + target.a * (1 - k);
    if (alpha <= 0)
        return;
    const float keep = target.a * (1 - k);
    target = {(colour.r * k + target.r * keep) / alpha, (colour.g * k + target.g * keep) / alpha,
              (colour.b * k + target.b * keep) / alpha, alpha};
}

void Canvas::disc(float cx, float cy, float radius, const Colour& colour, float softness)
{
    const int x0 = static_cast<int>(cx - radius - softness), x1 = static_cast<int>(cx + radius + softness) + 1;
    const int y0 = static_cast<int>(cy - radius - softness), y1 = static_cast<int>(cy + radius + softness) + 1;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
        {
            const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            blend(x, y, colour, std::clamp((radius - d) / softness + 0.5f, 0.0f, 1.0f));
        }
}

void Canvas::line(float x0, float y0, float x1, float y1, float width, const Colour& colour)
{
    const float dx = x1 - x0, dy = y1 - y0;
    const float lengthSq = std::max(dx * dx + dy * dy, 1e-6f);
    const float pad = width + 1;
    for (int y = static_cast<int>(std::min(y0, y1) - pad); y <= static_cast<int>(std::max(y0, y1) + pad); ++y)
        for (int x = static_cast<int>(std::min(x0, x1) - pad); x <= static_cast<int>(std::max(x0, x1) + pad); ++x)
        {
            const float px = x + 0.5f - x0, py = y + 0.5f - y0;
            const float t = std::clamp((px * dx + py * dy) / lengthSq, 0.0f, 1.0f);
            const float d = std::hypot(px - t * dx, py - t * dy);
            blend(x, y, colour, std::clamp(width * 0.5f - d + 0.5f, 0.0f, 1.0f));
        }
}

void Canvas::ring(float cx, float cy, float radius, float width, const Colour& colour)
{
    const float reach = radius + width + 1;
    for (int y = static_cast<int>(cy - reach); y <= static_cast<int>(cy + reach); ++y)
        for (int x = static_cast<int>(cx - reach); x <= static_cast<int>(cx + reach); ++x)
        {
            const float d = std::fabs(std::hypot(x + 0.5f - cx, y + 0.5f - cy) - radius);
            blend(x, y, colour, std::clamp(width * 0.5f - d + 0.5f, 0.0f, 1.0f));
        }
}

void Canvas::compose(const Canvas& layer, int left, int top)
{
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x)
            blend(left + x, top + y, layer.at(x, y), 1);
}

Canvas Canvas::blurred(int radius, bool wrap) const
{
    auto sample = [&](const Canvas& c, int x, int y) -> const Colour& {
        if (wrap)
            return c.wrapped(x, y);
        return c.at(std::clamp(x, 0, c.m_width - 1), std::clamp(y, 0, c.m_height - 1));
    };
    const float k = 1.0f / (2 * radius + 1);
    Canvas horizontal(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
        {
            Colour sum{0, 0, 0, 0};
            for (int d = -radius; d <= radius; ++d)
            {
                const Colour& c = sample(*this, x + d, y);
                sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, sum.a + c.a};
            }
            horizontal.at(x, y) = {sum.r * k, sum.g * k, sum.b * k, sum.a * k};
        }
    Canvas result(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
        {
            Colour sum{0, 0, 0, 0};
            for (int d = -radius; d <= radius; ++d)
            {
                const Colour& c = sample(horizontal, x, y + d);
                sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, sum.a + c.a};
            }
            result.at(x, y) = {sum.r * k, sum.g * k, sum.b * k, sum.a * k};
        }
    return result;
}

Canvas Canvas::turnedLeft() const
{
    Canvas result(m_height, m_width);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            result.at(y, m_width - 1 - x) = at(x, y);
    return result;
}
} // namespace assetgen
