#include "charts/ChartImage.h"

#include <QBuffer>
#include <QPainter>

QImage RenderChart(const ChartData& data, const ChartView& view, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintChart(painter, size, data, view);
    return image;
}

WriteOutcome WriteChartPng(const std::string& path, const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool encoded = image.save(&buffer, "PNG");
    return WriteFileThrough(path, [&](const ByteSink& sink) {
        return encoded && sink(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    });
}
