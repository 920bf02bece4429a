// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rasteriser.h"

#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace {

constexpr int renderSide = 640;

// The colours a flat drawing fills with: #rgb and #rrggbb.
std::vector<std::uint32_t> fillColours(const QByteArray& svg)
{
    std::vector<std::uint32_t> colours;
    static const QRegularExpression hex("#([0-9a-fA-F]{6}|[0-9a-fA-F]{3})\\b");
    for (auto match = hex.globalMatch(QString::fromUtf8(svg)); match.hasNext();) {
        QString digits = match.next().captured(1);
        if (digits.size() == 3)
            digits = QString() + digits[0] + digits[0] + digits[1] + digits[1] + digits[2] + digits[2];
        const std::uint32_t colour = digits.toUInt(nullptr, 16);
        if (std::find(colours.begin(), colours.end(), colour) == colours.end())
            colours.push_back(colour);
    }
    return colours;
}

double distance(std::uint32_t a, double r, double g, double b)
{
    const double dr = double((a >> 16) & 0xff) - r, dg = double((a >> 8) & 0xff) - g, db = double(a & 0xff) - b;
    return dr * dr + dg * dg + db * db;
}

} // namespace

double CellPicture::fill() const
{
    return double(std::count_if(colours.begin(), colours.end(), [](int c) { return c >= 0; })) / double(colours.size());
}

double CellPicture::runsPerLine() const
{
    int runs = 0;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x)
            runs += filled(x, y) && (x == 0 || !filled(x - 1, y));
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < rows; ++y)
            runs += filled(x, y) && (y == 0 || !filled(x, y - 1));
    return double(runs) / double(columns + rows);
}

bool Rasteriser::load(const QByteArray& svg)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return false;
    image_ = QImage(renderSide, renderSide, QImage::Format_ARGB32);
    image_.fill(Qt::transparent);
    {
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, renderSide, renderSide));
    }
    covered_ = QRect();
    for (int y = 0; y < renderSide; ++y)
        for (int x = 0; x < renderSide; ++x)
            if (qAlpha(image_.pixel(x, y)) > 24)
                covered_ |= QRect(x, y, 1, 1);
    colours_ = fillColours(svg);
    return !covered_.isEmpty() && !colours_.empty();
}

QSize Rasteriser::sizeFor(int longSide) const
{
    const double ratio = double(covered_.width()) / double(covered_.height());
    if (ratio >= 1)
        return {longSide, std::max(1, int(std::lround(longSide / ratio)))};
    return {std::max(1, int(std::lround(longSide * ratio))), longSide};
}

CellPicture Rasteriser::cells(QSize board) const
{
    CellPicture picture;
    picture.columns = board.width();
    picture.rows = board.height();
    // Square cells over the covered part, centred where the board is wider than it.
    const double cell = std::max(double(covered_.width()) / board.width(), double(covered_.height()) / board.height());
    const double left = covered_.center().x() + 0.5 - cell * board.width() / 2;
    const double top = covered_.center().y() + 0.5 - cell * board.height() / 2;
    std::vector<int> used(colours_.size(), -1);
    for (int y = 0; y < board.height(); ++y) {
        for (int x = 0; x < board.width(); ++x) {
            double alpha = 0, r = 0, g = 0, b = 0, samples = 0;
            const int x0 = int(std::floor(left + x * cell)), x1 = int(std::ceil(left + (x + 1) * cell));
            const int y0 = int(std::floor(top + y * cell)), y1 = int(std::ceil(top + (y + 1) * cell));
            for (int py = y0; py < y1; ++py)
                for (int px = x0; px < x1; ++px) {
                    ++samples;
                    if (px < 0 || py < 0 || px >= renderSide || py >= renderSide)
                        continue;
                    const QRgb pixel = image_.pixel(px, py);
                    const double a = qAlpha(pixel) / 255.0;
                    alpha += a;
                    r += qRed(pixel) * a;
                    g += qGreen(pixel) * a;
                    b += qBlue(pixel) * a;
                }
            if (samples == 0 || alpha / samples < 0.5) {
                picture.colours.push_back(-1);
                continue;
            }
            std::size_t nearest = 0;
            for (std::size_t i = 1; i < colours_.size(); ++i)
                if (distance(colours_[i], r / alpha, g / alpha, b / alpha)
                    < distance(colours_[nearest], r / alpha, g / alpha, b / alpha))
                    nearest = i;
            if (used[nearest] < 0) {
                used[nearest] = int(picture.palette.size());
                picture.palette.push_back(colours_[nearest]);
            }
            picture.colours.push_back(used[nearest]);
        }
    }
    return picture;
}
