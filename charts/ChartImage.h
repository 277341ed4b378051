#pragma once

#include "charts/ChartPainter.h"
#include "export/SessionFiles.h"

#include <QImage>

#include <string>

// The chart drawn on an image of the size.
QImage RenderChart(const ChartData& data, const ChartView& view, QSize size);

// Writes the image as a PNG file through a temporary file renamed into place.
WriteOutcome WriteChartPng(const std::string& path, const QImage& image);
