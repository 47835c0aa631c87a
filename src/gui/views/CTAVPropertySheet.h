#pragma once

#include <QString>
#include <QTabWidget>
#include <vector>

namespace tav::gui {

class CTAVPropertyPage;

/// The tabs of an editor whose feature is split over pages. It remembers, per editor class, the
/// page that was active when the last editor of that class closed and opens the next one there.
class CTAVPropertySheet : public QTabWidget {
    Q_OBJECT
public:
    /// `memoryKey` names the editor class whose last page is remembered (empty: none).
    explicit CTAVPropertySheet(QString memoryKey = {}, QWidget* parent = nullptr);
    ~CTAVPropertySheet() override;

    /// Adds a page; its tab shows the page's caption.
    void AddPage(CTAVPropertyPage* page);
    const std::vector<CTAVPropertyPage*>& Pages() const { return pages_; }
    CTAVPropertyPage* ActivePage() const;

    /// Opens the page remembered for the editor class (call after the pages were added).
    void RestoreRememberedPage();
    /// The page remembered for an editor class (0 when none).
    static int RememberedPage(const QString& memoryKey);

private:
    QString memoryKey_;
    std::vector<CTAVPropertyPage*> pages_;
};

} // namespace tav::gui
