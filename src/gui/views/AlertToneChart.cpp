#include "gui/views/AlertToneChart.h"

#include <QPainter>

namespace tav::gui {
namespace {

/// A base below this lightness is a dark theme's.
constexpr int kDarkBaseLightness = 128;
const QColor kLightBlue(110, 160, 255);
const QColor kLightRed(255, 120, 120);

} // namespace

QString DescribeSegments(const AlertTonePlayerValues& values, const QStringList& segmentNames,
                         const QString& offText) {
    QStringList parts;
    for (std::size_t k = 0; k < values.durationMs.size(); ++k) {
        if (values.durationMs[k] <= 0) {
            continue;
        }
        const auto index = static_cast<qsizetype>(k);
        const QString name = index < segmentNames.size() ? segmentNames[index] : QString::number(k + 1);
        const QString tone =
            values.frequencyHz[k] > 0 ? QStringLiteral("%1 Hz").arg(values.frequencyHz[k]) : offText;
        parts << QStringLiteral("%1: %2, %3 ms").arg(name, tone).arg(values.durationMs[k]);
    }
    return parts.join(QStringLiteral("; "));
}

AlertToneChart::AlertToneChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 100);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::TabFocus); // reachable by keyboard, so a screen reader reads the description
}

void AlertToneChart::SetValues(const AlertTonePlayerValues& values, const QStringList& segmentNames,
                               const QString& offText) {
    values_ = values;
    setAccessibleDescription(DescribeSegments(values, segmentNames, offText));
    update();
}

std::vector<AlertToneChartBar> AlertToneChart::Bars() const {
    return AlertToneChartBars(values_, width(), height());
}

void AlertToneChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Blue and red bars on the palette's base: on a dark base lighter shades of both, so that a
    // dark theme keeps the chart readable.
    const QColor base = palette().color(QPalette::Base);
    const bool dark = base.lightness() < kDarkBaseLightness;
    painter.fillRect(rect(), base);
    for (const AlertToneChartBar& bar : Bars()) {
        const QColor colour =
            bar.blue ? (dark ? kLightBlue : QColor(Qt::blue)) : (dark ? kLightRed : QColor(Qt::red));
        painter.fillRect(QRect(bar.left, bar.top, bar.width, bar.height), colour);
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight(), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace tav::gui
