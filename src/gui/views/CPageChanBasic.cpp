#include "gui/views/CPageChanBasic.h"

#include "core/data/ChannelData.h"
#include "core/data/ToneTables.h"
#include "gui/app/AppContext.h"
#include "gui/controls/CCtcssEdit.h"
#include "gui/controls/CFreqEdit.h"
#include "gui/controls/FilterEdit.h"
#include "gui/controls/NamedComboAccessible.h"
#include "gui/controls/QtText.h"
#include "gui/views/FieldNames.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>

namespace tav::gui {
namespace {

constexpr int kCtcssChars = 5;
constexpr int kCdcssChars = 3;
constexpr int kFreqChars = 9;

DialogTemplate BasicTemplate() {
    using K = ControlKind;
    using P = CPageChanBasic;
    DialogTemplate dialog{P::kTemplateId, QStringLiteral("Basic"), {}};
    // Receive on the left, transmit on the right; each label's id is its control's minus one.
    const struct {
        int id;
        K kind;
        const char* text;
        int row;
        int column;
    } controls[] = {
        {3660, K::Label, "Channel Spacing", 0, 0},
        {P::kSpacing, K::ComboBox, "", 0, 1},
        {3662, K::Label, "Power Level", 0, 2},
        {P::kPower, K::ComboBox, "", 0, 3},
        {3665, K::Label, "RX Frequency (MHz)", 1, 0},
        {P::kRxFreq, K::Custom, "", 1, 1},
        {3674, K::Label, "TX Frequency (MHz)", 1, 2},
        {P::kTxFreq, K::Custom, "", 1, 3},
        {3667, K::Label, "RX Signal Type", 2, 0},
        {P::kRxType, K::ComboBox, "", 2, 1},
        {3676, K::Label, "TX Signal Type", 2, 2},
        {P::kTxType, K::ComboBox, "", 2, 3},
        {3669, K::Label, "RX CTCSS (Hz)", 3, 0},
        {P::kRxCtcss, K::EditableCombo, "", 3, 1},
        {3678, K::Label, "TX CTCSS (Hz)", 3, 2},
        {P::kTxCtcss, K::EditableCombo, "", 3, 3},
        {3671, K::Label, "RX CDCSS", 4, 0},
        {P::kRxCdcss, K::EditableCombo, "", 4, 1},
        {3680, K::Label, "TX CDCSS", 4, 2},
        {P::kTxCdcss, K::EditableCombo, "", 4, 3},
        {P::kCopyButton, K::PushButton, "Copy RX to TX", 5, 3},
    };
    for (const auto& c : controls) {
        dialog.controls.push_back({c.id, c.kind, QString::fromLatin1(c.text), c.row, c.column});
    }
    return dialog;
}

/// Makes the edit part of a CDCSS drop-down: octal digits only, three at most.
void AttachCodeEdit(QComboBox* combo) {
    auto* edit = new FilterEdit(combo);
    edit->SetAllowed("01234567");
    edit->setMaxLength(kCdcssChars);
    edit->setAccessibleName(combo->accessibleName()); // known by the drop-down's name
    combo->setLineEdit(edit);
}

void ShowComboText(QComboBox* combo, const QString& text) {
    if (!combo) {
        return;
    }
    if (combo->isEditable()) {
        combo->setEditText(text);
        return;
    }
    combo->setCurrentIndex(combo->findText(text));
}

std::string ComboText(const QComboBox* combo) {
    return combo ? ToStd(combo->currentText()) : std::string();
}

} // namespace

CPageChanBasic::CPageChanBasic(AppContext& context, EditorHost* host, QWidget* parent)
    : CTAVPropertyPage(context, host, kTemplateId, parent) {
    UseNamedComboAccessibility();
    const auto makeFreqEdit = [](const ControlSpec&, QWidget* owner) -> QWidget* {
        auto* edit = new CFreqEdit(owner);
        edit->setMaxLength(kFreqChars);
        return edit;
    };
    const ControlMap controls = BuildPage(BasicTemplate(), makeFreqEdit);
    NameFieldsByLabels(controls);
    FillToneLists();
    for (const int id : {kRxFreq, kTxFreq}) {
        connect(FreqEdit(id), &CFreqEdit::OutOfRange, this,
                [this](int messageId) { Context().Tell(this, messageId); });
    }
    ApplyRange();
}

void CPageChanBasic::FillToneLists() {
    const char separator = LocaleDecimalSeparator();
    QStringList tones;
    for (const std::string& tone : CtcssToneTexts(separator)) {
        tones << ToQt(tone);
    }
    QStringList codes;
    for (const std::string& code : CdcssCodeTexts()) {
        codes << ToQt(code);
    }
    for (const int id : {kRxCtcss, kTxCtcss}) {
        QComboBox* combo = Combo(id);
        combo->clear();
        combo->addItems(tones);
        CCtcssEdit::Attach(combo)->setMaxLength(kCtcssChars);
        combo->setInsertPolicy(QComboBox::NoInsert);
        WatchControl(combo);
    }
    for (const int id : {kRxCdcss, kTxCdcss}) {
        QComboBox* combo = Combo(id);
        combo->clear();
        combo->addItems(codes);
        AttachCodeEdit(combo);
        combo->setInsertPolicy(QComboBox::NoInsert);
        WatchControl(combo);
    }
}

CFreqEdit* CPageChanBasic::FreqEdit(int id) const {
    return qobject_cast<CFreqEdit*>(Control(id));
}

QComboBox* CPageChanBasic::Combo(int id) const {
    return qobject_cast<QComboBox*>(Control(id));
}

void CPageChanBasic::ApplyRange() {
    const DataContext& data = Context().Container().Context();
    for (const int id : {kRxFreq, kTxFreq}) {
        FreqEdit(id)->SetRange(data.rangeLowMHz, data.rangeHighMHz);
    }
}

void CPageChanBasic::LoadView() {
    if (!channel_) {
        return;
    }
    ChannelUi ui;
    channel_->LoadUi(ui, Context().Language(), LocaleDecimalSeparator());
    const std::pair<int, const std::string*> texts[] = {
        {kSpacing, &ui.spacing}, {kPower, &ui.power},     {kRxType, &ui.rxType},   {kTxType, &ui.txType},
        {kRxCtcss, &ui.rxCtcss}, {kRxCdcss, &ui.rxCdcss}, {kTxCtcss, &ui.txCtcss}, {kTxCdcss, &ui.txCdcss}};
    for (const auto& [id, text] : texts) {
        ShowComboText(Combo(id), ToQt(*text));
    }
    FreqEdit(kRxFreq)->SetBcd(ui.rxFreq);
    FreqEdit(kTxFreq)->SetBcd(ui.txFreq);
    FreqEdit(kTxFreq)->setEnabled(ChannelData::TransmitFrequencyEnabled(ui.rxFreq));
    EnableTones(kRxType, kRxCtcss, kRxCdcss);
    EnableTones(kTxType, kTxCtcss, kTxCdcss);
}

void CPageChanBasic::StoreView() {
    if (!channel_) {
        return;
    }
    CFreqEdit* rx = FreqEdit(kRxFreq);
    CFreqEdit* tx = FreqEdit(kTxFreq);
    // An edit still being typed in takes its value back first (as losing the focus would).
    rx->Commit();
    tx->Commit();
    ChannelUi ui;
    channel_->LoadUi(ui, Context().Language(), LocaleDecimalSeparator());
    ui.rxFreq = rx->GetBcd();
    ui.txFreq = tx->GetBcd();
    ui.rxStep = static_cast<std::uint8_t>(rx->GetStepCode());
    ui.txStep = static_cast<std::uint8_t>(tx->GetStepCode());
    ui.spacing = ComboText(Combo(kSpacing));
    ui.power = ComboText(Combo(kPower));
    ui.rxType = ComboText(Combo(kRxType));
    ui.txType = ComboText(Combo(kTxType));
    ui.rxCtcss = ComboText(Combo(kRxCtcss));
    ui.rxCdcss = ComboText(Combo(kRxCdcss));
    ui.txCtcss = ComboText(Combo(kTxCtcss));
    ui.txCdcss = ComboText(Combo(kTxCdcss));
    channel_->StoreUi(ui, Context().Language(), Context().Container().Context(), LocaleDecimalSeparator());
}

void CPageChanBasic::OnControlChanged(int controlId, int /*notifyCode*/) {
    switch (controlId) {
    case kRxFreq:
        EnableTransmitFrequency();
        break;
    case kRxType:
    case kTxType:
        // The type was stored first: the tone drop-downs show what the channel now holds (a tone
        // the new type does not use reads back as the channel keeps it, greyed), as the list does.
        LoadView();
        break;
    case kCopyButton:
        if (channel_) {
            channel_->CopyReceiveToTransmit();
            ApplyRange();
            LoadView();
        }
        break;
    default:
        break;
    }
}

void CPageChanBasic::EnableTransmitFrequency() {
    CFreqEdit* tx = FreqEdit(kTxFreq);
    if (FreqEdit(kRxFreq)->text().isEmpty()) {
        tx->clear();
        tx->SetBcd(kNoFreq);
        tx->setEnabled(false);
        StoreView();
        return;
    }
    tx->setEnabled(true);
}

void CPageChanBasic::EnableTones(int typeId, int ctcssId, int cdcssId) {
    const QComboBox* type = Combo(typeId);
    const int toneType = type && type->currentIndex() >= 0 ? type->currentData().toInt() : 0;
    const ToneFieldState state = ChannelData::ToneFields(toneType);
    Combo(ctcssId)->setEnabled(state.ctcss);
    Combo(cdcssId)->setEnabled(state.cdcss);
}

} // namespace tav::gui
