#include "gui/factory/CDlgTuning.h"

#include "core/comm/RadioLink.h"
#include "core/lang/CLanguage.h"
#include "gui/app/AppContext.h"
#include "gui/comm/DialogRunner.h"
#include "gui/factory/CDlgTuneSubItem.h"
#include "gui/factory/FieldNames.h"
#include "gui/ui/ControlIds.h"
#include "gui/ui/Translator.h"

#include <QApplication>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace tav::gui {
namespace {

constexpr int kNoAnswer = 1143;
constexpr int kValueNotRead = 1156;
constexpr int kNotInList = 1167;
constexpr int kConnectionLost = 1228;
constexpr int kListLabel = 7052;
constexpr int kCloseButton = 1;

DialogTemplate TuningTemplate() {
    return {CDlgTuning::kTemplateId,
            QStringLiteral("Tuning"),
            {{kListLabel, ControlKind::Label, QStringLiteral("Tuning Items"), 0, 0},
             {CDlgTuning::kItemList, ControlKind::ListBox, {}, 1, 0},
             {kCloseButton, ControlKind::PushButton, QStringLiteral("Close"), 2, 0}}};
}

} // namespace

CDlgTuning::CDlgTuning(AppContext& context, RadioLink& radio, QWidget* parent)
    : QDialog(parent), context_(context), radio_(radio) {
    auto* layout = new QGridLayout(this);
    const ControlMap controls = BuildTemplate(TuningTemplate(), this, layout);
    TranslateDialog(this, kTemplateId, context_.Language());
    SetControlId(this, kTemplateId);
    list_ = qobject_cast<QListWidget*>(controls.at(kItemList));
    list_->setMinimumSize(280, 360);
    NameAfterLabel(list_, controls.at(kListLabel));
    items_ = ParseTuningItems(context_.Language().GetControlText(kItemListText));
    connect(list_, &QListWidget::itemActivated, this, &CDlgTuning::OnActivated);
    connect(qobject_cast<QPushButton*>(controls.at(kCloseButton)), &QPushButton::clicked, this,
            &QDialog::accept);
}

void CDlgTuning::Tell(int messageId, const QString& detail) {
    const QString text = context_.Message(messageId);
    context_.Prompts().Ask(this, context_.Title(),
                           detail.isEmpty() ? text : text + QStringLiteral("\n\n") + detail,
                           PromptButtons::Ok, PromptIcon::Warning);
}

void CDlgTuning::OnActivated(QListWidgetItem* entry) {
    if (entry) {
        OpenItem(entry->data(Qt::UserRole).toUInt(), entry->text());
    }
}

void CDlgTuning::OpenItem(std::uint32_t code, const QString& caption) {
    const auto found =
        std::find_if(items_.begin(), items_.end(), [code](const TuningItem& i) { return i.code == code; });
    if (found == items_.end()) {
        Tell(kNotInList);
        return;
    }
    CDlgTuneSubItem::Item item{code, PointsOf(*found), caption};
    const std::vector<std::uint16_t>& first = item.points.Of(item.points.InitialSpacing());
    if (first.empty()) {
        Tell(kNotInList);
        return;
    }
    std::array<std::uint8_t, 2> value{};
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TuneRead read = radio_.ReadTuneValue(first.front(), value);
    QApplication::restoreOverrideCursor();
    if (read != TuneRead::Read) {
        Tell(read == TuneRead::NoTuningMode ? kNoAnswer : kValueNotRead);
        return;
    }
    CDlgTuneSubItem dialog(context_, radio_, std::move(item),
                           static_cast<std::uint16_t>((value[0] << 8) | value[1]), this);
    if (dialog.Failure() == 0) {
        context_.Runner().Run(dialog);
    }
    if (dialog.Failure() == kNoAnswer) {
        // The radio is gone: it keeps its committed values, and the dialog can do nothing more.
        Tell(kNoAnswer, context_.Message(kConnectionLost));
        reject();
    } else if (dialog.Failure() != 0) {
        Tell(dialog.Failure());
    }
}

} // namespace tav::gui
