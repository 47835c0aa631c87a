#pragma once

#include <QWidget>
#include <functional>
#include <map>

namespace tav::gui {

class AppContext;
class CCustomFormView;
class EditorHost;

/// Makes the view of an editor.
using ViewFactory = std::function<CCustomFormView*(AppContext& context, EditorHost& host, QWidget* parent)>;

/// The views the program can make, by view identifier.
class ViewRegistry {
public:
    void Register(int viewId, ViewFactory factory) { factories_[viewId] = std::move(factory); }
    bool Has(int viewId) const { return factories_.count(viewId) != 0; }
    /// A new view for the identifier; nullptr when none is registered.
    CCustomFormView* Create(int viewId, AppContext& context, EditorHost& host, QWidget* parent) const;

private:
    std::map<int, ViewFactory> factories_;
};

/// Registers the editors built into the program.
void RegisterStandardViews(ViewRegistry& registry);

} // namespace tav::gui
