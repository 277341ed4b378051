#include "charts/ChartImage.h"
#include "cli/SessionArguments.h"

#include <QGuiApplication>

#include <charconv>

namespace {

constexpr int DefaultWidth = 1200;
constexpr int DefaultHeight = 800;
constexpr int SmallestSide = 300;
constexpr int LargestSide = 10000;

// One side of a --size value; false unless it is a whole number in the allowed range.
bool ParseSide(std::string_view text, int& side)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), side);
    return error == std::errc() && end == text.data() + text.size() && side >= SmallestSide && side <= LargestSide;
}

// Takes --size WxH out of the arguments; false with the problem when it is malformed.
bool TakeSize(Arguments& arguments, QSize& size, std::string& problem)
{
    for (auto it = arguments.begin(); it != arguments.end(); ++it) {
        if (*it != "--size")
            continue;
        if (it + 1 == arguments.end()) {
            problem = "--size needs WIDTHxHEIGHT";
            return false;
        }
        const std::string value = *(it + 1);
        const std::size_t x = value.find('x');
        int width = 0;
        int height = 0;
        if (x == std::string::npos || !ParseSide(std::string_view(value).substr(0, x), width)
            || !ParseSide(std::string_view(value).substr(x + 1), height)) {
            problem = "--size takes WIDTHxHEIGHT, each from " + std::to_string(SmallestSide) + " to "
                + std::to_string(LargestSide) + ", not " + value;
            return false;
        }
        size = QSize(width, height);
        arguments.erase(it, it + 2);
        return true;
    }
    return true;
}

// Draws the chart as a session window shows it, on an offscreen surface.
QImage RenderSessionChart(const std::vector<SamplePtr>& samples, QSize size)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kovelo-cli";
    static char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    const ChartData data = BuildChartData(samples.begin(), samples.end());
    return RenderChart(data, {WholeRange(data.first, data.last), std::nullopt}, size);
}

int RunPlot(const Command& command, const Arguments& arguments, CliOutput&)
{
    Arguments rest = arguments;
    QSize size(DefaultWidth, DefaultHeight);
    SessionArguments parsed;
    std::string problem;
    if (!TakeSize(rest, size, problem)
        || !ParseSessionArguments(rest, {.filter = true, .output = true}, parsed, problem))
        return ReportUsageError(command, problem);
    if (parsed.output.empty())
        return ReportUsageError(command, "plot needs -o OUT.png");
    std::vector<SamplePtr> samples;
    if (!ReadSessionOfArguments(parsed, samples))
        return ExitStatus::Failure;
    const WriteOutcome outcome = WriteChartPng(parsed.output, RenderSessionChart(samples, size));
    if (outcome != WriteOutcome::Written)
        return ReportFailure(OutcomeMessage(outcome, parsed.output));
    return ExitStatus::Success;
}

} // namespace

const Command PlotCommand = {
    "plot",
    "plot FILE N [--filter] -o OUT.png [--size WxH]",
    "      Draws session N as a session window's chart shows it, whole, into the PNG file\n"
    "      OUT: temperature, stack and charge rate over time, and the OC and ODC cell maps.\n"
    "      --filter  the summaries, each held from its time to the next one's.\n"
    "      --size    the image's width and height in pixels, each from 300 to 10000\n"
    "                (default 1200x800).\n",
    RunPlot,
};
