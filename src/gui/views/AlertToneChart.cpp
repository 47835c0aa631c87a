#include "gui/views/AlertToneChart.h"

#include <QPainter>

namespace tav::gui {

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
    painter.fillRect(rect(), Qt::white);
    for (const AlertToneChartBar& bar : Bars()) {
        painter.fillRect(QRect(bar.left, bar.top, bar.width, bar.height), bar.blue ? Qt::blue : Qt::red);
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight(), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace tav::gui
