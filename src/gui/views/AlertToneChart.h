#pragma once

#include "core/data/AlertTonePlayer.h"

#include <QStringList>
#include <QWidget>

namespace tav::gui {

/// The alert tone's bar chart: one bar per segment that has a duration, as wide as its share of
/// the melody's length and as high as its frequency (2550 Hz fills the height), even segments blue
/// and odd ones red, on the palette's base (white, or dark with lighter bars). Its accessible description lists the segments in words.
class AlertToneChart : public QWidget {
    Q_OBJECT
public:
    explicit AlertToneChart(QWidget* parent = nullptr);

    /// `segmentNames` name the eight segments; `offText` is the word for a segment without tone.
    void SetValues(const AlertTonePlayerValues& values, const QStringList& segmentNames,
                   const QString& offText);
    const AlertTonePlayerValues& Values() const { return values_; }
    /// The bars for the chart's present size.
    std::vector<AlertToneChartBar> Bars() const;

    QSize sizeHint() const override { return {420, 150}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AlertTonePlayerValues values_;
};

/// The segments in words: "1st Tone: 1000 Hz, 100 ms; 2nd Tone: Off, 50 ms" (segments without
/// a duration are left out).
QString DescribeSegments(const AlertTonePlayerValues& values, const QStringList& segmentNames,
                         const QString& offText);

} // namespace tav::gui
